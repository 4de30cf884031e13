#include "progessdialog.h"

#include "DeviceManagerThread.h"
#include "artwork.h"
#include "firmwareupdate.h"
#include "log.h"
#include "operationplan.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMovie>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

ProgressDialog::ProgressDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    setFixedSize(400, 200);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);

    m_pLayout = new QVBoxLayout(this);
    m_pLabel = new QLabel(this);
    m_pLabel->setObjectName("TessitraLabel");
    m_pMovieLabel = new QLabel(this);
    m_pMovieLabel->setObjectName("TessitraLabel");
    m_pMovie = Artwork::movie(m_pMovieLabel, ":/images/progress.gif", nullptr);
    m_pProgressBar = new QProgressBar(this);
    m_pProgressBar->setMaximum(100);
    m_pStepLabel = new QLabel(this);
    m_pStepLabel->setObjectName("ProgressStep");
    m_pTimeLabel = new QLabel(this);
    m_pTimeLabel->setObjectName("ProgressTimeLeft");
    // The button has no parent until exec() puts it into the layout.
    m_pButton = new QPushButton(tr("OK"));
    m_pButton->setObjectName("CancelProgress");

    m_pMovie->setCacheMode(QMovie::CacheAll);
    m_pMovieLabel->setFixedSize(32, 32);
    m_pMovieLabel->setAlignment(Qt::AlignCenter);

    setObjectName("ProgressDialog");
    installEventFilter(this);
}

ProgressDialog::~ProgressDialog()
{
    // A worker that is still running must not reach a dialog that is gone.
    disconnectWorkers();
    delete m_pMovie;
    if (!m_pButton->parent())
        delete m_pButton;
}

int ProgressDialog::exec(const QString& text, QWidget* pWidgetToClose)
{
    m_pLayout->setContentsMargins(5, 5, 5, 5);
    m_pLayout->setSpacing(10);

    m_pLabel->setMinimumWidth(static_cast<int>(width() * 0.7));
    m_pLabel->setAlignment(Qt::AlignHCenter);
    QFont font = m_pLabel->font();
    font.setWeight(75);
    font.setPixelSize(14);
    m_pLabel->setFont(font);
    m_pLabel->setWordWrap(true);
    m_pLabel->setText(text);
    m_pLayout->addWidget(m_pLabel, 0, Qt::AlignCenter);

    m_pMovieLabel->show();
    m_pLayout->addWidget(m_pMovieLabel, 0, Qt::AlignCenter);
    if (m_pMovie->isValid()) {
        m_pMovie->start();
    } else {
        m_pMovieLabel->hide();
    }

    m_pLayout->addWidget(m_pStepLabel, 0, Qt::AlignCenter);
    m_pStepLabel->hide();
    m_pLayout->addWidget(m_pProgressBar, 0, Qt::AlignCenter);
    m_pProgressBar->hide();
    m_pLayout->addWidget(m_pTimeLabel, 0, Qt::AlignCenter);
    m_pTimeLabel->setAlignment(Qt::AlignHCenter);
    m_pTimeLabel->setText(m_eStop == Stop::Cannot ? tr("This cannot be stopped safely.") : QString());
    m_pTimeLabel->setVisible(m_eStop == Stop::Cannot);

    m_pLayout->addWidget(m_pButton, 0, Qt::AlignCenter);
    connect(m_pButton, &QPushButton::clicked, this, &ProgressDialog::onCancelClicked, Qt::UniqueConnection);
    m_pButton->setEnabled(true);
    m_pButton->setVisible(m_eStop == Stop::Can);
    if (m_eStop == Stop::Can)
        m_pButton->setText(tr("Cancel"));
    m_bRunning = true;

    if (pWidgetToClose) {
        pWidgetToClose->close();
        setAttribute(Qt::WA_DeleteOnClose);
    }
    QDialog::exec();
    return 0;
}

void ProgressDialog::stopAnimation()
{
    m_pMovie->stop();
    m_pMovieLabel->hide();
}

void ProgressDialog::setStoppable(bool bStoppable)
{
    m_eStop = bStoppable ? Stop::Can : Stop::Cannot;
}

void ProgressDialog::endRun()
{
    m_bRunning = false;
    m_pStepLabel->hide();
    m_pTimeLabel->hide();
    m_pButton->setText(tr("OK"));
    m_pButton->setEnabled(true);
}

