// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor to compare the suite's start-up with: a bare Qt main window whose
// MDI area shows one maximised child window. Idles for the number of seconds
// given as the first argument (0: ends at once) and quits.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 0;

    QMainWindow window;
    auto *area = new QMdiArea;
    window.setCentralWidget(area);
    window.resize(667, 600);
    window.show();
    QMdiSubWindow *child = area->addSubWindow(new QLabel(QStringLiteral("child")));
    child->showMaximized();

    QTimer::singleShot(idleSeconds * 1000, Qt::PreciseTimer, &application, &QCoreApplication::quit);
    return application.exec();
}
