// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/cli/batch.h"

#include "core/cli/csv.h"

#include <QIODevice>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace cli {
namespace {

const QString kProgram = QStringLiteral("gauntry-calc: ");

void say(QIODevice &err, const QString &line) { err.write((kProgram + line + u'\n').toUtf8()); }

// A field's text as UTF-16 in a buffer used again for every field: plain
// ASCII, the usual case, is copied without a new allocation.
QStringView utf16(QByteArrayView utf8, QString &scratch)
{
    scratch.resize(utf8.size());
    QChar *d = scratch.data();
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x80) {
            scratch = QString::fromUtf8(utf8);
            return scratch;
        }
        d[i] = QChar(c);
    }
    return scratch;
}

// The output rows held for a sort: their bytes one after the other in large
// blocks, and for each row its rank, its place in the file and where it is.
class RowStore
{
public:
    void add(double rank, const Bytes &row)
    {
        const qsizetype size = qsizetype(row.size());
        if (m_blocks.empty() || m_used + size > m_blockSize) {
            m_blockSize = std::max<qsizetype>(kBlock, size);
            // Not cleared first: every byte used is written.
            m_blocks.push_back(std::unique_ptr<char[]>(new char[size_t(m_blockSize)]));
            m_used = 0;
        }
        char *at = m_blocks.back().get() + m_used;
        std::copy(row.begin(), row.end(), at);
        m_used += size;
        // Rows without a rank go after every ranked one.
        m_keys.push_back({std::isnan(rank) ? std::numeric_limits<double>::infinity() : rank, m_keys.size(), at, size});
    }
    // Shortest first; rows of equal rank, and the rows without one, in the
    // order they came.
    void sort()
    {
        std::sort(m_keys.begin(), m_keys.end(), [](const Key &a, const Key &b) {
            return a.rank < b.rank || (a.rank == b.rank && a.row < b.row);
        });
    }
    template <typename F> void forEach(F f) const
    {
        // The rows lie all over the store in this order: each is asked for
        // from memory a few rows ahead of its turn.
        constexpr size_t kAhead = 8;
        for (size_t i = 0; i < m_keys.size(); ++i) {
            if (i + kAhead < m_keys.size())
                __builtin_prefetch(m_keys[i + kAhead].data);
            f(QByteArrayView(m_keys[i].data, m_keys[i].size));
        }
    }

private:
    static constexpr qsizetype kBlock = 16 * 1024 * 1024;
    struct Key {
        double rank;
        size_t row; // its place in the file
        const char *data;
        qsizetype size;
    };
    std::vector<std::unique_ptr<char[]>> m_blocks;
    qsizetype m_blockSize = 0;
    qsizetype m_used = 0;
    std::vector<Key> m_keys;
};

} // namespace

