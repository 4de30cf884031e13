#include "DeviceManagerThread.h"
#include "app.h"
#include "firmwareupdate.h"
#include "globals.h"
#include "progessdialog.h"
#include "settingsdlg.h"
#include "usbids.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
// The dialog's store, read and written behind its back.
std::unique_ptr<QSettings> store()
{
    auto settings = std::make_unique<QSettings>("Aurivell", "TessitraStageLibrarian");
    settings->beginGroup("Settings");
    return settings;
}

// Records the request events posted to the idle update worker and keeps them from being handled.
class RequestRecorder : public QObject
{
public:
    QList<int> requests;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() <= QEvent::User || event->type() >= QEvent::MaxUser)
            return false;
        requests << static_cast<int>(event->type());
        return true;
    }
};

// Calls step(dialog) once, when a modal dialog of type T is up (the nested loop of its exec).
template <typename T> class ModalDriver
{
public:
    explicit ModalDriver(std::function<void(T*)> step)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this, step] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            m_timer.stop();
            seen = true;
            step(dialog);
        });
        m_timer.start(5);
    }
    bool seen = false;

private:
    QTimer m_timer;
};
} // namespace

class SettingsDlgTest : public QObject
{
    Q_OBJECT

private:
    QPointer<CSettingsDlg> m_dialog;

    void open(bool bManual, bool bMonthly, QWidget* parent = nullptr)
    {
        store()->setValue("ManualUpdate", bManual);
        store()->setValue("MonthlyUpdate", bMonthly);
        m_dialog = new CSettingsDlg(parent);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    }

    template <typename T> T* child(const QString& name) const { return m_dialog->findChild<T*>(name); }
    void click(const QString& name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }

private slots:
    void initTestCase() { initTessitraResources(); }
    void init()
    {
        store()->remove("");
        g_bDeviceConnected.store(false);
    }
    void cleanup() { delete m_dialog; }

    // The stored mode is shown on opening; each choice (or "Reset To Defaults") stays in the dialog until OK, or
    // until Cancel is answered Yes. Any press of a radio, even the checked one, counts as a change.
    void choiceStored_data()
    {
        QTest::addColumn<bool>("manual");
        QTest::addColumn<bool>("monthly");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("button"); // empty: nothing pressed
        QTest::addColumn<int>("answer");     // -1: OK; NoButton: Cancel with no question expected
        QTest::addColumn<bool>("storedManual");
        QTest::addColumn<bool>("storedMonthly");
        const QString never("neverRadioButton"), startup("startupRadioButton"), monthly("monthlyRadioButton");
        const int ok = -1, none = QMessageBox::NoButton, no = QMessageBox::No, yes = QMessageBox::Yes;
        QTest::newRow("startup to never") << false << false << startup << never << ok << true << false;
        QTest::newRow("never to monthly") << true << false << never << monthly << ok << false << true;
        QTest::newRow("monthly to never") << false << true << monthly << never << ok << true << false;
        // Monthly wins over a manual flag set beside it; pressing it clears the stray flag.
        QTest::newRow("both to monthly") << true << true << monthly << monthly << ok << false << true;
        QTest::newRow("reset") << true << false << never << "resetButton" << ok << false << false;
        QTest::newRow("untouched, Cancel") << true << false << never << "" << none << true << false;
        QTest::newRow("same choice again, Cancel, No") << true << false << never << never << no << true << false;
        QTest::newRow("other choice, Cancel, No") << true << false << never << monthly << no << true << false;
        QTest::newRow("other choice, Cancel, Yes") << true << false << never << monthly << yes << false << true;
    }

