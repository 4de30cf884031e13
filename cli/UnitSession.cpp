#include "UnitSession.h"

#include "Console.h"

#include "DeviceManagerThread.h"
#include "Settings.h"
#include "firmwareupdate.h"
#include "presetname.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <csignal>
#include <memory>

namespace {
// The command line looks for the unit more often than the window: it waits for nothing else. A connected unit is
// still asked for its identity no more than the window asks it.
constexpr int kPollMs = 250;
// How often a wait looks whether it was interrupted.
constexpr int kInterruptCheckMs = 100;

std::atomic<DeviceManagerThread*> g_pWorker{nullptr};
std::atomic<bool> g_bInterrupted{false};
// An operation that writes the unit is posted or running: Ctrl-C leaves it alone.
std::atomic<bool> g_bWriting{false};

extern "C" void onInterrupt(int signalNumber)
{
    // Only lock-free atomic loads, stores and signal(): nothing here may allocate or lock. The interrupt is
    // stored before the write flag is read, and run() does the reverse, so a write is either never posted or
    // never told to abort.
    g_bInterrupted.store(true);
    if (!g_bWriting.load())
        if (DeviceManagerThread* pWorker = g_pWorker.load())
            pWorker->setAbort(true);
    std::signal(signalNumber, SIG_DFL);
}

// The operations that change what the unit holds. Broken off midway they would leave it half old, half new (a
// restore, a firmware image) or a step out of the undo journal, so Ctrl-C lets them finish.
bool writesUnit(QEvent::Type type)
{
    using W = DeviceManagerThread;
    for (const QEvent::Type write :
         {W::WriteSetListEvent, W::LoadPresetFileEvent, W::LoadPresetFilesEvent, W::CopyPresetEvent,
          W::CopyPresetsEvent, W::RenamePresetEvent, W::RestoreEvent, W::UpdateFactoryPresetsEvent,
          W::UpdateFirmwareEvent, W::UndoEvent, W::RedoEvent, W::RestoreSelectedEvent})
        if (type == write)
            return true;
    return false;
}

// Says once what Ctrl-C does to the running operation.
void tellInterrupted(bool bWrite)
{
    static bool s_bTold = false;
    if (s_bTold)
        return;
    s_bTold = true;
    const QString text = bWrite ? Console::say(Console::Text::WriteFinishes) : Console::say(Console::Text::Stopping);
    Console::print(stderr, QStringLiteral("tessitra: ") + text + QLatin1Char('\n'));
}

// Quits loop once interrupted, unless the worker is busy: a running operation ends on its own, at its next
// callback, and reports as it goes. A write is always waited for, even before the worker has said it is busy.
void quitWhenInterrupted(QEventLoop& loop, QTimer& timer, const bool& bBusy, bool bWrite)
{
    QObject::connect(&timer, &QTimer::timeout, &loop, [&loop, &bBusy, bWrite] {
        if (!g_bInterrupted.load())
            return;
        if (!bBusy && !bWrite)
            loop.quit();
        else
            tellInterrupted(bWrite);
    });
    timer.start(kInterruptCheckMs);
}
} // namespace

