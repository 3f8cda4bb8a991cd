// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/lang/loader.h"

#include "ui/common/appstate.h"
#include "ui/common/platform.h"
#include "core/lang/langfile.h"
#include "core/lang/textslots.h"

namespace lang {
namespace {
const QString kMasterMissing = QStringLiteral("Master Language File not currently available");

void tell(AppState &app, QWidget *parent, const QString &text) { app.platform.message(parent, text); }

LoadOutcome stop(AppState &app, QWidget *parent)
{
    tell(app, parent,
         QStringLiteral("Neither %1 nor %2 was found in %3.\nThe program cannot run without its "
                        "language texts and will now close.")
             .arg(kActiveFile, kEnglishFile, QDir::toNativeSeparators(app.languageDir.absolutePath())));
    app.platform.quit(1);
    return LoadOutcome::Stopped;
}

LoadOutcome finish(ReadStatus status)
{
    return status == ReadStatus::Ok ? LoadOutcome::Loaded : LoadOutcome::Failed;
}
} // namespace

LoadOutcome loadLanguageTexts(AppState &app, QWidget *parent)
{
    const QString active = findFile(app.languageDir, kActiveFile);
    if (!active.isEmpty())
        return finish(readInto(active, app.texts));

    tell(app, parent, kMasterMissing);
    const QString english = findFile(app.languageDir, kEnglishFile);
    if (english.isEmpty())
        return stop(app, parent);
    QString error;
    if (!copyOver(app.languageDir, kEnglishFile, kActiveFile, &error)) {
        // The folder may be read-only: run in English without keeping the choice.
        tell(app, parent, error);
        return finish(readInto(english, app.texts));
    }
    const QString copied = findFile(app.languageDir, kActiveFile);
    if (copied.isEmpty())
        return stop(app, parent);
    return finish(readInto(copied, app.texts));
}

SwitchOutcome switchLanguage(AppState &app, const QString &fileName, QWidget *parent)
{
    if (findFile(app.languageDir, fileName).isEmpty()) {
        tell(app, parent, app.slot(Txt::LanguageFileMissing));
        return SwitchOutcome::SourceMissing;
    }
    QString error;
    if (!copyOver(app.languageDir, fileName, kActiveFile, &error)) {
        tell(app, parent, error);
        return SwitchOutcome::CopyFailed;
    }
    switch (loadLanguageTexts(app, parent)) {
    case LoadOutcome::Loaded:
        return SwitchOutcome::Loaded;
    case LoadOutcome::Failed:
        return SwitchOutcome::Failed;
    case LoadOutcome::Stopped:
        break;
    }
    return SwitchOutcome::Stopped;
}

} // namespace lang
