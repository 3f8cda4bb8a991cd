// A separate process that switches the active language, for the fault tests
// of tst_langfaults: it can run with a file-size limit (a full disk) or as an
// unprivileged user (permission bits count even when the tests run as root),
// and it can be killed at any moment.
//   langswitch_helper DIR once FILE [--fsize BYTES] [--unprivileged]
//       one switch; prints the outcome and each message, one per line
//   langswitch_helper DIR loop FILE_A FILE_B
//       switches A, B, A, ... until killed; prints "ready" first
#include "common/appstate.h"
#include "fakeplatform.h"
#include "lang/loader.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 4)
        return 2;
    FakePlatform platform;
    AppState app(platform);
    app.languageDir = QDir(QString::fromLocal8Bit(argv[1]));
    const QString first = QString::fromLocal8Bit(argv[3]);

    if (std::strcmp(argv[2], "loop") == 0 && argc >= 5) {
        const QString second = QString::fromLocal8Bit(argv[4]);
        std::printf("ready\n");
        std::fflush(stdout);
        for (bool even = true;; even = !even)
            lang::switchLanguage(app, even ? first : second, nullptr);
    }

    for (int i = 4; i < argc; ++i) {
        if (std::strcmp(argv[i], "--fsize") == 0 && i + 1 < argc) {
            // Writes past the limit fail with EFBIG instead of ending the process.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlim_t bytes = rlim_t(std::atoll(argv[++i]));
            const rlimit limit{bytes, bytes};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return 3;
        } else if (std::strcmp(argv[i], "--unprivileged") == 0 && geteuid() == 0) {
            if (setgid(65534) != 0 || setuid(65534) != 0) // nobody
                return 3;
        }
    }
    const lang::SwitchOutcome outcome = lang::switchLanguage(app, first, nullptr);
    std::printf("%d\n", int(outcome));
    for (const QString &message : platform.messages)
        std::printf("%s\n", qPrintable(message));
    return 0;
}
