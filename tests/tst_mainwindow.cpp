// The main window: widget tree, info.ini and data folders, the file-system pane, tab switching while
// dragging, persisted geometry and splitters, Help and About, and the connection display.

#include "DeviceManagerThread.h"
#include "Settings.h"
#include "app.h"
#include "contentwidget.h"
#include "globals.h"
#include "mainwindow.h"
#include "splashscreen.h"
#include "usbids.h"

#include <QDesktopServices>
#include <QFileSystemModel>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QMovie>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>
#include <memory>

namespace {

QStringList g_captured;
void captureMessage(QtMsgType, const QMessageLogContext&, const QString& text)
{
    g_captured.append(text);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

template <typename T> T* child(const QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (found == nullptr)
        qFatal("no child %s", qPrintable(name));
    return found;
}

QString html(const char* text)
{
    return QStringLiteral("<html><head/><body><p>%1</p></body></html>").arg(QLatin1String(text));
}

// name, class, a widget it lies in, text ("-" for none to check), tool tip
struct WidgetRow
{
    const char* name;
    const char* className;
    const char* ancestor;
    const char* text;
    const char* toolTip;
};
const WidgetRow kWidgets[] = {
    {"centralwidget", "QWidget", "MainWindow", "-", ""},
    {"widgetTopPanel", "QWidget", "centralwidget", "-", ""},
    {"labelLogo", "QLabel", "widgetTopPanel", "", ""},
    {"widgetDevice", "QWidget", "widgetTopPanel", "-", ""},
    {"deviceButton", "QLabel", "widgetDevice", "", ""},
    {"deviceLabel", "QLabel", "widgetDevice", "Disconnected", ""},
    {"refreshButton", "QPushButton", "widgetTopPanel", "", "Refresh presets"},
    {"updateButton", "QPushButton", "widgetTopPanel", "", "Update Firmware"},
    {"settingsButton", "QPushButton", "widgetTopPanel", "", "Settings"},
    {"helpButton", "QPushButton", "widgetTopPanel", "", "Help"},
    {"contentBackground", "QWidget", "centralwidget", "-", ""},
    {"splitterMain", "QSplitter", "contentBackground", "-", ""},
    {"widgetUserPreset", "QWidget", "splitterMain", "-", ""},
    {"listWidgetUserPreset", "ContentWidget", "widgetUserPreset", "-", ""},
    {"tabFileFactorySet", "QTabWidget", "splitterMain", "-", ""},
    {"widgetFileBrowser", "QWidget", "tabFileView", "-", ""},
    {"pushButtonBrowse", "QPushButton", "widgetFileBrowser", "", "Browse"},
    {"lineEditBroswerPath", "QLineEdit", "widgetFileBrowser", "-", ""},
    {"pushButtonUp", "QPushButton", "widgetFileBrowser", "", ""},
    {"widgetFileTreeList", "QWidget", "tabFileView", "-", ""},
    {"splitterView", "QSplitter", "widgetFileTreeList", "-", ""},
    {"treeViewFileBrowser", "QTreeView", "splitterView", "-", ""},
    {"listViewFileBrowser", "QListView", "splitterView", "-", ""},
    {"listWidgetFactoryPresets", "ContentWidget", "tabFactoryView", "-", ""},
    {"listWidgetFavorites", "ContentWidget", "tabFavorites", "-", ""},
    {"listWidgetSetListA", "ContentWidget", "tabSetListA", "-", ""},
    {"listWidgetSetListB", "ContentWidget", "tabSetListB", "-", ""},
    {"listWidgetSetListC", "ContentWidget", "tabSetListC", "-", ""},
    {"listWidgetSetListD", "ContentWidget", "tabSetListD", "-", ""},
    {"widgetBackupRestore", "QWidget", "centralwidget", "-", ""},
    {"backUp", "QPushButton", "widgetBackupRestore", "<<Back Up", "Back up user presets from device."},
    {"restore", "QPushButton", "widgetBackupRestore", "Restore>>",
     "Load user presets to device from a backed up file."},
};

// layout, class, owner widget, spacing, margins
struct LayoutRow
{
    const char* name;
    const char* className;
    const char* owner;
    int spacing;
    QMargins margins;
};
const LayoutRow kLayouts[] = {
    {"verticalLayoutMain", "QVBoxLayout", "centralwidget", 0, {25, 30, 25, 40}},
    {"horizontalLayout", "QHBoxLayout", "widgetTopPanel", 5, {}},
    {"horizontalLayoutDevice", "QHBoxLayout", "widgetDevice", 0, {}},
    {"verticalLayout", "QVBoxLayout", "contentBackground", 0, {2, 2, 2, 2}},
    {"verticalLayout_2", "QVBoxLayout", "widgetUserPreset", 0, {0, 2, 5, 2}},
    {"verticalLayoutFile", "QVBoxLayout", "tabFileView", 7, {7, 4, 7, 5}},
    {"horizontalLayoutBrowser", "QHBoxLayout", "widgetFileBrowser", 4, {}},
    {"horizontalLayoutFileBrowser", "QHBoxLayout", "widgetFileTreeList", 2, {5, 2, 5, 2}},
    {"verticalLayoutFactory", "QVBoxLayout", "tabFactoryView", 0, {0, 2, 5, 2}},
    {"verticalLayout_3", "QVBoxLayout", "tabFavorites", 0, {0, 2, 5, 2}},
    {"verticalLayoutSetListA", "QVBoxLayout", "tabSetListA", 0, {0, 2, 5, 2}},
    {"verticalLayoutSetListB", "QVBoxLayout", "tabSetListB", 0, {0, 2, 5, 2}},
    {"verticalLayoutSetListC", "QVBoxLayout", "tabSetListC", 0, {0, 2, 5, 2}},
    {"horizontalLayoutSetListD", "QHBoxLayout", "tabSetListD", 0, {0, 2, 5, 2}},
    {"horizontalLayoutBackupRestore", "QHBoxLayout", "widgetBackupRestore", 50, {}},
};

const QStringList kLists = {"listWidgetUserPreset", "listWidgetFactoryPresets", "listWidgetFavorites",
                            "listWidgetSetListA",   "listWidgetSetListB",       "listWidgetSetListC",
                            "listWidgetSetListD"};

} // namespace

// Stands in for the desktop's browser: records what the program asks to open.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup() { QSettings("Aurivell", "TessitraStageLibrarian").remove("Settings"); }

