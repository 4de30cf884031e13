#include "settingsdlg.h"

#include "DeviceManagerThread.h"
#include "Settings.h"
#include "deviceinfo.h"
#include "firmwareupdate.h"
#include "globals.h"
#include "language.h"
#include "log.h"
#include "mainwindow.h"
#include "operationplan.h"
#include "progessdialog.h"
#include "usbids.h"

#include "ui_settingsdlg.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QSignalBlocker>

CSettingsDlg::CSettingsDlg(QWidget* parent) : QDialog(parent), m_pUi(std::make_unique<Ui::settingsDialog>())
{
    TS_DEBUG("Entering");
    m_pUi->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    // "System" follows the desktop's language; the others are named in their own language, so that a singer who
    // cannot read the current one still finds theirs.
    m_pUi->languageComboBox->addItem(tr("System"));
    for (const Language::Choice& choice : Language::Choices)
        m_pUi->languageComboBox->addItem(QString::fromUtf8(choice.name));
    // Room for "System" in any language, whatever the names listed.
    m_pUi->languageComboBox->setMinimumContentsLength(14);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    connect(m_pUi->settingsOK, &QPushButton::clicked, this, &CSettingsDlg::onAccept);
    connect(m_pUi->settingsCancel, &QPushButton::clicked, this, &CSettingsDlg::onReject);
    connect(m_pUi->firmwareUpdateButton, &QPushButton::clicked, this, &CSettingsDlg::checkForFirmwareUpdate);
    connect(m_pUi->appUpdateButton, &QPushButton::clicked, this, &CSettingsDlg::checkForAppUpdate);
    connect(m_pUi->factoryUpdateButton, &QPushButton::clicked, this, &CSettingsDlg::doFactoryUpdate);
    connect(m_pUi->languageComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CSettingsDlg::changeLanguage);
    // Pressed, not toggled: pressing the choice already made still counts as a change (Cancel then asks).
    connect(m_pUi->neverRadioButton, &QRadioButton::pressed, this, &CSettingsDlg::setManualUpdate);
    connect(m_pUi->startupRadioButton, &QRadioButton::pressed, this, &CSettingsDlg::setStartupUpdate);
    connect(m_pUi->monthlyRadioButton, &QRadioButton::pressed, this, &CSettingsDlg::setMonthlyUpdate);
    connect(m_pUi->resetButton, &QPushButton::clicked, this, &CSettingsDlg::resetToDefaults);
    // Clicked, not toggled: showing the stored value is no change of the user's.
    connect(m_pUi->autoBackupCheckBox, &QCheckBox::clicked, this, [this](bool bChecked) {
        m_bAutoBackup = bChecked;
        m_bModified = true;
    });
    connect(m_pUi->verifyWritesCheckBox, &QCheckBox::clicked, this, [this](bool bChecked) {
        m_bVerifyWrites = bChecked;
        m_bModified = true;
    });
    // The device worker runs on its own thread: these arrive queued, while the dialog is open.
    DeviceManagerThread* pDevice = DeviceManagerThread::instance();
    connect(pDevice, &DeviceManagerThread::deviceDetected, this, &CSettingsDlg::onDeviceDetected);
    connect(pDevice, &DeviceManagerThread::deviceRemoved, this, &CSettingsDlg::onDeviceRemoved);

    // Rewriting the factory presets is offered for the Cadenzo only.
    showFactoryPresets(g_bDeviceConnected.load() && pDevice->productId() == UsbIds::CadenzoProductId);

    // Another part of the window may have stored something since the last read.
    CSettings* pSettings = CSettings::instance();
    pSettings->readSettings();
    m_iLanguage = pSettings->m_iLanguage;
    m_bManualUpdate = pSettings->m_bManualUpdate;
    m_bMonthlyUpdate = pSettings->m_bMonthlyUpdate;
    m_DateTimeLastChecked = pSettings->m_DateTimeLastChecked;
    m_bAutoBackup = pSettings->m_bAutoBackup;
    m_bVerifyWrites = pSettings->m_bVerifyWrites;
    m_bModified = false;
    updateDialog();
    TS_DEBUG("Exiting");
}

