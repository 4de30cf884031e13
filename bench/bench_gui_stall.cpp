// How long the window's event loop goes without running while the device worker is busy: the window
// (offscreen) talks to a virtual unit through the real workers, the protocol's fixed waits are replaced by a
// recorder that returns at once (so the worker runs flat out, the worst case for the GUI thread), and a 5 ms
// timer on the GUI thread notes the longest gap between two of its ticks during a back-up and during a
// 512 KiB firmware transfer. A gap far above the tick means the GUI thread was blocked; the figure is set
// against 50 ms, about where a user starts to notice a window that does not answer.

#include "DeviceManagerThread.h"
#include "Settings.h"
#include "app.h"
#include "globals.h"
#include "hidseam.h"
#include "mainwindow.h"
#include "settle.h"
#include "virtualunit/VirtualBusHost.h"
#include "virtualunit/VirtualHidBackend.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>

namespace {

constexpr int kTickMs = 5;
constexpr double kNoticeableMs = 50.0;

std::atomic<long long> g_settleCount{0};
std::atomic<long long> g_settleTotalMs{0};
void recordSettle(int ms)
{
    g_settleCount.fetch_add(1);
    g_settleTotalMs.fetch_add(ms);
}

// Longest gap between ticks of a 5 ms timer while armed.
class StallMeter : public QObject
{
public:
    StallMeter()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.start(kTickMs);
    }
    void arm()
    {
        m_bArmed = true;
        m_longestMs = 0;
        m_ticks = 0;
        m_clock.start();
        m_last.start();
    }
    // The stretch from the last tick to the end counts as a gap too: a loop blocked for the whole run never ticks.
    void disarm()
    {
        if (!m_bArmed)
            return;
        m_elapsedMs = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
        const double gap = static_cast<double>(m_last.nsecsElapsed()) / 1e6;
        if (gap > m_longestMs)
            m_longestMs = gap;
        m_bArmed = false;
    }
    bool armed() const { return m_bArmed; }
    double longestMs() const { return m_longestMs; }
    long long ticks() const { return m_ticks; }
    double elapsedMs() const { return m_elapsedMs; }

private:
    void tick()
    {
        if (!m_bArmed)
            return;
        const double gap = static_cast<double>(m_last.nsecsElapsed()) / 1e6;
        m_last.start();
        ++m_ticks;
        if (gap > m_longestMs)
            m_longestMs = gap;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    QElapsedTimer m_last;
    bool m_bArmed = false;
    double m_longestMs = 0;
    double m_elapsedMs = 0;
    long long m_ticks = 0;
};

QString g_lastResultText;

// Presses OK on a progress dialog that has finished, as the user would, keeping the result text.
void pressFinishedOk()
{
    QWidget* pModal = QApplication::activeModalWidget();
    if (pModal == nullptr || pModal->objectName() != QLatin1String("ProgressDialog"))
        return;
    auto* pOk = pModal->findChild<QPushButton*>(QStringLiteral("CancelProgress"));
    if (pOk == nullptr || !pOk->isVisible())
        return;
    if (auto* pLabel = pModal->findChild<QLabel*>(QStringLiteral("TessitraLabel")))
        g_lastResultText = pLabel->text();
    pOk->click();
}

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    QTemporaryDir bus;
    if (!home.isValid() || !bus.isValid()) {
        std::fprintf(stderr, "no temporary folders\n");
        return 1;
    }
    qputenv("HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    initTessitraResources();
    buildDataFolders(home.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path() + QStringLiteral("/config"));
    // Manual update mode: the presets are read as soon as the unit is found, with no update check first.
    CSettings* pSettings = CSettings::instance();
    pSettings->m_bManualUpdate = true;
    pSettings->m_bMonthlyUpdate = false;
    pSettings->writeSettings();

    Settle::setSleepFunction(&recordSettle);
    HidSeam::setApi(&VirtualHidBackend::api(bus.path()));
    if (!VirtualBusHost::forDir(bus.path()).plug(QStringLiteral("A"), UnitIdentity::defaults(UnitModel::Ariette))) {
        std::fprintf(stderr, "cannot plug the virtual unit\n");
        return 1;
    }

    const QString backUpPath = home.path() + QStringLiteral("/bench.tarb");
    const QString imagePath = home.path() + QStringLiteral("/micro.bin");
    {
        QFile image(imagePath);
        QByteArray bytes(512 * 1024, '\0');
        for (int k = 0; k < bytes.size(); ++k)
            bytes[k] = static_cast<char>((k * 131) & 0xFF);
        if (!image.open(QIODevice::WriteOnly) || image.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write the firmware image\n");
            return 1;
        }
    }

    int result = 0;
    {
        MainWindow window;
        window.initialize();
        QString fileAnswer;
        window.setFileDialogFunction([&fileAnswer](MainWindow::FileDialogKind, const QString&, const QString&,
                                                   const QString&) { return fileAnswer; });
        StallMeter meter;
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, &pressFinishedOk);
        answerer.start(20);
        // The measurement ends when the worker reports the end, not when OK is pressed.
        QObject::connect(DeviceManagerThread::instance(), &DeviceManagerThread::operationFinished, &meter,
                         [&meter] { meter.disarm(); });

        window.finishSplashTimer();
        auto* pRefresh = window.findChild<QPushButton*>(QStringLiteral("refreshButton"));
        if (!waitFor([&] { return pRefresh->isEnabled() && QApplication::activeModalWidget() == nullptr; }, 30000)) {
            std::fprintf(stderr, "the unit was not read\n");
            return 1;
        }

        struct Run
        {
            const char* name;
            QString file;
            void (MainWindow::*slot)();
        };
        const Run runs[] = {{"back-up", backUpPath, &MainWindow::backUp},
                            {"firmware 512 KiB", imagePath, &MainWindow::onUpdateFirmware}};
        std::printf("GUI thread stall, 5 ms timer, protocol waits recorded instead of slept\n");
        constexpr int kRepeats = 5;
        for (const Run& run : runs) {
            double longest = 0;
            double sum = 0;
            double busyMs = 0;
            long long ticks = 0;
            for (int repeat = 0; repeat < kRepeats; ++repeat) {
                fileAnswer = run.file;
                g_settleCount.store(0);
                g_settleTotalMs.store(0);
                g_lastResultText.clear();
                meter.arm();
                (window.*run.slot)(); // returns when the progress dialog is closed
                if (meter.armed()) {
                    std::fprintf(stderr, "%s: no end reported\n", run.name);
                    result = 1;
                    meter.disarm();
                }
                longest = std::max(longest, meter.longestMs());
                sum += meter.longestMs();
                busyMs += meter.elapsedMs();
                ticks += meter.ticks();
            }
            std::printf("%-17s longest stall %6.2f ms = %4.2f x 50 ms (mean of runs %5.2f ms); %d runs, %.1f ms each, "
                        "%lld ticks; waits skipped per run %lld (%lld ms); result \"%s\"\n",
                        run.name, longest, longest / kNoticeableMs, sum / kRepeats, kRepeats, busyMs / kRepeats, ticks,
                        g_settleCount.load(), g_settleTotalMs.load(), qPrintable(g_lastResultText));
        }
    }
    HidSeam::setApi(nullptr);
    Settle::setSleepFunction(nullptr);
    return result;
}
