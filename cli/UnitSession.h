#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class DeviceManagerThread;
class QEvent;

// The command line's side of the device worker: the very worker the window drives, run from a QCoreApplication.
// It starts the worker, waits for the poll to find the unit, posts one operation at a time and waits on the
// worker's signals for its end, keeping what the operation reported (texts, names, set lists, progress).
class UnitSession : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(UnitSession)

public:
    enum class Found
    {
        One,
        None,
        Several
    };

    // What one operation reported.
    struct Outcome
    {
        int result = 0;
        QStringList texts; // every updateText, in order
        // The automatic back-up that puts the unit back when the operation stopped midway (the failure text
        // already says how far it got).
        QString recoveryBackUp;
        bool bInterrupted = false; // Ctrl-C (or a termination signal) asked the worker to stop
    };

    // Ctrl-C and SIGTERM ask the running operation to stop at its next record or packet, as closing the window
    // does, instead of ending the process between two reports. A second one ends the process.
    static void catchInterrupts();
    static bool interrupted();

    explicit UnitSession(QObject* parent = nullptr);
    ~UnitSession() override;

    // Starts the worker and waits for the first poll's verdict. With no unit, accessProblem() tells what the
    // system said about a listed unit it would not open (empty when none is listed).
    // Found::None as well when interrupted() while waiting.
    Found connectUnit();
    QString accessProblem() const { return m_strAccessProblem; }
    int productId() const;

    // Runs one operation: setter stores its data in the worker (on this thread, before the post), then the event
    // goes to the worker and the call returns once the worker is idle again.
    Outcome run(QEvent* event, const std::function<void(DeviceManagerThread*)>& setter = nullptr);

    // Filled by the reads: names by preset number (trimmed, as the window shows them), set lists by index.
    QMap<int, QString> names() const { return m_names; }
    bool hasSetList(int index) const { return m_bSetListRead[static_cast<size_t>(index)]; }
    std::array<int, 20> setList(int index) const { return m_setLists[static_cast<size_t>(index)]; }

    // Progress of the running operation: handed (total, done) as they arrive.
    void setProgressHandler(std::function<void(quint64, quint64)> handler) { m_progress = std::move(handler); }
    // The operation as a whole, by its plan: the step, the waits passed and in all (DeviceManagerThread::progress).
    void setStepHandler(std::function<void(const QString&, qint64, qint64)> handler) { m_step = std::move(handler); }

private:
    DeviceManagerThread* m_pWorker = nullptr;
    QString m_strAccessProblem;
    QMap<int, QString> m_names;
    std::array<std::array<int, 20>, 5> m_setLists{};
    std::array<bool, 5> m_bSetListRead{};
    std::function<void(quint64, quint64)> m_progress;
    std::function<void(const QString&, qint64, qint64)> m_step;
    Outcome m_current;
    bool m_bRunning = false;
};