CSettingsDlg::~CSettingsDlg() = default;

void CSettingsDlg::showFactoryPresets(bool bShow)
{
    m_pUi->groupBoxFactoryPresets->setEnabled(bShow);
    m_pUi->groupBoxFactoryPresets->setVisible(bShow);
}

void CSettingsDlg::onDeviceDetected(int productId)
{
    TS_DEBUG("pid: 0x%x", static_cast<unsigned>(productId));
    // Another model (or the same one again) leaves the group as it is.
    if (productId == UsbIds::CadenzoProductId)
        showFactoryPresets(true);
}

void CSettingsDlg::onDeviceRemoved()
{
    showFactoryPresets(false);
}

void CSettingsDlg::updateDialog()
{
    {
        // Showing the stored language is not a choice of the user's; it must not raise the modified flag.
        // A stored index the list does not hold leaves the box empty and the value untouched.
        const QSignalBlocker blocker(m_pUi->languageComboBox);
        m_pUi->languageComboBox->setCurrentIndex(m_iLanguage);
    }
    if (m_bMonthlyUpdate)
        m_pUi->monthlyRadioButton->setChecked(true);
    else if (m_bManualUpdate)
        m_pUi->neverRadioButton->setChecked(true);
    else
        m_pUi->startupRadioButton->setChecked(true);
    m_pUi->autoBackupCheckBox->setChecked(m_bAutoBackup);
    m_pUi->verifyWritesCheckBox->setChecked(m_bVerifyWrites);
}

void CSettingsDlg::runUpdateCheck(const QString& title, QEvent::Type request, const QString& text)
{
    CFirmwareUpdate* pUpdate = CFirmwareUpdate::instance();
    // The progress dialog sits over this one, which stays open: after the answer the singer goes on choosing.
    ProgressDialog progress(this);
    progress.setWindowTitle(title);
    connect(pUpdate, &CFirmwareUpdate::operationFinished, &progress,
            qOverload<int, bool>(&ProgressDialog::onOperationFinished));
    connect(pUpdate, &CFirmwareUpdate::updateText, &progress, &ProgressDialog::onUpdateText);
    connect(pUpdate, &CFirmwareUpdate::updateCheckFailed, &progress,
            qOverload<QString>(&ProgressDialog::onOperationFinished));
    connect(pUpdate, &CFirmwareUpdate::dataSent, &progress, &ProgressDialog::onProgress);

    // The date of the check is kept at once, whatever becomes of the dialog's other choices.
    CSettings* pSettings = CSettings::instance();
    pSettings->m_DateTimeLastChecked = QDateTime::currentDateTime();
    pSettings->writeSettings();

    QCoreApplication::postEvent(pUpdate, new QEvent(request));
    progress.exec(text, nullptr);
}

void CSettingsDlg::checkForFirmwareUpdate()
{
    TS_DEBUG("Entering");
    runUpdateCheck(tr("Firmware Update"), CFirmwareUpdate::CheckFirmwareUpdateEvent,
                   tr("Checking for firmware update..."));
}

void CSettingsDlg::checkForAppUpdate()
{
    TS_DEBUG("Entering");
    runUpdateCheck(tr("Application Update"), CFirmwareUpdate::CheckAppUpdateEvent,
                   tr("Checking for application update..."));
}

