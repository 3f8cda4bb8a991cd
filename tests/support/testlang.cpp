#include "testlang.h"

#include "lang/langfile.h"

QString shippedLanguageDir() { return QStringLiteral(SUITE_LANG_DIR); }

bool loadShippedLanguage(AppState &app, const QString &fileName)
{
    const QString path = lang::findFile(QDir(shippedLanguageDir()), fileName);
    return lang::readInto(path, app.texts) == lang::ReadStatus::Ok;
}
