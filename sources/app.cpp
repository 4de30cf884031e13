#include "app.h"

#include "Settings.h"
#include "globals.h"
#include "language.h"
#include "log.h"
#include "logging.h"
#include "mainwindow.h"
#include "singleapplication.h"

#include <QColor>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QPalette>

#include <cstdio>
#include <memory>

namespace {
// The window is shown this long after the process started, at the earliest: the splash stays that long.
constexpr qint64 kSplashShowMs = 4100;
// Until this much has elapsed the full 4.1 s are kept (the delay is then at least 101 ms)...
constexpr qint64 kLastFullSplashMs = 3999;
// ...later, the window follows this long after initialisation has finished.
constexpr int kMinimumSplashDelayMs = 100;

// Rich-text links (the About box) take the palette's link colour, which a style sheet cannot set:
// give them the accent of the style sheet.
void applyLinkColour()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Link, QColor(0xf2, 0xa9, 0x3b));
    palette.setColor(QPalette::LinkVisited, QColor(0xc7, 0x7d, 0x1e));
    QApplication::setPalette(palette);
}
} // namespace

int splashDelay(qint64 elapsedMs)
{
    const qint64 elapsed = qMax<qint64>(0, elapsedMs);
    if (elapsed <= kLastFullSplashMs)
        return static_cast<int>(kSplashShowMs - elapsed);
    return kMinimumSplashDelayMs;
}

int tessitraMain(int argc, char* argv[])
{
    // A monotonic clock: the splash delay is right even across midnight or a clock change.
    QElapsedTimer startTime;
    startTime.start();

    // A 2x screen gets the window at twice the size, and the art from its "@2x" pictures rather than scaled up.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QtSingleApplication app(argc, argv, true);
    // Wayland and the task bar match the window to its desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.aurivell.TessitraStageLibrarian"));
    qInstallMessageHandler(tessitraMessageHandler);

    if (app.isRunning()) {
        // The log is not open yet: this goes nowhere, and the running instance's log stays as it is.
        TS_DEBUG("Another instance is running.");
        app.sendMessage(QStringLiteral("another instance exited..."), 5000);
        return 0;
    }

    // A log that cannot be opened is not reported; the program runs without one.
    openLogFile(g_logFolder);
    // The language chosen in Settings (or the desktop's), before the first text is made. A choice made in Settings
    // while the window runs is applied here at the next start.
    Language::install(&app, Language::fromSetting(CSettings::instance()->m_iLanguage));

    for (int i = 0; i < argc; ++i) {
        if (argv[i])
            TS_DEBUG("Arg received: %s", argv[i]);
    }

    std::unique_ptr<MainWindow> window(new MainWindow(nullptr));

    QFile styleSheet(QStringLiteral(":/qss/TSStyle.qss"));
    if (!styleSheet.open(QIODevice::ReadOnly)) {
        std::fputs("Could not open style sheet...\n", stdout);
        std::fflush(stdout);
        closeLogFile();
        window.reset();
        return 1;
    }
    applyLinkColour();
    const QByteArray sheet = styleSheet.readAll();
    app.setStyleSheet(QString::fromUtf8(sheet.constData()));
    styleSheet.close();

    app.setWindowIcon(QIcon(QStringLiteral(":/icon.png")));

    const QString iniPath = QCoreApplication::applicationDirPath() + QStringLiteral("/info.ini");
    if (!QFile::exists(iniPath)) {
        TS_CRITICAL("info.ini not found: %s", qUtf8Printable(iniPath));
        QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("MainWindow", "Tessitra Stage Librarian"),
                        QCoreApplication::translate("MainWindow", "Failed to load initialization file. Reinstall the "
                                                                  "application to fix the problem."),
                        QMessageBox::Ok, nullptr);
        box.setObjectName(QStringLiteral("TessitraMessageBox"));
        box.setContentsMargins(10, 0, 10, 0);
        box.exec();
        closeLogFile();
        window.reset();
        return -1;
    }

    // A second start gives way to this instance: bring its window to the front, where the user looks for it.
    // Nothing is logged: a second start leaves this instance's log as it was.
    QObject::connect(&app, &QtSingleApplication::messageReceived, window.get(), [&window] {
        if (!window->isVisible())
            return; // still behind the splash, which is on top already
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        window->activateWindow();
    });

    window->showSplash(QCoreApplication::translate("MainWindow", "<b>Loading...</b>"), true);
    window->initialize();
    window->startSplashTimer(splashDelay(startTime.elapsed()));

    const int result = app.exec();

    // The window's destructor stops both workers; whatever they log while stopping is no longer written.
    closeLogFile();
    window.reset();
    return result;
}
