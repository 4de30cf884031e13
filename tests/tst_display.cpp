// The window's side of the device conversation: the read on connection filling the seven lists, losing the unit
// in the middle of it, refresh, back-up and restore with their file names, the firmware offer and its
// bookkeeping, the monthly check, the multiple-device box and the network credentials dialog.
//
// Flows with the real workers run them the way the window starts them (finishSplashTimer) against a virtual
// unit; the offer and schedule cases leave the workers unstarted and watch the events posted to them.
// Every modal box and file dialog is answered here; a box nobody expects is closed and counted.

#include "DeviceManagerThread.h"
#include "Settings.h"
#include "app.h"
#include "contentwidget.h"
#include "deviceinfo.h"
#include "firmwareupdate.h"
#include "globals.h"
#include "mainwindow.h"
#include "usbids.h"

#include "support/ModalAnswerer.h"
#include "support/SleepRecorder.h"
#include "support/VirtualBusFixture.h"

#include <QAuthenticator>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(UnitModel)

namespace {

constexpr int kWaitMs = 15000; // detection waits for the one-second poll; room for a loaded machine

template <typename T> T* child(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (found == nullptr)
        qFatal("no child %s", name);
    return found;
}

QStringList texts(const ContentWidget* list)
{
    QStringList result;
    for (const PresetButton* entry : list->entries())
        result.append(entry->text());
    return result;
}

// Stands in for the unstarted workers: records every operation posted to them and answers it with the
// given result, as the worker's operationFinished would. The quiet check only gets recorded.
class EventTap : public QObject
{
public:
    EventTap()
    {
        DeviceManagerThread::instance()->installEventFilter(this);
        CFirmwareUpdate::instance()->installEventFilter(this);
    }
    QStringList posted; // "device 1001", "update 1004"
    int result = 0;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        const int type = pEvent->type();
        if (type < 1001 || type > 1016)
            return false;
        const bool bDevice = pWatched == DeviceManagerThread::instance();
        posted.append(QStringLiteral("%1 %2").arg(QLatin1String(bDevice ? "device" : "update")).arg(type));
        if (bDevice)
            emit DeviceManagerThread::instance()->operationFinished(result, true);
        else if (type != CFirmwareUpdate::CheckFirmwareUpdateSilentEvent)
            emit CFirmwareUpdate::instance()->operationFinished(result, true);
        return true;
    }
};

void setUpdateMode(bool bManual, bool bMonthly, const QDateTime& lastChecked = QDateTime())
{
    CSettings* pSettings = CSettings::instance();
    pSettings->readSettings();
    pSettings->m_bManualUpdate = bManual;
    pSettings->m_bMonthlyUpdate = bMonthly;
    pSettings->m_DateTimeLastChecked = lastChecked;
    pSettings->writeSettings();
}

// A set list as the unit keeps it: 20 slots, the rest empty.
QVector<int> slots20(QVector<int> values)
{
    values.resize(20);
    return values;
}

QVector<int> withName(QVector<int> record, const QString& name, int nameLength)
{
    for (int k = 0; k < nameLength; ++k)
        record[k] = k < name.size() ? name.at(k).unicode() : ' ';
    return record;
}

} // namespace

class TestDisplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void connectReadsAndShows_data();
    void connectReadsAndShows();
    void unplugDuringRead_data();
    void unplugDuringRead();
    void refreshAndRestoreReread();
    void backUpFileNames_data();
    void backUpFileNames();
    void firmwareOffer_data();
    void firmwareOffer();
    void monthlyCheck_data();
    void monthlyCheck();
    void multipleDevicesBoxClosesItself();
    void authentication_data();
    void authentication();

