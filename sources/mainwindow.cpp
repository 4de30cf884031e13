#include "mainwindow.h"

#include "DeviceManagerThread.h"
#include "Settings.h"
#include "artwork.h"
#include "autobackup.h"
#include "contentwidget.h"
#include "deviceinfo.h"
#include "firmwareupdate.h"
#include "globals.h"
#include "log.h"
#include "mainwindowform.h"
#include "presetlabel.h"
#include "presetname.h"
#include "progessdialog.h"
#include "resultcodes.h"
#include "safefile.h"
#include "settingsdlg.h"
#include "splashscreen.h"
#include "usbids.h"

#include <QAction>
#include <QApplication>
#include <QAuthenticator>
#include <QCloseEvent>
#include <QDataStream>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QDragMoveEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMovie>
#include <QNetworkReply>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

MainWindow* g_mainWindow = nullptr;

namespace {

// Connection indicator and model logo. The logo style sheets also fix the label to the picture's size.
const char* const ConnectedStyle = "border-image: url(:/images/connected.png);";
const char* const DisconnectedStyle = "border-image: url(:/images/disconnected.png);";
const char* const NoDeviceLogoStyle = "QLabel{border-image: url(:/images/logo.png);min-width: 130; max-width: "
                                      "130;min-height: 46; max-height: 46;}";
const char* const ArietteLogoStyle = "QLabel{border-image: url(:/images/logoAriette.png);min-width: 196; "
                                     "max-width: 196;min-height: 46; max-height: 46;}";
const char* const CadenzoLogoStyle = "QLabel{border-image: url(:/images/logoCadenzo.png);min-width: 225; "
                                     "max-width: 260;min-height: 46; max-height: 46;}";
const char* const ConnectedText = QT_TRANSLATE_NOOP("MainWindow", "Connected");
const char* const DisconnectedText = QT_TRANSLATE_NOOP("MainWindow", "Disconnected");

// Preset file extension of each model; the list pane shows only that model's preset files.
const char* const ArietteFilePattern = "*.tarp";
const char* const CadenzoFilePattern = "*.tscp";
// Back-up file extension of each model.
const char* const ArietteBackUpExtension = ".tarb";
const char* const CadenzoBackUpExtension = ".tscb";

// Every preset and set-list entry has this size.
constexpr int EntryWidth = 119;
constexpr int EntryHeight = 35;
constexpr int SetListSlots = 20;
// The monthly update check waits this many whole days after the last one.
constexpr int MonthlyCheckDays = 30;

// Splitter sizes are stored as one 32-bit int per splitter child.
QByteArray sizesToBytes(const QList<int>& sizes)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (int size : sizes) {
        if (out.status() != QDataStream::Ok)
            break;
        out << static_cast<qint32>(size);
    }
    return bytes;
}

QList<int> bytesToSizes(const QByteArray& bytes)
{
    QList<int> sizes;
    QDataStream in(bytes);
    const int count = bytes.size() / 4;
    for (int i = 0; i < count; ++i) {
        qint32 size = 0;
        in >> size;
        sizes.append(size);
    }
    return sizes;
}

QString iniText(const QSettings& ini, const char* key)
{
    return ini.value(QLatin1String(key), QString()).toString();
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), ui(new Ui_MainWindow), m_strHomePath(QDir::homePath()),
      m_strBackUpFolder(g_arietteBackUpFolder), m_strBrowsePath(g_productFolder)
{
    TS_DEBUG("Entering");
    setObjectName(QStringLiteral("MainWindow"));
    g_mainWindow = this;
    m_updateCheckTimer.setSingleShot(true);
    m_updateCheckTimer.setInterval(UpdateCheckWaitMs);
    connect(&m_updateCheckTimer, &QTimer::timeout, this, &MainWindow::onUpdateCheckTimeout);
    // Network credentials asked for by the update service are answered by this window.
    g_authenticationHandler = this;
    TS_DEBUG("Exiting");
}

MainWindow::~MainWindow()
{
    if (g_authenticationHandler == this)
        g_authenticationHandler = nullptr;
    // Both workers are told to stop and waited for before either goes: each reaches the other through its
    // accessor (the poll hands the unit's product ID to the update service, which hands a downloaded image to
    // the device worker), so neither object may be deleted while the other's thread still runs. The stop
    // flags come first: a running operation stops at its next callback, a download that ends now is dropped.
    if (m_pDeviceManager != nullptr)
        m_pDeviceManager->setAbort(true);
    if (m_pFirmwareUpdate != nullptr)
        m_pFirmwareUpdate->setStopping(true);
    QThread* const workers[] = {m_pDeviceManager, m_pFirmwareUpdate};
    for (QThread* pWorker : workers) {
        if (pWorker != nullptr)
            pWorker->quit();
    }
    for (QThread* pWorker : workers) {
        if (pWorker != nullptr)
            pWorker->wait();
    }
    delete m_pDeviceManager;
    m_pDeviceManager = nullptr;
    delete m_pFirmwareUpdate;
    m_pFirmwareUpdate = nullptr;
    delete ui;
    ui = nullptr;
    if (g_mainWindow == this)
        g_mainWindow = nullptr;
}

