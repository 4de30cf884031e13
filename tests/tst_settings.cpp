// The preferences as they land in the per-user store: the keys other versions of the program read, what a
// fresh account reads, and what a reset keeps.

#include "Settings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void storeAndReset();
};

void TestSettings::storeAndReset()
{
    const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Aurivell/TessitraStageLibrarian.conf";
    CSettings* settings = CSettings::instance();
    // A fresh account reads "On Startup", no last check, nothing pending, and reading stores nothing.
    QCOMPARE((QList<QVariant>{settings->m_iLanguage, settings->m_bManualUpdate, settings->m_bMonthlyUpdate,
                              settings->m_DateTimeLastChecked.isValid(), settings->m_strPendingFwUrl}),
             (QList<QVariant>{0, false, false, false, QString()}));
    QVERIFY(!QFile::exists(file));

    settings->m_bMonthlyUpdate = true;
    settings->m_DateTimeLastChecked = QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58), Qt::UTC);
    settings->m_strPendingFwUrl = "http://unsaved/fw.bin"; // not part of writeSettings
    settings->writeSettings();
    settings->setWindowsStates(2);
    QSettings raw(file, QSettings::IniFormat);
    QCOMPARE(raw.childGroups(), QStringList{"Settings"});
    raw.beginGroup("Settings");
    QCOMPARE(raw.childKeys(),
             (QStringList{"Language", "LastCheckedDate", "ManualUpdate", "MonthlyUpdate", "WindowsStates"}));
    QCOMPARE((QList<QVariant>{raw.value("Language"), raw.value("ManualUpdate"), raw.value("MonthlyUpdate"),
                              raw.value("LastCheckedDate").toDateTime(), raw.value("WindowsStates")}),
             (QList<QVariant>{"0", "false", "true", QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58), Qt::UTC), "2"}));

    // Another part of the program changes the store behind the cached copy: the next read picks it up.
    raw.setValue("ManualUpdate", true);
    raw.setValue("MonthlyUpdate", false);
    raw.sync();
    settings->readSettings();
    QCOMPARE(settings->m_bManualUpdate, true);
    QCOMPARE(settings->m_bMonthlyUpdate, false);
    QVERIFY(settings->m_strPendingFwUrl.isEmpty());

    // A reset keeps the pending URL, writes nothing by itself; an empty URL is stored as an empty value.
    settings->setPendingFwUrl("http://updates.example/fw/3.2.bin");
    settings->resetToDefaults();
    QCOMPARE(settings->m_bManualUpdate, false);
    QVERIFY(!settings->m_DateTimeLastChecked.isValid());
    QCOMPARE(settings->m_strPendingFwUrl, QString("http://updates.example/fw/3.2.bin"));
    raw.sync();
    QCOMPARE(raw.value("ManualUpdate").toString(), QString("true"));
    QCOMPARE(raw.value("PendingFwUrl").toString(), QString("http://updates.example/fw/3.2.bin"));
    settings->setPendingFwUrl(QString());
    raw.sync();
    QCOMPARE(raw.value("PendingFwUrl", "absent").toString(), QString());
}

int main(int argc, char* argv[])
{
    // A store of our own: the user's real preferences stay untouched, and the account starts fresh.
    QTemporaryDir configHome;
    if (!configHome.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