private:
    // A window with its workers started, a unit of the model plugged and its lists read.
    bool connectUnit(UnitModel model);
    MainWindow* makeWindow();

    QTemporaryDir m_home;
    std::unique_ptr<VirtualBusFixture> m_bus;
    std::unique_ptr<SleepRecorder> m_sleeps;
    std::unique_ptr<ModalAnswerer> m_answerer;
    std::unique_ptr<MainWindow> m_window;
    QList<QStringList> m_fileDialogs; // kind, caption, path, filter of each file question
    QString m_fileAnswer;
    QByteArray m_savedInfoIni;
};

void TestDisplay::initTestCase()
{
    initTessitraResources();
    QApplication::setQuitOnLastWindowClosed(false); // a closed window does not end the suite
    QVERIFY(m_home.isValid());
    qputenv("HOME", m_home.path().toLocal8Bit());
    qunsetenv(CFirmwareUpdate::ServerEnvironmentVariable); // no update server: a check answers "nothing newer"
    buildDataFolders(m_home.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path() + "/config");
    // info.ini beside the executable names no update server; whatever the build left there is put back.
    QFile ini(QCoreApplication::applicationDirPath() + "/info.ini");
    if (ini.open(QIODevice::ReadOnly))
        m_savedInfoIni = ini.readAll();
    ini.close();
    QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write("[about]\nversion=Stage Librarian 2.3.4\n[update]\nversion=2.3.4\n");
}

void TestDisplay::cleanupTestCase()
{
    QFile ini(QCoreApplication::applicationDirPath() + "/info.ini");
    if (m_savedInfoIni.isNull())
        ini.remove();
    else if (ini.open(QIODevice::WriteOnly | QIODevice::Truncate))
        ini.write(m_savedInfoIni);
}

void TestDisplay::init()
{
    QSettings("Aurivell", "TessitraStageLibrarian").remove("Settings");
    CSettings::instance()->readSettings();
    // Each case makes its factory file afresh from the unit it talks to.
    QFile::remove(g_arietteFactoryPresetsFolder + "/FactoryPresets.dat");
    QFile::remove(g_cadenzoFactoryPresetsFolder + "/FactoryPresets.dat");
    m_bus = std::make_unique<VirtualBusFixture>();
    m_sleeps = std::make_unique<SleepRecorder>();
    m_answerer = std::make_unique<ModalAnswerer>();
    m_fileDialogs.clear();
    m_fileAnswer.clear();
}

void TestDisplay::cleanup()
{
    // Workers stop with the window, before the bus they talk to goes.
    m_window.reset();
    g_bDeviceConnected.store(false);
    QCOMPARE(m_answerer->leftovers, 0);
    m_answerer.reset();
    m_sleeps.reset();
    m_bus.reset();
}

MainWindow* TestDisplay::makeWindow()
{
    m_window = std::make_unique<MainWindow>();
    m_window->initialize();
    m_window->setFileDialogFunction(
        [this](MainWindow::FileDialogKind kind, const QString& caption, const QString& path, const QString& filter) {
            m_fileDialogs.append({kind == MainWindow::FileDialogKind::Save ? "save" : "open", caption, path, filter});
            return m_fileAnswer;
        });
    return m_window.get();
}

bool TestDisplay::connectUnit(UnitModel model)
{
    setUpdateMode(true, false); // manual: the read starts at once
    if (!m_bus->isPlugged("U") && !m_bus->plug("U", model))
        return false;
    makeWindow()->finishSplashTimer();
    auto* refresh = child<QPushButton>(m_window.get(), "refreshButton");
    return QTest::qWaitFor([&] { return refresh->isEnabled() && QApplication::activeModalWidget() == nullptr; },
                           kWaitMs);
}

void TestDisplay::connectReadsAndShows_data()
{
    QTest::addColumn<UnitModel>("model");
    QTest::newRow("Ariette") << UnitModel::Ariette;
    QTest::newRow("Cadenzo") << UnitModel::Cadenzo;
}

