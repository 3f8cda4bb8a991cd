// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One calculation's results as the command line prints them: named fields,
// each the text a screen shows for it (or, asked for, the model's number at
// full precision), with the caption and unit the screen shows beside it.

#include <QString>
#include <QStringList>
#include <cmath>
#include <span>
#include <vector>

namespace cli {

struct Field {
    enum class Kind {
        Text,   // a screen's text, printed as it stands
        Number, // a full-precision number (--precise): a JSON number
        Flag,   // yes or no (a tick): a JSON true or false
        List,   // one text per proposed size, in the order the screen lists them
        NumberList, // the same as full-precision numbers
    };
    QString key;     // the JSON key and CSV column
    QString caption; // the table's first column (empty: shown beside the field before)
    QString unit;    // the table's third column
    Kind kind = Kind::Text;
    QString text;    // Text, Number; Flag: "yes" or "no"
    QStringList items; // List, NumberList
    // Whether the table for people shows it (a field the screen shows only
    // in some cases, or shows beside another one, is left out there).
    bool inTable = true;
};

class Result
{
public:
    // The heading over the List fields and the captions of their rows (the
    // proposals).
    QString listHeading;
    QStringList listRows;
    // What --sort ranks by (the payback in years); NaN: no rank, last.
    double rank = std::nan("");

    std::span<const Field> fields() const { return {m_fields.data(), m_used}; }

    // Empties the result; the fields' room is used again by the next one (a
    // fleet file fills one result a million times).
    void clear()
    {
        m_used = 0;
        listHeading.clear();
        listRows.clear();
        rank = std::nan("");
    }
    Field &add(const QString &key, const QString &caption, QString text, const QString &unit = QString(),
               Field::Kind kind = Field::Kind::Text)
    {
        if (m_used == m_fields.size())
            m_fields.emplace_back();
        Field &f = m_fields[m_used++];
        // Most texts are the same shared text row after row: no copy then.
        auto set = [](QString &to, const QString &from) {
            if (!to.isSharedWith(from))
                to = from;
        };
        set(f.key, key);
        set(f.caption, caption);
        set(f.unit, unit);
        f.kind = kind;
        f.text = std::move(text);
        f.items.clear();
        f.inTable = true;
        return f;
    }

private:
    std::vector<Field> m_fields;
    size_t m_used = 0;
};

} // namespace cli
