// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Language files: single-byte text files of comma- or line-separated fields,
// one text slot per field.

#include "core/lang/texttable.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>

namespace lang {

// The active language file; the only one the loader reads.
inline const QString kActiveFile = QStringLiteral("langutil.txt");
inline const QString kEnglishFile = QStringLiteral("English.txt");

// A language file is a few kilobytes. A larger file is not read at all, so a
// wrong or runaway file cannot fill memory or put megabytes into a caption.
inline constexpr qint64 kMaxFileBytes = 1024 * 1024;

// Splits a file's text into fields:
//  - commas and line ends (LF, CR or CR LF) separate fields;
//  - blanks before a field are skipped;
//  - a field that begins with a double quote runs to the next double quote,
//    keeps its commas and loses its quotes; anything after the closing quote
//    up to the next comma or line end is skipped;
//  - an unquoted field runs to the next comma or line end and loses its
//    trailing blanks;
//  - reading stops after `maxFields` fields.
QStringList splitFields(QStringView text, int maxFields = TextTable::kSlots);

// The code page a language file is written in. Bytes that are valid UTF-8
// with non-ASCII characters are taken as UTF-8 (a file saved by a modern
// editor); otherwise the file is in its language's Windows code page, told by
// the language name in field 62: "Magyar" is Windows-1250 (Central European),
// every other language Windows-1252 (Western).
QString codePageOf(const QByteArray &bytes);

// Decodes a whole language file into its fields (at most `maxFields`).
QStringList decodeFields(const QByteArray &bytes, int maxFields = TextTable::kSlots);

// Finds a file in `dir` by name without regard to letter case; empty when
// there is none. An exact match wins over a case-insensitive one. Only
// regular files count: a folder or device of that name is not found.
QString findFile(const QDir &dir, const QString &name);

enum class ReadStatus { Ok, Missing, Failed };

// Reads the fields of `path` into slots 1, 2, ... of the table. A file with
// fewer than 160 fields fills the slots it has and reports Failed; the other
// slots keep their text. A file that cannot be read or is larger than
// kMaxFileBytes reports Failed and changes no slot.
ReadStatus readInto(const QString &path, TextTable &table);

// Copies `sourceName` (looked up without regard to case) over the file
// `targetName` in `dir`. The copy is written to a temporary file beside the
// target and renamed into place, so the target is never left half-written.
// Only a whole language file (160 fields, at most kMaxFileBytes) is copied,
// so the active file is never replaced by one that cannot be loaded. On
// failure returns false with a description in `error`, and the target is
// untouched.
bool copyOver(const QDir &dir, const QString &sourceName, const QString &targetName, QString *error);

} // namespace lang
