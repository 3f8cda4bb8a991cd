// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The suite's own start-up, as app/main.cpp runs it, ending by itself: after
// the tool menu is up it idles for the number of seconds given as the first
// argument (0: ends at once) and quits. Timed by bench/startup-cpu.sh.
#include "ui/common/appstate.h"
#include "ui/common/platform.h"
#include "ui/shell/mdiform.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gauntry"));
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 0;

    QtPlatform platform;
    AppState app(platform);
    app.languageDir = QDir::current();

    MDIForm1 main(app);
    if (!main.start())
        return 1;
    if (!main.isVisible())
        return 0;
    QTimer::singleShot(idleSeconds * 1000, Qt::PreciseTimer, &application, &QCoreApplication::quit);
    return application.exec();
}