void CSettingsDlg::doFactoryUpdate()
{
    TS_DEBUG("Entering");
    DeviceManagerThread* pDevice = DeviceManagerThread::instance();
    auto* pWindow = qobject_cast<MainWindow*>(parentWidget());
    CSettings* pSettings = CSettings::instance();
    pSettings->readSettings();
    const OperationPlan plan = OperationPlan::factoryRewrite(OperationPlan::Unit::connected(), pSettings->m_bAutoBackup,
                                                             pSettings->m_bVerifyWrites);
    if (pWindow != nullptr &&
        !pWindow->confirmOverwrite(tr("Factory Preset Update"),
                                   tr("All %1 factory presets of the unit will be replaced by those in "
                                      "FactoryPresets.dat.")
                                           .arg(g_deviceInfo.presetCount.load()) +
                                       QLatin1Char(' ') + OperationPlan::durationText(plan.totalMs()),
                                   tr("Do you want to rewrite the factory presets?")))
        return;
    MainWindow::handOverSafetyOptions();
    auto* pProgress = new ProgressDialog(parentWidget());
    pProgress->setWindowTitle(tr("Factory Preset Update"));
    // The device worker reports failures through updateText and operationFinished; it has no failure signal.
    connect(pDevice, &DeviceManagerThread::operationFinished, pProgress,
            qOverload<int, bool>(&ProgressDialog::onOperationFinished));
    connect(pDevice, &DeviceManagerThread::updateText, pProgress, &ProgressDialog::onUpdateText);
    connect(pDevice, &DeviceManagerThread::dataSent, pProgress, &ProgressDialog::onProgress);
    connect(pDevice, &DeviceManagerThread::progress, pProgress, &ProgressDialog::onStepProgress);
    pProgress->setStoppable(false);

    QCoreApplication::postEvent(pDevice, new QEvent(DeviceManagerThread::UpdateFactoryPresetsEvent));
    // As for the update checks: this dialog is closed and gone once exec returns.
    pProgress->exec(tr("Updating factory presets..."), this);
}

void CSettingsDlg::changeLanguage(int index)
{
    // Stored on OK and applied at the next start (the note under the box says so): the texts of a window already
    // built do not change under the singer's eyes.
    if (index != m_iLanguage) {
        m_iLanguage = index;
        m_bModified = true;
    }
    updateDialog();
}

void CSettingsDlg::setManualUpdate()
{
    m_bManualUpdate = true;
    m_bMonthlyUpdate = false;
    m_bModified = true;
}

void CSettingsDlg::setStartupUpdate()
{
    m_bManualUpdate = false;
    m_bMonthlyUpdate = false;
    m_bModified = true;
}

void CSettingsDlg::setMonthlyUpdate()
{
    m_bMonthlyUpdate = true;
    m_bManualUpdate = false;
    m_bModified = true;
}

void CSettingsDlg::resetToDefaults()
{
    // In memory only: the store keeps the old values until OK writes these.
    CSettings* pSettings = CSettings::instance();
    pSettings->resetToDefaults();
    m_iLanguage = pSettings->m_iLanguage;
    m_bManualUpdate = pSettings->m_bManualUpdate;
    m_bMonthlyUpdate = pSettings->m_bMonthlyUpdate;
    m_DateTimeLastChecked = pSettings->m_DateTimeLastChecked;
    m_bAutoBackup = pSettings->m_bAutoBackup;
    m_bVerifyWrites = pSettings->m_bVerifyWrites;
    updateDialog();
    m_bModified = true;
}

void CSettingsDlg::onReject()
{
    if (!m_bModified) {
        reject();
        return;
    }
    // Titled like this dialog, so the question says where it comes from.
    const std::unique_ptr<QMessageBox> pBox =
        MainWindow::makeMessageBox(QMessageBox::Question, windowTitle(), tr("Preferences were modified?"),
                                   QMessageBox::Yes | QMessageBox::No, this);
    pBox->setInformativeText(tr("Changes were made to the Preferences. Do you wish to keep these changes?"));
    pBox->setDefaultButton(QMessageBox::Yes);
    if (pBox->exec() == QMessageBox::Yes) {
        onAccept();
        return;
    }
    reject();
}

void CSettingsDlg::onAccept()
{
    TS_DEBUG("language: %d, manual: %d, monthly: %d, auto back-up: %d, verify: %d", m_iLanguage, m_bManualUpdate,
             m_bMonthlyUpdate, m_bAutoBackup, m_bVerifyWrites);
    CSettings* pSettings = CSettings::instance();
    pSettings->m_iLanguage = m_iLanguage;
    pSettings->m_bManualUpdate = m_bManualUpdate;
    pSettings->m_bMonthlyUpdate = m_bMonthlyUpdate;
    pSettings->m_bAutoBackup = m_bAutoBackup;
    pSettings->m_bVerifyWrites = m_bVerifyWrites;
    pSettings->writeSettings();
    MainWindow::handOverSafetyOptions();
    accept();
}
