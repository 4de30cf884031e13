// The main window: widget tree, the file-system pane's up button, tab switching while dragging, persisted
// geometry and splitters, Help and About, copying an older data folder, and the connection display.

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
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <QtTest>
#include <memory>

namespace {

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

// Each widget as "name class container": the container holds it somewhere below.
// clang-format off
const QStringList kWidgets = {
    "centralwidget QWidget MainWindow", "widgetTopPanel QWidget centralwidget", "labelLogo QLabel widgetTopPanel",
    "widgetDevice QWidget widgetTopPanel", "deviceButton QLabel widgetDevice", "deviceLabel QLabel widgetDevice",
    "refreshButton QPushButton widgetTopPanel", "updateButton QPushButton widgetTopPanel",
    "settingsButton QPushButton widgetTopPanel", "helpButton QPushButton widgetTopPanel",
    "contentBackground QWidget centralwidget", "splitterMain QSplitter contentBackground",
    "widgetUserPreset QWidget splitterMain", "listWidgetUserPreset ContentWidget widgetUserPreset",
    "tabFileFactorySet QTabWidget splitterMain", "widgetFileBrowser QWidget tabFileView",
    "pushButtonBrowse QPushButton widgetFileBrowser", "lineEditBroswerPath QLineEdit widgetFileBrowser",
    "pushButtonUp QPushButton widgetFileBrowser", "widgetFileTreeList QWidget tabFileView",
    "splitterView QSplitter widgetFileTreeList", "treeViewFileBrowser QTreeView splitterView",
    "listViewFileBrowser QListView splitterView", "listWidgetFactoryPresets ContentWidget tabFactoryView",
    "listWidgetFavorites ContentWidget tabFavorites", "listWidgetSetListA ContentWidget tabSetListA",
    "listWidgetSetListB ContentWidget tabSetListB", "listWidgetSetListC ContentWidget tabSetListC",
    "listWidgetSetListD ContentWidget tabSetListD", "widgetBackupRestore QWidget centralwidget",
    "backUp QPushButton widgetBackupRestore", "restore QPushButton widgetBackupRestore"};
// clang-format on

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

