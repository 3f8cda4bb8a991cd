#include "testlang.h"

#include "lang/langfile.h"

QString shippedLanguageDir() { return QStringLiteral(SUITE_LANG_DIR); }

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool loadShippedLanguage(AppState &app, const QString &fileName)
{
    const QString path = lang::findFile(QDir(shippedLanguageDir()), fileName);
    return lang::readInto(path, app.texts) == lang::ReadStatus::Ok;
}
