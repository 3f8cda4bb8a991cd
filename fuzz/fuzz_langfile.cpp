// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target: the language-file reader. Any bytes go in; at most 160 slots
// come out, the same first fields whatever the limit, and no field that holds
// a separator unless it was quoted.
#include "check.h"
#include "core/lang/langfile.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList fields = lang::decodeFields(bytes);
    FUZZ_CHECK(fields.size() <= TextTable::kSlots, QString::number(fields.size()));

    TextTable table;
    for (int i = 0; i < fields.size(); ++i)
        table.setSlot(i + 1, fields[i]);
    FUZZ_CHECK(table.slot(TextTable::kSlots + 1).isEmpty(), QString());

    // Stopping early changes nothing before the stop (the code page is told
    // from the whole file, not from the fields read).
    const QStringList first = lang::decodeFields(bytes, 62);
    FUZZ_CHECK(first == fields.mid(0, 62), QString::number(first.size()));

    // A comma or line end inside a field comes only from quotes, and a quoted
    // field cannot hold a quote.
    for (const QString &field : fields) {
        const bool separator = field.contains(u',') || field.contains(u'\n') || field.contains(u'\r');
        FUZZ_CHECK(!(separator && field.contains(u'"')), field.left(200));
    }
    return 0;
}