    void widgetTree_data();
    void widgetTree();
    void tabsAndLists();
    void initializeReadsInfoIni_data();
    void initializeReadsInfoIni();
    void tabSwitchWhileDragging_data();
    void tabSwitchWhileDragging();
    void browse_data();
    void browse();
    void geometryAndSplittersPersist();
    void storedStateDecidesGeometry_data();
    void storedStateDecidesGeometry();
    void aboutText_data();
    void aboutText();
    void helpMenuAndF1_data();
    void helpMenuAndF1();
    void copyDirectory_data();
    void copyDirectory();
    void deviceStatus_data();
    void deviceStatus();

private:
    std::unique_ptr<MainWindow> makeWindow(const QByteArray& showBuild = "false",
                                           const QByteArray& helpUrl = "https://help.example.org/stage");

    QTemporaryDir m_home;
    QString m_infoIni;
    QByteArray m_savedInfoIni;
};

void TestMainWindow::initTestCase()
{
    initTessitraResources();
    QVERIFY(m_home.isValid());
    qputenv("HOME", m_home.path().toLocal8Bit());
    buildDataFolders(m_home.path());
    // The settings store lives in the temporary home; CSettings is first used after this.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path() + "/config");
    // info.ini is read from beside the executable: put back whatever the build left there.
    m_infoIni = QCoreApplication::applicationDirPath() + "/info.ini";
    m_savedInfoIni = readFile(m_infoIni);
}

