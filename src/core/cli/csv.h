// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading CSV records one at a time from a file or a pipe, in constant
// memory: fields separated by commas, records by line ends (LF or CR LF); a
// field in double quotes may hold commas, line ends and doubled quotes ("").
// A UTF-8 byte-order mark before the first record is skipped, and so are
// empty lines.

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

class QIODevice;

namespace cli {

class CsvReader
{
public:
    // A record longer than this is refused (a quote that is never closed
    // would otherwise take in the rest of the file).
    static constexpr qsizetype kMaxRecord = 1024 * 1024;

    explicit CsvReader(QIODevice &device);

    enum class Status { Record, End, TooLong, Unclosed, ReadError };
    // Reads the next record.
    Status next();

    qsizetype fieldCount() const { return qsizetype(m_fields.size()); }
    // The field's text, quotes undone, as UTF-8.
    QByteArrayView field(qsizetype i) const { return m_fields[size_t(i)]; }
    // The line the record starts on, from 1.
    qint64 line() const { return m_recordLine; }

private:
    bool fill();
    // Parses a record from m_pos; false when the buffer ends before it does.
    bool parse(bool atEnd, Status &status);

    QIODevice &m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_eof = false;
    bool m_readError = false;
    bool m_blankLine = false;
    bool m_started = false;
    qint64 m_line = 1;
    qint64 m_recordLine = 0;
    // The fields: plain ones where they stand in the buffer, quoted ones
    // undone into m_record (which never grows while a record is read, so
    // the fields stay where they are).
    QByteArray m_record;
    std::vector<QByteArrayView> m_fields;
};

} // namespace cli
