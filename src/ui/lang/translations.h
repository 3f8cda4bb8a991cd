// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's own words (menus, the accuracy chart, the data sheet), which
// the language files do not hold, in the language the user chose: Qt's
// translations, carried in the program and switched with the language file.

#include <QString>

namespace lang {

// Puts the words of the language whose list name is `languageName` ("Magyar")
// in force; English, and a language without a translation, use the words as
// written. Every window then gets a LanguageChange event to re-caption itself.
void useWordsOf(const QString &languageName);

// The ISO 639 code of the words in force ("en" until a language is chosen).
QString wordsInForce();

} // namespace lang