void TestMainWindow::cleanupTestCase()
{
    if (m_savedInfoIni == "<missing>")
        QFile::remove(m_infoIni);
    else
        writeFile(m_infoIni, m_savedInfoIni);
}

std::unique_ptr<MainWindow> TestMainWindow::makeWindow(const QByteArray& showBuild, const QByteArray& helpUrl)
{
    writeFile(m_infoIni, "[about]\nversion=Stage Librarian 2.3.4\nbuild=77\nshowbuild=" + showBuild +
                             "\nurlAriette=https://a.example.org/ariette\nurllabelAriette=Ariette page\n"
                             "urlCadenzo=https://c.example.org/cadenzo\nurllabelCadenzo=Cadenzo page\n"
                             "[help]\nurl=" +
                             helpUrl +
                             "\n[update]\nurl=http://updates.example.org\nversion=2.3.4\nwrongDSP=1.1\nwrongFW=2.2\n");
    auto window = std::make_unique<MainWindow>();
    window->initialize();
    return window;
}

void TestMainWindow::widgetTree_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kWidgets)); ++i)
        QTest::newRow(kWidgets[i].name) << i;
    for (int i = 0; i < int(std::size(kLayouts)); ++i)
        QTest::newRow(kLayouts[i].name) << -1 - i;
}

void TestMainWindow::widgetTree()
{
    QFETCH(int, row);
    auto window = makeWindow();
    if (row < 0) {
        const LayoutRow& l = kLayouts[-1 - row];
        QLayout* layout = child<QWidget>(window.get(), l.owner)->layout();
        QVERIFY(layout != nullptr);
        QCOMPARE(layout->objectName(), QString(l.name));
        QCOMPARE(QString(layout->metaObject()->className()), QString(l.className));
        QCOMPARE(layout->spacing(), l.spacing);
        QCOMPARE(layout->contentsMargins(), l.margins);
        return;
    }
    const WidgetRow& w = kWidgets[row];
    const QList<QWidget*> found = window->findChildren<QWidget*>(w.name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString(found.first()->metaObject()->className()), QString(w.className));
    const QWidget* container =
        QString(w.ancestor) == "MainWindow" ? window.get() : child<QWidget>(window.get(), w.ancestor);
    QVERIFY(container->isAncestorOf(found.first()));
    if (QString(w.text) != "-")
        QCOMPARE(found.first()->property("text").toString(), QString(w.text));
    QCOMPARE(found.first()->toolTip(), *w.toolTip ? html(w.toolTip) : QString());
}

void TestMainWindow::tabsAndLists()
{
    auto window = makeWindow();
    QCOMPARE(g_mainWindow, window.get());
    QCOMPARE(g_authenticationHandler, static_cast<QObject*>(window.get()));
    QCOMPARE(window->windowTitle(), QString("Tessitra Stage Librarian"));
    QCOMPARE(window->minimumSize(), QSize(900, 600));

    auto* tabs = child<QTabWidget>(window.get(), "tabFileFactorySet");
    const QStringList pages = {"tabFileView", "tabFactoryView", "tabFavorites", "tabSetListA",
                               "tabSetListB", "tabSetListC",    "tabSetListD"};
    const QStringList texts = {"File System", "Factory Presets", "Favorites", "Set List A",
                               "Set List B",  "Set List C",      "Set List D"};
    QCOMPARE(tabs->count(), 7);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(tabs->widget(i)->objectName(), pages.at(i));
        QCOMPARE(tabs->tabText(i), texts.at(i));
    }
    QCOMPARE(tabs->currentIndex(), 0);

    const QStringList roles = {"UserPresets", "FactoryPresets", "SetList", "SetList", "SetList", "SetList", "SetList"};
    for (int i = 0; i < kLists.size(); ++i) {
        auto* list = child<ContentWidget>(window.get(), kLists.at(i));
        QCOMPARE(list->role(), roles.at(i));
        QCOMPARE(list->spacing(), 12);
        QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
        if (i >= 2)
            QCOMPARE(list->setListIndex(), i - 2);
    }

    // The update button is never shown; the unit's buttons wait for a unit.
    auto* update = child<QPushButton>(window.get(), "updateButton");
    for (const char* name : {"refreshButton", "backUp", "restore"})
        QVERIFY(!child<QPushButton>(window.get(), name)->isEnabled());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(child<QPushButton>(window.get(), "helpButton")->isVisible());
    QVERIFY(!update->isVisible());

    // File dialogs of the lists start in the connected model's folders, factory or user.
    auto* factory = child<ContentWidget>(window.get(), "listWidgetFactoryPresets");
    auto* user = child<ContentWidget>(window.get(), "listWidgetUserPreset");
    QCOMPARE(factory->currentFolder(), g_arietteFactoryPresetsFolder);
    emit DeviceManagerThread::instance()->deviceDetected(UsbIds::CadenzoProductId);
    QCOMPARE(factory->currentFolder(), g_cadenzoFactoryPresetsFolder);
    QCOMPARE(user->currentFolder(), g_cadenzoUserPresetsFolder);
    QVERIFY(!update->isVisible());
}