int runBatch(const BatchSettings &settings, const Context &tableContext, QIODevice &in, QIODevice &out,
             QIODevice &err)
{
    Context context = tableContext;
    context.captions = false;
    const Subcommand &sub = *settings.sub;
    const QString &file = settings.inputName;
    CsvReader reader(in);
    switch (reader.next()) {
    case CsvReader::Status::Record:
        break;
    case CsvReader::Status::End:
        say(err, file + QStringLiteral(": no header line"));
        return 2;
    case CsvReader::Status::ReadError:
        say(err, file + QStringLiteral(": cannot be read"));
        return 2;
    default:
        say(err, file + QStringLiteral(": the header line is not a CSV record"));
        return 2;
    }

    // The header: which column holds which input; the rest pass through.
    QStringList header, names; // as written, and trimmed
    std::vector<int> inputOfColumn;
    std::vector<bool> available(sub.inputs.size(), false);
    for (size_t i = 0; i < sub.inputs.size(); ++i)
        available[i] = settings.constants[i].given;
    for (qsizetype c = 0; c < reader.fieldCount(); ++c) {
        const QString name = QString::fromUtf8(reader.field(c));
        const QString trimmed = name.trimmed();
        if (names.contains(trimmed)) {
            say(err, file + QStringLiteral(": two columns are named '%1'").arg(trimmed));
            return 2;
        }
        if (sub.resultKeys.contains(trimmed) || trimmed == u"error") {
            say(err, file + QStringLiteral(": the column '%1' has the name of a result").arg(name));
            return 2;
        }
        header << name;
        names << trimmed;
        const int input = inputIndex(sub, trimmed);
        inputOfColumn.push_back(input);
        if (input < 0)
            continue;
        if (settings.constants[size_t(input)].given) {
            say(err, file + QStringLiteral(": '%1' is both a column and the option --%1").arg(trimmed));
            return 2;
        }
        available[size_t(input)] = true;
    }
    if (const QString lack = lacking(sub, available, false); !lack.isEmpty()) {
        say(err, file + QStringLiteral(": ") + lack + QStringLiteral(" (a column, or the option for every row)"));
        return 2;
    }

    Sink sink(out);
    Bytes &buffer = sink.buffer();
    const bool json = settings.format == Format::Json;
    std::vector<Bytes> jsonNames;
    if (json) {
        for (const QString &name : header) {
            Bytes quoted;
            appendJsonString(quoted, name);
            jsonNames.push_back(quoted);
        }
    } else {
        for (qsizetype c = 0; c < header.size(); ++c) {
            appendCsvField(buffer, header[c]);
            buffer += ',';
        }
        for (const QString &key : sub.resultKeys) {
            appendCsvField(buffer, key);
            buffer += ',';
        }
        buffer += "error\n";
    }

    RowStore store;
    Bytes row;
    Values values = settings.constants;
    std::vector<bool> given(sub.inputs.size());
    QString scratch;
    Result result;
    QString reason;
    int status = 0;
    for (;;) {
        const CsvReader::Status read = reader.next();
        if (read == CsvReader::Status::End)
            break;
        if (read != CsvReader::Status::Record) {
            const QString what = read == CsvReader::Status::ReadError ? QStringLiteral("cannot be read further")
                                 : read == CsvReader::Status::Unclosed
                                     ? QStringLiteral("a quoted field is not closed; the rows from here are not read")
                                     : QStringLiteral("a record longer than 1 MiB (a quote not closed?); the rows "
                                                      "from here are not read");
            say(err, QStringLiteral("%1:%2: %3").arg(file).arg(reader.line()).arg(what));
            status = 1;
            break;
        }
        reason.clear();
        if (reader.fieldCount() != header.size())
            reason = QStringLiteral("%1 fields where the header has %2").arg(reader.fieldCount()).arg(header.size());
        for (size_t i = 0; i < given.size(); ++i) {
            given[i] = settings.constants[i].given;
            if (!given[i]) {
                Value &v = values[i];
                v.given = false;
                v.text.resize(0);
                v.number = 0;
                v.choice = -1;
                v.flowUnit = nullptr;
                v.converterUnit.reset();
            }
        }
        for (qsizetype c = 0; c < header.size() && c < reader.fieldCount() && reason.isEmpty(); ++c) {
            const int input = inputOfColumn[size_t(c)];
            if (input < 0)
                continue;
            const QStringView text = utf16(reader.field(c), scratch).trimmed();
            if (text.isEmpty())
                continue; // an empty cell: not given
            QString why;
            if (!readValue(sub.inputs[size_t(input)], text, context, values[size_t(input)], &why))
                reason = names[c] + QStringLiteral(": ") + why;
            given[size_t(input)] = true;
        }
        if (reason.isEmpty())
            reason = lacking(sub, given, false);
        const bool ok = reason.isEmpty() && compute(sub, values, context, result, &reason);
        if (!ok) {
            say(err, QStringLiteral("%1:%2: %3").arg(file).arg(reader.line()).arg(reason));
            status = 1;
        }

        row.clear();
        if (json) {
            row += '{';
            for (qsizetype c = 0; c < header.size(); ++c) {
                if (c > 0)
                    row += ',';
                row += jsonNames[size_t(c)];
                row += ':';
                appendJsonString(row, c < reader.fieldCount() ? reader.field(c) : QByteArrayView());
            }
            appendJsonResult(row, ok ? &result : nullptr, sub.resultKeys, !header.isEmpty());
            row += ",\"error\":";
            if (ok)
                row += "null";
            else
                appendJsonString(row, reason);
            row += "}\n";
        } else {
            for (qsizetype c = 0; c < header.size(); ++c) {
                appendCsvField(row, c < reader.fieldCount() ? reader.field(c) : QByteArrayView());
                row += ',';
            }
            appendCsvResult(row, ok ? &result : nullptr, sub.resultKeys);
            row += ',';
            if (!ok)
                appendCsvField(row, reason);
            row += '\n';
        }
        if (settings.sortByPayback) {
            store.add(ok ? result.rank : std::nan(""), row);
        } else {
            buffer += row;
            sink.rowDone();
        }
    }
    if (settings.sortByPayback) {
        store.sort();
        store.forEach([&](QByteArrayView r) {
            buffer.append(r.data(), size_t(r.size()));
            sink.rowDone();
        });
    }
    if (!sink.flush()) {
        say(err, QStringLiteral("the output cannot be written"));
        return 3;
    }
    return status;
}

} // namespace cli