void TestDisplay::connectReadsAndShows()
{
    QFETCH(UnitModel, model);
    const UnitIdentity identity = UnitIdentity::defaults(model);
    QVERIFY(m_bus->plug("U", model));
    QVERIFY(m_bus->modifyUnit("U", [&](VirtualUnit& unit) {
        unit.setRecord(5, withName(unit.record(5), "Lead", identity.nameLength));
        unit.setRecord(7, withName(unit.record(7), "Fifteen chars!!", identity.nameLength));
        unit.setRecord(8, withName(unit.record(8), "Sixteen chars!!!", identity.nameLength));
        unit.setSetList(1, slots20({9, 3, 5, 0, 7, 8, 101, 250}));
    }));
    QVERIFY(connectUnit(model));

    auto* user = child<ContentWidget>(m_window.get(), "listWidgetUserPreset");
    auto* factory = child<ContentWidget>(m_window.get(), "listWidgetFactoryPresets");
    auto* setListA = child<ContentWidget>(m_window.get(), "listWidgetSetListA");
    QCOMPARE(user->entries().size(), identity.presetCount);
    QCOMPARE(factory->entries().size(), identity.presetCount);
    const QString user1 = VirtualUnit::defaultPresetName(identity, false, 0).trimmed();
    const QString factory1 = VirtualUnit::defaultPresetName(identity, true, 0).trimmed();
    QCOMPARE(user->entries().at(0)->text(), "U01\n" + user1);
    QCOMPARE(user->entries().at(4)->text(), QString("U05\nLead"));
    QCOMPARE(user->entries().at(99)->text().left(5), QString("U100\n"));
    QCOMPARE(factory->entries().at(0)->text(), "F01\n" + factory1);
    QCOMPARE(factory->entries().at(0)->presetNumber(), 101);

    // Set list A as the unit holds it: slot 4 empty, 250 names no preset, the rest empty too.
    const QStringList a = texts(setListA);
    QCOMPARE(a.size(), 20);
    QCOMPARE(a.mid(2, 6), QStringList({"A03\nU05 Lead", "A04\nEMPTY", "A05\nU07 Fifteen chars!!",
                                       "A06\nU08 Sixteen chars!!!", "A07\nF01 " + factory1, "A08\nEMPTY"}));
    QVERIFY(setListA->entries().at(2)->isEnabled());
    QVERIFY(!setListA->entries().at(3)->isEnabled());
    QCOMPARE(setListA->entries().at(2)->presetNumber(), 5);
    // Names of up to 15 characters keep the usual size, longer ones a smaller font.
    QCOMPARE(setListA->entries().at(4)->styleSheet(), QString("QPushButton{font-size: 11px}"));
    QCOMPARE(setListA->entries().at(5)->styleSheet(), QString("QPushButton{font-size: 10px}"));
    QCOMPARE(texts(child<ContentWidget>(m_window.get(), "listWidgetFavorites")).first(), "*01\nU01 " + user1);
}

void TestDisplay::unplugDuringRead_data()
{
    QTest::addColumn<int>("reportsBeforeVanish");
    QTest::addColumn<QString>("text");
    QTest::newRow("factory bank") << 150 << "Failed to read factory presets.";
    QTest::newRow("user names") << 380 << "Failed to communicate with device.";
}

void TestDisplay::unplugDuringRead()
{
    QFETCH(int, reportsBeforeVanish);
    QFETCH(QString, text);
    setUpdateMode(true, false);
    QVERIFY(m_bus->plug("U", UnitModel::Ariette));
    // Detection takes a report or two; the read cascade then runs into the loss.
    QVERIFY(m_bus->setFault("U", FaultKind::Vanish, reportsBeforeVanish));
    makeWindow();
    QSignalSpy detected(DeviceManagerThread::instance(), &DeviceManagerThread::deviceDetected);
    QSignalSpy removed(DeviceManagerThread::instance(), &DeviceManagerThread::deviceRemoved);
    m_window->finishSplashTimer();

    // The read fails, its dialog waits for OK, the poll then reports the loss and the lists go.
    QVERIFY(QTest::qWaitFor([&] { return removed.size() == 1 && !QApplication::activeModalWidget(); }, kWaitMs));
    auto* label = child<QLabel>(m_window.get(), "deviceLabel");
    QVERIFY(QTest::qWaitFor([&] { return label->text() == "Disconnected"; }, kWaitMs));
    QCOMPARE(detected.size(), 1);
    QCOMPARE(m_answerer->finishedTexts, QStringList{text});
    for (const char* name : {"listWidgetUserPreset", "listWidgetFactoryPresets", "listWidgetFavorites",
                             "listWidgetSetListA", "listWidgetSetListD"})
        QCOMPARE(child<ContentWidget>(m_window.get(), name)->entries().size(), 0);
    QVERIFY(!child<QPushButton>(m_window.get(), "backUp")->isEnabled());
}