void TestMainWindow::initializeReadsInfoIni_data()
{
    QTest::addColumn<QByteArray>("showBuild");
    QTest::addColumn<bool>("expected");
    QTest::newRow("true") << QByteArray("true") << true;
    QTest::newRow("TRUE") << QByteArray("TRUE") << true;
    QTest::newRow("1") << QByteArray("1") << true;
    QTest::newRow("FaLsE") << QByteArray("FaLsE") << false;
    QTest::newRow("0") << QByteArray("0") << false;
    QTest::newRow("empty") << QByteArray("") << false;
}

void TestMainWindow::initializeReadsInfoIni()
{
    QFETCH(QByteArray, showBuild);
    QFETCH(bool, expected);

    // An older data folder whose files are carried into the new one.
    writeFile(g_legacyArietteFolder + "/User Presets/Old.tarp", "legacy preset");
    g_captured.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
    auto window = makeWindow(showBuild);
    qInstallMessageHandler(previous);

    QCOMPARE(g_showBuild, expected);
    QCOMPARE(g_wrongDsp + g_wrongFw, QString("1.12.2"));
    const QStringList lines = g_captured.filter(QRegularExpression("^g_"));
    QCOMPARE(lines, QStringList({"g_version: Stage Librarian 2.3.4", "g_build: 77",
                                 QString("g_showBuild: ") + (expected ? "true" : "false"),
                                 "g_urlariette: https://a.example.org/ariette", "g_urlLabelariette: Ariette page",
                                 "g_urlcadenzo: https://c.example.org/cadenzo", "g_urlLabelcadenzo: Cadenzo page",
                                 "g_helpUrl: https://help.example.org/stage", "g_updateUrl: http://updates.example.org",
                                 "g_appSwVersion: 2.3.4"}));

    for (const QString& folder : {g_arietteFactoryPresetsFolder, g_arietteBackUpFolder, g_cadenzoUserPresetsFolder,
                                  g_cadenzoFactoryPresetsFolder, g_cadenzoBackUpFolder, g_downloadsFolder})
        QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
    QCOMPARE(readFile(g_arietteUserPresetsFolder + "/Old.tarp"), QByteArray("legacy preset"));
    QVERIFY(QFile::exists(g_legacyArietteFolder + "/User Presets/Old.tarp"));
}

void TestMainWindow::tabSwitchWhileDragging_data()
{
    QTest::addColumn<int>("secondTab"); // -1: no second move; -2: a move reported at (0, 0)
    QTest::addColumn<bool>("leave");
    QTest::addColumn<int>("expected"); // -1: no switch
    QTest::newRow("rest on Set List B") << -1 << false << 4;
    QTest::newRow("moving on to Set List C restarts the wait") << 5 << false << 5;
    QTest::newRow("a move at (0, 0) changes nothing") << -2 << false << 4;
    QTest::newRow("leaving cancels") << -1 << true << -1;
}

