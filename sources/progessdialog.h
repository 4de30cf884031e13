#pragma once

#include <QDialog>

class QLabel;
class QMovie;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

// The small modal window that accompanies every long operation of either worker: a bold message, a busy
// animation, a percentage bar while byte counts arrive, and an "OK" button once the worker has finished
// without asking the dialog to close. With the operation's plan it shows the step, one bar for the whole
// operation and the time left. An operation that can stop safely has a Cancel button (closing the box asks the
// same); one that cannot says so, and its box stays until the operation has ended.
class ProgressDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(ProgressDialog)

public:
    explicit ProgressDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~ProgressDialog() override;

    // Lays the dialog out, shows the start text and runs it modally; always returns 0.
    int exec(const QString& text, QWidget* pWidgetToClose);
    int operationResult() const { return m_iResult; }
    // Before exec: whether the operation can stop safely (DeviceManagerThread::canStop). Without this call the
    // box behaves as it always has.
    void setStoppable(bool bStoppable);
    // A line that stays under every message from now on (what a stopped operation left in the unit), whatever
    // the worker says after it.
    void keepLine(const QString& line);

public slots:
    void onOperationFinished(int i, bool bClose);
    void onOperationFinished(QString message);
    void onUpdateText(QString text);
    void onProgress(qulonglong totalBytes, qulonglong sentBytes);
    void onStepProgress(QString step, qlonglong doneMs, qlonglong totalMs);
    void onCancelClicked();

    // The title bar's close and Escape: a Cancel while an operation that can stop runs, nothing while one that
    // cannot runs.
    void reject() override;

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void disconnectWorkers();
    void stopAnimation();
    void endRun();

    enum class Stop
    {
        Unsaid,
        Can,
        Cannot
    };

    QVBoxLayout* m_pLayout = nullptr;
    QLabel* m_pLabel = nullptr;
    QLabel* m_pMovieLabel = nullptr;
    QMovie* m_pMovie = nullptr;
    QProgressBar* m_pProgressBar = nullptr;
    QLabel* m_pStepLabel = nullptr;
    QLabel* m_pTimeLabel = nullptr;
    bool m_bPlanned = false; // the plan's progress drives the bar, not the byte counts
    bool m_bRunning = false;
    Stop m_eStop = Stop::Unsaid;
    QPushButton* m_pButton = nullptr;
    int m_iResult = 0;
    QString m_strKeptLine;
};