void TestDisplay::refreshAndRestoreReread()
{
    QVERIFY(connectUnit(UnitModel::Ariette));
    QTemporaryDir target;
    m_fileAnswer = target.path() + "/saved";
    QTest::mouseClick(child<QPushButton>(m_window.get(), "backUp"), Qt::LeftButton);
    QVERIFY(QFile::exists(target.path() + "/saved.tarb"));
    auto* factory = child<ContentWidget>(m_window.get(), "listWidgetFactoryPresets");
    auto* user = child<ContentWidget>(m_window.get(), "listWidgetUserPreset");
    const QList<PresetButton*> factoryBefore = factory->entries();
    const QString before = user->entries().at(1)->text();
    QVERIFY(m_bus->modifyUnit("U", [](VirtualUnit& unit) {
        unit.setRecord(2, withName(unit.record(2), "Fresh", unit.identity().nameLength));
        unit.setSetList(2, slots20({2}));
    }));
    m_bus->clearTraffic("U");

    // Refresh reads the user side again; the factory list is the one read on connection.
    QTest::mouseClick(child<QPushButton>(m_window.get(), "refreshButton"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeModalWidget() == nullptr; }, kWaitMs));
    QCOMPARE(factory->entries(), factoryBefore);
    QCOMPARE(user->entries().size(), 100);
    QCOMPARE(user->entries().at(1)->text(), QString("U02\nFresh"));
    QCOMPARE(texts(child<ContentWidget>(m_window.get(), "listWidgetSetListB")).first(), QString("B01\nU02 Fresh"));
    QVERIFY(!m_bus->traffic("U").isEmpty());

    // Restore writes the back-up into the unit, then shows what the unit holds afterwards.
    m_fileAnswer = target.path() + "/saved.tarb";
    QTest::mouseClick(child<QPushButton>(m_window.get(), "restore"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeModalWidget() == nullptr; }, kWaitMs));
    QCOMPARE(m_bus->unit("U").presetName(2).trimmed(), before.mid(4));
    QCOMPARE(user->entries().size(), 100);
    QCOMPARE(user->entries().at(1)->text(), before);
    QCOMPARE(factory->entries(), factoryBefore);
    QCOMPARE(m_answerer->finishedTexts.last(), QString("Succesfully restored user presets and set lists."));

    // A restore that finds no back-up file says so and leaves the lists alone.
    PresetButton* second = user->entries().at(1);
    m_fileAnswer = target.path() + "/missing.tarb";
    QTest::mouseClick(child<QPushButton>(m_window.get(), "restore"), Qt::LeftButton);
    QCOMPARE(m_answerer->finishedTexts.last(), QString("Couldn't find a back up file.\nPlease back up first."));
    QCOMPARE(user->entries().at(1), second);
}

