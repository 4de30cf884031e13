#pragma once

#include <QDialog>

class QLabel;
class QMovie;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

// The small modal window that accompanies every long operation of either worker: a bold message, a busy
// animation, a percentage bar while byte counts arrive, and an "OK" button once the worker has finished
// without asking the dialog to close. The user cannot close it while an operation runs.
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
    // A line that stays under every message from now on (what a stopped operation left in the unit), whatever
    // the worker says after it.
    void keepLine(const QString& line);

public slots:
    void onOperationFinished(int i, bool bClose);
    void onOperationFinished(QString message);
    void onUpdateText(QString text);
    void onProgress(qulonglong totalBytes, qulonglong sentBytes);
    void onCancelClicked();

protected:
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void disconnectWorkers();
    void stopAnimation();

    QVBoxLayout* m_pLayout = nullptr;
    QLabel* m_pLabel = nullptr;
    QLabel* m_pMovieLabel = nullptr;
    QMovie* m_pMovie = nullptr;
    QProgressBar* m_pProgressBar = nullptr;
    QPushButton* m_pButton = nullptr;
    int m_iResult = 0;
    QString m_strKeptLine;
};