    void widgetTree();
    void updateButtonNeverShown();
    void tabSwitchWhileDragging_data();
    void tabSwitchWhileDragging();
    void browse_data();
    void browse();
    void geometryAndSplittersPersist();
    void storedStateDecidesGeometry_data();
    void storedStateDecidesGeometry();
    void aboutText_data();
    void aboutText();
    void helpF1();
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

void TestMainWindow::widgetTree()
{
    auto window = makeWindow();
    for (const QString& row : kWidgets) {
        const QStringList w = row.split(' ');
        const QList<QWidget*> found = window->findChildren<QWidget*>(w.at(0));
        QVERIFY2(found.size() == 1, qPrintable(row));
        QCOMPARE(QString(found.first()->metaObject()->className()), w.at(1));
        const QWidget* container = w.at(2) == "MainWindow" ? window.get() : child<QWidget>(window.get(), w.at(2));
        QVERIFY2(container->isAncestorOf(found.first()), qPrintable(row));
    }
    const QString tip = "<html><head/><body><p>%1</p></body></html>";
    QCOMPARE(child<QLabel>(window.get(), "deviceLabel")->text(), QString("Disconnected"));
    QCOMPARE(child<QPushButton>(window.get(), "backUp")->text(), QString("<<Back Up"));
    QCOMPARE(child<QPushButton>(window.get(), "backUp")->toolTip(), tip.arg("Back up user presets from device."));
    QCOMPARE(child<QPushButton>(window.get(), "restore")->text(), QString("Restore>>"));
    QCOMPARE(child<QPushButton>(window.get(), "restore")->toolTip(),
             tip.arg("Load user presets to device from a backed up file."));
}

void TestMainWindow::updateButtonNeverShown()
{
    auto window = makeWindow();
    auto* update = child<QPushButton>(window.get(), "updateButton");
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(child<QPushButton>(window.get(), "helpButton")->isVisible());
    QVERIFY(!update->isVisible());
    emit DeviceManagerThread::instance()->deviceDetected(UsbIds::CadenzoProductId);
    QVERIFY(!update->isVisible());
}

void TestMainWindow::tabSwitchWhileDragging_data()
{
    QTest::addColumn<int>("secondTab"); // -1: no second move
    QTest::addColumn<int>("expected");  // -1: the drag leaves, no switch
    QTest::newRow("rest on Set List B") << -1 << 4;
    QTest::newRow("moving on to Set List C restarts the wait") << 5 << 5;
    QTest::newRow("leaving cancels") << -1 << -1;
}

void TestMainWindow::tabSwitchWhileDragging()
{
    QFETCH(int, secondTab);
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
        send(QEvent::DragMove, bar->tabRect(secondTab).center());
        clock.restart();
    }
    if (expected < 0) {
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
    QTest::addColumn<QString>("start"); // typed into the path line, then Up pressed n times
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("expected"); // empty: the list of drives

    const QString base = QDir(m_home.path()).canonicalPath();
    QTest::newRow("up from a nested folder") << base + "/x/y" << 1 << base + "/x";
    QTest::newRow("up twice") << base + "/x/y" << 2 << base;
    QTest::newRow("up from a folder under the root") << "/tmp" << 1 << "/";
    QTest::newRow("up from the root") << "/" << 1 << "";
    QTest::newRow("up past the root") << "/tmp" << 2 << "";
    QTest::newRow("missing folder typed") << base + "/x/missing" << 0 << g_productFolder;
}

void TestMainWindow::browse()
{
    QFETCH(QString, start);
    QFETCH(int, presses);
    QFETCH(QString, expected);

    QVERIFY(QDir().mkpath(m_home.path() + "/x/y"));
    auto window = makeWindow();
    auto* line = child<QLineEdit>(window.get(), "lineEditBroswerPath");
    auto* list = child<QListView>(window.get(), "listViewFileBrowser");
    auto* tree = child<QTreeView>(window.get(), "treeViewFileBrowser");
    auto* files = qobject_cast<QFileSystemModel*>(list->model());
    auto* folders = qobject_cast<QFileSystemModel*>(tree->model());
    QCOMPARE(line->text(), g_productFolder);

    line->setText(start);
    QTest::keyClick(line, Qt::Key_Return);
    for (int i = 0; i < presses; ++i)
        child<QPushButton>(window.get(), "pushButtonUp")->click();

    if (presses > 0)
        QCOMPARE(line->text(), expected);
    if (expected.isEmpty()) {
        QVERIFY(!list->rootIndex().isValid());
        QVERIFY(files->rootPath().isEmpty() && folders->rootPath().isEmpty());
    } else {
        QCOMPARE(files->filePath(list->rootIndex()), expected);
        QCOMPARE(folders->filePath(tree->currentIndex()), expected);
    }
    // The browse folder is where the next run starts.
    window->close();
    QCOMPARE(CSettings::instance()->fileSystemPath(), expected);
}

void TestMainWindow::geometryAndSplittersPersist()
{
    const QStringList splitters = {"splitterMain", "splitterView"};
    QList<QList<int>> saved;
    QRect geometry;
    {
        auto first = makeWindow();
        first->setGeometry(60, 70, 980, 690);
        first->show();
        QVERIFY(QTest::qWaitForWindowExposed(first.get()));
        for (const QString& name : splitters) {
            auto* splitter = child<QSplitter>(first.get(), name);
            const QList<int> defaults = splitter->sizes();
            splitter->setSizes({defaults.at(0) + 60, defaults.at(1) - 60});
            QVERIFY(splitter->sizes() != defaults);
            saved.append(splitter->sizes());
        }
        geometry = first->geometry();
        QVERIFY(first->close());
    }
    auto second = makeWindow();
    second->show();
    QVERIFY(QTest::qWaitForWindowExposed(second.get()));
    QCOMPARE(second->geometry(), geometry);
    for (int i = 0; i < splitters.size(); ++i)
        QCOMPARE(child<QSplitter>(second.get(), splitters.at(i))->sizes(), saved.at(i));
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
    QTest::addColumn<QString>("version");
    QTest::newRow("without build") << false << "Stage Librarian 2.3.4";
    QTest::newRow("with build") << true << "Stage Librarian 2.3.4, build 77";
}

void TestMainWindow::aboutText()
{
    QFETCH(bool, showBuild);
    QFETCH(QString, version);

    auto window = makeWindow(showBuild ? "true" : "false");
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->onTriggeredAbout();
    const QList<CSplashScreen*> splashes = window->findChildren<CSplashScreen*>();
    QCOMPARE(splashes.size(), 1);
    QVERIFY(splashes.first()->isVisible());
    QCOMPARE(child<QLabel>(splashes.first(), QString())->text(),
             "<b>" + version +
                 "</b><br/><a href=\"https://a.example.org/ariette\"><b>Ariette page</b></a>"
                 "<br/><a href=\"https://c.example.org/cadenzo\"><b>Cadenzo page</b></a>");
    splashes.first()->close();
}

void TestMainWindow::helpF1()
{
    UrlRecorder browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    auto window = makeWindow("false", "https://help.example.org/stage");
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(browser.urls, QList<QUrl>{QUrl("https://help.example.org/stage")});
}

void TestMainWindow::copyDirectory()
{
    QTemporaryDir dir;
    const QString from = dir.path() + "/legacy";
    const QString to = dir.path() + "/new/deep";
    MainWindow window;
    window.copyDirectory(from, to);
    QVERIFY(!QFileInfo::exists(dir.path() + "/new")); // nothing to copy: no target folder either

    writeFile(from + "/kept.tarp", "from legacy");
    writeFile(from + "/copied.tarp", "copied");
    writeFile(from + "/sub/deeper/nested.tarb", "nested");
    writeFile(to + "/kept.tarp", "user's own");
    window.copyDirectory(from, to);
    QCOMPARE(readFile(to + "/kept.tarp"), QByteArray("user's own")); // never overwritten
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
    QTest::newRow("Ariette") << int(UsbIds::ArietteProductId) << "Connected" << connected
                             << logo.arg("logoAriette").arg(196).arg(196) << "*.tarp";
    QTest::newRow("Cadenzo") << int(UsbIds::CadenzoProductId) << "Connected" << connected
                             << logo.arg("logoCadenzo").arg(225).arg(260) << "*.tscp";
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
    auto* user = child<ContentWidget>(window.get(), "listWidgetUserPreset");
    user->addEntry(new PresetButton());
    // Through the worker's signals, as the poll delivers them.
    if (pid != 0)
        emit DeviceManagerThread::instance()->deviceDetected(pid);
    else
        emit DeviceManagerThread::instance()->deviceRemoved();

    QCOMPARE(child<QLabel>(window.get(), "deviceLabel")->text(), label);
    QCOMPARE(child<QLabel>(window.get(), "deviceButton")->styleSheet(), indicator);
    QCOMPARE(child<QLabel>(window.get(), "labelLogo")->styleSheet(), logo);
    auto* files = qobject_cast<QFileSystemModel*>(child<QListView>(window.get(), "listViewFileBrowser")->model());
    QCOMPARE(files->nameFilters(), QStringList{pattern});
    QCOMPARE(user->count(), pid != 0 ? 1 : 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