void TestDisplay::backUpFileNames_data()
{
    QTest::addColumn<UnitModel>("model");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("filter");
    // clang-format off
    QTest::newRow("Ariette, bare name") << UnitModel::Ariette << "mine" << "mine.tarb" << "BACKUP(*.tarb)";
    QTest::newRow("Ariette, upper case") << UnitModel::Ariette << "mine.TARB" << "mine.TARB" << "BACKUP(*.tarb)";
    QTest::newRow("Ariette, other ext") << UnitModel::Ariette << "mine.tscb" << "mine.tscb.tarb" << "BACKUP(*.tarb)";
    QTest::newRow("Cadenzo, mixed case") << UnitModel::Cadenzo << "mine.TsCb" << "mine.TsCb" << "BACKUP(*.tscb)";
    QTest::newRow("cancelled") << UnitModel::Ariette << "" << "" << "BACKUP(*.tarb)";
    // clang-format on
}

void TestDisplay::backUpFileNames()
{
    QFETCH(UnitModel, model);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(QString, filter);
    QVERIFY(connectUnit(model));
    QTemporaryDir target;
    m_fileAnswer = typed.isEmpty() ? QString() : target.path() + "/" + typed;
    const QString folder = model == UnitModel::Ariette ? g_arietteBackUpFolder : g_cadenzoBackUpFolder;

    QTest::mouseClick(child<QPushButton>(m_window.get(), "backUp"), Qt::LeftButton);
    QCOMPARE(m_fileDialogs.size(), 1);
    QCOMPARE(m_fileDialogs.at(0).mid(0, 2), QStringList({"save", "Save File"}));
    QVERIFY2(QRegularExpression("^" + QRegularExpression::escape(folder) +
                                "/BackUp_\\d{4}-\\w{3}-\\d{2}-\\d{2}-\\d{2}-\\d{2}$")
                 .match(m_fileDialogs.at(0).at(2))
                 .hasMatch(),
             qPrintable(m_fileDialogs.at(0).at(2)));
    QCOMPARE(m_fileDialogs.at(0).at(3), filter);
    if (expected.isEmpty()) {
        QVERIFY(QDir(target.path()).isEmpty());
        QVERIFY(m_answerer->finishedTexts.isEmpty());
        return;
    }
    QCOMPARE(QDir(target.path()).entryList(QDir::Files), QStringList{expected});
    QCOMPARE(m_answerer->finishedTexts, QStringList{"Succesfully backed up user presets and set lists."});

    // Restore asks in the same model's terms and starts where the back-up went.
    m_fileAnswer.clear();
    QTest::mouseClick(child<QPushButton>(m_window.get(), "restore"), Qt::LeftButton);
    QCOMPARE(m_fileDialogs.at(1), QStringList({"open", "Select File", target.path(), filter}));
}

void TestDisplay::firmwareOffer_data()
{
    QTest::addColumn<QString>("dspUrl");
    QTest::addColumn<QString>("fwUrl");
    QTest::addColumn<int>("answer"); // 0 no box expected, -1 Escape, -2 the unit goes away
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("posted");
    QTest::addColumn<QString>("pending");
    QTest::addColumn<QString>("nextConnection");

    const QString d = "http://u.example.org/dsp.ldr";
    const QString f = "http://u.example.org/fw.bin";
    const QString both = "New firmware version available.\nCurrent: DSP v2.3, Firmware v1.5\nNew: DSP v2.4, "
                         "Firmware v1.6\nDo you want to update?";
    const QString dspOnly = "New firmware version available.\nCurrent: DSP v2.3\nNew: DSP v2.4\nDo you want to update?";
    const QString fwOnly =
        "New firmware version available.\nCurrent: Firmware v1.5\nNew: Firmware v1.6\nDo you want to update?";
    const int yes = QMessageBox::Yes;
    // clang-format off
    QTest::newRow("nothing newer: read") << "" << "" << 0 << 0 << "" << QStringList{"device 1001"} << ""
                                         << "device 1001";
    QTest::newRow("both, yes: fw pending") << d << f << yes << 0 << both << QStringList{"update 1005"} << f
                                           << "update 1004";
    QTest::newRow("both, yes, failed") << d << f << yes << 5 << both << QStringList{"update 1005"} << ""
                                       << "update 1004";
    QTest::newRow("dsp, yes") << d << "" << yes << 0 << dspOnly << QStringList{"update 1005"} << "" << "device 1001";
    QTest::newRow("fw, yes") << "" << f << yes << 0 << fwOnly << QStringList{"update 1005"} << "" << "device 1001";
    QTest::newRow("dsp, no: read, done") << d << "" << int(QMessageBox::No) << 0 << dspOnly
                                         << QStringList{"device 1001"} << "" << "device 1001";
    QTest::newRow("both, cancel: read") << d << f << -1 << 0 << both << QStringList{"device 1001"} << ""
                                        << "device 1001";
    QTest::newRow("both, unit gone: nothing read") << d << f << -2 << 0 << both << QStringList() << ""
                                                   << "update 1004";
    // clang-format on
}