    void choiceStored()
    {
        QFETCH(bool, manual);
        QFETCH(bool, monthly);
        QFETCH(QString, checked);
        QFETCH(QString, button);
        QFETCH(int, answer);
        QFETCH(bool, storedManual);
        QFETCH(bool, storedMonthly);
        const bool bReset = button == "resetButton";
        const QDateTime lastCheck(QDate(2023, 4, 5), QTime(6, 7, 8));
        store()->setValue("Language", 1);
        store()->setValue("LastCheckedDate", lastCheck);
        store()->setValue("PendingFwUrl", "http://updates.example/fw.bin");
        open(manual, monthly);
        QVERIFY(child<QRadioButton>(checked)->isChecked());
        if (!button.isEmpty())
            click(button);
        QCOMPARE(store()->value("ManualUpdate").toBool(), manual);
        QWidget* dialog = m_dialog;
        ModalDriver<QMessageBox> answerer([&](QMessageBox* box) {
            const auto end = qScopeGuard([box, answer] { // answered whatever the checks below say
                if (QAbstractButton* pressed = box->button(static_cast<QMessageBox::StandardButton>(answer)))
                    pressed->click();
                else
                    box->done(QMessageBox::No);
            });
            QCOMPARE(box->text(), QString("Preferences were modified?"));
            QCOMPARE(box->informativeText(),
                     QString("Changes were made to the Preferences. Do you wish to keep these changes?"));
            QCOMPARE(box->parentWidget(), dialog);
            QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::Yes));
        });
        click(answer < 0 ? "settingsOK" : "settingsCancel");
        QTRY_VERIFY(m_dialog.isNull());
        QCOMPARE(answerer.seen, answer > 0);
        auto settings = store();
        QCOMPARE(settings->value("ManualUpdate").toBool(), storedManual);
        QCOMPARE(settings->value("MonthlyUpdate").toBool(), storedMonthly);
        QCOMPARE(settings->value("Language").toInt(), bReset ? 0 : 1);
        // The reset clears the date in memory and OK writes it with the rest; the pending URL stays.
        QVERIFY(settings->contains("LastCheckedDate"));
        QCOMPARE(settings->value("LastCheckedDate").toDateTime(), bReset ? QDateTime() : lastCheck);
        QCOMPARE(settings->value("PendingFwUrl").toString(), QString("http://updates.example/fw.bin"));
    }

    // A connected unit that is not the Cadenzo gets no factory update, nor does a Cadenzo that went away.
    void factoryPresetsOnlyForConnectedCadenzo()
    {
        DeviceManagerThread* device = DeviceManagerThread::instance();
        open(false, false);
        QVERIFY(child<QGroupBox>("groupBoxFactoryPresets")->isHidden());
        delete m_dialog;
        g_bDeviceConnected.store(true);
        open(false, false);
        auto* group = child<QGroupBox>("groupBoxFactoryPresets");
        QVERIFY(group->isHidden());
        emit device->deviceDetected(UsbIds::ArietteProductId);
        QVERIFY(group->isHidden() && !group->isEnabled());
        emit device->deviceDetected(UsbIds::CadenzoProductId);
        QVERIFY(group->isVisible() && group->isEnabled());
        emit device->deviceRemoved();
        QVERIFY(group->isHidden() && !group->isEnabled());
    }

    // Check Now closes the settings and posts its request to the update worker under a progress dialog.
    void checkNowRunsProgress_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("request");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("firmware") << "firmwareUpdateButton" << 1003 << "Firmware Update"
                                  << "Checking for firmware update...";
        QTest::newRow("application") << "appUpdateButton" << 1001 << "Application Update"
                                     << "Checking for application update...";
    }

    void checkNowRunsProgress()
    {
        QFETCH(QString, button);
        QFETCH(int, request);
        QFETCH(QString, title);
        QFETCH(QString, text);
        CFirmwareUpdate* update = CFirmwareUpdate::instance();
        RequestRecorder recorder;
        update->installEventFilter(&recorder);
        QWidget mainWindow;
        open(false, false, &mainWindow);
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);

        QPointer<ProgressDialog> progress;
        ModalDriver<ProgressDialog> driver([&](ProgressDialog* dialog) {
            progress = dialog;
            const auto end = qScopeGuard([dialog] { // ended whatever the checks below say
                if (dialog->isVisible())
                    dialog->done(0);
            });
            QTRY_COMPARE(recorder.requests, QList<int>{request});
            QVERIFY(!m_dialog || !m_dialog->isVisible());
            QCOMPARE(dialog->parentWidget(), &mainWindow);
            QCOMPARE(dialog->windowTitle(), title);
            QCOMPARE(dialog->findChild<QLabel*>("TessitraLabel")->text(), text);
            emit update->operationFinished(0, true);
            QVERIFY(!dialog->isVisible());
        });
        click(button);
        update->removeEventFilter(&recorder);
        QVERIFY(driver.seen);
        QTRY_VERIFY(m_dialog.isNull() && progress.isNull());
        // The check's date is stored as it starts.
        const QDateTime stored = store()->value("LastCheckedDate").toDateTime();
        QVERIFY(stored >= before && stored <= QDateTime::currentDateTime());
    }
};

int main(int argc, char* argv[])
{
    // A store of our own, so the user's preferences stay untouched.
    QTemporaryDir configHome;
    if (!configHome.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    SettingsDlgTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsdlg.moc"
