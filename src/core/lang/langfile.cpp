// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/lang/langfile.h"

#include "core/lang/languages.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace lang {
namespace {
bool isLineEnd(QChar c) { return c == u'\n' || c == u'\r'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Reads a whole file of at most kMaxFileBytes; false (with the reason in
// `error`) when it cannot be read or is larger.
bool readBytes(const QString &path, QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // The size is checked before and after reading: the file may grow.
    if (file.size() <= kMaxFileBytes)
        bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.size() > kMaxFileBytes || bytes.size() > kMaxFileBytes) {
        if (error)
            *error = QStringLiteral("it is larger than %1 MB").arg(kMaxFileBytes / (1024 * 1024));
        return false;
    }
    return true;
}

// Moves past one separator at `i` (a comma or one line end, CR LF counting once).
qsizetype skipSeparator(QStringView text, qsizetype i)
{
    if (i >= text.size())
        return i;
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
        return i + 2;
    return i + 1;
}
} // namespace

QStringList splitFields(QStringView text, int maxFields)
{
    QStringList fields;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (fields.size() < maxFields) {
        while (i < n && isBlank(text[i]))
            ++i;
        if (i >= n)
            break;
        if (text[i] == u'"') {
            const qsizetype close = text.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? n : close;
            fields.append(text.mid(i + 1, end - i - 1).toString());
            i = close < 0 ? n : close + 1;
            while (i < n && text[i] != u',' && !isLineEnd(text[i]))
                ++i;
        } else {
            qsizetype end = i;
            while (end < n && text[end] != u',' && !isLineEnd(text[end]))
                ++end;
            qsizetype last = end;
            while (last > i && isBlank(text[last - 1]))
                --last;
            fields.append(text.mid(i, last - i).toString());
            i = end;
        }
        i = skipSeparator(text, i);
    }
    return fields;
}

QString codePageOf(const QByteArray &bytes)
{
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return QStringLiteral("UTF-8");
    }
    // Field 62 holds the language's name in plain ASCII in every file.
    const QStringList fields = splitFields(QString::fromLatin1(bytes), 62);
    if (fields.size() >= 62) {
        for (const Language &language : languages()) {
            if (fields[61].compare(QLatin1StringView(language.name), Qt::CaseInsensitive) == 0)
                return QLatin1StringView(language.codePage);
        }
    }
    return QStringLiteral("windows-1252");
}

QStringList decodeFields(const QByteArray &bytes, int maxFields)
{
    QStringDecoder decoder(codePageOf(bytes).toLatin1().constData());
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Latin1);
    // Separators and quotes are ASCII in every supported code page, so the
    // whole text can be decoded before it is split.
    const QString text = decoder.decode(bytes);
    return splitFields(text, maxFields);
}

QString findFile(const QDir &dir, const QString &name)
{
    if (QFileInfo(dir.filePath(name)).isFile())
        return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

ReadStatus readInto(const QString &path, TextTable &table)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return ReadStatus::Missing;
    QByteArray bytes;
    if (!readBytes(path, bytes, nullptr))
        return ReadStatus::Failed;
    const QStringList fields = decodeFields(bytes, TextTable::kSlots);
    for (int i = 0; i < fields.size(); ++i)
        table.setSlot(i + 1, fields[i]);
    return fields.size() == TextTable::kSlots ? ReadStatus::Ok : ReadStatus::Failed;
}

bool copyOver(const QDir &dir, const QString &sourceName, const QString &targetName, QString *error)
{
    const QString source = findFile(dir, sourceName);
    if (source.isEmpty()) {
        if (error)
            *error = QStringLiteral("%1 was not found.").arg(sourceName);
        return false;
    }
    QByteArray bytes;
    QString reason;
    if (!readBytes(source, bytes, &reason)) {
        if (error)
            *error = QStringLiteral("%1 could not be read: %2").arg(sourceName, reason);
        return false;
    }
    if (const qsizetype fields = decodeFields(bytes).size(); fields < TextTable::kSlots) {
        if (error)
            *error = QStringLiteral("%1 is not a complete language file: it holds %2 of %3 texts.")
                         .arg(sourceName)
                         .arg(fields)
                         .arg(TextTable::kSlots);
        return false;
    }

    // Write over the existing active file whatever the case of its name.
    QString target = findFile(dir, targetName);
    if (target.isEmpty())
        target = dir.filePath(targetName);
    if (QFileInfo(target).canonicalFilePath() == QFileInfo(source).canonicalFilePath())
        return true;
    // The buffered bytes reach the disk in flush(). QSaveFile::commit() does
    // not look at the result of its own final flush, so a full disk would be
    // renamed into place as a cut-off file: flush first and check.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush() || !out.commit()) {
        if (error)
            *error = QStringLiteral("%1 could not be written: %2").arg(QFileInfo(target).fileName(),
                                                                     out.errorString());
        out.cancelWriting();
        return false;
    }
    return true;
}

} // namespace lang
