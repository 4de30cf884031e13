#pragma once

#include <QDateTime>
#include <QDialog>
#include <QEvent>

#include <memory>

namespace Ui {
class settingsDialog;
}

// The "Settings" dialog, opened by the main window without blocking. It edits the firmware update mode
// kept by CSettings, starts an update check at once, and for the Cadenzo rewrites the unit's factory
// presets, and sets the two safety nets (automatic back-up, read-back verification). Choices stay in the dialog until
// OK (or Yes to the question on Cancel); only the two "Check Now" buttons store something at once (the date of the
// check), and the dialog stays open after them. It deletes itself when it closes.
class CSettingsDlg : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(CSettingsDlg)

public:
    explicit CSettingsDlg(QWidget* parent = nullptr);
    ~CSettingsDlg() override;

public slots:
    void onDeviceDetected(int productId);
    void onDeviceRemoved();
    void updateDialog();
    void checkForFirmwareUpdate();
    void checkForAppUpdate();
    void doFactoryUpdate();
    void changeLanguage(int index);
    void setManualUpdate();
    void setStartupUpdate();
    void setMonthlyUpdate();
    void resetToDefaults();
    void onReject();
    void onAccept();

private:
    // Both "Check Now" buttons: the update service's answer runs in a progress dialog over this one.
    void runUpdateCheck(const QString& title, QEvent::Type request, const QString& text);
    void showFactoryPresets(bool bShow);

    bool m_bModified = false;
    int m_iLanguage = 0;
    bool m_bManualUpdate = false;
    bool m_bMonthlyUpdate = false;
    bool m_bAutoBackup = true;
    bool m_bVerifyWrites = true;
    QDateTime m_DateTimeLastChecked;
    std::unique_ptr<Ui::settingsDialog> m_pUi;
};
