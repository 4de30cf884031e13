// The preferences as they land in the per-user store: the keys and values other versions of the program read,
// and a reset that keeps the pending firmware URL.

#include "Settings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void storeAndReset()
    {
        CSettings* settings = CSettings::instance();
        settings->m_bMonthlyUpdate = true;
        settings->m_DateTimeLastChecked = QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58), Qt::UTC);
        settings->writeSettings();
        settings->setWindowsStates(2);
        QSettings raw(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Aurivell/TessitraStageLibrarian.conf",
                      QSettings::IniFormat);
        raw.beginGroup("Settings");
        QCOMPARE(raw.childKeys(),
                 (QStringList{"Language", "LastCheckedDate", "ManualUpdate", "MonthlyUpdate", "WindowsStates"}));
        QCOMPARE(
            (QList<QVariant>{raw.value("Language"), raw.value("ManualUpdate"), raw.value("MonthlyUpdate"),
                             raw.value("LastCheckedDate").toDateTime(), raw.value("WindowsStates")}),
            (QList<QVariant>{"0", "false", "true", QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58), Qt::UTC), "2"}));

        // A reset keeps the pending URL and stores it; an empty URL is stored as an empty value.
        settings->setPendingFwUrl("http://updates.example/fw/3.2.bin");
        settings->resetToDefaults();
        QCOMPARE(settings->m_bMonthlyUpdate, false);
        QCOMPARE(settings->m_strPendingFwUrl, QString("http://updates.example/fw/3.2.bin"));
        raw.sync();
        QCOMPARE(raw.value("PendingFwUrl").toString(), QString("http://updates.example/fw/3.2.bin"));
        settings->setPendingFwUrl(QString());
        raw.sync();
        QCOMPARE(raw.value("PendingFwUrl", "absent").toString(), QString());
    }
};

int main(int argc, char* argv[])
{
    // A store of our own: the user's real preferences stay untouched.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
