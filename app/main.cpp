#include "common/appstate.h"
#include "common/platform.h"
#include "shell/mdiform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gauntry"));

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
