// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers for tests that need the shipped language texts.

#include "ui/common/appstate.h"
#include "core/lang/languages.h"
#include "shippedtexts.h"

#include <QTemporaryDir>

// A file's bytes; none when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
// A language file of `count` numbered fields, one a line.
inline QByteArray fileOfFields(int count, const QByteArray &prefix = "Text")
{
    QByteArray out;
    for (int i = 1; i <= count; ++i)
        out += prefix + QByteArray::number(i) + "\r\n";
    return out;
}
// Loads a shipped language file straight into the table; false when it is missing or short.
inline bool loadShippedLanguage(AppState &app, const QString &fileName = QStringLiteral("English.txt"))
{
    return loadShippedTexts(app.texts, fileName);
}

// A fresh folder holding every shipped language file and `active` as the active file, each writable by its owner and
// readable by anyone (also by a process that has given up its privileges).
struct LanguageFolder : QTemporaryDir {
    explicit LanguageFolder(const QString &active = lang::kEnglishFile)
    {
        for (const lang::Language &l : lang::languages())
            copy(QLatin1StringView(l.file), QLatin1StringView(l.file));
        copy(active, lang::kActiveFile);
    }
    void copy(const QString &shipped, const QString &as) const
    {
        if (!QFile::copy(shippedLanguageDir() + u'/' + shipped, filePath(as))
            || !QFile::setPermissions(filePath(as), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther))
            qFatal("cannot copy the shipped %s", qPrintable(shipped));
    }
};