void TestMainWindow::tabSwitchWhileDragging()
{
    QFETCH(int, secondTab);
    QFETCH(bool, leave);
    QFETCH(int, expected);

    auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* tabs = child<QTabWidget>(window.get(), "tabFileFactorySet");
    QTabBar* bar = tabs->tabBar();
    QVERIFY(bar->acceptDrops());
    QCOMPARE(tabs->tabText(4), QString("Set List B"));
    QSignalSpy changes(tabs, &QTabWidget::currentChanged);

    QMimeData mime;
    mime.setData("application/aurivell/tessitrastageariette/dragndropPresets", "1");
    const auto send = [&](QEvent::Type type, QPoint pos) {
        QDragMoveEvent event(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier, type);
        QApplication::sendEvent(bar, &event);
        return event.isAccepted();
    };
    QVERIFY(send(QEvent::DragEnter, bar->tabRect(4).center()));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!send(QEvent::DragMove, bar->tabRect(4).center())); // nothing is dropped on the tab bar

    if (secondTab != -1) {
        QTest::qWait(250);
        QCOMPARE(tabs->currentIndex(), 0);
        send(QEvent::DragMove, secondTab == -2 ? QPoint(0, 0) : bar->tabRect(secondTab).center());
        if (secondTab >= 0)
            clock.restart();
    }
    if (leave) {
        QDragLeaveEvent left;
        QApplication::sendEvent(bar, &left);
        QTest::qWait(800);
        QCOMPARE(changes.count(), 0);
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(tabs->currentIndex(), expected, 3000);
    // Half a second from the last change of tab, less the timer's own tolerance.
    QVERIFY2(clock.elapsed() >= 450, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(changes.count(), 1);
}

void TestMainWindow::browse_data()
{
    QTest::addColumn<QString>("how"); // up (pressed n times), line, tree, list
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("expected"); // empty: the list of drives

    const QString base = QDir(m_home.path()).canonicalPath();
    QTest::newRow("up from a nested folder") << "up" << base + "/x/y" << 1 << base + "/x";
    QTest::newRow("up twice") << "up" << base + "/x/y" << 2 << base;
    QTest::newRow("up from a folder under the root") << "up"
                                                     << "/tmp" << 1 << "/";
    QTest::newRow("up from the root") << "up"
                                      << "/" << 1 << "";
    QTest::newRow("up past the root") << "up"
                                      << "/tmp" << 2 << "";
    QTest::newRow("line edit, missing folder") << "line" << base + "/x/missing" << 0 << g_productFolder;
    QTest::newRow("line edit, a file") << "line" << base + "/x/notes.tarp" << 0 << g_productFolder;
    QTest::newRow("tree press") << "tree" << base + "/x/y" << 0 << base + "/x/y";
    QTest::newRow("list double-click, folder") << "list" << base + "/x/y" << 0 << base + "/x/y";
    QTest::newRow("list double-click, file") << "list" << base + "/x/notes.tarp" << 0 << g_productFolder;
}

void TestMainWindow::browse()
{
    QFETCH(QString, how);
    QFETCH(QString, start);
    QFETCH(int, presses);
    QFETCH(QString, expected);

    QVERIFY(QDir().mkpath(m_home.path() + "/x/y"));
    writeFile(m_home.path() + "/x/notes.tarp", "preset");
    auto window = makeWindow();
    auto* line = child<QLineEdit>(window.get(), "lineEditBroswerPath");
    auto* list = child<QListView>(window.get(), "listViewFileBrowser");
    auto* tree = child<QTreeView>(window.get(), "treeViewFileBrowser");
    auto* files = qobject_cast<QFileSystemModel*>(list->model());
    auto* folders = qobject_cast<QFileSystemModel*>(tree->model());
    QCOMPARE(line->text(), g_productFolder);
    QCOMPARE(files->filePath(list->rootIndex()), g_productFolder);

    if (how == "tree") {
        folders->setRootPath(start);
        emit tree->pressed(folders->index(start));
    } else if (how == "list") {
        emit list->doubleClicked(files->index(start));
    } else {
        line->setText(start);
        QTest::keyClick(line, Qt::Key_Return);
        for (int i = 0; i < presses; ++i)
            child<QPushButton>(window.get(), "pushButtonUp")->click();
    }

    if (how != "line")
        QCOMPARE(line->text(), expected);
    if (expected.isEmpty()) {
        QVERIFY(!list->rootIndex().isValid());
        QVERIFY(files->rootPath().isEmpty() && folders->rootPath().isEmpty());
        QVERIFY(!tree->selectionModel()->hasSelection());
    } else {
        QCOMPARE(files->filePath(list->rootIndex()), expected);
        if (how != "tree")
            QCOMPARE(folders->filePath(tree->currentIndex()), expected);
    }
    // The browse folder is where the next run starts.
    window->close();
    QCOMPARE(CSettings::instance()->fileSystemPath(), expected);
}

void TestMainWindow::geometryAndSplittersPersist()
{
    QList<int> mainSizes;
    QList<int> viewSizes;
    QRect geometry;
    {
        auto first = makeWindow();
        first->setGeometry(60, 70, 980, 690);
        first->show();
        QVERIFY(QTest::qWaitForWindowExposed(first.get()));
        auto* splitterMain = child<QSplitter>(first.get(), "splitterMain");
        auto* splitterView = child<QSplitter>(first.get(), "splitterView");
        const QList<int> defaultMain = splitterMain->sizes();
        const QList<int> defaultView = splitterView->sizes();
        splitterMain->setSizes({defaultMain.at(0) + 60, defaultMain.at(1) - 60});
        splitterView->setSizes({defaultView.at(0) + 90, defaultView.at(1) - 90});
        mainSizes = splitterMain->sizes();
        viewSizes = splitterView->sizes();
        QVERIFY(mainSizes != defaultMain && viewSizes != defaultView);
        geometry = first->geometry();
        QVERIFY(first->close());
    }
    auto second = makeWindow();
    second->show();
    QVERIFY(QTest::qWaitForWindowExposed(second.get()));
    QCOMPARE(second->geometry(), geometry);
    QCOMPARE(child<QSplitter>(second.get(), "splitterMain")->sizes(), mainSizes);
    QCOMPARE(child<QSplitter>(second.get(), "splitterView")->sizes(), viewSizes);
}

void TestMainWindow::storedStateDecidesGeometry_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("applied");
    QTest::newRow("normal") << int(Qt::WindowNoState) << true;
    QTest::newRow("maximised") << int(Qt::WindowMaximized) << false;
}

