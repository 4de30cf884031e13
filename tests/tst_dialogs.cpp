// The small dialogs: the splash (what a click closes, links to the browser, the style sheet and its pictures),
// the progress dialog (percentages, a failure waiting for OK, what it ignores when not shown) and the settings
// dialog (which choice is stored when, the factory-preset group, Check Now handing over to the update worker).

#include "DeviceManagerThread.h"
#include "app.h"
#include "globals.h"
#include "progessdialog.h"
#include "settingsdlg.h"
#include "splashscreen.h"

#include "support/EventTap.h"
#include "support/ModalAnswerer.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QPainter>
#include <QProgressBar>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>

namespace {
QStringList g_warnings;

const char* const kAboutText = "<b>Tessitra Stage Librarian 1.0.0</b><br/><a href=\"tessitra-test://ariette\"><b>Stage "
                               "Ariette</b></a><br/><a href=\"www.example.com/cadenzo\"><b>Stage Cadenzo</b></a>";

QPixmap picture()
{
    QPixmap pixmap(560, 340);
    pixmap.fill(QColor(20, 24, 40));
    return pixmap;
}

// The settings dialog's store, read and written behind its back.
std::unique_ptr<QSettings> store()
{
    auto settings = std::make_unique<QSettings>("Aurivell", "TessitraStageLibrarian");
    settings->beginGroup("Settings");
    return settings;
}

// Runs a progress dialog and calls step() once it is shown, the way the workers' queued signals reach it.
int runWith(ProgressDialog& dialog, const QString& text, const std::function<void()>& step)
{
    QTimer::singleShot(0, &dialog, [&] {
        QTRY_VERIFY(dialog.isVisible());
        step();
    });
    QTimer::singleShot(10000, &dialog, [&] { dialog.done(0); }); // a failed check must not leave the loop waiting
    return dialog.exec(text, nullptr);
}

// Stands in for the desktop's browser: records what it was asked to open.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};
} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void splashClicks_data();
    void splashClicks();
    void splashLinks_data();
    void splashLinks();
    void styleSheetParsesAndFindsItsImages();
    void progress_data();
    void progress();
    void progressFailureWaitsForOk();
    void progressIgnoresWhatComesWhenNotShown();
    void settingsChoiceStored_data();
    void settingsChoiceStored();
    void settingsFactoryPresetsOnlyForCadenzo();
    void settingsCheckNow_data();
    void settingsCheckNow();

private:
    UrlRecorder m_browser;
    QTemporaryDir m_config;
};

void TestDialogs::initTestCase()
{
    initTessitraResources();
    QVERIFY(m_config.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    QDesktopServices::setUrlHandler("tessitra-test", &m_browser, "open");
    QDesktopServices::setUrlHandler("http", &m_browser, "open");
}

void TestDialogs::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler("tessitra-test");
    QDesktopServices::unsetUrlHandler("http");
}

void TestDialogs::splashClicks_data()
{
    QTest::addColumn<bool>("startup");
    QTest::addColumn<bool>("onText");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<bool>("closes");
    QTest::newRow("start-up, picture") << true << false << false << false;
    QTest::newRow("start-up, picture, double-click") << true << false << true << false;
    QTest::newRow("start-up, text") << true << true << false << false;
    QTest::newRow("about, picture") << false << false << false << true;
    QTest::newRow("about, picture, double-click") << false << false << true << true;
    QTest::newRow("about, text") << false << true << false << false;
}

