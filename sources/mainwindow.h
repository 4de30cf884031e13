#pragma once

#include <QEvent>
#include <QMainWindow>
#include <QMap>
#include <QMessageBox>
#include <QModelIndex>
#include <QNetworkProxy>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

class CFirmwareUpdate;
class CSettingsDlg;
class CSplashScreen;
class ContentWidget;
class DeviceManagerThread;
class PresetButton;
class ProgressDialog;
class QAuthenticator;
class QFileSystemModel;
class QLabel;
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

    // The back-up, restore and firmware file choices go through this one function, so that a test can answer
    // them without a native dialog. The default shows a save dialog that completes a name typed without the
    // extension before its overwrite question (Save), or QFileDialog::getOpenFileName (Open), with this window
    // as parent.
    enum class FileDialogKind
    {
        Save,
        Open
    };
    using FileDialogFunction =
        std::function<QString(FileDialogKind kind, const QString& caption, const QString& path, const QString& filter)>;
    void setFileDialogFunction(FileDialogFunction function);

    // The one question before something that cannot be taken back (a restore, a factory rewrite, a firmware
    // write): the question box with text and, below it, question; Yes and Cancel, Cancel the default and the
    // escape button, so neither Enter nor Escape starts it. True for Yes. With `other`, a third way out (a button
    // of those words); *pOther then says whether it was chosen.
    bool confirmOverwrite(const QString& title, const QString& text, const QString& question,
                          const QString& other = QString(), bool* pOther = nullptr);
    // Hands the user's safety settings (automatic back-up, read-back verification) to the device worker, which
    // never reads the settings store itself. Every poster of a device operation calls it first.
    static void handOverSafetyOptions();
    // Every message box of the program is made here: the program's look (object name, margins, fixed-size
    // dialog flags, Yes and No flat), its own icons (the style sheet's), and a rich text that keeps the line
    // breaks of its plain "\n" (a rich text would otherwise run them into one paragraph).
    static std::unique_ptr<QMessageBox> makeMessageBox(QMessageBox::Icon icon, const QString& title,
                                                       const QString& text, QMessageBox::StandardButtons buttons,
                                                       QWidget* parent);

    // How long the presets wait for the update check made on connection before they are read anyway.
    static constexpr int UpdateCheckWaitMs = 8000;
    void setUpdateCheckWait(int milliseconds);

signals:
    // The restore question was answered "Open beside the unit": the back-up chosen opens beside the unit's lists.
    void backUpOpenRequested(const QString& path);

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
    void onMultipleDeviceDetected(QString units);
    void onDeviceInaccessible(const QString& strText);
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
    void onSetListData(int setListNum, QVector<int> setList);
    void updateSetlits();
    void onNewVersions(QString dspVersion, QString dspUrl, QString fwVersion, QString fwUrl, QString appVersion,
                       QString appUrl, bool bAppUpdate);
    void onAppDownLoadFinished(QString installer);
    void onRecoveryAvailable(QString backupPath, QString stateLine);
    void onUndoAvailable(int entries);
    void onUndo();
    // Undo or redo the newest entry of the unit's journal; bForce overwrites slots changed since.
    void runUndo(bool bRedo, bool bForce = false);
    // The update check made on connection has not answered in time: the presets are read without it.
    void onUpdateCheckTimeout();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // A question box in the program's look: icon Question, fixed-size dialog flags, Yes and No flat.
    std::unique_ptr<QMessageBox> makeQuestionBox(const QString& title, const QString& text,
                                                 QMessageBox::StandardButtons buttons);
    // The three progress signals of a worker to the dialog.
    void connectDeviceWorker(ProgressDialog* pDialog);
    void connectUpdateWorker(ProgressDialog* pDialog);
    // Runs one device operation: stores its data through setter (when given), posts pEvent (priority 1; the
    // event queue owns it from then on) and shows a progress dialog until the worker reports the end.
    // afterRun sees the dialog before it is destroyed.
    void runOperation(const QString& title, const QString& startText, const std::function<void()>& setter,
                      QEvent* pEvent, const std::function<void(ProgressDialog*)>& afterRun = nullptr);
    // Set-list entry text and font: prefix and two-digit slot, then the source's label and the name.
    static void showInSetList(PresetButton* pEntry, QChar prefix, int slot, const QString& sourceText,
                              const QString& name);
    // Entry of the user or factory list for the given label and preset number, created when absent.
    void showPreset(int storage, int presetOffset, int presetNumber, const QString& name, int* record,
                    int maxPresetNameLength, int maxPresetParamLength, int hardwareProductCode,
                    int hardwarePatchVersion);
    QList<ContentWidget*> setListWidgets() const;
    void enableDeviceButtons(bool bEnable);
    // onNewVersions without the drop of a late answer (the wait for the check's answer may end first).
    void answerVersions(const QString& dspVersion, const QString& dspUrl, const QString& fwVersion,
                        const QString& fwUrl, const QString& appVersion, const QString& appUrl, bool bAppUpdate);
    // The busy animation in the connection indicator, for a device operation or the update check.
    void showBusy(bool bBusy);
    // "Checking for updates..." beside the connection state, with the busy animation.
    void showUpdateCheck(bool bChecking);
    void clearPresetButtons();
    // The model's back-up extension (".tarb" or ".tscb") from the device worker's product ID.
    QString backUpExtension() const;
    // The model's back-up folder, where its automatic back-ups go.
    QString modelBackUpFolder() const;
    // defaultSuffix (without its dot) completes a name typed without it in a Save dialog.
    QString askFile(FileDialogKind kind, const QString& caption, const QString& path, const QString& filter,
                    const QString& defaultSuffix = QString());
    // After a run that stopped midway the unit is back: asks once whether to put the automatic back-up taken
    // before it back, and restores it on Yes. Only a unit of the back-up's model is asked about.
    void offerRecovery();
    // The line in the empty user list while no unit is connected: how to connect one, or who holds it.
    void showNoUnit();
    // Marks the browse folder in the tree, which starts at the home folder while the browse folder lies inside it.
    void markBrowseFolder(const QString& path);
    // The manual that ships with the program: the installed copy, or the one compiled in, written out once.
    static QString manualPath();

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
    FileDialogFunction m_fileDialog;
    // The multiple-device box while it is open, so the repeated signal never stacks a second one.
    QPointer<QMessageBox> m_pMultipleDeviceBox;
    // The automatic back-up that puts the unit back after a run that stopped midway; empty once offered.
    QString m_strRecoveryPath;
    QAction* m_pRedoAction = nullptr;
    QString m_strRestoring; // the back-up the last restore wrote, offered again when that restore stopped
    // The one Settings dialog while it is open; asking again raises it.
    QPointer<CSettingsDlg> m_pSettingsDlg;
    // Bounds the wait for the update check made on connection (onUpdateCheckTimeout).
    QTimer m_updateCheckTimer;
    // Set when the presets were read without the check's answer: the answer, when it still comes, is dropped.
    bool m_bUpdateCheckAbandoned = false;
    QLabel* m_pVersionsLabel = nullptr; // the connected unit's DSP and firmware versions
    QLabel* m_pNoUnitLabel = nullptr;   // over the empty user list
    bool m_bUnitInUse = false;          // the command line holds the unit
};

// The one main window, parent of every dialog.
extern MainWindow* g_mainWindow;
