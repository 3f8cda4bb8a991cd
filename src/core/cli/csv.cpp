// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/cli/csv.h"

#include <QIODevice>
#include <algorithm>
#include <cstring>

namespace cli {
namespace {
constexpr qsizetype kChunk = 1024 * 1024;
} // namespace

CsvReader::CsvReader(QIODevice &device) : m_device(device) { m_record.reserve(kMaxRecord + 16); }

// Moves what is left to the front and reads more after it: at least as much
// as is left (so a long record that arrives in small pieces is parsed again
// only a few times), or up to the end of the input. False when nothing more
// came (the end, or a read error).
bool CsvReader::fill()
{
    if (m_eof)
        return false;
    const qsizetype left = m_buffer.size() - m_pos;
    if (m_pos > 0) {
        std::memmove(m_buffer.data(), m_buffer.constData() + m_pos, size_t(left));
        m_pos = 0;
    }
    const qsizetype wanted = std::max(left, kChunk / 16);
    m_buffer.resize(left + std::max(wanted, kChunk));
    qsizetype got = 0;
    while (got < wanted) {
        const qint64 n = m_device.read(m_buffer.data() + left + got, m_buffer.size() - left - got);
        if (n <= 0) {
            m_eof = true;
            m_readError = n < 0;
            break;
        }
        got += qsizetype(n);
    }
    m_buffer.resize(left + got);
    return got > 0;
}

bool CsvReader::parse(bool atEnd, Status &status)
{
    const char *p = m_buffer.constData();
    const qsizetype end = m_buffer.size();
    qsizetype i = m_pos;
    qint64 lines = 0;
    m_recordLine = m_line;
    m_record.resize(0);
    m_fields.clear();
    // The field being read: plain, from fieldStart in the buffer; or quoted,
    // from quotedStart in m_record.
    qsizetype fieldStart = i;
    qsizetype quotedStart = -1;
    bool inQuotes = false;
    bool anyQuote = false;
    auto endField = [&](qsizetype at) {
        if (quotedStart >= 0)
            m_fields.emplace_back(m_record.constData() + quotedStart, m_record.size() - quotedStart);
        else
            m_fields.emplace_back(p + fieldStart, at - fieldStart);
        quotedStart = -1;
        fieldStart = at + 1;
    };
    for (;;) {
        if (i - m_pos > kMaxRecord) {
            status = Status::TooLong;
            return true;
        }
        if (i == end) {
            if (!atEnd)
                return false;
            if (inQuotes) {
                status = Status::Unclosed;
                return true;
            }
            endField(i);
            break;
        }
        if (inQuotes) {
            // Up to the next quote in one piece.
            const char *quote = static_cast<const char *>(std::memchr(p + i, '"', size_t(end - i)));
            const qsizetype stop = quote ? quote - p : end;
            for (qsizetype j = i; j < stop; ++j)
                lines += p[j] == '\n';
            m_record.append(p + i, stop - i);
            i = stop;
            if (i == end)
                continue;
            if (i + 1 == end && !atEnd)
                return false; // a doubled quote may follow
            if (i + 1 < end && p[i + 1] == '"') {
                m_record += '"';
                i += 2;
            } else {
                inQuotes = false;
                ++i;
            }
            continue;
        }
        // Up to the next comma, line end or quote.
        qsizetype stop = i;
        while (stop < end && p[stop] != ',' && p[stop] != '\n' && p[stop] != '\r' && p[stop] != '"')
            ++stop;
        if (quotedStart >= 0)
            m_record.append(p + i, stop - i); // after a closing quote: kept as it stands
        i = stop;
        if (i == end)
            continue;
        const char c = p[i];
        if (c == ',') {
            endField(i);
            ++i;
        } else if (c == '\n' || (c == '\r' && (i + 1 == end || p[i + 1] == '\n'))) {
            if (c == '\r' && i + 1 == end && !atEnd)
                return false;
            endField(i);
            i += c == '\r' && i + 1 < end ? 2 : 1;
            ++lines;
            break;
        } else if (c == '"' && i == fieldStart && quotedStart < 0) {
            inQuotes = anyQuote = true;
            quotedStart = m_record.size();
            ++i;
        } else {
            // A quote inside a plain field, or a lone carriage return: part
            // of the field. A quoted field takes it into m_record.
            if (quotedStart >= 0)
                m_record += c;
            ++i;
        }
    }
    m_blankLine = m_fields.size() == 1 && m_fields[0].isEmpty() && !anyQuote;
    m_line += lines;
    m_pos = i;
    status = Status::Record;
    return true;
}

CsvReader::Status CsvReader::next()
{
    for (;;) {
        if (!m_started) {
            while (m_buffer.size() - m_pos < 3 && fill()) {
            }
            if (QByteArrayView(m_buffer).sliced(m_pos).startsWith("\xEF\xBB\xBF"))
                m_pos += 3;
            m_started = true;
        }
        if (m_pos == m_buffer.size() && !fill())
            return m_readError ? Status::ReadError : Status::End;
        Status status = Status::End;
        while (!parse(m_eof, status)) {
            if (!fill() && m_readError)
                return Status::ReadError;
        }
        if (status != Status::Record)
            return status;
        // An empty line is no record.
        if (m_blankLine)
            continue;
        return status;
    }
}

} // namespace cli
