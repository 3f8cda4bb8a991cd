#pragma once
// Helpers for tests that need the shipped language texts.

#include "common/appstate.h"

#include <QString>

// The folder that holds the shipped language files.
QString shippedLanguageDir();

// Loads a shipped language file (e.g. "English.txt") straight into the table.
// Returns false when the file is missing or short.
bool loadShippedLanguage(AppState &app, const QString &fileName = QStringLiteral("English.txt"));