void TestDialogs::splashClicks()
{
    QFETCH(bool, startup);
    QFETCH(bool, onText);
    QFETCH(bool, doubleClick);
    QFETCH(bool, closes);
    QPointer<CSplashScreen> splash =
        new CSplashScreen(nullptr, picture(), startup ? "<b>Loading...</b>" : kAboutText, startup);
    QCOMPARE(bool(splash->windowFlags() & Qt::WindowStaysOnTopHint), startup);
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QLabel* label = splash->findChild<QLabel*>();
    // The label ignores presses outside its links, so they reach the splash at the same spot.
    const QPoint at = onText ? label->geometry().topLeft() + QPoint(3, 3) : QPoint(splash->width() - 20, 20);
    QCOMPARE(label->frameGeometry().contains(at), onText);
    if (doubleClick)
        QTest::mouseDClick(splash, Qt::LeftButton, Qt::NoModifier, at);
    else
        QTest::mouseClick(splash, Qt::LeftButton, Qt::NoModifier, at);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(splash.isNull(), closes); // a closed splash deletes itself
    if (!closes) {
        QVERIFY(splash->isVisible() && splash->close());
        QTRY_VERIFY(splash.isNull());
    }
}

void TestDialogs::splashLinks_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("link with scheme") << 1 << QUrl("tessitra-test://ariette");
    QTest::newRow("link without scheme") << 2 << QUrl("http://www.example.com/cadenzo");
}

void TestDialogs::splashLinks()
{
    QFETCH(int, line);
    QFETCH(QUrl, url);
    m_browser.urls.clear();
    QPointer<CSplashScreen> splash = new CSplashScreen(nullptr, picture(), kAboutText, false);
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QLabel* label = splash->findChild<QLabel*>();
    const int lineHeight = label->height() / 3; // three lines of text: click the start of the wanted one
    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(6, lineHeight * line + lineHeight / 2));
    QTRY_COMPARE(m_browser.urls, QList<QUrl>({url}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!splash.isNull() && splash->isVisible());
    splash->close();
}

void TestDialogs::styleSheetParsesAndFindsItsImages()
{
    QFile file(":/qss/TSStyle.qss");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString sheet = QString::fromUtf8(file.readAll());
    int images = 0;
    for (auto it = QRegularExpression("url\\((:[^)]+)\\)").globalMatch(sheet); it.hasNext(); ++images) {
        const QString path = it.next().captured(1);
        QVERIFY2(!QImage(path).isNull(), qPrintable(path));
    }
    QVERIFY(images >= 18);
    // Qt reports a sheet it cannot parse only as a warning, when a widget is first polished with it.
    g_warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
            if (type != QtDebugMsg)
                g_warnings << m;
        });
    qApp->setStyleSheet(sheet);
    QWidget probe;
    probe.setObjectName("MainWindow");
    probe.ensurePolished();
    qApp->setStyleSheet(QString());
    qInstallMessageHandler(previous);
    QCOMPARE(g_warnings, QStringList());
}

void TestDialogs::progress_data()
{
    QTest::addColumn<qulonglong>("total");
    QTest::addColumn<qulonglong>("sent");
    QTest::addColumn<int>("value"); // -1: the busy animation instead of the bar
    QTest::newRow("999 of 1000") << 1000ULL << 999ULL << 99;
    QTest::newRow("all of 1000") << 1000ULL << 1000ULL << 100;
    QTest::newRow("nothing sent is busy") << 1000ULL << 0ULL << -1;
    QTest::newRow("no total is busy") << 0ULL << 5ULL << -1;
}

void TestDialogs::progress()
{
    QFETCH(qulonglong, total);
    QFETCH(qulonglong, sent);
    QFETCH(int, value);
    ProgressDialog dialog(nullptr);
    const int result = runWith(dialog, "Backing up presets...", [&] {
        QCOMPARE(dialog.findChildren<QLabel*>("TessitraLabel").value(0)->text(), QString("Backing up presets..."));
        QVERIFY(dialog.findChild<QPushButton*>("CancelProgress")->isHidden());
        dialog.onProgress(total, sent);
        QCOMPARE(dialog.findChild<QProgressBar*>()->isVisible(), value >= 0);
        QCOMPARE(dialog.findChildren<QLabel*>("TessitraLabel").value(1)->isVisible(), value < 0);
        if (value >= 0)
            QCOMPARE(dialog.findChild<QProgressBar*>()->value(), value);
        dialog.onOperationFinished(0, true);
    });
    QCOMPARE(result, 0);
    QVERIFY(!dialog.isVisible());
}

