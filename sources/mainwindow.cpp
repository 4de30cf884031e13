#include "mainwindow.h"

#include "DeviceManagerThread.h"
#include "Settings.h"
#include "contentwidget.h"
#include "firmwareupdate.h"
#include "globals.h"
#include "log.h"
#include "mainwindowform.h"
#include "splashscreen.h"
#include "usbids.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDataStream>
#include <QDesktopServices>
#include <QDir>
#include <QDragMoveEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMovie>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <QUrl>
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
const char* const ConnectedText = "Connected";
const char* const DisconnectedText = "Disconnected";

// Preset file extension of each model; the list pane shows only that model's preset files.
const char* const ArietteFilePattern = "*.tarp";
const char* const CadenzoFilePattern = "*.tscp";

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
    // Network credentials asked for by the update service are answered by this window.
    g_authenticationHandler = this;
    TS_DEBUG("Exiting");
}

MainWindow::~MainWindow()
{
    if (g_authenticationHandler == this)
        g_authenticationHandler = nullptr;
    // The device worker goes first: it may still be talking to the unit, and the update worker is not
    // needed by it. Each is told to stop, its event loop ends and the thread is waited for without a limit.
    if (m_pDeviceManager != nullptr) {
        m_pDeviceManager->setAbort(true);
        m_pDeviceManager->quit();
        m_pDeviceManager->wait();
        delete m_pDeviceManager;
        m_pDeviceManager = nullptr;
    }
    if (m_pFirmwareUpdate != nullptr) {
        m_pFirmwareUpdate->setStopping(true);
        m_pFirmwareUpdate->quit();
        m_pFirmwareUpdate->wait();
        delete m_pFirmwareUpdate;
        m_pFirmwareUpdate = nullptr;
    }
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
    TS_DEBUG("g_urlariette: %s", g_urlariette.toLocal8Bit().constData());
    g_urlLabelariette = iniText(ini, "urllabelAriette");
    TS_DEBUG("g_urlLabelariette: %s", g_urlLabelariette.toLocal8Bit().constData());
    g_urlcadenzo = iniText(ini, "urlCadenzo");
    TS_DEBUG("g_urlcadenzo: %s", g_urlcadenzo.toLocal8Bit().constData());
    g_urlLabelcadenzo = iniText(ini, "urllabelCadenzo");
    TS_DEBUG("g_urlLabelcadenzo: %s", g_urlLabelcadenzo.toLocal8Bit().constData());
    ini.endGroup();
    ini.beginGroup(QStringLiteral("help"));
    g_helpUrl = iniText(ini, "url");
    TS_DEBUG("g_helpUrl: %s", g_helpUrl.toLocal8Bit().constData());
    ini.endGroup();
    ini.beginGroup(QStringLiteral("update"));
    g_updateUrl = iniText(ini, "url");
    TS_DEBUG("g_updateUrl: %s", g_updateUrl.toLocal8Bit().constData());
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
        if (!QDir(folder).exists())
            QDir().mkpath(folder);
    }
    // Files of the older Ariette data folder are carried over; the older folder stays as it is.
    copyDirectory(g_legacyArietteFolder, g_arietteFolder);

    CSettings* pSettings = CSettings::instance();
    const QString storedPath = pSettings->fileSystemPath();
    if (!storedPath.isEmpty())
        m_strBrowsePath = storedPath;

    // A drag resting on a tab opens that tab (eventFilter), so the tab bar must take drag events.
    ui->tabFileFactorySet->tabBar()->setAcceptDrops(true);
    ui->tabFileFactorySet->tabBar()->installEventFilter(this);
    ui->updateButton->hide();

    auto* pHelpMenu = new QMenu(this);
    QAction* pHelpAction = pHelpMenu->addAction(QStringLiteral("Help"));
    QAction* pAboutAction = pHelpMenu->addAction(QStringLiteral("&About Tessitra Stage Librarian"));
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
    ui->treeViewFileBrowser->setRootIndex(m_pDirModel->setRootPath(QString()));
    ui->treeViewFileBrowser->setCurrentIndex(m_pDirModel->index(m_strBrowsePath));
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
    connect(m_pDeviceManager, &DeviceManagerThread::deviceRemoved, this, &MainWindow::onDeviceRemoved,
            Qt::UniqueConnection);
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
    const QPixmap pixmap(QStringLiteral(":/images/splash.png"));
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
    // The window is shown before the splash is told to finish: finish() waits until the window it is
    // given is on screen, and would otherwise hold everything up for its own timeout.
    show();
    if (m_pSplash != nullptr)
        m_pSplash->finish(this);
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

