// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program-wide values every screen shares. The application owns exactly one
// AppState and hands it to each screen; a test makes its own, so each starts
// clean.

#include "core/lang/texttable.h"
#include "core/velocity/tool.h"
#include "core/velocity/values.h"

#include <QDir>
#include <QString>
#include <optional>

class Platform;

struct AppState {
    explicit AppState(Platform &platformSeam) : platform(platformSeam) {}
    AppState(const AppState &) = delete;
    AppState &operator=(const AppState &) = delete;

    // Dialogs, clock, printing and ending the program.
    Platform &platform;

    // Unit system: true for metric, false for imperial. Metric at start-up;
    // never stored between runs.
    bool metric = true;

    // Which tool the velocity screen serves, set by the tool menu just before
    // it opens that screen; none until a tool is first chosen in this run.
    std::optional<velocity::VelocityTool> velocityTool;

    // Specific gravity for the converter's dynamic/kinematic viscosity
    // conversions; held as a 32-bit value.
    float specificGravity = 1.0f;

    // The values the velocity screen's calculations share.
    velocity::SharedValues velocity;

    // Version text, "number (date)": the first six characters are the number
    // and the blank after it.
    QString versionText = QStringLiteral("3.051 (14/4/04)");

    // The language text table.
    TextTable texts;

    // Folder that holds langutil.txt and the per-language files.
    QDir languageDir = QDir::current();

    const QString &slot(int n) const { return texts.slot(n); }
};