void TestMainWindow::storedStateDecidesGeometry()
{
    QFETCH(int, state);
    QFETCH(bool, applied);

    QByteArray stored;
    {
        MainWindow sizer;
        sizer.setGeometry(33, 44, 321, 234);
        stored = sizer.saveGeometry();
    }
    CSettings::instance()->setWindowsGeometry(stored);
    CSettings::instance()->setWindowsStates(state);

    auto window = makeWindow();
    window->setMinimumSize(100, 100); // small enough for the offscreen screen
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(int(window->windowState()), state);
    QCOMPARE(window->size() == QSize(321, 234), applied);
}

void TestMainWindow::aboutText_data()
{
    QTest::addColumn<bool>("showBuild");
    QTest::addColumn<QPoint>("windowPos");
    QTest::addColumn<QString>("version");
    QTest::newRow("without build") << false << QPoint(0, 0) << "Stage Librarian 2.3.4";
    QTest::newRow("with build") << true << QPoint(0, 0) << "Stage Librarian 2.3.4, build 77";
    // Windows hanging off the screen: the box is pulled back inside the available area.
    QTest::newRow("window off to the top left") << false << QPoint(-850, -560) << "Stage Librarian 2.3.4";
    QTest::newRow("window off to the bottom right") << false << QPoint(700, 560) << "Stage Librarian 2.3.4";
}

