#include "DeviceManagerThread.h"
#include "app.h"
#include "firmwareupdate.h"
#include "globals.h"
#include "progessdialog.h"
#include "settingsdlg.h"
#include "usbids.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
// The dialog's own store, read and written behind its back.
std::unique_ptr<QSettings> store()
{
    auto settings = std::make_unique<QSettings>("Aurivell", "TessitraStageLibrarian");
    settings->beginGroup("Settings");
    return settings;
}

void storeMode(bool bManual, bool bMonthly)
{
    auto settings = store();
    settings->setValue("ManualUpdate", bManual);
    settings->setValue("MonthlyUpdate", bMonthly);
}

// Records, and keeps from the idle workers, the request events posted to them.
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

// Answers the next message box that comes up with the given button, noting what it showed.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer) : m_answer(answer)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            m_timer.stop();
            seen = true;
            parent = box->parentWidget();
            objectName = box->objectName();
            text = box->text();
            informativeText = box->informativeText();
            margins = box->contentsMargins();
            yesIsDefault = box->defaultButton() == box->button(QMessageBox::Yes);
            if (QAbstractButton* button = box->button(m_answer))
                button->click();
            else
                box->reject();
        });
        m_timer.start(5);
    }

    bool seen = false;
    QWidget* parent = nullptr;
    QString objectName, text, informativeText;
    QMargins margins;
    bool yesIsDefault = false;

private:
    QMessageBox::StandardButton m_answer;
    QTimer m_timer;
};
} // namespace

class SettingsDlgTest : public QObject
{
    Q_OBJECT

private:
    QPointer<CSettingsDlg> m_dialog;

    CSettingsDlg* open(QWidget* parent = nullptr)
    {
        m_dialog = new CSettingsDlg(parent);
        m_dialog->show();
        if (!QTest::qWaitForWindowExposed(m_dialog))
            qWarning("settings dialog not exposed");
        return m_dialog;
    }

    template <typename T> T* child(const char* name) const { return m_dialog->findChild<T*>(QString(name)); }

    void press(const char* radio) { QTest::mouseClick(child<QRadioButton>(radio), Qt::LeftButton); }

private slots:
    void initTestCase() { initTessitraResources(); }

    void init()
    {
        store()->remove("");
        g_bDeviceConnected.store(false);
    }

    void cleanup() { delete m_dialog; }

    void modeOnOpening_data()
    {
        QTest::addColumn<bool>("manual");
        QTest::addColumn<bool>("monthly");
        QTest::addColumn<QString>("checked");
        QTest::newRow("never") << true << false << "neverRadioButton";
        QTest::newRow("on startup") << false << false << "startupRadioButton";
        QTest::newRow("monthly") << false << true << "monthlyRadioButton";
        QTest::newRow("monthly wins over manual") << true << true << "monthlyRadioButton";
    }