void TestDialogs::progressFailureWaitsForOk()
{
    ProgressDialog dialog(nullptr);
    runWith(dialog, "Loading...", [&] {
        dialog.onProgress(100, 50);
        dialog.onUpdateText("Failed to load preset.");
        dialog.onOperationFinished(3, false);
        QCOMPARE(dialog.findChildren<QLabel*>("TessitraLabel").value(0)->text(), QString("Failed to load preset."));
        QVERIFY(dialog.findChild<QProgressBar*>()->isHidden());
        auto* ok = dialog.findChild<QPushButton*>("CancelProgress");
        QVERIFY(ok->isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape); // swallowed: the dialog stays until OK
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    QCOMPARE(dialog.operationResult(), 3);
}

void TestDialogs::progressIgnoresWhatComesWhenNotShown()
{
    ProgressDialog dialog(nullptr);
    dialog.onOperationFinished(7, false); // before it is shown, finishing is ignored
    runWith(dialog, "Checking...", [&] {
        dialog.onOperationFinished(QString("Update check failed!"));
        QCOMPARE(dialog.findChildren<QLabel*>("TessitraLabel").value(0)->text(), QString("Update check failed!"));
        QVERIFY(dialog.findChild<QPushButton*>("CancelProgress")->isVisible());
        dialog.onCancelClicked();
    });
    dialog.onOperationFinished(9, false); // and after it closed
    QCOMPARE(dialog.operationResult(), 0);

    // The widget it is given to close goes when it shows; the dialog deletes itself when it ends.
    QWidget other;
    other.show();
    QPointer<ProgressDialog> closing = new ProgressDialog(nullptr);
    QTimer::singleShot(0, closing.data(), [&] {
        QVERIFY(!other.isVisible());
        closing->onOperationFinished(0, true);
    });
    closing->exec("Updating...", &other);
    QTRY_VERIFY(closing.isNull());
}

// The stored mode is shown on opening; each choice (or "Reset To Defaults") stays in the dialog until OK, or
// until Cancel is answered Yes. Any press of a radio, even the checked one, counts as a change.
void TestDialogs::settingsChoiceStored_data()
{
    QTest::addColumn<bool>("manual");
    QTest::addColumn<bool>("monthly");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("button"); // empty: nothing pressed
    QTest::addColumn<QString>("answer"); // "OK"; "" Cancel with no question expected; "Yes"/"No" to the question
    QTest::addColumn<bool>("storedManual");
    QTest::addColumn<bool>("storedMonthly");
    const QString never("neverRadioButton"), startup("startupRadioButton"), monthly("monthlyRadioButton");
    QTest::newRow("startup to never") << false << false << startup << never << "OK" << true << false;
    QTest::newRow("never to monthly") << true << false << never << monthly << "OK" << false << true;
    QTest::newRow("monthly to never") << false << true << monthly << never << "OK" << true << false;
    // Monthly wins over a manual flag set beside it; pressing it clears the stray flag.
    QTest::newRow("both to monthly") << true << true << monthly << monthly << "OK" << false << true;
    QTest::newRow("reset") << true << false << never << "resetButton"
                           << "OK" << false << false;
    QTest::newRow("untouched, Cancel") << true << false << never << ""
                                       << "" << true << false;
    QTest::newRow("same choice again, Cancel, No") << true << false << never << never << "No" << true << false;
    QTest::newRow("other choice, Cancel, Yes") << true << false << never << monthly << "Yes" << false << true;
}

void TestDialogs::settingsChoiceStored()
{
    QFETCH(bool, manual);
    QFETCH(bool, monthly);
    QFETCH(QString, checked);
    QFETCH(QString, button);
    QFETCH(QString, answer);
    QFETCH(bool, storedManual);
    QFETCH(bool, storedMonthly);
    const QDateTime lastCheck(QDate(2023, 4, 5), QTime(6, 7, 8));
    store()->remove("");
    for (const auto& [key, value] : {std::pair<QString, QVariant>{"Language", 1},
                                     {"LastCheckedDate", lastCheck},
                                     {"PendingFwUrl", "http://updates.example/fw.bin"},
                                     {"ManualUpdate", manual},
                                     {"MonthlyUpdate", monthly}})
        store()->setValue(key, value);
    QPointer<CSettingsDlg> dialog = new CSettingsDlg(nullptr);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QVERIFY(dialog->findChild<QRadioButton*>(checked)->isChecked());
    if (!button.isEmpty())
        QTest::mouseClick(dialog->findChild<QAbstractButton*>(button), Qt::LeftButton);
    QCOMPARE(store()->value("ManualUpdate").toBool(), manual); // nothing stored before OK
    ModalAnswerer answerer(answer == "OK" || answer.isEmpty() ? QStringList() : QStringList{answer});
    QTest::mouseClick(dialog->findChild<QAbstractButton*>(answer == "OK" ? "settingsOK" : "settingsCancel"),
                      Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(answerer.seen,
             answer == "Yes" || answer == "No"
                 ? QStringList{"|Preferences were modified?|Changes were made to the Preferences. Do you "
                               "wish to keep these changes?"}
                 : QStringList());
    auto settings = store();
    QCOMPARE(settings->value("ManualUpdate").toBool(), storedManual);
    QCOMPARE(settings->value("MonthlyUpdate").toBool(), storedMonthly);
    // The reset clears the language and the date in memory and OK writes them with the rest; the pending URL stays.
    QCOMPARE(settings->value("Language").toInt(), button == "resetButton" ? 0 : 1);
    QVERIFY(settings->contains("LastCheckedDate"));
    QCOMPARE(settings->value("LastCheckedDate").toDateTime(), button == "resetButton" ? QDateTime() : lastCheck);
    QCOMPARE(settings->value("PendingFwUrl").toString(), QString("http://updates.example/fw.bin"));
}

// A connected unit that is not the Cadenzo gets no factory update, nor does a Cadenzo that went away.
void TestDialogs::settingsFactoryPresetsOnlyForCadenzo()
{
    DeviceManagerThread* device = DeviceManagerThread::instance();
    g_bDeviceConnected.store(true);
    CSettingsDlg dialog(nullptr);
    dialog.show();
    auto* group = dialog.findChild<QGroupBox*>("groupBoxFactoryPresets");
    QVERIFY(group->isHidden());
    emit device->deviceDetected(0x0A21);
    QVERIFY(group->isHidden() && !group->isEnabled());
    emit device->deviceDetected(0x0C42);
    QVERIFY(group->isVisible() && group->isEnabled());
    emit device->deviceRemoved();
    QVERIFY(group->isHidden() && !group->isEnabled());
    g_bDeviceConnected.store(false);
}

// Check Now closes the settings, posts its request to the update worker under a progress dialog and stores
// the date of the check as it starts.
void TestDialogs::settingsCheckNow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("posted");
    QTest::newRow("firmware") << "firmwareUpdateButton"
                              << "update 1003 Firmware Update";
    QTest::newRow("application") << "appUpdateButton"
                                 << "update 1001 Application Update";
}

void TestDialogs::settingsCheckNow()
{
    QFETCH(QString, button);
    QFETCH(QString, posted);
    store()->remove("");
    QWidget mainWindow;
    QPointer<CSettingsDlg> dialog = new CSettingsDlg(&mainWindow);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    EventTap tap;
    QTest::mouseClick(dialog->findChild<QAbstractButton*>(button), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull() && QApplication::activeModalWidget() == nullptr);
    QCOMPARE(tap.summary, QStringList{posted});
    const QDateTime stored = store()->value("LastCheckedDate").toDateTime();
    QVERIFY(stored >= before && stored <= QDateTime::currentDateTime());
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
