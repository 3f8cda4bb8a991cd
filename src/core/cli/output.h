// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Results written for people (an aligned table) and for programs (a JSON
// object per result on one line, or CSV), always as UTF-8.

#include "core/cli/result.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <string>

class QIODevice;

namespace cli {

enum class Format { Table, Json, Csv };

// Output text as UTF-8: a standard string, whose appends cost least (a fleet
// file writes a million rows).
using Bytes = std::string;

// The table: caption, value and unit of each field the screen shows, in
// columns as wide as their widest text; the proposed sizes under it as a
// block of their own. Columns that hold nothing are left out.
QString table(const Result &result);

void appendUtf8(Bytes &out, QStringView text);
// A CSV field, quoted when it holds a comma, a double quote or a line end.
void appendCsvField(Bytes &out, QStringView text);
void appendCsvField(Bytes &out, QByteArrayView utf8);
// A JSON string with its quotes.
void appendJsonString(Bytes &out, QStringView text);
void appendJsonString(Bytes &out, QByteArrayView utf8);

// A result's fields as CSV fields (a list as its texts joined by blanks), or
// as many empty fields as `keys` has for no result.
void appendCsvResult(Bytes &out, const Result *result, const QStringList &keys);
// A result's fields as JSON members ("key":value, ...), or null for each of
// `keys` for no result. `comma` puts a comma before the first member.
void appendJsonResult(Bytes &out, const Result *result, const QStringList &keys, bool comma);

// Output in large writes; a write that fails is remembered.
class Sink
{
public:
    explicit Sink(QIODevice &device) : m_device(device) {}
    ~Sink() { flush(); }
    Bytes &buffer() { return m_buffer; }
    // Writes the buffer out once it is large.
    void rowDone()
    {
        if (m_buffer.size() >= kChunk)
            flush();
    }
    bool flush();
    bool failed() const { return m_failed; }

private:
    static constexpr size_t kChunk = 256 * 1024;
    QIODevice &m_device;
    Bytes m_buffer;
    bool m_failed = false;
};

} // namespace cli
