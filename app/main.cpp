// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/appstate.h"
#include "ui/common/platform.h"
#include "ui/shell/mdiform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gauntry"));
    // Ties the windows to the installed menu entry and its icon; run from
    // the build, where no icon is installed, the windows keep Qt's own.
    QApplication::setDesktopFileName(QStringLiteral("org.gauntry.Gauntry"));
    if (const QIcon icon = QIcon::fromTheme(QStringLiteral("org.gauntry.Gauntry")); !icon.isNull())
        QApplication::setWindowIcon(icon);

    QtPlatform platform;
    AppState app(platform);
    app.languageDir = QDir::current();

    MDIForm1 main(app);
    if (!main.start())
        return 1;
    // Quit during the splash: no window is left, and no event loop must run.
    if (!main.isVisible())
        return 0;
    return application.exec();
}
