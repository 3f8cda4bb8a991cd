// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/cli/output.h"

#include <QIODevice>
#include <algorithm>
#include <array>

namespace cli {
namespace {

// Lays out rows of cells in columns, each as wide as its widest cell, two
// blanks apart; a column empty in every row is left out, and no line ends in
// blanks.
QString columns(const QList<QStringList> &rows)
{
    qsizetype count = 0;
    for (const QStringList &row : rows)
        count = std::max(count, row.size());
    QList<qsizetype> widths(count, 0);
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    QString out;
    for (const QStringList &row : rows) {
        QString line;
        bool first = true;
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (widths[i] == 0)
                continue;
            if (!first)
                line += QString(2, u' ');
            first = false;
            line += row[i].leftJustified(widths[i]);
        }
        while (line.endsWith(u' '))
            line.chop(1);
        out += line + u'\n';
    }
    return out;
}

QString tableText(const Field &f) { return f.kind == Field::Kind::Flag ? f.text : f.text.trimmed(); }

bool needsQuotes(QStringView text)
{
    for (QChar c : text) {
        if (c == u',' || c == u'"' || c == u'\n' || c == u'\r')
            return true;
    }
    return false;
}

bool isList(const Field &f) { return f.kind == Field::Kind::List || f.kind == Field::Kind::NumberList; }

} // namespace

QString table(const Result &result)
{
    QList<QStringList> rows;
    for (const Field &f : result.fields()) {
        if (f.inTable && !isList(f))
            rows.append({f.caption, tableText(f), f.unit});
    }
    QString out = columns(rows);
    QList<QStringList> block;
    QStringList heading{QString()};
    for (const Field &f : result.fields()) {
        if (isList(f))
            heading << f.caption;
    }
    if (heading.size() == 1)
        return out;
    if (!result.listHeading.isEmpty())
        out += result.listHeading + u'\n';
    block.append(heading);
    for (qsizetype i = 0; i < result.listRows.size(); ++i) {
        QStringList row{result.listRows[i]};
        for (const Field &f : result.fields()) {
            if (isList(f))
                row << f.items.value(i);
        }
        block.append(row);
    }
    return out + columns(block);
}

void appendUtf8(Bytes &out, QStringView text)
{
    const size_t start = out.size();
    out.resize(start + size_t(text.size()));
    char *p = out.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80) {
            out.resize(start);
            const QByteArray utf8 = text.toUtf8();
            out.append(utf8.constData(), size_t(utf8.size()));
            return;
        }
        p[i] = char(c);
    }
}

void appendCsvField(Bytes &out, QStringView text)
{
    if (!needsQuotes(text)) {
        appendUtf8(out, text);
        return;
    }
    out += '"';
    appendUtf8(out, text.toString().replace(u'"', QStringLiteral("\"\"")));
    out += '"';
}

void appendCsvField(Bytes &out, QByteArrayView utf8)
{
    if (std::none_of(utf8.begin(), utf8.end(), [](char c) { return c == ',' || c == '"' || c == '\n' || c == '\r'; })) {
        out.append(utf8.data(), size_t(utf8.size()));
        return;
    }
    out += '"';
    // Up to each quote in one piece, the quote doubled.
    const char *p = utf8.data();
    const char *end = p + utf8.size();
    while (p != end) {
        const char *quote = std::find(p, end, '"');
        out.append(p, size_t(quote - p));
        if (quote == end)
            break;
        out += "\"\"";
        p = quote + 1;
    }
    out += '"';
}

void appendJsonString(Bytes &out, QStringView text)
{
    Bytes utf8;
    appendUtf8(utf8, text);
    appendJsonString(out, QByteArrayView(utf8.data(), qsizetype(utf8.size())));
}

void appendJsonString(Bytes &out, QByteArrayView utf8)
{
    static constexpr char hex[] = "0123456789abcdef";
    out += '"';
    for (char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

void appendCsvResult(Bytes &out, const Result *result, const QStringList &keys)
{
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (i > 0)
            out += ',';
        if (!result)
            continue;
        const Field &f = result->fields()[size_t(i)];
        appendCsvField(out, isList(f) ? f.items.join(u' ') : f.text);
    }
}

void appendJsonResult(Bytes &out, const Result *result, const QStringList &keys, bool comma)
{
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (comma || i > 0)
            out += ',';
        appendJsonString(out, keys[i]);
        out += ':';
        if (!result) {
            out += "null";
            continue;
        }
        const Field &f = result->fields()[size_t(i)];
        switch (f.kind) {
        case Field::Kind::Text:
            appendJsonString(out, f.text);
            break;
        case Field::Kind::Number:
            appendUtf8(out, f.text.isEmpty() ? QStringLiteral("null") : f.text);
            break;
        case Field::Kind::Flag:
            out += f.text == u"yes" ? "true" : "false";
            break;
        case Field::Kind::List:
        case Field::Kind::NumberList:
            out += '[';
            for (qsizetype j = 0; j < f.items.size(); ++j) {
                if (j > 0)
                    out += ',';
                if (f.kind == Field::Kind::List)
                    appendJsonString(out, f.items[j]);
                else
                    appendUtf8(out, f.items[j].isEmpty() ? QStringLiteral("null") : f.items[j]);
            }
            out += ']';
            break;
        }
    }
}

bool Sink::flush()
{
    if (!m_buffer.empty() && !m_failed) {
        size_t done = 0;
        while (done < m_buffer.size()) {
            const qint64 n = m_device.write(m_buffer.data() + done, qint64(m_buffer.size() - done));
            if (n <= 0) {
                m_failed = true;
                break;
            }
            done += size_t(n);
        }
    }
    m_buffer.clear(); // keeps its room for the next rows
    return !m_failed;
}

} // namespace cli
