#pragma once
// Helpers for tests that need the shipped language texts.

#include "common/appstate.h"

#include <QString>

// The folder that holds the shipped language files.
QString shippedLanguageDir();
// A file's bytes; none when it cannot be read.
QByteArray fileBytes(const QString &path);

// Loads a shipped language file straight into the table; false when it is missing or short.
bool loadShippedLanguage(AppState &app, const QString &fileName = QStringLiteral("English.txt"));