void TestDisplay::firmwareOffer()
{
    QFETCH(QString, dspUrl);
    QFETCH(QString, fwUrl);
    QFETCH(int, answer);
    QFETCH(int, result);
    QFETCH(QString, question);
    QFETCH(QStringList, posted);
    QFETCH(QString, pending);
    QFETCH(QString, nextConnection);

    setUpdateMode(false, false); // at start-up: the check comes first, the presets after its answer
    CSettings::instance()->setPendingFwUrl(QString());
    g_deviceInfo.setVersionTexts("DSP v2.3", "Firmware v1.5");
    MainWindow* window = makeWindow();
    EventTap tap;
    g_bDeviceConnected.store(true);
    window->onDeviceDetected(UsbIds::ArietteProductId);
    QCoreApplication::processEvents();
    QCOMPARE(tap.posted, QStringList{"update 1004"});
    QVERIFY(CSettings::instance()->m_DateTimeLastChecked.secsTo(QDateTime::currentDateTime()) < 5);
    tap.posted.clear();

    tap.result = result;
    if (answer > 0)
        m_answerer->push(clickBox(QMessageBox::StandardButton(answer)));
    else if (answer == -1)
        m_answerer->push(escapeBox());
    else if (answer == -2)
        m_answerer->push([](QWidget* pModal) {
            // As the poll reports a lost unit: the flag first, then the signal, which closes the box.
            if (qobject_cast<QMessageBox*>(pModal) == nullptr)
                return false;
            g_bDeviceConnected.store(false);
            emit DeviceManagerThread::instance()->deviceRemoved();
            return true;
        });
    emit CFirmwareUpdate::instance()->newVersions("DSP v2.4", dspUrl, "Firmware v1.6", fwUrl, "", "", false);
    QCOMPARE(m_answerer->pending(), 0);
    QCOMPARE(m_answerer->boxes, question.isEmpty() ? QStringList() : QStringList{"Firmware Update|" + question});
    QCOMPARE(tap.posted, posted);
    if (answer == QMessageBox::Yes)
        QCOMPARE(CFirmwareUpdate::instance()->firmwareImageUrl(), QUrl(dspUrl.isEmpty() ? fwUrl : dspUrl));
    CSettings::instance()->readSettings();
    QCOMPARE(CSettings::instance()->m_strPendingFwUrl, pending);
    // The buttons come on once the run after the question ends, however it went.
    QCOMPARE(child<QPushButton>(window, "backUp")->isEnabled(), !posted.isEmpty());

    // The next connection shows whether the check counts as done.
    tap.posted.clear();
    tap.result = 0;
    window->onDeviceDetected(UsbIds::ArietteProductId);
    QCoreApplication::processEvents();
    QCOMPARE(tap.posted, QStringList{nextConnection});
}

void TestDisplay::monthlyCheck_data()
{
    QTest::addColumn<int>("daysAgo"); // 9999: never checked
    QTest::addColumn<bool>("monthly");
    QTest::addColumn<bool>("checks");
    QTest::newRow("29 days") << 29 << true << false;
    QTest::newRow("30 days") << 30 << true << true;
    QTest::newRow("never") << 9999 << true << true;
    QTest::newRow("not monthly") << 90 << false << false;
}