void ProgressDialog::onOperationFinished(int i, bool bClose)
{
    // Signals that arrive after the dialog closed, or that belong to another dialog's operation, change nothing.
    if (!isVisible())
        return;
    endRun();
    m_iResult = i;
    if (!m_pMovieLabel->isHidden())
        stopAnimation();
    if (!m_pProgressBar->isHidden())
        m_pProgressBar->hide();
    if (bClose) {
        disconnectWorkers();
        done(0);
        return;
    }
    // The worker's result text arrived through updateText before this; it stays for the user to read.
    m_pButton->show();
}

void ProgressDialog::onOperationFinished(QString message)
{
    if (!isVisible())
        return;
    TS_DEBUG("Entering");
    endRun();
    m_iResult = 0;
    if (m_pMovieLabel->isVisible())
        stopAnimation();
    if (m_pProgressBar->isVisible())
        m_pProgressBar->hide();
    m_pLabel->setText(message);
    m_pButton->show();
    TS_DEBUG("Exiting");
}

void ProgressDialog::keepLine(const QString& line)
{
    m_strKeptLine = line;
    onUpdateText(m_pLabel->text());
}

void ProgressDialog::onUpdateText(QString text)
{
    if (!m_strKeptLine.isEmpty() && !text.contains(m_strKeptLine))
        text += QLatin1Char('\n') + m_strKeptLine;
    m_pLabel->setText(text);
}

void ProgressDialog::onProgress(qulonglong totalBytes, qulonglong sentBytes)
{
    if (!isVisible() || m_bPlanned)
        return;
    if (totalBytes == 0 || sentBytes == 0) {
        // Nothing measurable yet: busy animation instead of a bar.
        m_pProgressBar->hide();
        m_pMovie->start();
        m_pMovieLabel->show();
        return;
    }
    if (m_pMovieLabel->isVisible())
        stopAnimation();
    // 64-bit unsigned arithmetic: large byte counts are multiplied before the division.
    const qulonglong percent = sentBytes * 100ULL / totalBytes;
    m_pProgressBar->setValue(static_cast<int>(percent));
    if (m_pProgressBar->isHidden())
        m_pProgressBar->show();
}

void ProgressDialog::onStepProgress(QString step, qlonglong doneMs, qlonglong totalMs)
{
    if (!isVisible() || !m_bRunning || totalMs <= 0)
        return;
    m_bPlanned = true;
    if (m_pMovieLabel->isVisible())
        stopAnimation();
    m_pProgressBar->setValue(static_cast<int>(qBound<qlonglong>(0, doneMs * 100 / totalMs, 100)));
    m_pProgressBar->show();
    if (m_pButton->isEnabled())
        m_pStepLabel->setText(step);
    m_pStepLabel->show();
    QString left = OperationPlan::timeLeftText(totalMs - doneMs);
    if (m_eStop == Stop::Cannot)
        left += QLatin1Char('\n') + tr("This cannot be stopped safely.");
    m_pTimeLabel->setText(left);
    m_pTimeLabel->show();
}

void ProgressDialog::reject()
{
    if (m_bRunning && m_eStop == Stop::Can) {
        onCancelClicked();
        return;
    }
    if (m_bRunning && m_eStop == Stop::Cannot)
        return;
    QDialog::reject();
}

void ProgressDialog::onCancelClicked()
{
    if (m_bRunning && m_eStop == Stop::Can) {
        // The worker stops at its next record and says what it left; the box stays for that.
        DeviceManagerThread::instance()->requestStop();
        m_pButton->setEnabled(false);
        m_pStepLabel->setText(tr("Stopping..."));
        m_pStepLabel->show();
        return;
    }
    disconnectWorkers();
    done(0);
}

bool ProgressDialog::eventFilter(QObject* obj, QEvent* e)
{
    // Escape would close the dialog while the worker still runs: swallow it.
    if (obj == this && e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape)
        return true;
    return QDialog::eventFilter(obj, e);
}

void ProgressDialog::disconnectWorkers()
{
    QObject::disconnect(CFirmwareUpdate::instance(), nullptr, this, nullptr);
    QObject::disconnect(DeviceManagerThread::instance(), nullptr, this, nullptr);
}