void MainWindow::onTriggeredHelp()
{
    QDesktopServices::openUrl(QUrl::fromUserInput(g_helpUrl));
}

void MainWindow::onTriggeredAbout()
{
    QString text;
    if (g_showBuild) {
        text = QStringLiteral("<b>%1%2%3</b><br/><a href=\"%4\"><b>%5</b></a><br/><a href=\"%6\"><b>%7</b></a>")
                   .arg(g_version, QStringLiteral(", build "), g_build, g_urlariette, g_urlLabelariette, g_urlcadenzo,
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
        if (!vBytes.isEmpty())
            ui->splitterMain->setSizes(bytesToSizes(vBytes));
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
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Choose Folder"), m_strBrowsePath,
                                                             QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    m_strBrowsePath = folder;
    m_pDirModel->setRootPath(folder);
    m_pFileModel->setRootPath(folder);
    ui->listViewFileBrowser->setRootIndex(m_pFileModel->index(folder));
    ui->lineEditBroswerPath->setText(folder);
    ui->treeViewFileBrowser->setCurrentIndex(m_pDirModel->index(folder));
}

void MainWindow::onBrowseFolder()
{
    const QString text = ui->lineEditBroswerPath->text();
    if (text == m_strBrowsePath || !QFileInfo(text).isDir())
        return;
    m_strBrowsePath = text;
    m_pFileModel->setRootPath(text);
    ui->listViewFileBrowser->setRootIndex(m_pFileModel->index(text));
    m_pDirModel->setRootPath(text);
    ui->treeViewFileBrowser->setCurrentIndex(m_pDirModel->index(text));
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
    m_pDirModel->setRootPath(path);
    ui->treeViewFileBrowser->setCurrentIndex(m_pDirModel->index(path));
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

    m_pDirModel->setRootPath(m_strBrowsePath);
    ui->listViewFileBrowser->setRootIndex(m_pFileModel->setRootPath(m_strBrowsePath));
    ui->treeViewFileBrowser->setCurrentIndex(m_pDirModel->index(m_strBrowsePath));
    ui->lineEditBroswerPath->setText(m_strBrowsePath);
}

void MainWindow::onTimeOut()
{
    if (m_pDirModel == nullptr)
        return;
    m_pDirModel->setRootPath(m_strBrowsePath);
    ui->treeViewFileBrowser->setCurrentIndex(m_pDirModel->index(m_strBrowsePath));
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
// The unit coming and going

void MainWindow::onDeviceDetected(int iPid)
{
    TS_DEBUG("Entering");
    const bool bAriette = iPid == UsbIds::ArietteProductId;
    ui->deviceLabel->setText(QLatin1String(ConnectedText));
    ui->deviceButton->setStyleSheet(QLatin1String(ConnectedStyle));
    m_strBackUpFolder = bAriette ? g_arietteBackUpFolder : g_cadenzoBackUpFolder;
    m_pFileModel->setNameFilters(QStringList{QLatin1String(bAriette ? ArietteFilePattern : CadenzoFilePattern)});
    ui->labelLogo->setStyleSheet(QLatin1String(bAriette ? ArietteLogoStyle : CadenzoLogoStyle));

    ui->updateButton->setEnabled(true);
    ui->refreshButton->setEnabled(true);
    ui->backUp->setEnabled(true);
    ui->restore->setEnabled(true);
    TS_DEBUG("Exiting");
}

void MainWindow::onDeviceRemoved()
{
    TS_DEBUG("Entering");
    ui->deviceLabel->setText(QLatin1String(DisconnectedText));
    ui->deviceButton->setStyleSheet(QLatin1String(DisconnectedStyle));
    ui->labelLogo->setStyleSheet(QLatin1String(NoDeviceLogoStyle));
    m_pFileModel->setNameFilters(QStringList{QString()});

    ui->updateButton->setEnabled(false);
    ui->refreshButton->setEnabled(false);
    ui->backUp->setEnabled(false);
    ui->restore->setEnabled(false);

    ui->listWidgetUserPreset->clearEntries();
    ui->listWidgetFactoryPresets->clearEntries();
    ui->listWidgetFavorites->clearEntries();
    ui->listWidgetSetListA->clearEntries();
    ui->listWidgetSetListB->clearEntries();
    ui->listWidgetSetListC->clearEntries();
    ui->listWidgetSetListD->clearEntries();
    m_presetButtons.clear();
    m_presetButtons.insert(0, nullptr);

    QCoreApplication::processEvents();
    TS_DEBUG("Exiting");
}

void MainWindow::onDeviceRefreshed() {}

void MainWindow::onMultipleDeviceDetected() {}

void MainWindow::onDeviceBusy()
{
    auto* pMovie = new QMovie(QStringLiteral(":/images/deviceBusy.gif"), QByteArray(), this);
    ui->deviceButton->setMovie(pMovie);
    pMovie->start();
}

void MainWindow::onDeviceIdle()
{
    if (QMovie* pMovie = ui->deviceButton->movie()) {
        pMovie->stop();
        ui->deviceButton->clear();
        delete pMovie;
    }
    if (ui->deviceLabel->text() != QLatin1String(ConnectedText)) {
        ui->deviceButton->setStyleSheet(QLatin1String(DisconnectedStyle));
        return;
    }
    ui->deviceButton->setStyleSheet(QLatin1String(ConnectedStyle));
}

void MainWindow::onSettingsClicked() {}

void MainWindow::onUpdateFirmware() {}

void MainWindow::backUp() {}

void MainWindow::restore() {}

void MainWindow::onProxyAuthenticationRequired(QNetworkProxy proxy, QAuthenticator* authenticator)
{
    // No credentials are supplied: the request then fails authentication.
    Q_UNUSED(proxy)
    Q_UNUSED(authenticator)
}

void MainWindow::onAuthenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator)
{
    Q_UNUSED(reply)
    Q_UNUSED(authenticator)
}

// ---------------------------------------------------------------------------------------------------------------
// Preset data from the device worker. Every array handed over belongs to this window from here on.

void MainWindow::onSinglePresetData(int storage, int presetBase, int presetOffset, int* presetData,
                                    int maxPresetNameLength, int maxPresetParamLength, int hardwareProductCode,
                                    int hardwarePatchVersion)
{
    const std::unique_ptr<int[]> record(presetData);
    Q_UNUSED(storage)
    Q_UNUSED(presetBase)
    Q_UNUSED(presetOffset)
    Q_UNUSED(maxPresetNameLength)
    Q_UNUSED(maxPresetParamLength)
    Q_UNUSED(hardwareProductCode)
    Q_UNUSED(hardwarePatchVersion)
}

void MainWindow::onSinglePresetData(int storage, int presetBase, int presetOffset, QString strName,
                                    int maxPresetNameLength, int maxPresetParamLength, int hardwareProductCode,
                                    int hardwarePatchVersion)
{
    Q_UNUSED(storage)
    Q_UNUSED(presetBase)
    Q_UNUSED(presetOffset)
    Q_UNUSED(strName)
    Q_UNUSED(maxPresetNameLength)
    Q_UNUSED(maxPresetParamLength)
    Q_UNUSED(hardwareProductCode)
    Q_UNUSED(hardwarePatchVersion)
}

void MainWindow::onPresetData(int storage, int presetBase, int presetCount, QStringList strNames)
{
    Q_UNUSED(storage)
    Q_UNUSED(presetBase)
    Q_UNUSED(presetCount)
    Q_UNUSED(strNames)
}

void MainWindow::onPresetData(int storage, int presetBase, int presetCount, const int* presetData,
                              int maxPresetNameLength, int maxPresetParamLength, int hardwareProductCode,
                              int hardwarePatchVersion)
{
    const std::unique_ptr<const int[]> records(presetData);
    Q_UNUSED(storage)
    Q_UNUSED(presetBase)
    Q_UNUSED(presetCount)
    Q_UNUSED(maxPresetNameLength)
    Q_UNUSED(maxPresetParamLength)
    Q_UNUSED(hardwareProductCode)
    Q_UNUSED(hardwarePatchVersion)
}

void MainWindow::onSetListData(int setListNum, const int* data)
{
    const std::unique_ptr<const int[]> setList(data);
    Q_UNUSED(setListNum)
}

void MainWindow::updateSetlits() {}

void MainWindow::onNewVersions(QString dspVersion, QString dspUrl, QString fwVersion, QString fwUrl, QString appVersion,
                               QString appUrl, bool bAppUpdate)
{
    Q_UNUSED(dspVersion)
    Q_UNUSED(dspUrl)
    Q_UNUSED(fwVersion)
    Q_UNUSED(fwUrl)
    Q_UNUSED(appVersion)
    Q_UNUSED(appUrl)
    Q_UNUSED(bAppUpdate)
}

void MainWindow::onAppDownLoadFinished(QString installer)
{
    Q_UNUSED(installer)
}