void MainWindow::initialize()
{
    TS_DEBUG("Entering");
    ui->setupUi(this);

    // info.ini beside the executable; a missing key leaves its value empty.
    QSettings ini(QCoreApplication::applicationDirPath() + QStringLiteral("/info.ini"), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("about"));
    g_version = iniText(ini, "version");
    TS_DEBUG("g_version: %s", g_version.toLocal8Bit().constData());
    g_build = iniText(ini, "build");
    TS_DEBUG("g_build: %s", g_build.toLocal8Bit().constData());
    g_showBuild = ini.value(QStringLiteral("showbuild"), QString()).toBool();
    TS_DEBUG("g_showBuild: %s", g_showBuild ? "true" : "false");
    g_urlariette = iniText(ini, "urlAriette");
    TS_DEBUG("g_urlariette: %s", loggableUrl(QUrl(g_urlariette)).constData());
    g_urlLabelariette = iniText(ini, "urllabelAriette");
    TS_DEBUG("g_urlLabelariette: %s", g_urlLabelariette.toLocal8Bit().constData());
    g_urlcadenzo = iniText(ini, "urlCadenzo");
    TS_DEBUG("g_urlcadenzo: %s", loggableUrl(QUrl(g_urlcadenzo)).constData());
    g_urlLabelcadenzo = iniText(ini, "urllabelCadenzo");
    TS_DEBUG("g_urlLabelcadenzo: %s", g_urlLabelcadenzo.toLocal8Bit().constData());
    ini.endGroup();
    ini.beginGroup(QStringLiteral("update"));
    g_updateUrl = iniText(ini, "url");
    TS_DEBUG("g_updateUrl: %s", loggableUrl(QUrl(g_updateUrl)).constData());
    g_appSwVersion = iniText(ini, "version");
    TS_DEBUG("g_appSwVersion: %s", g_appSwVersion.toLocal8Bit().constData());
    g_wrongDsp = iniText(ini, "wrongDSP");
    g_wrongFw = iniText(ini, "wrongFW");
    ini.endGroup();

    // Data folders of both models; a folder that cannot be made shows up later as a failing file dialog.
    const QStringList folders = {
        g_arietteFolder,  g_arietteUserPresetsFolder, g_arietteFactoryPresetsFolder, g_arietteBackUpFolder,
        g_cadenzoFolder,  g_cadenzoUserPresetsFolder, g_cadenzoFactoryPresetsFolder, g_cadenzoBackUpFolder,
        g_downloadsFolder};
    for (const QString& folder : folders) {
        makeDataFolder(folder);
    }
    // Files of the older Ariette data folder are carried over; the older folder stays as it is.
    copyDirectory(g_legacyArietteFolder, g_arietteFolder);

    CSettings* pSettings = CSettings::instance();
    const QString storedPath = pSettings->fileSystemPath();
    if (!storedPath.isEmpty())
        m_strBrowsePath = storedPath;

    // Without a unit the window shows the plain logo and the unplugged indicator, not empty spaces.
    ui->labelLogo->setStyleSheet(QLatin1String(NoDeviceLogoStyle));
    ui->deviceButton->setStyleSheet(QLatin1String(DisconnectedStyle));
    // The connected unit's versions beside its state; the empty user list says how to connect one.
    m_pVersionsLabel = new QLabel(ui->widgetDevice);
    m_pVersionsLabel->setObjectName(QStringLiteral("labelVersions"));
    ui->horizontalLayoutDevice->addWidget(m_pVersionsLabel);
    m_pNoUnitLabel = new QLabel(ui->listWidgetUserPreset->viewport());
    m_pNoUnitLabel->setObjectName(QStringLiteral("labelNoUnit"));
    m_pNoUnitLabel->setAlignment(Qt::AlignCenter);
    m_pNoUnitLabel->setWordWrap(true);
    (new QVBoxLayout(ui->listWidgetUserPreset->viewport()))->addWidget(m_pNoUnitLabel);
    showNoUnit();

    // A drag resting on a tab opens that tab (eventFilter), so the tab bar must take drag events.
    ui->tabFileFactorySet->tabBar()->setAcceptDrops(true);
    ui->tabFileFactorySet->tabBar()->installEventFilter(this);
    ui->updateButton->hide();

    auto* pHelpMenu = new QMenu(this);
    QAction* pHelpAction = pHelpMenu->addAction(tr("Help"));
    QAction* pAboutAction = pHelpMenu->addAction(tr("&About Tessitra Stage Librarian"));
    ui->helpButton->setMenu(pHelpMenu);
    pHelpMenu->installEventFilter(this);
    pHelpAction->setShortcut(QKeySequence(Qt::Key_F1));
    connect(pHelpAction, &QAction::triggered, this, &MainWindow::onTriggeredHelp);
    connect(pAboutAction, &QAction::triggered, this, &MainWindow::onTriggeredAbout);

    QStyle* pFusion = QStyleFactory::create(QStringLiteral("fusion"));
    if (pFusion != nullptr) {
        pFusion->setParent(this);
        ui->tabFileFactorySet->setStyle(pFusion);
    }
    ui->listViewFileBrowser->setStyle(QApplication::style());

    ui->listWidgetUserPreset->resize(ui->listWidgetUserPreset->width(), 129);

    const QList<ContentWidget*> lists = {
        ui->listWidgetUserPreset, ui->listWidgetFactoryPresets, ui->listWidgetFavorites, ui->listWidgetSetListA,
        ui->listWidgetSetListB,   ui->listWidgetSetListC,       ui->listWidgetSetListD};
    for (ContentWidget* list : lists) {
        // Entries wrap at the list's width: nothing lies beside them to scroll to.
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setSpacing(12);
        list->setSelectionBehavior(QAbstractItemView::SelectItems);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    ui->listWidgetUserPreset->setRole(QStringLiteral("UserPresets"));
    ui->listWidgetFactoryPresets->setRole(QStringLiteral("FactoryPresets"));
    const QList<ContentWidget*> setLists = {ui->listWidgetFavorites, ui->listWidgetSetListA, ui->listWidgetSetListB,
                                            ui->listWidgetSetListC, ui->listWidgetSetListD};
    for (int index = 0; index < setLists.size(); ++index) {
        setLists.at(index)->setRole(QStringLiteral("SetList"));
        setLists.at(index)->setViewMode(QListView::IconMode);
        setLists.at(index)->setSetListIndex(index);
    }

    // Tree pane: folders only, starting from the list of drives, with the browse folder selected.
    m_pDirModel = new QFileSystemModel(this);
    m_pDirModel->setFilter(QDir::AllDirs | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    ui->treeViewFileBrowser->setModel(m_pDirModel);
    ui->treeViewFileBrowser->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->treeViewFileBrowser->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    ui->treeViewFileBrowser->hideColumn(1);
    ui->treeViewFileBrowser->hideColumn(2);
    ui->treeViewFileBrowser->hideColumn(3);
    markBrowseFolder(m_strBrowsePath);
    QCoreApplication::processEvents();

    // List pane: the browse folder's contents. No file matches until a unit is detected and its model's
    // preset pattern is set; non-matching files stay visible but disabled.
    m_pFileModel = new QFileSystemModel(this);
    m_pFileModel->setFilter(QDir::AllDirs | QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    m_pFileModel->setNameFilters(QStringList{QString()});
    ui->listViewFileBrowser->setModel(m_pFileModel);
    ui->listViewFileBrowser->setSpacing(5);
    ui->listViewFileBrowser->setSelectionRectVisible(false);
    ui->listViewFileBrowser->setRootIndex(m_pFileModel->setRootPath(m_strBrowsePath));
    ui->listViewFileBrowser->setViewMode(QListView::ListMode);
    ui->listViewFileBrowser->setMouseTracking(true);
    ui->listViewFileBrowser->setDragEnabled(true);
    ui->listViewFileBrowser->setAcceptDrops(true);
    ui->listViewFileBrowser->setDragDropMode(QAbstractItemView::DragDrop);
    ui->listViewFileBrowser->setSelectionBehavior(QAbstractItemView::SelectItems);
    ui->listViewFileBrowser->setSelectionMode(QAbstractItemView::ExtendedSelection);

    ui->lineEditBroswerPath->setText(m_strBrowsePath);
    ui->lineEditBroswerPath->setAcceptDrops(false);

    connect(ui->pushButtonBrowse, &QPushButton::clicked, this, &MainWindow::onClickedBrowse);
    connect(ui->lineEditBroswerPath, &QLineEdit::returnPressed, this, &MainWindow::onBrowseFolder);
    connect(ui->treeViewFileBrowser, &QTreeView::pressed, this, &MainWindow::onTreeViewItemPressed);
    connect(ui->listViewFileBrowser, &QListView::doubleClicked, this, &MainWindow::onFileViewItemDoubleClicked);
    connect(ui->pushButtonUp, &QPushButton::clicked, this, &MainWindow::onClickedBrowseUp);
    connect(ui->updateButton, &QPushButton::clicked, this, &MainWindow::onUpdateFirmware, Qt::UniqueConnection);
    connect(ui->refreshButton, &QPushButton::clicked, this, &MainWindow::onDeviceRefreshed, Qt::UniqueConnection);
    connect(ui->settingsButton, &QPushButton::clicked, this, &MainWindow::onSettingsClicked, Qt::UniqueConnection);
    connect(ui->backUp, &QPushButton::clicked, this, &MainWindow::backUp, Qt::UniqueConnection);
    connect(ui->restore, &QPushButton::clicked, this, &MainWindow::restore, Qt::UniqueConnection);

    // The workers are created here and started once the window shows (finishSplashTimer). Their signals
    // arrive as queued calls on this thread.
    m_pDeviceManager = DeviceManagerThread::instance();
    connect(m_pDeviceManager, &QThread::started, this, &MainWindow::onThreadStarted);
    connect(m_pDeviceManager, &DeviceManagerThread::multipleDeviceDetected, this, &MainWindow::onMultipleDeviceDetected,
            Qt::UniqueConnection);
    connect(m_pDeviceManager, &DeviceManagerThread::deviceDetected, this, &MainWindow::onDeviceDetected,
            Qt::UniqueConnection);
    connect(m_pDeviceManager, &DeviceManagerThread::deviceInaccessible, this, &MainWindow::onDeviceInaccessible,
            Qt::UniqueConnection);
    connect(m_pDeviceManager, &DeviceManagerThread::deviceRemoved, this, &MainWindow::onDeviceRemoved,
            Qt::UniqueConnection);
    connect(m_pDeviceManager, &DeviceManagerThread::unitInUse, this, [this](bool bInUse) {
        m_bUnitInUse = bInUse;
        showNoUnit();
    });
    connect(m_pDeviceManager, &DeviceManagerThread::setListData, this, &MainWindow::onSetListData,
            Qt::UniqueConnection);
    connect(m_pDeviceManager,
            qOverload<int, int, int, int*, int, int, int, int>(&DeviceManagerThread::singlePresetData), this,
            qOverload<int, int, int, int*, int, int, int, int>(&MainWindow::onSinglePresetData));
    connect(m_pDeviceManager,
            qOverload<int, int, int, QString, int, int, int, int>(&DeviceManagerThread::singlePresetData), this,
            qOverload<int, int, int, QString, int, int, int, int>(&MainWindow::onSinglePresetData));
    connect(m_pDeviceManager,
            qOverload<int, int, int, const int*, int, int, int, int>(&DeviceManagerThread::presetData), this,
            qOverload<int, int, int, const int*, int, int, int, int>(&MainWindow::onPresetData), Qt::UniqueConnection);
    connect(m_pDeviceManager, qOverload<int, int, int, QStringList>(&DeviceManagerThread::presetData), this,
            qOverload<int, int, int, QStringList>(&MainWindow::onPresetData), Qt::UniqueConnection);
    connect(m_pDeviceManager, &DeviceManagerThread::deviceBusy, this, &MainWindow::onDeviceBusy);
    connect(m_pDeviceManager, &DeviceManagerThread::deviceIdle, this, &MainWindow::onDeviceIdle);
    connect(m_pDeviceManager, &DeviceManagerThread::recoveryAvailable, this, &MainWindow::onRecoveryAvailable,
            Qt::UniqueConnection);
    connect(m_pDeviceManager, &DeviceManagerThread::undoAvailable, this, &MainWindow::onUndoAvailable,
            Qt::UniqueConnection);
    // Ctrl+Z undoes the last overwrite from anywhere in the window, not only while the user list has the focus.
    addAction(ui->listWidgetUserPreset->undoAction());
    connect(ui->listWidgetUserPreset, &ContentWidget::undoRequested, this, &MainWindow::onUndo, Qt::UniqueConnection);
    // The menu names what an undo would do ("Undo: copy F03 to U08"); Ctrl+Shift+Z writes it again.
    if (m_pRedoAction == nullptr) {
        m_pRedoAction = new QAction(tr("Redo"), this);
        m_pRedoAction->setShortcut(QKeySequence::Redo);
        m_pRedoAction->setEnabled(false);
        addAction(m_pRedoAction);
        connect(
            m_pDeviceManager, &DeviceManagerThread::undoNames, this, [this](const QString& undo, const QString& redo) {
                ui->listWidgetUserPreset->undoAction()->setText(undo.isEmpty() ? tr("Undo") : tr("Undo: %1").arg(undo));
                m_pRedoAction->setText(redo.isEmpty() ? tr("Redo") : tr("Redo: %1").arg(redo));
                m_pRedoAction->setEnabled(!redo.isEmpty() && g_bDeviceConnected.load());
            });
        connect(m_pRedoAction, &QAction::triggered, this, [this] { runUndo(true); });
    }

    m_pFirmwareUpdate = CFirmwareUpdate::instance();
    connect(m_pFirmwareUpdate, &CFirmwareUpdate::newVersions, this, &MainWindow::onNewVersions, Qt::UniqueConnection);
    connect(m_pFirmwareUpdate, &CFirmwareUpdate::appDownLoadFinished, this, &MainWindow::onAppDownLoadFinished,
            Qt::UniqueConnection);

    ui->updateButton->setEnabled(false);
    ui->refreshButton->setEnabled(false);
    ui->backUp->setEnabled(false);
    ui->restore->setEnabled(false);
    QCoreApplication::processEvents();
    TS_DEBUG("Exiting");
}

void MainWindow::showSplash(QString text, bool startup)
{
    TS_DEBUG("Entering");
    const QPixmap pixmap = Artwork::pixmap(QStringLiteral(":/images/splash.png"), devicePixelRatioF());
    if (startup) {
        m_pSplash = new CSplashScreen(nullptr, pixmap, text, true);
        m_pSplash->show();
    } else {
        m_pSplash = new CSplashScreen(this, pixmap, text, false);
        m_pSplash->setWindowModality(Qt::ApplicationModal);

        // Centred on the window, then pulled inside the primary screen's available area.
        int left = x() + (width() - m_pSplash->width()) / 2;
        int top = y() + (height() - m_pSplash->height()) / 2;
        const QScreen* pScreen = QGuiApplication::primaryScreen();
        if (pScreen != nullptr) {
            const QRect area = pScreen->availableGeometry();
            const int w = m_pSplash->width();
            const int h = m_pSplash->height();
            if (!area.contains(QPoint(left, top)) || !area.contains(QPoint(left + w, top + h))) {
                if (left < area.left())
                    left = area.left();
                else if (left + w > area.right() + 1)
                    left = area.right() + 1 - w;
                if (top < area.top())
                    top = area.top();
                else if (top + h > area.bottom() + 1)
                    top = area.bottom() + 1 - h;
            }
        }
        m_pSplash->move(left, top);
        m_pSplash->show();
    }
    TS_DEBUG("Exiting");
}

void MainWindow::startSplashTimer(int ms)
{
    TS_DEBUG("Entering, timeOut: %d", ms);
    QTimer::singleShot(ms, this, &MainWindow::finishSplashTimer);
    TS_DEBUG("Exiting");
}

void MainWindow::finishSplashTimer()
{
    TS_DEBUG("Entering");
    // The splash closes from the event loop once the window is shown, and only while it is still there. It is
    // not told to finish(): that waits inside the splash for the window, and a close (Alt+F4 held while the window
    // appears) deletes the splash in the middle of its own wait.
    show();
    if (m_pSplash != nullptr)
        QTimer::singleShot(0, m_pSplash.data(), &QWidget::close);
    // Polling of the unit begins only once the window is visible.
    if (m_pDeviceManager != nullptr) {
        m_pDeviceManager->moveToThread(m_pDeviceManager);
        m_pDeviceManager->start(QThread::InheritPriority);
    }
    if (m_pFirmwareUpdate != nullptr) {
        m_pFirmwareUpdate->moveToThread(m_pFirmwareUpdate);
        m_pFirmwareUpdate->start(QThread::InheritPriority);
    }
    TS_DEBUG("Exiting");
}

void MainWindow::onThreadStarted() {}

QString MainWindow::manualPath()
{
    // The package puts it under share/doc beside lib/tessitra-stage-librarian, where the program lives.
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/../../share/doc/tessitra-stage-librarian/manual.html"));
    if (QFileInfo(installed).isFile())
        return installed;
    // A build that is not installed opens the copy compiled in, written out where the singer's data lives.
    const QString copy = g_productFolder + QStringLiteral("/Manual/manual.html");
    QFile resource(QStringLiteral(":/manual/manual.html"));
    const QByteArray bytes = resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
    QFile present(copy);
    if (!present.open(QIODevice::ReadOnly) || present.readAll() != bytes) {
        SafeFile::makePrivateFolders(QFile::encodeName(QFileInfo(copy).absolutePath()).constData());
        SafeFile::writeWhole(QFile::encodeName(copy).constData(), bytes.constData(), static_cast<size_t>(bytes.size()));
    }
    return copy;
}

void MainWindow::onTriggeredHelp()
{
    // Offline, from the manual that ships with the program; with no program to show it, the singer learns where
    // it is.
    const QString path = manualPath();
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return;
    makeMessageBox(QMessageBox::Information, tr("Help"),
                   tr("The manual could not be opened. It is at %1.").arg(QDir::toNativeSeparators(path)),
                   QMessageBox::Ok, this)
        ->exec();
}

void MainWindow::onTriggeredAbout()
{
    QString text;
    if (g_showBuild) {
        text = QStringLiteral("<b>%1</b><br/><a href=\"%2\"><b>%3</b></a><br/><a href=\"%4\"><b>%5</b></a>")
                   .arg(tr("%1, build %2").arg(g_version, g_build), g_urlariette, g_urlLabelariette, g_urlcadenzo,
                        g_urlLabelcadenzo);
    } else {
        text = QStringLiteral("<b>%1</b><br/><a href=\"%2\"><b>%3</b></a><br/><a href=\"%4\"><b>%5</b></a>")
                   .arg(g_version, g_urlariette, g_urlLabelariette, g_urlcadenzo, g_urlLabelcadenzo);
    }
    showSplash(text, false);
}

bool MainWindow::eventFilter(QObject* obj, QEvent* event)
{
    if (ui->helpButton != nullptr && obj == ui->helpButton->menu() && event->type() == QEvent::Show) {
        // The Help menu opens right-aligned under its button.
        QMenu* pMenu = ui->helpButton->menu();
        const int left = ui->helpButton->mapToGlobal(QPoint(0, 0)).x() + ui->helpButton->width() - pMenu->width();
        pMenu->move(left, pMenu->y());
        return true;
    }

    if (ui->tabFileFactorySet != nullptr && obj == ui->tabFileFactorySet->tabBar()) {
        const QTabBar* pTabBar = ui->tabFileFactorySet->tabBar();
        switch (event->type()) {
        case QEvent::DragEnter:
            m_bTabDragHover = false;
            m_tabTimer.stop();
            m_iHoverTab = -1;
            event->accept();
            return true;
        case QEvent::DragMove: {
            auto* pMove = static_cast<QDragMoveEvent*>(event);
            if (!m_bTabDragHover) {
                m_bTabDragHover = true;
                // Nothing can be dropped on the tab bar itself.
                pMove->ignore();
                connect(&m_tabTimer, &QTimer::timeout, this, &MainWindow::changeTab, Qt::UniqueConnection);
                m_tabTimer.setInterval(500);
                m_tabTimer.setSingleShot(true);
                m_iHoverTab = pTabBar->tabAt(pMove->pos());
                m_tabTimer.start();
            } else if (!pMove->pos().isNull()) {
                const int tab = pTabBar->tabAt(pMove->pos());
                if (tab != m_iHoverTab) {
                    // A new tab under the drag waits its own full half second.
                    m_iHoverTab = tab;
                    m_tabTimer.setSingleShot(true);
                    m_tabTimer.start(500);
                }
            }
            return false;
        }
        case QEvent::DragLeave:
            m_bTabDragHover = false;
            m_tabTimer.stop();
            m_iHoverTab = -1;
            return false;
        default:
            return false;
        }
    }
    return QMainWindow::eventFilter(obj, event);
}

void MainWindow::changeTab()
{
    if (m_bTabDragHover && m_iHoverTab != -1)
        ui->tabFileFactorySet->setCurrentIndex(m_iHoverTab);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    CSettings* pSettings = CSettings::instance();
    pSettings->readSettings();
    pSettings->setWindowsStates(static_cast<int>(windowState()));
    pSettings->setWindowsGeometry(saveGeometry());
    pSettings->setFileSystemPath(m_strBrowsePath);
    if (ui->splitterView != nullptr) {
        pSettings->setSplitterHSizes(sizesToBytes(ui->splitterView->sizes()));
        pSettings->setSplitterVSizes(sizesToBytes(ui->splitterMain->sizes()));
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    // As wide as its contents need in the user's language (the tabs in one row), 900 pixels at least. The style sheet
    // sets the tab bar 8 pixels in and rings a focused tab 2 pixels wider each side: its minimum counts neither.
    setMinimumWidth(qMax(900, minimumSizeHint().width() + 12));
    CSettings* pSettings = CSettings::instance();
    pSettings->readSettings();
    setWindowState(static_cast<Qt::WindowStates>(pSettings->windowsStates()));
    // A maximised or full-screen window keeps the size the platform gives it.
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        restoreGeometry(pSettings->windowsGeometry());
    if (ui->splitterView != nullptr) {
        // An absent value leaves the splitter at its default sizes.
        const QList<int> hSizes = bytesToSizes(pSettings->splitterHSizes());
        if (!hSizes.isEmpty())
            ui->splitterView->setSizes(hSizes);
        const QByteArray vBytes = pSettings->splitterVSizes();
        if (!vBytes.isEmpty()) {
            ui->splitterMain->setSizes(bytesToSizes(vBytes));
        } else {
            // At first the user list shows three whole lines of entries (18 of 100), none cut, under the find field;
            // the tabs take the rest. The list's viewport margins are 10 above and below, the pane's own 2 and 2.
            const ContentWidget* pList = ui->listWidgetUserPreset;
            const int pane = ui->widgetFind->sizeHint().height() + 2 * pList->frameWidth() + 24 + pList->spacing() +
                             3 * (EntryHeight + pList->spacing());
            const int total = ui->splitterMain->sizes().value(0) + ui->splitterMain->sizes().value(1);
            if (total > pane)
                ui->splitterMain->setSizes({pane, total - pane});
        }
    }
    // Once the tree has been populated it can scroll to the browse folder.
    QTimer::singleShot(100, this, &MainWindow::onTimeOut);
    QCoreApplication::processEvents();
    QMainWindow::showEvent(event);
}

// ---------------------------------------------------------------------------------------------------------------
// File-system pane: the list shows the contents of m_strBrowsePath, the tree marks it.

void MainWindow::onClickedBrowse()
{
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("Choose Folder"), m_strBrowsePath, QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    m_strBrowsePath = folder;
    m_pDirModel->setRootPath(folder);
    m_pFileModel->setRootPath(folder);
    ui->listViewFileBrowser->setRootIndex(m_pFileModel->index(folder));
    ui->lineEditBroswerPath->setText(folder);
    markBrowseFolder(folder);
}

void MainWindow::onBrowseFolder()
{
    const QString text = ui->lineEditBroswerPath->text();
    if (text == m_strBrowsePath || !QFileInfo(text).isDir())
        return;
    m_strBrowsePath = text;
    m_pFileModel->setRootPath(text);
    ui->listViewFileBrowser->setRootIndex(m_pFileModel->index(text));
    markBrowseFolder(text);
}

void MainWindow::onTreeViewItemPressed(QModelIndex index)
{
    const QString path = m_pDirModel->fileInfo(index).absoluteFilePath();
    m_strBrowsePath = path;
    m_pFileModel->setRootPath(path);
    ui->listViewFileBrowser->setRootIndex(m_pFileModel->index(path));
    ui->lineEditBroswerPath->setText(path);
}

void MainWindow::onFileViewItemDoubleClicked(QModelIndex index)
{
    if (!m_pFileModel->isDir(index))
        return;
    const QString path = m_pFileModel->fileInfo(index).absoluteFilePath();
    m_strBrowsePath = path;
    ui->listViewFileBrowser->setRootIndex(index);
    markBrowseFolder(path);
    ui->lineEditBroswerPath->setText(path);
}

void MainWindow::onClickedBrowseUp()
{
    if (QFileInfo(ui->lineEditBroswerPath->text()).isRoot()) {
        // Up from a root shows the list of drives.
        m_strBrowsePath.clear();
        ui->lineEditBroswerPath->clear();
        ui->listViewFileBrowser->setRootIndex(m_pFileModel->setRootPath(QString()));
        ui->treeViewFileBrowser->clearSelection();
        m_pDirModel->setRootPath(QString());
        ui->treeViewFileBrowser->collapseAll();
    }

    const int last = m_strBrowsePath.lastIndexOf(QLatin1Char('/'));
    if (last < 0)
        return;
    // A folder directly below a root goes to the root itself, which keeps its separator ("C:/", "/").
    if (m_strBrowsePath.count(QLatin1Char('/')) < 2)
        m_strBrowsePath = m_strBrowsePath.left(last + 1);
    else
        m_strBrowsePath = m_strBrowsePath.left(last);

    ui->listViewFileBrowser->setRootIndex(m_pFileModel->setRootPath(m_strBrowsePath));
    markBrowseFolder(m_strBrowsePath);
    ui->lineEditBroswerPath->setText(m_strBrowsePath);
}

void MainWindow::onTimeOut()
{
    if (m_pDirModel == nullptr)
        return;
    markBrowseFolder(m_strBrowsePath);
}

void MainWindow::markBrowseFolder(const QString& path)
{
    // The singer's own folders first, not the system's: inside the home folder the tree starts there.
    const QString home = QDir::homePath();
    const bool bAtHome = !path.isEmpty() && (path == home || path.startsWith(home + QLatin1Char('/')));
    const QModelIndex root = m_pDirModel->setRootPath(bAtHome ? home : QString());
    if (ui->treeViewFileBrowser->rootIndex() != root)
        ui->treeViewFileBrowser->setRootIndex(root);
    m_pDirModel->setRootPath(path);
    ui->treeViewFileBrowser->setCurrentIndex(m_pDirModel->index(path));
}

void MainWindow::copyDirectory(const QString& from, const QString& to)
{
    const QDir source(from);
    if (!source.exists())
        return;
    const QFileInfoList entries = source.entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
    if (entries.isEmpty())
        return;
    if (!QDir(to).exists() && !QDir().mkpath(to))
        return;

    for (const QFileInfo& entry : entries) {
        const QString sourcePath = from + QDir::separator() + entry.fileName();
        const QString targetPath = to + QDir::separator() + entry.fileName();
        if (entry.isDir()) {
            copyDirectory(sourcePath, targetPath);
        } else if (entry.isFile()) {
            // Files already present are the user's newer copies: never overwrite them.
            if (!QFile::exists(targetPath) && !QFile::copy(sourcePath, targetPath))
                TS_DEBUG("Failed to copy file: \"%s\"", sourcePath.toLocal8Bit().constData());
        } else {
            TS_DEBUG("Unhandled item \"%s\"", sourcePath.toLocal8Bit().constData());
        }
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Helpers shared by the flows below

std::unique_ptr<QMessageBox> MainWindow::makeMessageBox(QMessageBox::Icon icon, const QString& title,
                                                        const QString& text, QMessageBox::StandardButtons buttons,
                                                        QWidget* parent)
{
    QString shown = text;
    if (Qt::mightBeRichText(text))
        shown.replace(QLatin1Char('\n'), QLatin1String("<br/>"));
    auto pBox = std::make_unique<QMessageBox>(icon, title, shown, buttons, parent,
                                              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    pBox->setObjectName(QStringLiteral("TessitraMessageBox"));
    pBox->setContentsMargins(10, 0, 10, 0);
    pBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    for (QMessageBox::StandardButton which : {QMessageBox::Yes, QMessageBox::No}) {
        if (QAbstractButton* pButton = pBox->button(which)) {
            if (auto* pPush = qobject_cast<QPushButton*>(pButton))
                pPush->setFlat(true);
        }
    }
    return pBox;
}

std::unique_ptr<QMessageBox> MainWindow::makeQuestionBox(const QString& title, const QString& text,
                                                         QMessageBox::StandardButtons buttons)
{
    return makeMessageBox(QMessageBox::Question, title, text, buttons, this);
}

bool MainWindow::confirmOverwrite(const QString& title, const QString& text, const QString& question,
                                  const QString& other, bool* pOther)
{
    auto pBox = makeQuestionBox(title, text, QMessageBox::Yes | QMessageBox::Cancel);
    pBox->setInformativeText(question);
    pBox->setDefaultButton(QMessageBox::Cancel);
    pBox->setEscapeButton(QMessageBox::Cancel);
    QAbstractButton* pOtherButton = other.isEmpty() ? nullptr : pBox->addButton(other, QMessageBox::ActionRole);
    const bool bYes = pBox->exec() == QMessageBox::Yes;
    if (pOther != nullptr)
        *pOther = pOtherButton != nullptr && pBox->clickedButton() == pOtherButton;
    return bYes;
}

void MainWindow::handOverSafetyOptions()
{
    CSettings* pSettings = CSettings::instance();
    pSettings->readSettings();
    DeviceManagerThread::instance()->setSafetyOptions(pSettings->m_bAutoBackup, pSettings->m_bVerifyWrites);
}

void MainWindow::connectDeviceWorker(ProgressDialog* pDialog)
{
    // Unique: a flow may hand the same dialog from one worker's step to the next.
    connect(m_pDeviceManager, &DeviceManagerThread::operationFinished, pDialog,
            qOverload<int, bool>(&ProgressDialog::onOperationFinished), Qt::UniqueConnection);
    connect(m_pDeviceManager, &DeviceManagerThread::updateText, pDialog, &ProgressDialog::onUpdateText,
            Qt::UniqueConnection);
    connect(m_pDeviceManager, &DeviceManagerThread::dataSent, pDialog, &ProgressDialog::onProgress,
            Qt::UniqueConnection);
    connect(m_pDeviceManager, &DeviceManagerThread::progress, pDialog, &ProgressDialog::onStepProgress,
            Qt::UniqueConnection);
}

void MainWindow::connectUpdateWorker(ProgressDialog* pDialog)
{
    connect(m_pFirmwareUpdate, &CFirmwareUpdate::operationFinished, pDialog,
            qOverload<int, bool>(&ProgressDialog::onOperationFinished), Qt::UniqueConnection);
    connect(m_pFirmwareUpdate, &CFirmwareUpdate::updateText, pDialog, &ProgressDialog::onUpdateText,
            Qt::UniqueConnection);
    connect(m_pFirmwareUpdate, &CFirmwareUpdate::dataSent, pDialog, &ProgressDialog::onProgress, Qt::UniqueConnection);
}

void MainWindow::runOperation(const QString& title, const QString& startText, const std::function<void()>& setter,
                              QEvent* pEvent, const std::function<void(ProgressDialog*)>& afterRun)
{
    ProgressDialog dialog(this);
    dialog.setWindowTitle(title);
    dialog.setStoppable(DeviceManagerThread::canStop(pEvent->type()));
    connectDeviceWorker(&dialog);
    handOverSafetyOptions();
    if (setter)
        setter();
    QCoreApplication::postEvent(m_pDeviceManager, pEvent, 1);
    dialog.exec(startText, nullptr);
    if (afterRun)
        afterRun(&dialog);
}

void MainWindow::setFileDialogFunction(FileDialogFunction function)
{
    m_fileDialog = std::move(function);
}

QString MainWindow::askFile(FileDialogKind kind, const QString& caption, const QString& path, const QString& filter,
                            const QString& defaultSuffix)
{
    if (m_fileDialog)
        return m_fileDialog(kind, caption, path, filter);
    if (kind == FileDialogKind::Open) {
        // A path naming a file opens its folder with that file chosen. Qt's own dialog lists the folder by
        // date, newest first, and offers the model's back-up folder (where the automatic back-ups go) on its
        // side; a desktop's dialog keeps its own order.
        const QFileInfo start(path);
        QFileDialog dialog(this, caption, start.isFile() ? start.absolutePath() : path, filter);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (start.isFile()) {
            dialog.setViewMode(QFileDialog::Detail);
            // Wide enough for a back-up's whole name, its size and its date.
            dialog.resize(920, 520);
            if (auto* pView = dialog.findChild<QTreeView*>()) {
                pView->sortByColumn(3, Qt::DescendingOrder);
                pView->header()->setSectionResizeMode(0, QHeaderView::Stretch);
                for (int column = 1; column < 4; ++column)
                    pView->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
            }
            dialog.setSidebarUrls(dialog.sidebarUrls() << QUrl::fromLocalFile(modelBackUpFolder()));
            dialog.selectFile(start.fileName());
        }
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
    // The dialog adds the suffix itself, so its overwrite question is about the file that will be written:
    // "mine" typed where "mine.tarb" exists asks before replacing it.
    QFileDialog dialog(this, caption, path, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString MainWindow::backUpExtension() const
{
    return QLatin1String(m_pDeviceManager != nullptr && m_pDeviceManager->productId() == UsbIds::CadenzoProductId
                             ? CadenzoBackUpExtension
                             : ArietteBackUpExtension);
}

QString MainWindow::modelBackUpFolder() const
{
    return m_pDeviceManager != nullptr && m_pDeviceManager->productId() == UsbIds::CadenzoProductId
               ? g_cadenzoBackUpFolder
               : g_arietteBackUpFolder;
}

void MainWindow::enableDeviceButtons(bool bEnable)
{
    ui->updateButton->setEnabled(bEnable);
    ui->refreshButton->setEnabled(bEnable);
    ui->backUp->setEnabled(bEnable);
    ui->restore->setEnabled(bEnable);
}

// Key 0 stands for an empty set-list slot and never has an entry.
void MainWindow::clearPresetButtons()
{
    m_presetButtons.clear();
    m_presetButtons.insert(0, nullptr);
}

// ---------------------------------------------------------------------------------------------------------------
// The unit coming and going

void MainWindow::onDeviceDetected(int iPid)
{
    TS_DEBUG("Entering");
    const bool bAriette = iPid == UsbIds::ArietteProductId;
    ui->deviceLabel->setText(tr(ConnectedText));
    ui->deviceButton->setStyleSheet(QLatin1String(ConnectedStyle));
    m_strBackUpFolder = bAriette ? g_arietteBackUpFolder : g_cadenzoBackUpFolder;
    m_pFileModel->setNameFilters(
        {QLatin1String(bAriette ? ArietteFilePattern : CadenzoFilePattern), '*' + backUpExtension()});
    ui->labelLogo->setStyleSheet(QLatin1String(bAriette ? ArietteLogoStyle : CadenzoLogoStyle));
    m_pVersionsLabel->setText(g_deviceInfo.dspVersion() + QStringLiteral(", ") + g_deviceInfo.firmwareVersion());
    showNoUnit();
    handOverSafetyOptions();
    // The unit is put back as it was before it is read, so the lists show what it then holds.
    offerRecovery();

    ProgressDialog dialog(this);
    dialog.hide();
    dialog.setStoppable(true);
    connectDeviceWorker(&dialog);
    connectUpdateWorker(&dialog);

    CSettings* pSettings = CSettings::instance();
    pSettings->readSettings();
    const bool bCheckAtStartUp = !pSettings->m_bManualUpdate && !pSettings->m_bMonthlyUpdate;
    if (bCheckAtStartUp && (!m_bUpdateCheckDone || !pSettings->m_strPendingFwUrl.isEmpty())) {
        // The presets are read once the update service has answered (onNewVersions), or without its answer
        // once the wait is over: a server that takes the request and never answers must not keep the singer
        // from the presets.
        m_bUpdateCheckOnConnect = true;
        showUpdateCheck(true);
        m_updateCheckTimer.start();
        QCoreApplication::postEvent(m_pFirmwareUpdate, new QEvent(CFirmwareUpdate::CheckFirmwareUpdateSilentEvent));
        pSettings->m_DateTimeLastChecked = QDateTime::currentDateTime();
        pSettings->writeSettings();
    } else {
        m_bUpdateCheckOnConnect = false;
        dialog.setWindowTitle(tr("Connected"));
        QCoreApplication::postEvent(m_pDeviceManager, new QEvent(DeviceManagerThread::ReadFactoryPresetsEvent), 1);
        dialog.exec(tr("Reading presets..."), nullptr);
        enableDeviceButtons(true);
    }
    TS_DEBUG("Exiting");
}

void MainWindow::onDeviceRemoved()
{
    TS_DEBUG("Entering");
    ui->deviceLabel->setText(tr(DisconnectedText));
    ui->deviceButton->setStyleSheet(QLatin1String(DisconnectedStyle));
    ui->labelLogo->setStyleSheet(QLatin1String(NoDeviceLogoStyle));
    m_pVersionsLabel->clear();
    showNoUnit();
    m_pFileModel->setNameFilters(QStringList{QString()});
    m_updateCheckTimer.stop();
    showUpdateCheck(false);

    enableDeviceButtons(false);
    ui->listWidgetUserPreset->undoAction()->setEnabled(false);

    for (ContentWidget* pList : findChildren<ContentWidget*>())
        pList->clearEntries();
    clearPresetButtons();

    QCoreApplication::processEvents();
    TS_DEBUG("Exiting");
}

// The factory presets cannot change behind the program's back, so only the user side is read again.
void MainWindow::onDeviceRefreshed()
{
    TS_DEBUG("Entering");
    for (ContentWidget* pList : setListWidgets() + QList<ContentWidget*>{ui->listWidgetUserPreset})
        pList->clearEntries();
    clearPresetButtons();
    QCoreApplication::processEvents();

    ProgressDialog dialog(this);
    dialog.setWindowTitle(tr("Refresh"));
    dialog.setStoppable(true);
    connectDeviceWorker(&dialog);
    QCoreApplication::postEvent(m_pDeviceManager, new QEvent(DeviceManagerThread::ReadUserPresetsEvent), 1);
    dialog.exec(tr("Reading presets..."), nullptr);
    TS_DEBUG("Exiting");
}

void MainWindow::onMultipleDeviceDetected(QString units)
{
    // The worker says it once per set of units; a box still open takes the new set.
    const QString next =
        units + QStringLiteral("\n\n") + tr("Unplug one of them; the librarian connects to the one left.");
    if (!m_pMultipleDeviceBox.isNull()) {
        m_pMultipleDeviceBox->setInformativeText(next);
        return;
    }

    auto pBox = makeMessageBox(QMessageBox::Information, tr("Multiple Device"),
                               DeviceManagerThread::multipleUnitsText(), QMessageBox::Ok, this);
    pBox->setInformativeText(next);
    QPushButton* pExit = pBox->addButton(tr("Exit App"), QMessageBox::NoRole);
    // Closing the only window ends the application.
    connect(pExit, &QPushButton::clicked, this, &QWidget::close);
    // Once exactly one unit, or none, is attached the box has nothing more to say.
    connect(m_pDeviceManager, &DeviceManagerThread::deviceDetected, pBox.get(), &QDialog::reject);
    connect(m_pDeviceManager, &DeviceManagerThread::deviceRemoved, pBox.get(), &QDialog::reject);
    connect(m_pDeviceManager, &DeviceManagerThread::noDevice, pBox.get(), &QDialog::reject);

    m_pMultipleDeviceBox = pBox.get();
    pBox->exec();
}

void MainWindow::showNoUnit()
{
    m_pNoUnitLabel->setText(m_bUnitInUse ? tr("The unit is in use by the tessitra command line; the librarian "
                                              "connects when it is free.")
                                         : tr("Connect your Stage Ariette or Stage Cadenzo over USB"));
    m_pNoUnitLabel->setVisible(ui->deviceLabel->text() != tr(ConnectedText));
}

void MainWindow::onDeviceInaccessible(const QString& strText)
{
    // Not modal: the window stays usable while the user fixes access, and the box goes once the unit opens.
    QMessageBox* pBox =
        makeMessageBox(QMessageBox::Warning, tr("Tessitra Stage Librarian"), strText, QMessageBox::Ok, this).release();
    pBox->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_pDeviceManager, &DeviceManagerThread::deviceDetected, pBox, &QWidget::close);
    pBox->show();
}

void MainWindow::showBusy(bool bBusy)
{
    auto* pMovie = ui->deviceButton->findChild<QMovie*>();
    if (bBusy && pMovie == nullptr) {
        Artwork::movie(ui->deviceButton, QStringLiteral(":/images/deviceBusy.gif"), ui->deviceButton)->start();
    } else if (!bBusy && pMovie != nullptr) {
        delete pMovie;
        ui->deviceButton->clear();
    }
}

void MainWindow::showUpdateCheck(bool bChecking)
{
    ui->labelUpdateCheck->setVisible(bChecking);
    showBusy(bChecking);
}

void MainWindow::setUpdateCheckWait(int milliseconds)
{
    m_updateCheckTimer.setInterval(milliseconds);
}

void MainWindow::onUpdateCheckTimeout()
{
    if (!m_bUpdateCheckOnConnect)
        return;
    TS_WARNING("No answer to the update check after %d ms: reading the presets", m_updateCheckTimer.interval());
    m_bUpdateCheckAbandoned = true;
    answerVersions(QString(), QString(), QString(), QString(), QString(), QString(), false);
}

void MainWindow::onDeviceBusy()
{
    showBusy(true);
}

void MainWindow::onDeviceIdle()
{
    // An update check still outstanding keeps the animation going.
    showBusy(!ui->labelUpdateCheck->isHidden());
    if (ui->deviceLabel->text() != tr(ConnectedText)) {
        ui->deviceButton->setStyleSheet(QLatin1String(DisconnectedStyle));
        return;
    }
    ui->deviceButton->setStyleSheet(QLatin1String(ConnectedStyle));

    // Once a month: every operation ends here, so a unit that stays connected for weeks is still checked.
    CSettings* pSettings = CSettings::instance();
    pSettings->readSettings();
    if (!pSettings->m_bMonthlyUpdate)
        return;
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime lastChecked = pSettings->m_DateTimeLastChecked;
    // A date in the future (a clock set back) gives a negative count and never triggers.
    if (lastChecked.isValid() && lastChecked.daysTo(now) < MonthlyCheckDays)
        return;
    QCoreApplication::postEvent(m_pFirmwareUpdate, new QEvent(CFirmwareUpdate::CheckFirmwareUpdateSilentEvent));
    pSettings->m_DateTimeLastChecked = now;
    pSettings->writeSettings();
}

// Not modal: the window stays usable while the settings are open; the dialog deletes itself when it closes.
void MainWindow::onSettingsClicked()
{
    if (m_pSettingsDlg.isNull())
        m_pSettingsDlg = new CSettingsDlg(this);
    m_pSettingsDlg->show();
    m_pSettingsDlg->raise();
    m_pSettingsDlg->activateWindow();
}

// ---------------------------------------------------------------------------------------------------------------
// Back-up, restore and firmware

void MainWindow::backUp()
{
    TS_DEBUG("Entering");
    TS_DEBUG("path: %s", m_strBackUpFolder.toLocal8Bit().constData());
    const QString extension = backUpExtension();
    const QString proposed = m_strBackUpFolder + QStringLiteral("/BackUp_") +
                             QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MMM-dd-hh-mm-ss"));
    QString path = askFile(FileDialogKind::Save, tr("Save File"), proposed,
                           tr("BACKUP(*%1)", "file type in the file dialog").arg(extension), extension.mid(1));
    if (path.isEmpty()) {
        TS_DEBUG("Exiting");
        return;
    }
    if (!path.endsWith(extension, Qt::CaseInsensitive)) {
        path += extension;
        // A dialog that did not complete the name asked its question about another file: ask about this one.
        const QString question = tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName());
        if (QFileInfo::exists(path) &&
            makeQuestionBox(tr("Save File"), question, QMessageBox::Yes | QMessageBox::No)->exec() !=
                QMessageBox::Yes) {
            TS_DEBUG("Exiting");
            return;
        }
    }
    m_strBackUpFolder = QFileInfo(path).absolutePath();

    runOperation(
        tr("Back Up"), tr("Backing up presets..."), [this, path]() { m_pDeviceManager->setBackUpFilePath(path); },
        new QEvent(DeviceManagerThread::BackUpEvent));
    TS_DEBUG("Exiting");
}

void MainWindow::restore()
{
    TS_DEBUG("Entering");
    // The folder opens with its newest back-up chosen: the user's own and the automatic ones, newest first.
    const QString extension = backUpExtension();
    const QFileInfoList listed = AutoBackUp::newestFirst(m_strBackUpFolder, extension);
    const QString file = askFile(FileDialogKind::Open, tr("Select File"),
                                 listed.isEmpty() ? m_strBackUpFolder : listed.first().absoluteFilePath(),
                                 tr("BACKUP(*%1)", "file type in the file dialog").arg(extension));
    if (file.isEmpty()) {
        TS_DEBUG("Exiting");
        return;
    }
    m_strBackUpFolder = QFileInfo(file).absolutePath();
    m_strRestoring = file;
    const QString replaced =
        tr("All %1 user presets, the favourites, set lists A to D and the system parameters of the unit "
           "will be replaced by those in %2.")
            .arg(g_deviceInfo.presetCount.load())
            .arg(QFileInfo(file).fileName());
    CSettings* pSettings = CSettings::instance();
    pSettings->readSettings();
    const OperationPlan plan =
        OperationPlan::restore(OperationPlan::Unit::connected(), pSettings->m_bAutoBackup, pSettings->m_bVerifyWrites);
    // Or the back-up opens beside the unit, to look at what it would change and pick from it.
    bool bBeside = false;
    if (!confirmOverwrite(
            tr("Restore"), replaced + QLatin1Char(' ') + OperationPlan::durationText(plan.totalMs()),
            tr("Do you want to restore this back-up?"), tr("Open beside the unit"), &bBeside)) {
        if (bBeside)
            emit backUpOpenRequested(file);
        return;
    }

    runOperation(
        tr("Restore"), tr("Restoring presets..."),
        [this, file]() {
            m_pDeviceManager->setRecovery(false);
            m_pDeviceManager->setBackUpFilePath(file);
        },
        new QEvent(DeviceManagerThread::RestoreEvent),
        [this](ProgressDialog* pDialog) {
            // The unit now holds other presets and set lists: show them. A failed restore leaves the lists, and so
            // does a unit that went away (the poll then reports its loss with result 0 into the same dialog).
            if (pDialog->operationResult() == 0 && g_bDeviceConnected.load())
                onDeviceRefreshed();
        });
    TS_DEBUG("Exiting");
}

void MainWindow::onUpdateFirmware()
{
    const QString file = askFile(FileDialogKind::Open, tr("Select File"), m_strHomePath,
                                 tr("Binary(*.bin *.ldr)", "file type in the file dialog"));
    if (file.isEmpty())
        return;
    TS_DEBUG("File path: %s", file.toLocal8Bit().constData());
    m_strHomePath = QFileInfo(file).absolutePath();
    // The worker refuses a file of any other kind before it writes anything.
    const bool bDsp = file.endsWith(QLatin1String(".ldr"), Qt::CaseInsensitive);
    if (bDsp || file.endsWith(QLatin1String(".bin"), Qt::CaseInsensitive)) {
        const QString replaced =
            bDsp ? tr("The DSP firmware of the unit (%1) will be replaced by the one in %2.")
                       .arg(g_deviceInfo.dspVersion(), QFileInfo(file).fileName())
                 : tr("The microcontroller firmware of the unit (%1) will be replaced by the one in %2.")
                       .arg(g_deviceInfo.firmwareVersion(), QFileInfo(file).fileName());
        if (!confirmOverwrite(tr("Firmware Update"), replaced, tr("Do you want to write this firmware?")))
            return;
    }

    // The device worker tells the DSP image (.ldr) from the microcontroller image (.bin) by the extension. The
    // path rides in the event: the update service may hand over a downloaded image at the same moment.
    runOperation(tr("Firmware Update"), tr("Updating firmware..."), nullptr,
                 new DeviceManagerThread::FirmwareFileEvent(file));
}

// ---------------------------------------------------------------------------------------------------------------
// Update offers

void MainWindow::onNewVersions(QString dspVersion, QString dspUrl, QString fwVersion, QString fwUrl, QString appVersion,
                               QString appUrl, bool bAppUpdate)
{
    if (!bAppUpdate && m_bUpdateCheckAbandoned) {
        // The presets were read without this answer; asking now could put a question into a later operation.
        TS_DEBUG("Late answer to the update check dropped");
        m_bUpdateCheckAbandoned = false;
        return;
    }
    answerVersions(dspVersion, dspUrl, fwVersion, fwUrl, appVersion, appUrl, bAppUpdate);
}

void MainWindow::answerVersions(const QString& dspVersion, const QString& dspUrl, const QString& fwVersion,
                                const QString& fwUrl, const QString& appVersion, const QString& appUrl, bool bAppUpdate)
{
    TS_DEBUG("Entering");
    if (!bAppUpdate) {
        // The answer to a check made on connection, if one is outstanding: the requests are answered in turn.
        m_updateCheckTimer.stop();
        if (m_bUpdateCheckOnConnect)
            showUpdateCheck(false);
    }
    QString title = tr("Firmware Update");
    QString message;
    CSettings* pSettings = CSettings::instance();
    pSettings->readSettings();

    ProgressDialog dialog(this);
    connectUpdateWorker(&dialog);
    connect(m_pFirmwareUpdate, &CFirmwareUpdate::updateCheckFailed, &dialog,
            qOverload<QString>(&ProgressDialog::onOperationFinished), Qt::UniqueConnection);

    if (bAppUpdate && !appUrl.isEmpty()) {
        title = tr("Application Update");
        auto pBox =
            makeQuestionBox(title,
                            tr("New application version available.\nCurrent: %1\nNew: %2\nDo you want to download and "
                               "update?")
                                .arg(g_appSwVersion, appVersion),
                            QMessageBox::Yes | QMessageBox::No);
        if (pBox->exec() == QMessageBox::Yes) {
            TS_DEBUG("Downloading application.");
            m_pFirmwareUpdate->setAppImageUrl(appUrl);
            dialog.setWindowTitle(title);
            QCoreApplication::postEvent(m_pFirmwareUpdate, new QEvent(CFirmwareUpdate::DownloadAppEvent), 1);
            // The installer arrives later through onAppDownLoadFinished.
            dialog.exec(tr("Downloading application..."), nullptr);
        }
        TS_DEBUG("Exiting");
        return;
    }

    // Posts the event, runs the dialog and, after a success, notes what is still to be flashed.
    auto runAndConclude = [&](QObject* pReceiver, QEvent::Type event) {
        dialog.setWindowTitle(title);
        QCoreApplication::postEvent(pReceiver, new QEvent(event), 1);
        dialog.exec(message, nullptr);
        if (dialog.operationResult() == 0) {
            if (QUrl(dspUrl) == m_pFirmwareUpdate->firmwareImageUrl()) {
                // A DSP image was just fetched (or no image at all): the microcontroller image, if any, waits
                // for the next connection.
                pSettings->setPendingFwUrl(fwUrl);
                if (fwUrl.isEmpty())
                    m_bUpdateCheckDone = true;
            } else {
                m_bUpdateCheckDone = true;
                pSettings->setPendingFwUrl(QString());
            }
        }
        enableDeviceButtons(true);
        TS_DEBUG("Exiting");
    };
    auto readPresets = [&]() {
        connect(m_pDeviceManager, &DeviceManagerThread::deviceRemoved, &dialog, &QDialog::accept, Qt::UniqueConnection);
        connectDeviceWorker(&dialog);
        m_bUpdateCheckOnConnect = false;
        title = tr("Connected");
        runAndConclude(m_pDeviceManager, DeviceManagerThread::ReadFactoryPresetsEvent);
    };
    const bool bReadAfterCheck = m_bUpdateCheckOnConnect && g_bDeviceConnected.load();

    if (dspUrl.isEmpty() && fwUrl.isEmpty()) {
        if (bReadAfterCheck)
            return readPresets();
        TS_DEBUG("Exiting");
        return;
    }

    // The flashing itself runs in the device worker once the image is in.
    connect(m_pDeviceManager, &DeviceManagerThread::deviceRemoved, &dialog, &QDialog::accept, Qt::UniqueConnection);
    connectDeviceWorker(&dialog);
    const QString dspText = g_deviceInfo.dspVersion();
    const QString fwText = g_deviceInfo.firmwareVersion();
    if (!dspUrl.isEmpty() && !fwUrl.isEmpty()) {
        message = tr("New firmware version available.\nCurrent: %1, %2\nNew: %3, %4\nDo you want to update?")
                      .arg(dspText, fwText, dspVersion, fwVersion);
    } else {
        message = tr("New firmware version available.\nCurrent: %1\nNew: %2\nDo you want to update?")
                      .arg(dspUrl.isEmpty() ? fwText : dspText, dspUrl.isEmpty() ? fwVersion : dspVersion);
    }
    auto pBox =
        makeQuestionBox(tr("Firmware Update"), message, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    // Cancel is there for Escape and for a unit that goes away; it is not offered as a choice. Enter answers No:
    // a firmware write is never one key press away.
    pBox->setDefaultButton(QMessageBox::No);
    pBox->setEscapeButton(QMessageBox::Cancel);
    pBox->button(QMessageBox::Cancel)->hide();
    connect(m_pDeviceManager, &DeviceManagerThread::deviceRemoved, pBox.get(), &QDialog::reject);
    const int answer = pBox->exec();
    pBox.reset();

    if (answer == QMessageBox::Yes) {
        const QString image = dspUrl.isEmpty() ? fwUrl : dspUrl;
        TS_DEBUG("Downloading firmware.");
        // The update service hands the image to the device worker, which backs the unit up first if asked to.
        handOverSafetyOptions();
        m_pFirmwareUpdate->setFirmwareImageUrl(image);
        message = tr("Downloading firmware...");
        return runAndConclude(m_pFirmwareUpdate, CFirmwareUpdate::DownloadFirmwareEvent);
    }
    if (answer == QMessageBox::No) {
        m_bUpdateCheckDone = true;
        pSettings->setPendingFwUrl(QString());
    }
    if (m_bUpdateCheckOnConnect && g_bDeviceConnected.load())
        return readPresets();
    TS_DEBUG("Exiting");
}

void MainWindow::onAppDownLoadFinished(QString installer)
{
    auto pBox = makeQuestionBox(tr("Application Update"),
                                tr("Do you want to close the application and install the new version?"),
                                QMessageBox::Yes | QMessageBox::No);
    if (pBox->exec() != QMessageBox::Yes)
        return;
    // The installer replaces this program, so the program makes way for it.
    QDesktopServices::openUrl(QUrl::fromLocalFile(installer));
    close();
}

// ---------------------------------------------------------------------------------------------------------------
// The way back: recovery after a run that stopped midway, and undo of the last overwrite

void MainWindow::onRecoveryAvailable(QString backupPath, QString stateLine)
{
    TS_DEBUG("Automatic back-up to put back: %s", backupPath.toLocal8Bit().constData());
    m_strRecoveryPath = backupPath;
    // The running operation's dialog keeps saying how far the run got, also once the poll has found the unit
    // gone and says so in the same dialog.
    const QString line = stateLine.trimmed();
    const QList<ProgressDialog*> dialogs = findChildren<ProgressDialog*>();
    for (ProgressDialog* pDialog : dialogs) {
        if (pDialog->isVisible() && !line.isEmpty())
            pDialog->keepLine(line);
    }
}

void MainWindow::offerRecovery()
{
    const QString path = m_strRecoveryPath;
    m_strRecoveryPath.clear(); // asked once, whatever the answer
    if (!QFileInfo::exists(path))
        return;
    // After a factory rewrite that stopped, the factory bank kept before it goes back.
    if (path.endsWith(QLatin1String(".dat")) && m_pDeviceManager->productId() == UsbIds::CadenzoProductId) {
        if (confirmOverwrite(tr("Factory Presets"),
                             tr("The unit answers again. Its factory bank from "
                                "before the rewrite that stopped is kept in \"%1\".")
                                 .arg(QFileInfo(path).fileName()),
                             tr("Put the factory presets from before back?")))
            runOperation(
                tr("Factory Presets"), tr("updating factory presets..."),
                [this, path]() { m_pDeviceManager->setFactorySource(path); },
                new QEvent(DeviceManagerThread::UpdateFactoryPresetsEvent));
        return;
    }
    if (!path.endsWith(backUpExtension(), Qt::CaseInsensitive))
        return;
    // Cancel is the default, as for every overwrite: Enter or Escape leave the unit as it is, holding a mix.
    auto pBox = makeQuestionBox(tr("Restore"), tr("Restore the state from before?"), QMessageBox::Cancel);
    pBox->setInformativeText(tr("The unit answers again. The automatic back-up \"%1\" holds its user "
                                "presets, set lists and system parameters from before the operation "
                                "that stopped.")
                                 .arg(QFileInfo(path).fileName()));
    QAbstractButton* pBack = pBox->addButton(tr("Put back the state from before"), QMessageBox::AcceptRole);
    const QString again = m_strRestoring;
    QAbstractButton* pAgain = again.isEmpty() || !QFileInfo::exists(again)
                                  ? nullptr
                                  : pBox->addButton(tr("Restore the back-up again"), QMessageBox::ActionRole);
    pBox->setDefaultButton(qobject_cast<QPushButton*>(pBox->button(QMessageBox::Cancel)));
    pBox->setEscapeButton(QMessageBox::Cancel);
    connect(m_pDeviceManager, &DeviceManagerThread::deviceRemoved, pBox.get(), &QDialog::reject);
    pBox->exec();
    const QString chosen = pBox->clickedButton() == pBack                         ? path
                           : pAgain != nullptr && pBox->clickedButton() == pAgain ? again
                                                                                  : QString();
    if (chosen.isEmpty()) {
        makeMessageBox(QMessageBox::Information, tr("Restore"),
                       tr("The unit holds a mix of old and restored presets until it is restored or refreshed."),
                       QMessageBox::Ok, this)
            ->exec();
        return;
    }
    runOperation(
        tr("Restore"), tr("Restoring presets..."),
        [this, chosen]() {
            // Either way the state from before is kept already: no automatic back-up of the mix.
            m_pDeviceManager->setRecovery(true);
            m_pDeviceManager->setBackUpFilePath(chosen);
        },
        new QEvent(DeviceManagerThread::RestoreEvent));
}

void MainWindow::onUndoAvailable(int entries)
{
    ui->listWidgetUserPreset->undoAction()->setEnabled(entries > 0 && g_bDeviceConnected.load());
}

void MainWindow::onUndo()
{
    if (ui->listWidgetUserPreset->undoAction()->isEnabled())
        runUndo(false);
}

void MainWindow::runUndo(bool bRedo, bool bForce)
{
    // A journal the worker refuses (damaged, another model's, empty) is not an operation that ran: its text goes
    // into a message box of its own, and the progress dialog closes.
    QString lastText;
    QString refusal;
    ProgressDialog dialog(this);
    dialog.setWindowTitle(tr("Undo"));
    dialog.setStoppable(false);
    connectDeviceWorker(&dialog);
    connect(m_pDeviceManager, &DeviceManagerThread::updateText, &dialog,
            [&lastText](const QString& text) { lastText = text; });
    bool bConflict = false;
    connect(m_pDeviceManager, &DeviceManagerThread::operationFinished, &dialog, [&](int result, bool) {
        bConflict = result == ResultCode::UndoConflict;
        if (result != ResultCode::JournalRefused && result != ResultCode::NothingToUndo && !bConflict)
            return;
        refusal = lastText.isEmpty() ? tr("Nothing was undone.") : lastText;
        dialog.done(0);
    });
    handOverSafetyOptions();
    m_pDeviceManager->setUndoForce(bForce);
    QCoreApplication::postEvent(m_pDeviceManager,
                                new QEvent(bRedo ? DeviceManagerThread::RedoEvent : DeviceManagerThread::UndoEvent), 1);
    dialog.exec(tr("Writing the overwritten presets back..."), nullptr);
    if (refusal.isEmpty())
        return;
    if (!bConflict) {
        makeMessageBox(QMessageBox::Warning, tr("Undo"), refusal, QMessageBox::Ok, this)->exec();
        return;
    }
    // A slot changed since the overwrite (on the unit's panel, by another program): only on the user's word.
    const QString unchanged = QLatin1Char(' ') + QCoreApplication::translate("tessitra", "Nothing was changed.");
    if (confirmOverwrite(bRedo ? tr("Redo") : tr("Undo"), refusal.section(unchanged, 0, 0), tr("Overwrite it anyway?")))
        runUndo(bRedo, true);
}

// ---------------------------------------------------------------------------------------------------------------
// Network credentials, asked for by the update service's downloads

namespace {

// The "Network Authentication" dialog. It names the host and the realm that ask, so the singer knows whose
// password is wanted. The authenticator is filled only when the user confirms with a name.
void askCredentials(QWidget* pParent, QAuthenticator* pAuthenticator, const QString& host)
{
    QDialog dialog(pParent);
    dialog.setWindowFlags(dialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    dialog.setObjectName(QStringLiteral("InputDialog"));
    dialog.setWindowTitle(MainWindow::tr("Network Authentication"));
    dialog.setContentsMargins(10, 0, 10, 0);
    dialog.resize(250, 100);

    auto* pLayout = new QVBoxLayout(&dialog);
    auto* pAsker = new QLabel(
        MainWindow::tr("<b>%1</b> asks for \"%2\".").arg(host.toHtmlEscaped(), pAuthenticator->realm().toHtmlEscaped()),
        &dialog);
    pAsker->setObjectName(QStringLiteral("TessitraLabel"));
    pLayout->addWidget(pAsker);
    auto addRow = [&](const QString& label, QLineEdit::EchoMode mode) {
        auto* pRow = new QHBoxLayout();
        auto* pLabel = new QLabel(label, &dialog);
        pLabel->setObjectName(QStringLiteral("TessitraLabel"));
        auto* pEdit = new QLineEdit(&dialog);
        pEdit->setEchoMode(mode);
        pRow->addWidget(pLabel, 0, Qt::AlignLeft);
        pRow->addWidget(pEdit, 0, Qt::AlignRight);
        pLayout->addLayout(pRow);
        return pEdit;
    };
    QLineEdit* pUser = addRow(MainWindow::tr("<b>User Name:</b>"), QLineEdit::Normal);
    QLineEdit* pPassword = addRow(MainWindow::tr("<b>Password:</b>"), QLineEdit::Password);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    pButtons->setObjectName(QStringLiteral("TessitraButtonBox"));
    pButtons->button(QDialogButtonBox::Ok)->setFlat(true);
    pButtons->button(QDialogButtonBox::Ok)->setDefault(true);
    pButtons->button(QDialogButtonBox::Cancel)->setFlat(true);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(pButtons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    pLayout->addWidget(pButtons);

    if (dialog.exec() == QDialog::Accepted && !pUser->text().isEmpty()) {
        pAuthenticator->setUser(pUser->text());
        pAuthenticator->setPassword(pPassword->text());
    }
}

} // namespace

void MainWindow::onProxyAuthenticationRequired(QNetworkProxy proxy, QAuthenticator* authenticator)
{
    askCredentials(this, authenticator, tr("Proxy %1").arg(proxy.hostName()));
}

void MainWindow::onAuthenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator)
{
    askCredentials(this, authenticator, reply != nullptr ? reply->url().host() : tr("The server"));
}

// ---------------------------------------------------------------------------------------------------------------
// Preset data from the device worker. Every array handed over belongs to this window from here on.

namespace {

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

// Names of up to 15 characters fit the entry at the normal size, longer ones a size smaller. A line that
// still does not fit (a long name behind U100) gets smaller still, down to 8 px, so that the whole label
// and name show.
void applySetListFont(PresetButton* pEntry, const QString& name, const QString& line)
{
    // The entry's width less its border and padding.
    constexpr int TextWidth = EntryWidth - 10;
    constexpr int SmallestSize = 8;
    int size = name.length() <= 15 ? 11 : 10;
    QFont font = pEntry->font();
    for (; size > SmallestSize; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(line) <= TextWidth)
            break;
    }
    pEntry->setStyleSheet(QStringLiteral("QPushButton{font-size: %1px}").arg(size));
}

// Set-list prefixes in list order: favourites, then A to D.
const char kSetListPrefixes[] = {'*', 'A', 'B', 'C', 'D'};

} // namespace

void MainWindow::showInSetList(PresetButton* pEntry, QChar prefix, int slot, const QString& sourceText,
                               const QString& name)
{
    // The source's whole label: U100 is not U10.
    const QString line = sourceText.section(QLatin1Char('\n'), 0, 0) + QLatin1Char(' ') + name;
    pEntry->setText(prefix + twoDigits(slot) + QLatin1Char('\n') + line);
    applySetListFont(pEntry, name, line);
}

void MainWindow::showPreset(int storage, int /*presetOffset*/, int presetNumber, const QString& name, int* record,
                            int maxPresetNameLength, int maxPresetParamLength, int hardwareProductCode,
                            int hardwarePatchVersion)
{
    std::unique_ptr<int[]> owned(record);
    ContentWidget* pList = storage == 0 ? ui->listWidgetUserPreset : ui->listWidgetFactoryPresets;
    const QString text = PresetLabel::entryText(presetNumber, name);

    PresetButton* pEntry = m_presetButtons.value(presetNumber, nullptr);
    const bool bNew = pEntry == nullptr;
    if (bNew)
        pEntry = new PresetButton();
    pEntry->setText(text);
    pEntry->setFixedSize(EntryWidth, EntryHeight);
    pEntry->setPresetNumber(presetNumber);
    pEntry->setPresetName(name);
    pEntry->setMaxPresetNameLength(maxPresetNameLength);
    pEntry->setMaxPresetParamLength(maxPresetParamLength);
    pEntry->setHardwareProductCode(hardwareProductCode);
    pEntry->setHardwarePatchVersion(hardwarePatchVersion);
    pEntry->setPresetData(owned.release());
    if (bNew) {
        // Not put into m_presetButtons here: the next set-list update takes it from the list.
        pList->addEntry(pEntry);
        connect(pEntry, &PresetButton::contextMenuRequested, pList, &ContentWidget::onContextMenuRequested,
                Qt::UniqueConnection);
    } else {
        // A preset changed in place (renamed, copied, loaded) is brought into view. A whole read only ever
        // adds entries to an emptied list, which therefore stays at its first entry.
        pList->showEntry(pEntry);
    }
    updateSetlits();
}

void MainWindow::onSinglePresetData(int storage, int presetBase, int presetOffset, int* presetData,
                                    int maxPresetNameLength, int maxPresetParamLength, int hardwareProductCode,
                                    int hardwarePatchVersion)
{
    std::unique_ptr<int[]> record(presetData);
    const QString name = PresetName::fromCodes(record.get(), maxPresetNameLength);
    showPreset(storage, presetOffset, presetBase + presetOffset, name, record.release(), maxPresetNameLength,
               maxPresetParamLength, hardwareProductCode, hardwarePatchVersion);
}

void MainWindow::onSinglePresetData(int storage, int presetBase, int presetOffset, QString strName,
                                    int maxPresetNameLength, int maxPresetParamLength, int hardwareProductCode,
                                    int hardwarePatchVersion)
{
    showPreset(storage, presetOffset, presetBase + presetOffset, strName.trimmed(), nullptr, maxPresetNameLength,
               maxPresetParamLength, hardwareProductCode, hardwarePatchVersion);
}

void MainWindow::onPresetData(int storage, int presetBase, int presetCount, QStringList strNames)
{
    ContentWidget* pList = storage == 0 ? ui->listWidgetUserPreset : ui->listWidgetFactoryPresets;
    for (int k = 1; k <= presetCount; ++k) {
        const QString name = strNames.value(k - 1).trimmed();
        auto* pEntry = new PresetButton();
        pEntry->setText(PresetLabel::entryText(presetBase + k - 1, name));
        pEntry->setFixedSize(EntryWidth, EntryHeight);
        pEntry->setPresetNumber(presetBase + k - 1);
        pEntry->setPresetName(name);
        pList->addEntry(pEntry);
        connect(pEntry, &PresetButton::contextMenuRequested, pList, &ContentWidget::onContextMenuRequested,
                Qt::UniqueConnection);
    }
    updateSetlits();
}

void MainWindow::onPresetData(int storage, int presetBase, int presetCount, const int* presetData,
                              int maxPresetNameLength, int maxPresetParamLength, int hardwareProductCode,
                              int hardwarePatchVersion)
{
    const std::unique_ptr<const int[]> records(presetData);
    ContentWidget* pList = storage == 0 ? ui->listWidgetUserPreset : ui->listWidgetFactoryPresets;
    const int stride = maxPresetNameLength + maxPresetParamLength;
    for (int k = 1; k <= presetCount; ++k) {
        const int* pRecord = records && stride > 0 ? records.get() + static_cast<qsizetype>(k - 1) * stride : nullptr;
        const QString name = PresetName::fromCodes(pRecord, maxPresetNameLength);
        int* pCopy = nullptr;
        if (pRecord != nullptr) {
            pCopy = new int[static_cast<size_t>(stride)];
            std::copy(pRecord, pRecord + stride, pCopy);
        }
        auto* pEntry = new PresetButton();
        pEntry->setText(PresetLabel::entryText(presetBase + k - 1, name));
        pEntry->setFixedSize(EntryWidth, EntryHeight);
        pEntry->setPresetNumber(presetBase + k - 1);
        pEntry->setPresetName(name);
        pEntry->setMaxPresetNameLength(maxPresetNameLength);
        pEntry->setMaxPresetParamLength(maxPresetParamLength);
        pEntry->setHardwareProductCode(hardwareProductCode);
        pEntry->setHardwarePatchVersion(hardwarePatchVersion);
        pEntry->setPresetData(pCopy);
        pList->addEntry(pEntry);
        connect(pEntry, &PresetButton::contextMenuRequested, pList, &ContentWidget::onContextMenuRequested,
                Qt::UniqueConnection);
    }
    updateSetlits();
}

void MainWindow::onSetListData(int setListNum, QVector<int> setList)
{
    if (setListNum < 0 || setListNum > 4 || setList.size() < SetListSlots)
        return;

    // Rebuilt from the lists every time, so it always points at entries that exist.
    clearPresetButtons();
    for (ContentWidget* pList : {ui->listWidgetUserPreset, ui->listWidgetFactoryPresets}) {
        for (PresetButton* pEntry : pList->entries())
            m_presetButtons.insert(pEntry->presetNumber(), pEntry);
    }

    const char prefix = kSetListPrefixes[setListNum];
    TS_DEBUG("SetList Data: %c", prefix);
    ContentWidget* pList = setListWidgets().at(setListNum);
    const QList<PresetButton*> entries = pList->entries();
    for (int slot = 1; slot <= SetListSlots; ++slot) {
        PresetButton* pSource = m_presetButtons.value(setList[slot - 1], nullptr);
        PresetButton* pEntry = slot - 1 < entries.size() ? entries.at(slot - 1) : nullptr;
        if (pEntry == nullptr) {
            pEntry = new PresetButton();
            pEntry->setFixedSize(EntryWidth, EntryHeight);
            pList->addEntry(pEntry);
            connect(pEntry, &PresetButton::contextMenuRequested, pList, &ContentWidget::onContextMenuRequested,
                    Qt::UniqueConnection);
        }
        if (pSource == nullptr) {
            pEntry->setPresetNumber(0);
            pEntry->setText(tr("%1\nEMPTY", "an empty set-list slot: A01").arg(QLatin1Char(prefix) + twoDigits(slot)));
            pEntry->setEnabled(false);
            continue;
        }
        const QString sourceText = pSource->text();
        const QString name = sourceText.mid(sourceText.lastIndexOf(QLatin1Char('\n')) + 1);
        pEntry->setFixedSize(EntryWidth, EntryHeight);
        pEntry->setPresetNumber(pSource->presetNumber());
        pEntry->setPresetName(name);
        pEntry->setMaxPresetNameLength(pSource->maxPresetNameLength());
        pEntry->setMaxPresetParamLength(pSource->maxPresetParamLength());
        pEntry->setHardwareProductCode(pSource->hardwareProductCode());
        pEntry->setHardwarePatchVersion(pSource->hardwarePatchVersion());
        int* pCopy = nullptr;
        const int length = pSource->maxPresetNameLength() + pSource->maxPresetParamLength();
        if (pSource->presetData() != nullptr && length > 0) {
            pCopy = new int[static_cast<size_t>(length)];
            std::copy(pSource->presetData(), pSource->presetData() + length, pCopy);
        }
        pEntry->setPresetData(pCopy);
        pEntry->setEnabled(true);
        showInSetList(pEntry, QLatin1Char(prefix), slot, sourceText, name);
    }
}

void MainWindow::updateSetlits()
{
    const QList<ContentWidget*> lists = setListWidgets();
    for (int index = 0; index < lists.size(); ++index) {
        const QList<PresetButton*> entries = lists.at(index)->entries();
        for (int row = 0; row < entries.size(); ++row) {
            PresetButton* pEntry = entries.at(row);
            const PresetButton* pSource = m_presetButtons.value(pEntry->presetNumber(), nullptr);
            if (pSource == nullptr)
                continue;
            pEntry->setPresetName(pSource->presetName());
            showInSetList(pEntry, QLatin1Char(kSetListPrefixes[index]), row + 1, pSource->text(),
                          pSource->presetName());
        }
    }
}

QList<ContentWidget*> MainWindow::setListWidgets() const
{
    return {ui->listWidgetFavorites, ui->listWidgetSetListA, ui->listWidgetSetListB, ui->listWidgetSetListC,
            ui->listWidgetSetListD};
}