    void modeOnOpening()
    {
        QFETCH(bool, manual);
        QFETCH(bool, monthly);
        QFETCH(QString, checked);
        storeMode(manual, monthly);
        open();
        QCOMPARE(m_dialog->objectName(), QString("settingsDialog"));
        QCOMPARE(m_dialog->windowTitle(), QString("Settings"));
        QVERIFY(m_dialog->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(!(m_dialog->windowFlags() & Qt::WindowContextHelpButtonHint));
        QVERIFY(child<QGroupBox>("groupBoxInterface")->isHidden());
        for (const char* layout : {"verticalLayout", "horizontalLayout_2", "horizontalLayout_3", "horizontalLayout_4",
                                   "horizontalLayout_6", "horizontalLayout_5", "horizontalLayout", "settingsButttonLayout"})
            QVERIFY2(child<QLayout>(layout), layout);
        QVERIFY(child<QWidget>("widgetUpdate"));
        QVERIFY(child<QRadioButton>(checked.toLatin1().constData())->isChecked());
        QCOMPARE(m_dialog->findChildren<QRadioButton*>().count(), 3);
    }

    void pressedModeIsStoredOnOk_data()
    {
        QTest::addColumn<bool>("manual");
        QTest::addColumn<bool>("monthly");
        QTest::addColumn<QString>("radio");
        QTest::addColumn<bool>("storedManual");
        QTest::addColumn<bool>("storedMonthly");
        QTest::newRow("startup to never") << false << false << "neverRadioButton" << true << false;
        QTest::newRow("never to startup") << true << false << "startupRadioButton" << false << false;
        QTest::newRow("never to monthly") << true << false << "monthlyRadioButton" << false << true;
        QTest::newRow("monthly to never") << false << true << "neverRadioButton" << true << false;
        // Both flags set by hand in the store: pressing "Once a Month" clears the stray manual flag.
        QTest::newRow("both to monthly") << true << true << "monthlyRadioButton" << false << true;
    }

    void pressedModeIsStoredOnOk()
    {
        QFETCH(bool, manual);
        QFETCH(bool, monthly);
        QFETCH(QString, radio);
        QFETCH(bool, storedManual);
        QFETCH(bool, storedMonthly);
        storeMode(manual, monthly);
        const QDateTime lastCheck(QDate(2023, 4, 5), QTime(6, 7, 8));
        store()->setValue("LastCheckedDate", lastCheck);
        open();
        press(radio.toLatin1().constData());
        QVERIFY(child<QRadioButton>(radio.toLatin1().constData())->isChecked());
        // Nothing reaches the store before OK.
        QCOMPARE(store()->value("ManualUpdate").toBool(), manual);
        QTest::mouseClick(child<QPushButton>("settingsOK"), Qt::LeftButton);
        QTRY_VERIFY(m_dialog.isNull());
        auto settings = store();
        QCOMPARE(settings->value("ManualUpdate").toBool(), storedManual);
        QCOMPARE(settings->value("MonthlyUpdate").toBool(), storedMonthly);
        QCOMPARE(settings->value("LastCheckedDate").toDateTime(), lastCheck);
        QCOMPARE(settings->value("Language").toInt(), 0);
    }

    void resetThenOkStoresDefaults()
    {
        storeMode(true, false);
        auto settings = store();
        settings->setValue("Language", 1);
        settings->setValue("LastCheckedDate", QDateTime(QDate(2024, 1, 2), QTime(3, 4)));
        settings->setValue("PendingFwUrl", "http://updates.example/fw.bin");
        settings.reset();
        open();
        QTest::mouseClick(child<QPushButton>("resetButton"), Qt::LeftButton);
        QVERIFY(child<QRadioButton>("startupRadioButton")->isChecked());
        QCOMPARE(child<QComboBox>("languageComboBox")->currentIndex(), 0);
        // In memory only until OK.
        QCOMPARE(store()->value("Language").toInt(), 1);
        QVERIFY(store()->value("ManualUpdate").toBool());
        QTest::mouseClick(child<QPushButton>("settingsOK"), Qt::LeftButton);
        QTRY_VERIFY(m_dialog.isNull());
        settings = store();
        QCOMPARE(settings->value("Language").toInt(), 0);
        QCOMPARE(settings->value("ManualUpdate").toBool(), false);
        QCOMPARE(settings->value("MonthlyUpdate").toBool(), false);
        QVERIFY(settings->contains("LastCheckedDate"));
        QVERIFY(!settings->value("LastCheckedDate").toDateTime().isValid());
        QCOMPARE(settings->value("PendingFwUrl").toString(), QString("http://updates.example/fw.bin"));
    }

    void cancel_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("radio");
        QTest::addColumn<int>("answer"); // QMessageBox::NoButton: no question expected
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("storedMonthly");
        const int none = QMessageBox::NoButton;
        QTest::newRow("untouched") << 0 << "" << none << false << false;
        // Showing a language the list does not hold is not a change of the user's.
        QTest::newRow("unknown stored language") << 4 << "" << none << false << false;
        QTest::newRow("same choice again, No") << 0 << "neverRadioButton" << int(QMessageBox::No) << false << false;
        QTest::newRow("same choice again, Yes") << 0 << "neverRadioButton" << int(QMessageBox::Yes) << true << false;
        QTest::newRow("other choice, No") << 0 << "monthlyRadioButton" << int(QMessageBox::No) << false << false;
        QTest::newRow("other choice, Yes") << 0 << "monthlyRadioButton" << int(QMessageBox::Yes) << true << true;
    }

    void cancel()
    {
        QFETCH(int, language);
        QFETCH(QString, radio);
        QFETCH(int, answer);
        QFETCH(bool, written);
        QFETCH(bool, storedMonthly);
        // No LastCheckedDate in the store: OK writes one, so its presence tells whether anything was written.
        storeMode(true, false);
        store()->setValue("Language", language);
        open();
        if (!radio.isEmpty())
            press(radio.toLatin1().constData());
        CSettingsDlg* dialog = m_dialog;
        BoxAnswerer answerer(static_cast<QMessageBox::StandardButton>(answer == QMessageBox::NoButton
                                                                          ? QMessageBox::No
                                                                          : answer));
        QTest::mouseClick(child<QPushButton>("settingsCancel"), Qt::LeftButton);
        QTRY_VERIFY(m_dialog.isNull());
        QCOMPARE(answerer.seen, answer != QMessageBox::NoButton);
        if (answerer.seen) {
            QCOMPARE(answerer.text, QString("Preferences were modified?"));
            QCOMPARE(answerer.informativeText,
                     QString("Changes were made to the Preferences. Do you wish to keep these changes?"));
            QCOMPARE(answerer.objectName, QString("TessitraMessageBox"));
            QCOMPARE(answerer.margins, QMargins(10, 0, 10, 0));
            QCOMPARE(answerer.parent, static_cast<QWidget*>(dialog));
            QVERIFY(answerer.yesIsDefault);
        }
        auto settings = store();
        QCOMPARE(settings->contains("LastCheckedDate"), written);
        QCOMPARE(settings->value("MonthlyUpdate").toBool(), storedMonthly);
        QCOMPARE(settings->value("ManualUpdate").toBool(), !storedMonthly);
        QCOMPARE(settings->value("Language").toInt(), language);
    }

