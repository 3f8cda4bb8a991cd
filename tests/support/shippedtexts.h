// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The shipped language texts for tests of the calculation core (no program state, no widgets).

#include "core/lang/langfile.h"
#include "core/lang/texttable.h"

#include <QDir>

// The folder that holds the shipped language files.
inline QString shippedLanguageDir() { return QStringLiteral(SUITE_LANG_DIR); }

// Reads a shipped language file straight into a table; false when it is missing or short.
inline bool loadShippedTexts(TextTable &texts, const QString &fileName = QStringLiteral("English.txt"))
{
    return lang::readInto(lang::findFile(QDir(shippedLanguageDir()), fileName), texts) == lang::ReadStatus::Ok;
}

// The English table, read once.
inline const TextTable &englishTexts()
{
    static const TextTable texts = [] {
        TextTable t;
        if (!loadShippedTexts(t))
            qFatal("the shipped English.txt is missing or short");
        return t;
    }();
    return texts;
}