void TestMainWindow::aboutText()
{
    QFETCH(bool, showBuild);
    QFETCH(QPoint, windowPos);
    QFETCH(QString, version);

    auto window = makeWindow(showBuild ? "true" : "false");
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->move(windowPos);

    window->onTriggeredAbout();
    const QList<CSplashScreen*> splashes = window->findChildren<CSplashScreen*>();
    QCOMPARE(splashes.size(), 1);
    CSplashScreen* about = splashes.first();
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowModality(), Qt::ApplicationModal);
    QCOMPARE(child<QLabel>(about, QString())->text(),
             "<b>" + version +
                 "</b><br/><a href=\"https://a.example.org/ariette\"><b>Ariette page</b></a>"
                 "<br/><a href=\"https://c.example.org/cadenzo\"><b>Cadenzo page</b></a>");

    // Centred on the window, then kept inside the primary screen's available area.
    const QSize size = QPixmap(":/images/splash.png").size();
    QVERIFY(!size.isEmpty());
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint centred(window->x() + (window->width() - size.width()) / 2,
                         window->y() + (window->height() - size.height()) / 2);
    const auto clamp = [](int start, int length, int low, int high) {
        return start < low ? low : (start + length > high + 1 ? high + 1 - length : start);
    };
    QCOMPARE(about->pos(), QPoint(clamp(centred.x(), size.width(), area.left(), area.right()),
                                  clamp(centred.y(), size.height(), area.top(), area.bottom())));
    QCOMPARE(about->pos() == centred, windowPos.isNull());
    about->close();
}

void TestMainWindow::helpMenuAndF1_data()
{
    QTest::addColumn<QByteArray>("helpUrl");
    QTest::addColumn<QString>("scheme");
    QTest::newRow("help link") << QByteArray("https://help.example.org/stage") << "https";
    QTest::newRow("empty link") << QByteArray() << "";
}

void TestMainWindow::helpMenuAndF1()
{
    QFETCH(QByteArray, helpUrl);
    QFETCH(QString, scheme);

    UrlRecorder browser;
    QDesktopServices::setUrlHandler(scheme, &browser, "open");
    auto window = makeWindow("false", helpUrl);
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    QDesktopServices::unsetUrlHandler(scheme);
    QCOMPARE(browser.urls, QList<QUrl>{QUrl(QString(helpUrl))});

    // The menu opens right-aligned under its button, at the height it was asked for.
    auto* button = child<QPushButton>(window.get(), "helpButton");
    QMenu* menu = button->menu();
    QCOMPARE(menu->actions().size(), 2);
    QCOMPARE(menu->actions().at(0)->text(), QString("Help"));
    QCOMPARE(menu->actions().at(1)->text(), QString("&About Tessitra Stage Librarian"));
    menu->popup(QPoint(5, 40));
    QCOMPARE(menu->x() + menu->width(), button->mapToGlobal(QPoint(0, 0)).x() + button->width());
    QCOMPARE(menu->y(), 40);
    menu->hide();
}

void TestMainWindow::copyDirectory_data()
{
    QTest::addColumn<bool>("withFiles");
    QTest::addColumn<bool>("sourceExists");
    QTest::newRow("files") << true << true;
    QTest::newRow("empty source") << false << true;
    QTest::newRow("missing source") << false << false;
}