    void factoryPresetsOnlyForCadenzo()
    {
        DeviceManagerThread* device = DeviceManagerThread::instance();
        open();
        auto* group = child<QGroupBox>("groupBoxFactoryPresets");
        QVERIFY(group->isHidden());
        QVERIFY(!group->isEnabled());
        delete m_dialog;

        // A unit that is not the Cadenzo (the idle worker knows no product ID) gets no factory update.
        g_bDeviceConnected.store(true);
        open();
        group = child<QGroupBox>("groupBoxFactoryPresets");
        QVERIFY(group->isHidden());
        emit device->deviceDetected(UsbIds::ArietteProductId);
        QVERIFY(group->isHidden());
        emit device->deviceDetected(UsbIds::CadenzoProductId);
        QVERIFY(group->isVisible());
        QVERIFY(group->isEnabled());
        // Another model afterwards changes nothing; losing the unit hides it again.
        emit device->deviceDetected(UsbIds::ArietteProductId);
        QVERIFY(group->isVisible());
        emit device->deviceRemoved();
        QVERIFY(group->isHidden());
        QVERIFY(!group->isEnabled());
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
                                  << "Checking for firmware update..." << "";
        QTest::newRow("application, server unreachable")
            << "appUpdateButton" << true << 1001 << "Application Update" << "Checking for application update..."
            << "Connection to update server cannot be made.";
        QTest::newRow("factory presets") << "factoryUpdateButton" << false << 1015 << "Factory Preset Update"
                                         << "Updating factory presets..." << "";
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
        QObject* worker = updateWorker ? static_cast<QObject*>(update) : device;
        RequestRecorder recorder;
        update->installEventFilter(&recorder);
        device->installEventFilter(&recorder);

        QWidget mainWindow;
        open(&mainWindow);
        emit device->deviceDetected(UsbIds::CadenzoProductId);
        const QDateTime before = QDateTime::currentDateTime();

        QPointer<ProgressDialog> progress;
        bool bSettingsHidden = false;
        QString shownTitle, shownText;
        QWidget* progressParent = nullptr;
        QList<QPair<QObject*, int>> requests;
        int ticks = 0;
        QTimer driver;
        connect(&driver, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<ProgressDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            // Waits for the posted request; should none come, the progress dialog is ended anyway.
            if (recorder.requests.isEmpty() && ++ticks < 400)
                return;
            driver.stop();
            progress = dialog;
            shownTitle = dialog->windowTitle();
            progressParent = dialog->parentWidget();
            bSettingsHidden = !m_dialog || !m_dialog->isVisible();
            shownText = dialog->findChild<QLabel*>("TessitraLabel")->text();
            requests = recorder.requests;
            if (failure.isEmpty()) {
                if (updateWorker)
                    emit update->operationFinished(0, true);
                else
                    emit device->operationFinished(0, true);
                return;
            }
            emit update->updateCheckFailed(failure);
            shownText = dialog->findChild<QLabel*>("TessitraLabel")->text();
            QPushButton* ok = dialog->findChild<QPushButton*>("CancelProgress");
            if (ok && ok->isVisible())
                ok->click();
            else
                dialog->done(0);
        });
        driver.start(5);
        QTest::mouseClick(child<QPushButton>(button.toLatin1().constData()), Qt::LeftButton);
        driver.stop();
        update->removeEventFilter(&recorder);
        device->removeEventFilter(&recorder);

        QVERIFY(progressParent == &mainWindow);
        QCOMPARE(shownTitle, title);
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.first().first, worker);
        QCOMPARE(requests.first().second, request);
        QVERIFY(bSettingsHidden);
        QCOMPARE(shownText, failure.isEmpty() ? text : failure);
        QTRY_VERIFY(m_dialog.isNull());
        QTRY_VERIFY(progress.isNull());
        // The check's date is stored as it starts; the factory update stores nothing.
        const QDateTime stored = store()->value("LastCheckedDate").toDateTime();
        QCOMPARE(stored.isValid(), updateWorker);
        if (updateWorker)
            QVERIFY(stored >= before.addSecs(-1) && stored <= QDateTime::currentDateTime());
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
