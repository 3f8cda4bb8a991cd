#pragma once
// Helpers for tests that need the shipped language texts.

#include "common/appstate.h"
#include "lang/langfile.h"

// The folder that holds the shipped language files.
inline QString shippedLanguageDir() { return QStringLiteral(SUITE_LANG_DIR); }
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
    return lang::readInto(lang::findFile(QDir(shippedLanguageDir()), fileName), app.texts) == lang::ReadStatus::Ok;
}
