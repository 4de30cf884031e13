#pragma once

#include <QMainWindow>
#include <QMap>
#include <QModelIndex>
#include <QNetworkProxy>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

class CFirmwareUpdate;
class CSplashScreen;
class DeviceManagerThread;
class PresetButton;
class QAuthenticator;
class QFileSystemModel;
class QNetworkReply;
class Ui_MainWindow;

// The application's only top-level window: the model logo and connection state, the user presets above a
// tab widget holding the file system, the factory presets, the favourites and the four set lists, and the
// back-up and restore buttons. It creates the device and update workers and talks to them only through
// posted events and their queued signals.
class MainWindow : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(MainWindow)

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Builds the widgets, reads info.ini, creates the data folders and the two workers (not started yet).
    void initialize();
    // Start-up splash (startup true) or the About box (startup false).
    void showSplash(QString text, bool startup);
    // Shows the window and starts the workers after ms milliseconds.
    void startSplashTimer(int ms);
    // Recursive copy that never overwrites a file already present in to.
    void copyDirectory(const QString& from, const QString& to);

    bool eventFilter(QObject* obj, QEvent* event) override;

public slots:
    void onThreadStarted();
    void finishSplashTimer();
    void onTriggeredHelp();
    void onTriggeredAbout();
    void onClickedBrowse();
    void onBrowseFolder();
    void onTimeOut();
    void changeTab();
    void onClickedBrowseUp();
    void onFileViewItemDoubleClicked(QModelIndex);
    void onTreeViewItemPressed(QModelIndex index);
    void onMultipleDeviceDetected();
    void onDeviceDetected(int iPid);
    void onDeviceRemoved();
    void onDeviceRefreshed();
    void onSettingsClicked();
    void onUpdateFirmware();
    void onProxyAuthenticationRequired(QNetworkProxy proxy, QAuthenticator* authenticator);
    void onAuthenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator);
    void backUp();
    void restore();
    void onDeviceBusy();
    void onDeviceIdle();
    void onSinglePresetData(int storage, int presetBase, int presetOffset, int* presetData, int maxPresetNameLength,
                            int maxPresetParamLength, int hardwareProductCode, int hardwarePatchVersion);
    void onSinglePresetData(int storage, int presetBase, int presetOffset, QString strName, int maxPresetNameLength,
                            int maxPresetParamLength, int hardwareProductCode, int hardwarePatchVersion);
    void onPresetData(int storage, int presetBase, int presetCount, QStringList strNames);
    void onPresetData(int storage, int presetBase, int presetCount, const int* presetData, int maxPresetNameLength,
                      int maxPresetParamLength, int hardwareProductCode, int hardwarePatchVersion);
    void onSetListData(int setListNum, const int* data);
    void updateSetlits();
    void onNewVersions(QString dspVersion, QString dspUrl, QString fwVersion, QString fwUrl, QString appVersion,
                       QString appUrl, bool bAppUpdate);
    void onAppDownLoadFinished(QString installer);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Ui_MainWindow* ui = nullptr;
    DeviceManagerThread* m_pDeviceManager = nullptr;
    CFirmwareUpdate* m_pFirmwareUpdate = nullptr;
    QFileSystemModel* m_pDirModel = nullptr;
    QFileSystemModel* m_pFileModel = nullptr;
    QString m_strHomePath;
    QString m_strBackUpFolder;
    QString m_strBrowsePath;
    QPointer<CSplashScreen> m_pSplash; // guarded: a closed splash deletes itself
    QMap<int, PresetButton*> m_presetButtons;
    bool m_bUpdateCheckOnConnect = false;
    bool m_bUpdateCheckDone = false;
    bool m_bTabDragHover = false;
    int m_iHoverTab = -1;
    QTimer m_tabTimer;
};

// The one main window, parent of every dialog.
extern MainWindow* g_mainWindow;