void TestDisplay::monthlyCheck()
{
    QFETCH(int, daysAgo);
    QFETCH(bool, monthly);
    QFETCH(bool, checks);
    setUpdateMode(!monthly, monthly);
    MainWindow* window = makeWindow();
    EventTap tap;
    window->onDeviceDetected(UsbIds::CadenzoProductId);
    QCOMPARE(tap.posted, QStringList{"device 1001"});
    tap.posted.clear();

    const QDateTime last = daysAgo == 9999 ? QDateTime() : QDateTime::currentDateTime().addDays(-daysAgo);
    setUpdateMode(!monthly, monthly, last);
    emit DeviceManagerThread::instance()->deviceIdle();
    emit DeviceManagerThread::instance()->deviceIdle();
    QCoreApplication::processEvents();
    QCOMPARE(tap.posted, checks ? QStringList{"update 1004"} : QStringList());
    CSettings::instance()->readSettings();
    if (checks)
        QVERIFY(CSettings::instance()->m_DateTimeLastChecked.secsTo(QDateTime::currentDateTime()) < 5);
    else
        QCOMPARE(CSettings::instance()->m_DateTimeLastChecked, last);
}

// The box stays open for a few polls, each repeating the signal, then one unit goes and it closes by itself.
void TestDisplay::multipleDevicesBoxClosesItself()
{
    setUpdateMode(true, false);
    QVERIFY(m_bus->plug("U", UnitModel::Ariette));
    QVERIFY(m_bus->plug("V", UnitModel::Cadenzo));
    QElapsedTimer open; // the box runs in a nested loop: the unplug is done from inside it
    bool bActed = false;
    m_answerer->push([&](QWidget* pModal) {
        if (qobject_cast<QMessageBox*>(pModal) == nullptr)
            return false;
        if (!open.isValid())
            open.start();
        if (open.elapsed() < 2500)
            return false;
        bActed = true;
        return m_bus->unplug("V");
    });
    makeWindow()->finishSplashTimer();
    QVERIFY(QTest::qWaitFor([&] { return bActed && QApplication::activeModalWidget() == nullptr; }, kWaitMs));
    QCOMPARE(m_answerer->boxes,
             QStringList{"Multiple Device|Multiple devices detected. Please connect only one device."});
    QCOMPARE(child<QLabel>(m_window.get(), "deviceLabel")->text(), QString("Connected"));
    QCOMPARE(child<ContentWidget>(m_window.get(), "listWidgetUserPreset")->entries().size(), 100);
}

void TestDisplay::authentication_data()
{
    QTest::addColumn<bool>("proxy");
    QTest::addColumn<bool>("accept");
    QTest::newRow("server, OK") << false << true;
    QTest::newRow("proxy, OK") << true << true;
    QTest::newRow("cancelled") << false << false;
}

void TestDisplay::authentication()
{
    QFETCH(bool, proxy);
    QFETCH(bool, accept);
    MainWindow* window = makeWindow();
    QString title;
    m_answerer->push([&](QWidget* pModal) {
        if (pModal->objectName() != "InputDialog")
            return false;
        title = pModal->windowTitle();
        for (QLineEdit* edit : pModal->findChildren<QLineEdit*>())
            edit->setText(edit->echoMode() == QLineEdit::Password ? "secret" : "singer");
        auto* buttons = pModal->findChild<QDialogButtonBox*>("TessitraButtonBox");
        buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        return true;
    });
    QAuthenticator authenticator;
    authenticator.setUser("before");
    if (proxy)
        window->onProxyAuthenticationRequired(QNetworkProxy(), &authenticator);
    else
        window->onAuthenticationRequired(nullptr, &authenticator);
    QCOMPARE(title, QString("Network Authentication"));
    QCOMPARE(authenticator.user(), QString(accept ? "singer" : "before"));
    QCOMPARE(authenticator.password(), accept ? QString("secret") : QString());
}

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