void TestMainWindow::copyDirectory()
{
    QFETCH(bool, withFiles);
    QFETCH(bool, sourceExists);

    QTemporaryDir dir;
    const QString from = dir.path() + "/legacy";
    const QString to = dir.path() + "/new/deep";
    if (sourceExists)
        QVERIFY(QDir().mkpath(from));
    if (withFiles) {
        writeFile(from + "/kept.tarp", "from legacy");
        writeFile(from + "/copied.tarp", "copied");
        writeFile(from + "/sub/deeper/nested.tarb", "nested");
        writeFile(to + "/kept.tarp", "user's own");
    }

    MainWindow window;
    window.copyDirectory(from, to);

    if (!withFiles) {
        QVERIFY(!QFileInfo::exists(dir.path() + "/new")); // nothing to copy: no target folder either
        return;
    }
    QCOMPARE(readFile(to + "/kept.tarp"), QByteArray("user's own"));
    QCOMPARE(readFile(to + "/copied.tarp"), QByteArray("copied"));
    QCOMPARE(readFile(to + "/sub/deeper/nested.tarb"), QByteArray("nested"));
    QCOMPARE(readFile(from + "/kept.tarp"), QByteArray("from legacy"));
}

void TestMainWindow::deviceStatus_data()
{
    QTest::addColumn<int>("pid"); // 0: the unit went away
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<QString>("logo");
    QTest::addColumn<QString>("pattern");

    const QString connected = "border-image: url(:/images/connected.png);";
    const QString logo = "QLabel{border-image: url(:/images/%1.png);min-width: %2; max-width: %3;min-height: 46; "
                         "max-height: 46;}";
    const QString cadenzo = logo.arg("logoCadenzo").arg(225).arg(260);
    QTest::newRow("Ariette") << int(UsbIds::ArietteProductId) << "Connected" << connected
                             << logo.arg("logoAriette").arg(196).arg(196) << "*.tarp";
    QTest::newRow("Cadenzo") << int(UsbIds::CadenzoProductId) << "Connected" << connected << cadenzo << "*.tscp";
    QTest::newRow("other ID") << 0x1234 << "Connected" << connected << cadenzo << "*.tscp";
    QTest::newRow("removed") << 0 << "Disconnected"
                             << "border-image: url(:/images/disconnected.png);" << logo.arg("logo").arg(130).arg(130)
                             << "";
}

void TestMainWindow::deviceStatus()
{
    QFETCH(int, pid);
    QFETCH(QString, label);
    QFETCH(QString, indicator);
    QFETCH(QString, logo);
    QFETCH(QString, pattern);

    auto window = makeWindow();
    window->onDeviceDetected(UsbIds::ArietteProductId);
    for (const QString& name : kLists) {
        auto* entry = new PresetButton();
        entry->resize(119, 35);
        child<ContentWidget>(window.get(), name)->addEntry(entry);
    }
    // Through the worker's signals, as the poll delivers them.
    if (pid != 0)
        emit DeviceManagerThread::instance()->deviceDetected(pid);
    else
        emit DeviceManagerThread::instance()->deviceRemoved();

    auto* indicatorLabel = child<QLabel>(window.get(), "deviceButton");
    QCOMPARE(child<QLabel>(window.get(), "deviceLabel")->text(), label);
    QCOMPARE(indicatorLabel->styleSheet(), indicator);
    QCOMPARE(child<QLabel>(window.get(), "labelLogo")->styleSheet(), logo);
    auto* files = qobject_cast<QFileSystemModel*>(child<QListView>(window.get(), "listViewFileBrowser")->model());
    QCOMPARE(files->nameFilters(), QStringList{pattern});
    // Detection alone leaves them off: they come on once the presets have been read (tst_display).
    for (const char* button : {"refreshButton", "backUp", "restore"})
        QVERIFY(!child<QPushButton>(window.get(), button)->isEnabled());
    for (const QString& name : kLists)
        QCOMPARE(child<ContentWidget>(window.get(), name)->count(), pid != 0 ? 1 : 0);

    // An operation shows the busy animation; its end brings back the same indicator.
    emit DeviceManagerThread::instance()->deviceBusy();
    QPointer<QMovie> movie = indicatorLabel->movie();
    QVERIFY(movie != nullptr);
    QCOMPARE(movie->fileName(), QString(":/images/deviceBusy.gif"));
    emit DeviceManagerThread::instance()->deviceIdle();
    QVERIFY(movie.isNull() && indicatorLabel->movie() == nullptr);
    QCOMPARE(indicatorLabel->styleSheet(), indicator);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
