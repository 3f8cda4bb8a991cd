// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The languages the suite ships: one table, read by the tool menu's language
// list, the main window's Language menu and the code-page detection.

#include <QString>
#include <span>

namespace lang {

struct Language {
    const char *name;     // as the list shows it and as field 62 of its file holds it
    const char *file;     // its language file (looked up without regard to case)
    const char *menuItem; // object name of its Language menu item; nullptr: list only
    int menuPosition;     // place in the Language menu, from 1; 0: list only
    const char *codePage; // the Windows code page its file is written in
    // The language of the program's own words (menus, the chart, the data
    // sheet): an ISO 639 code, whose translation the suite carries unless it
    // is English, the words' own language.
    const char *words;
};

// Every language, in the order of the tool menu's list.
std::span<const Language> languages();

// The language whose list name is exactly `name` (letter case counts), or
// nullptr.
const Language *languageNamed(QStringView name);

} // namespace lang
