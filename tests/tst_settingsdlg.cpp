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
#include <QLayout>
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

// Records the request events posted to the idle workers and keeps them from being handled.
class RequestRecorder : public QObject
{
public:
    QList<QPair<QObject*, int>> requests;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() <= QEvent::User || event->type() >= QEvent::MaxUser)
            return false;
        requests << qMakePair(watched, static_cast<int>(event->type()));
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
        auto settings = store();
        settings->setValue("ManualUpdate", bManual);
        settings->setValue("MonthlyUpdate", bMonthly);
        settings.reset();
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

    // The stored mode is shown on opening; each choice (or "Reset To Defaults") stays in the dialog until OK.
    void choiceStoredOnOk_data()
    {
        QTest::addColumn<bool>("manual");
        QTest::addColumn<bool>("monthly");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("storedManual");
        QTest::addColumn<bool>("storedMonthly");
        QTest::addColumn<int>("storedLanguage");
        const QString never("neverRadioButton"), startup("startupRadioButton"), monthly("monthlyRadioButton");
        QTest::newRow("startup to never") << false << false << startup << never << true << false << 1;
        QTest::newRow("never to startup") << true << false << never << startup << false << false << 1;
        QTest::newRow("never to monthly") << true << false << never << monthly << false << true << 1;
        QTest::newRow("monthly to never") << false << true << monthly << never << true << false << 1;
        // Monthly wins over a manual flag set beside it; pressing it clears the stray flag.
        QTest::newRow("both to monthly") << true << true << monthly << monthly << false << true << 1;
        QTest::newRow("reset") << true << false << never << "resetButton" << false << false << 0;
    }

    void choiceStoredOnOk()
    {
        QFETCH(bool, manual);
        QFETCH(bool, monthly);
        QFETCH(QString, checked);
        QFETCH(QString, button);
        QFETCH(bool, storedManual);
        QFETCH(bool, storedMonthly);
        QFETCH(int, storedLanguage);
        const QDateTime lastCheck(QDate(2023, 4, 5), QTime(6, 7, 8));
        store()->setValue("Language", 1);
        store()->setValue("LastCheckedDate", lastCheck);
        store()->setValue("PendingFwUrl", "http://updates.example/fw.bin");
        open(manual, monthly);
        QVERIFY(child<QRadioButton>(checked)->isChecked());
        click(button);
        QVERIFY(child<QRadioButton>(button == "resetButton" ? "startupRadioButton" : button)->isChecked());
        QCOMPARE(store()->value("ManualUpdate").toBool(), manual);
        QCOMPARE(store()->value("Language").toInt(), 1);
        click("settingsOK");
        QTRY_VERIFY(m_dialog.isNull());
        auto settings = store();
        QCOMPARE(settings->value("ManualUpdate").toBool(), storedManual);
        QCOMPARE(settings->value("MonthlyUpdate").toBool(), storedMonthly);
        QCOMPARE(settings->value("Language").toInt(), storedLanguage);
        // The reset clears the date in memory and OK writes it with the rest; the pending URL stays.
        QVERIFY(settings->contains("LastCheckedDate"));
        QCOMPARE(settings->value("LastCheckedDate").toDateTime(), button == "resetButton" ? QDateTime() : lastCheck);
        QCOMPARE(settings->value("PendingFwUrl").toString(), QString("http://updates.example/fw.bin"));
    }

    void cancel_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("radio");
        QTest::addColumn<int>("answer"); // NoButton: no question expected
        QTest::addColumn<bool>("storedMonthly");
        const int none = QMessageBox::NoButton, no = QMessageBox::No, yes = QMessageBox::Yes;
        QTest::newRow("untouched") << 0 << "" << none << false;
        // Showing a language the list does not hold is not a change of the user's.
        QTest::newRow("unknown stored language") << 4 << "" << none << false;
        QTest::newRow("same choice again, No") << 0 << "neverRadioButton" << no << false;
        QTest::newRow("same choice again, Yes") << 0 << "neverRadioButton" << yes << false;
        QTest::newRow("other choice, No") << 0 << "monthlyRadioButton" << no << false;
        QTest::newRow("other choice, Yes") << 0 << "monthlyRadioButton" << yes << true;
    }

    void cancel()
    {
        QFETCH(int, language);
        QFETCH(QString, radio);
        QFETCH(int, answer);
        QFETCH(bool, storedMonthly);
        // No LastCheckedDate in the store: OK writes one, so its presence tells whether anything was written.
        store()->setValue("Language", language);
        open(true, false);
        if (!radio.isEmpty())
            click(radio);
        QWidget* dialog = m_dialog;
        ModalDriver<QMessageBox> answerer([&](QMessageBox* box) {
            const auto end = qScopeGuard([box, answer] { // answered whatever the checks below say
                if (QAbstractButton* button = box->button(static_cast<QMessageBox::StandardButton>(answer)))
                    button->click();
                else
                    box->done(QMessageBox::No);
            });
            QCOMPARE(box->text(), QString("Preferences were modified?"));
            QCOMPARE(box->informativeText(),
                     QString("Changes were made to the Preferences. Do you wish to keep these changes?"));
            QCOMPARE(box->objectName(), QString("TessitraMessageBox"));
            QCOMPARE(box->contentsMargins(), QMargins(10, 0, 10, 0));
            QCOMPARE(box->parentWidget(), dialog);
            QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::Yes));
        });
        click("settingsCancel");
        QTRY_VERIFY(m_dialog.isNull());
        QCOMPARE(answerer.seen, answer != QMessageBox::NoButton);
        auto settings = store();
        QCOMPARE(settings->contains("LastCheckedDate"), answer == QMessageBox::Yes);
        QCOMPARE(settings->value("MonthlyUpdate").toBool(), storedMonthly);
        QCOMPARE(settings->value("ManualUpdate").toBool(), !storedMonthly);
        QCOMPARE(settings->value("Language").toInt(), language);
    }

    void formAndFactoryPresetsOnlyForCadenzo()
    {
        DeviceManagerThread* device = DeviceManagerThread::instance();
        open(false, false);
        QVERIFY(child<QGroupBox>("groupBoxFactoryPresets")->isHidden());
        QCOMPARE(m_dialog->objectName(), QString("settingsDialog"));
        QCOMPARE(m_dialog->windowTitle(), QString("Settings"));
        QVERIFY(m_dialog->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(!(m_dialog->windowFlags() & Qt::WindowContextHelpButtonHint));
        QVERIFY(child<QGroupBox>("groupBoxInterface")->isHidden());
        for (const char* layout :
             {"verticalLayout", "horizontalLayout_2", "horizontalLayout_3", "horizontalLayout_4", "horizontalLayout_6",
              "horizontalLayout_5", "horizontalLayout", "settingsButttonLayout"})
            QVERIFY2(child<QLayout>(layout), layout);
        delete m_dialog;
        // A connected unit that is not the Cadenzo (the idle worker knows no product ID) gets no factory update.
        g_bDeviceConnected.store(true);
        open(false, false);
        auto* group = child<QGroupBox>("groupBoxFactoryPresets");
        QVERIFY(group->isHidden());
        emit device->deviceDetected(UsbIds::ArietteProductId);
        QVERIFY(group->isHidden() && !group->isEnabled());
        emit device->deviceDetected(UsbIds::CadenzoProductId);
        QVERIFY(group->isVisible() && group->isEnabled());
        emit device->deviceDetected(UsbIds::ArietteProductId);
        QVERIFY(group->isVisible());
        emit device->deviceRemoved();
        QVERIFY(group->isHidden() && !group->isEnabled());
    }

    void checkNowRunsProgress_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("updateWorker");
        QTest::addColumn<int>("request");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("failure"); // empty: the worker asks the dialog to close
        QTest::newRow("firmware") << "firmwareUpdateButton" << true << 1003 << "Firmware Update"
                                  << "Checking for firmware update..."
                                  << "";
        QTest::newRow("application, server unreachable") << "appUpdateButton" << true << 1001 << "Application Update"
                                                         << "Checking for application update..."
                                                         << "Connection to update server cannot be made.";
        QTest::newRow("factory presets") << "factoryUpdateButton" << false << 1015 << "Factory Preset Update"
                                         << "Updating factory presets..."
                                         << "";
    }

    void checkNowRunsProgress()
    {
        QFETCH(QString, button);
        QFETCH(bool, updateWorker);
        QFETCH(int, request);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, failure);
        CFirmwareUpdate* update = CFirmwareUpdate::instance();
        DeviceManagerThread* device = DeviceManagerThread::instance();
        RequestRecorder recorder;
        update->installEventFilter(&recorder);
        device->installEventFilter(&recorder);
        QWidget mainWindow;
        open(false, false, &mainWindow);
        emit device->deviceDetected(UsbIds::CadenzoProductId);
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);

        QPointer<ProgressDialog> progress;
        ModalDriver<ProgressDialog> driver([&](ProgressDialog* dialog) {
            progress = dialog;
            const auto end = qScopeGuard([dialog] { // ended whatever the checks below say
                if (dialog->isVisible())
                    dialog->done(0);
            });
            QTRY_COMPARE(recorder.requests.count(), 1);
            QCOMPARE(recorder.requests.first(),
                     qMakePair(updateWorker ? static_cast<QObject*>(update) : device, request));
            QVERIFY(!m_dialog || !m_dialog->isVisible());
            QCOMPARE(dialog->parentWidget(), &mainWindow);
            QCOMPARE(dialog->windowTitle(), title);
            QLabel* label = dialog->findChild<QLabel*>("TessitraLabel");
            QCOMPARE(label->text(), text);
            if (failure.isEmpty()) {
                if (updateWorker)
                    emit update->operationFinished(0, true);
                else
                    emit device->operationFinished(0, true);
                QVERIFY(!dialog->isVisible());
                return;
            }
            emit update->updateCheckFailed(failure);
            QCOMPARE(label->text(), failure);
            QPushButton* ok = dialog->findChild<QPushButton*>("CancelProgress");
            QVERIFY(ok->isVisible());
            ok->click();
        });
        click(button);
        update->removeEventFilter(&recorder);
        device->removeEventFilter(&recorder);
        QVERIFY(driver.seen);
        QTRY_VERIFY(m_dialog.isNull() && progress.isNull());
        // The check's date is stored as it starts; the factory update stores nothing.
        const QDateTime stored = store()->value("LastCheckedDate").toDateTime();
        QCOMPARE(stored.isValid(), updateWorker);
        if (updateWorker)
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
