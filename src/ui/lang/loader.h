// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Loading the active language file into the text table, and switching the
// active language.

#include <QString>
#include <QStringList>

struct AppState;
class QWidget;

namespace lang {

enum class LoadOutcome {
    Loaded,  // all 160 slots read; the caller re-captions its windows
    Failed,  // the file could not be read whole; slots read so far keep their new text
    Stopped, // no language file at all: the user was told and the program is ending
};

// Reads langutil.txt from the language folder into the text table. When
// langutil.txt is missing the user is told, English.txt is copied over it and
// the load starts again; when English.txt is missing too, the user is told
// and the program stops.
LoadOutcome loadLanguageTexts(AppState &app, QWidget *parent);

enum class SwitchOutcome {
    Loaded,
    Failed,        // copied, but the new file could not be read whole
    SourceMissing, // the chosen language's file is not there (slot 73 was shown)
    CopyFailed,    // the copy failed; the user saw why; nothing changed
    Stopped,
};

// Copies the language file `fileName` over langutil.txt and loads it. A missing
// file shows text slot 73; a failed copy shows its reason; in both cases the
// active file and the table stay as they were.
SwitchOutcome switchLanguage(AppState &app, const QString &fileName, QWidget *parent);

} // namespace lang