void UnitSession::catchInterrupts()
{
    struct sigaction action = {};
    action.sa_handler = &onInterrupt;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a read waiting for the user's answer returns, and the question counts as not answered.
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool UnitSession::interrupted()
{
    return g_bInterrupted.load();
}

UnitSession::UnitSession(QObject* parent) : QObject(parent)
{
    // The update service is made here, on this thread, before the poll asks for it from the device thread.
    CFirmwareUpdate::instance();
    m_pWorker = DeviceManagerThread::instance();
    g_pWorker.store(m_pWorker);
    m_pWorker->setPollInterval(kPollMs);
    // The window's safety settings hold here too: automatic back-ups and read-back checks as the user chose.
    CSettings* pSettings = CSettings::instance();
    pSettings->readSettings();
    m_pWorker->setSafetyOptions(pSettings->m_bAutoBackup, pSettings->m_bVerifyWrites);
    // A restore from here is always the user's own back-up, never the recovery of an interrupted operation.
    m_pWorker->setRecovery(false);

    using W = DeviceManagerThread;
    connect(m_pWorker, &W::deviceInaccessible, this, [this](const QString& text) { m_strAccessProblem = text; });
    connect(m_pWorker, &W::updateText, this, [this](const QString& text) {
        if (m_bRunning)
            m_current.texts.append(text);
    });
    connect(m_pWorker, &W::operationFinished, this, [this](int result, bool) {
        if (!m_bRunning)
            return;
        m_current.result = result;
    });
    connect(m_pWorker, &W::recoveryAvailable, this,
            [this](const QString& path, const QString&) { m_current.recoveryBackUp = path; });
    connect(m_pWorker, &W::dataSent, this, [this](quint64 total, quint64 done) {
        if (m_bRunning && m_progress)
            m_progress(total, done);
    });
    connect(m_pWorker, &W::progress, this, [this](const QString& step, qlonglong done, qlonglong total) {
        if (m_bRunning && m_step)
            m_step(step, done, total);
    });
    connect(m_pWorker, qOverload<int, int, int, QString, int, int, int, int>(&W::singlePresetData), this,
            [this](int, int base, int offset, const QString& name, int, int, int, int) {
                m_names.insert(base + offset, name.trimmed());
            });
    connect(m_pWorker, qOverload<int, int, int, int*, int, int, int, int>(&W::singlePresetData), this,
            [this](int, int base, int offset, int* record, int nameLength, int, int, int) {
                // The record is ours; its name is the first nameLength entries, read as the window reads them.
                std::unique_ptr<int[]> owned(record);
                m_names.insert(base + offset, PresetName::fromCodes(owned.get(), qBound(0, nameLength, 256)));
            });
    connect(m_pWorker, &W::setListData, this, [this](int index, const QVector<int>& data) {
        if (index < 0 || index >= 5 || data.size() < 20)
            return;
        for (size_t k = 0; k < 20; ++k)
            m_setLists[static_cast<size_t>(index)][k] = data[static_cast<int>(k)];
        m_bSetListRead[static_cast<size_t>(index)] = true;
    });
}

UnitSession::~UnitSession()
{
    g_pWorker.store(nullptr);
    if (m_pWorker->isRunning()) {
        m_pWorker->quit();
        m_pWorker->wait();
    }
    delete m_pWorker;
    CFirmwareUpdate* pUpdate = CFirmwareUpdate::instance();
    if (pUpdate->isRunning()) {
        pUpdate->setStopping(true);
        pUpdate->quit();
        pUpdate->wait();
    }
    delete pUpdate;
}

UnitSession::Found UnitSession::connectUnit()
{
    QEventLoop loop;
    Found found = Found::None;
    using W = DeviceManagerThread;
    const auto end = [&loop, &found](Found verdict) {
        found = verdict;
        loop.quit();
    };
    // The first poll decides: it either opens the one unit, finds several, or finds none it can open.
    QObject context;
    QTimer interruptCheck;
    const bool bNeverBusy = false;
    quitWhenInterrupted(loop, interruptCheck, bNeverBusy, false);
    connect(m_pWorker, &W::deviceDetected, &context, [&end] { end(Found::One); });
    connect(m_pWorker, &W::multipleDeviceDetected, &context, [&end] { end(Found::Several); });
    connect(m_pWorker, &W::noDevice, &context, [&end] { end(Found::None); });

    m_pWorker->moveToThread(m_pWorker);
    m_pWorker->start(QThread::InheritPriority);
    // The first poll at once rather than after a full interval: a script runs many short commands.
    QMetaObject::invokeMethod(m_pWorker, &DeviceManagerThread::onTimeOut, Qt::QueuedConnection);
    loop.exec();
    return found;
}

int UnitSession::productId() const
{
    return m_pWorker->productId();
}

UnitSession::Outcome UnitSession::run(QEvent* event, const std::function<void(DeviceManagerThread*)>& setter)
{
    m_current = Outcome();
    const bool bWrite = writesUnit(event->type());
    g_bWriting.store(bWrite);
    if (interrupted()) {
        g_bWriting.store(false);
        delete event;
        m_current.bInterrupted = true;
        return m_current;
    }
    QEventLoop loop;
    QObject context;
    bool bBusy = false;
    QTimer interruptCheck;
    quitWhenInterrupted(loop, interruptCheck, bBusy, bWrite);
    connect(m_pWorker, &DeviceManagerThread::deviceBusy, &context, [&bBusy] { bBusy = true; });
    connect(m_pWorker, &DeviceManagerThread::deviceIdle, &context, [&loop, &bBusy] {
        if (bBusy)
            loop.quit();
    });
    if (setter)
        setter(m_pWorker);
    m_bRunning = true;
    QCoreApplication::postEvent(m_pWorker, event, 1);
    loop.exec();
    m_bRunning = false;
    g_bWriting.store(false);
    // A write ran to its end: its own result is the outcome, whenever Ctrl-C came. Ctrl-C in its last moments
    // is answered here, before that result, when the check above had no turn.
    if (bWrite && interrupted())
        tellInterrupted(true);
    m_current.bInterrupted = interrupted() && !bWrite;
    return m_current;
}
