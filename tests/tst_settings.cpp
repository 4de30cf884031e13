#include "Settings.h"
#include "logging.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(std::function<void(const QVariant&)>)
Q_DECLARE_METATYPE(std::function<QVariant()>)

namespace {
QSettings* rawStore()
{
    QSettings* settings = new QSettings("Aurivell", "TessitraStageLibrarian");
    settings->beginGroup("Settings");
    return settings;
}

QStringList logLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringList();
    return QString::fromLocal8Bit(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// Strips "[file: line, function]" so a comparison does not depend on line numbers.
QStringList texts(const QStringList& lines)
{
    QStringList result;
    for (const QString& line : lines) {
        // Every line comes from readSettings; any other line is kept whole so the comparison shows it.
        const bool fromRead = line.endsWith(", readSettings()]") && line.contains("\t[Settings.cpp: ");
        result << (fromRead ? line.left(line.indexOf('\t')) : line);
    }
    return result;
}
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

public:
    explicit TestSettings(const QString& configHome) : m_strConfigHome(configHome) {}

private slots:
    void initTestCase();
    void cleanupTestCase();
    void freshAccountReadsDefaults();
    void writeThenReadBack();
    void resetKeepsPendingUrl();
    void emptyPendingUrlIsStored();
    void passThroughValues_data();
    void passThroughValues();

private:
    QString m_strConfigHome;
    QTemporaryDir m_logDir;
    QString m_strLogPath;
};

void TestSettings::initTestCase()
{
    QVERIFY(m_logDir.isValid());
    QVERIFY(openLogFile(m_logDir.path()));
    m_strLogPath = m_logDir.path() + "/ui.log";
    qInstallMessageHandler(tessitraMessageHandler);
}

void TestSettings::cleanupTestCase()
{
    qInstallMessageHandler(nullptr);
    closeLogFile();
}

void TestSettings::freshAccountReadsDefaults()
{
    CSettings* settings = CSettings::instance();
    QCOMPARE(CSettings::instance(), settings);
    QCOMPARE(settings->m_iLanguage, 0);
    // "On Startup": neither flag set.
    QCOMPARE(settings->m_bManualUpdate, false);
    QCOMPARE(settings->m_bMonthlyUpdate, false);
    QVERIFY(!settings->m_DateTimeLastChecked.isValid());
    QVERIFY(settings->m_strPendingFwUrl.isEmpty());

    // Created once, read once.
    const QString storeFile = m_strConfigHome + "/Aurivell/TessitraStageLibrarian.conf";
    QCOMPARE(texts(logLines(m_strLogPath)), QStringList({"Debug: *********Registry: begin************",
                                                         "Debug: Settings file path: " + storeFile,
                                                         "Debug: m_manualUpdate: false",
                                                         "Debug: m_monthlyUpdate: false",
                                                         "Debug: m_DateTimeLastChecked: ",
                                                         "Debug: **********Registry: end*************"}));
    // Reading stores nothing.
    QVERIFY(!QFile::exists(storeFile));
}

void TestSettings::writeThenReadBack()
{
    CSettings* settings = CSettings::instance();
    const QDateTime checked(QDate(2024, 2, 29), QTime(23, 59, 58), Qt::UTC);
    settings->m_iLanguage = 0;
    settings->m_bManualUpdate = false;
    settings->m_bMonthlyUpdate = true;
    settings->m_DateTimeLastChecked = checked;
    settings->m_strPendingFwUrl = "http://unsaved/fw.bin"; // not part of writeSettings
    settings->writeSettings();

    {
        QScopedPointer<QSettings> raw(rawStore());
        QCOMPARE(raw->value("Language").toInt(), 0);
        QCOMPARE(raw->value("ManualUpdate").toBool(), false);
        QCOMPARE(raw->value("MonthlyUpdate").toBool(), true);
        QCOMPARE(raw->value("LastCheckedDate").toDateTime(), checked);
        QVERIFY(!raw->contains("PendingFwUrl"));
        // Another part of the program changes the store behind the cached copy.
        raw->setValue("ManualUpdate", true);
        raw->setValue("MonthlyUpdate", false);
    }

    settings->m_bMonthlyUpdate = true;
    const int before = logLines(m_strLogPath).size();
    settings->readSettings();
    QCOMPARE(settings->m_bManualUpdate, true);
    QCOMPARE(settings->m_bMonthlyUpdate, false);
    QCOMPARE(settings->m_DateTimeLastChecked, checked);
    QVERIFY(settings->m_strPendingFwUrl.isEmpty());
    const QStringList read = texts(logLines(m_strLogPath).mid(before));
    QCOMPARE(read.value(2), QString("Debug: m_manualUpdate: true"));
    QCOMPARE(read.value(3), QString("Debug: m_monthlyUpdate: false"));
    QCOMPARE(read.value(4), QString("Debug: m_DateTimeLastChecked: 2024-02-29T23:59:58Z"));
}

void TestSettings::resetKeepsPendingUrl()
{
    CSettings* settings = CSettings::instance();
    settings->setPendingFwUrl("http://updates.example/fw/3.2.bin");
    settings->m_bManualUpdate = true;
    settings->m_DateTimeLastChecked = QDateTime::currentDateTimeUtc();
    settings->writeSettings();

    settings->resetToDefaults();
    QCOMPARE(settings->m_iLanguage, 0);
    QCOMPARE(settings->m_bManualUpdate, false);
    QCOMPARE(settings->m_bMonthlyUpdate, false);
    QVERIFY(!settings->m_DateTimeLastChecked.isValid());
    QCOMPARE(settings->m_strPendingFwUrl, QString("http://updates.example/fw/3.2.bin"));
    {
        // Resetting alone writes nothing.
        QScopedPointer<QSettings> raw(rawStore());
        QCOMPARE(raw->value("ManualUpdate").toBool(), true);
    }

    settings->writeSettings();
    QScopedPointer<QSettings> raw(rawStore());
    QCOMPARE(raw->value("ManualUpdate").toBool(), false);
    QVERIFY(!raw->value("LastCheckedDate").toDateTime().isValid());
    QCOMPARE(raw->value("PendingFwUrl").toString(), QString("http://updates.example/fw/3.2.bin"));
}

void TestSettings::emptyPendingUrlIsStored()
{
    CSettings* settings = CSettings::instance();
    settings->setPendingFwUrl("http://updates.example/fw.bin");
    settings->setPendingFwUrl(QString());
    QVERIFY(settings->m_strPendingFwUrl.isEmpty());
    QScopedPointer<QSettings> raw(rawStore());
    QVERIFY(raw->contains("PendingFwUrl"));
    QCOMPARE(raw->value("PendingFwUrl", "absent").toString(), QString());
}

void TestSettings::passThroughValues_data()
{
    using Set = std::function<void(const QVariant&)>;
    using Get = std::function<QVariant()>;
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("fallback");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<Set>("set");
    QTest::addColumn<Get>("get");

    CSettings* s = CSettings::instance();
    QTest::newRow("WindowsGeometry")
        << "WindowsGeometry" << QVariant(QByteArray()) << QVariant(QByteArray("\x01\xd9\xd0\xcb\x00\x03", 6))
        << Set([s](const QVariant& v) { s->setWindowsGeometry(v.toByteArray()); })
        << Get([s] { return QVariant(s->windowsGeometry()); });
    QTest::newRow("WindowsStates") << "WindowsStates" << QVariant(0) << QVariant(2)
                                   << Set([s](const QVariant& v) { s->setWindowsStates(v.toInt()); })
                                   << Get([s] { return QVariant(s->windowsStates()); });
    QTest::newRow("FileSystemPath") << "FileSystemPath" << QVariant(QString()) << QVariant(QString("/home/s/Sets"))
                                    << Set([s](const QVariant& v) { s->setFileSystemPath(v.toString()); })
                                    << Get([s] { return QVariant(s->fileSystemPath()); });
    QTest::newRow("SplitterHSizes") << "SplitterHSizes" << QVariant(QByteArray())
                                    << QVariant(QByteArray("\x00\x00\x00\xc8\x00\x00\x01\x90", 8))
                                    << Set([s](const QVariant& v) { s->setSplitterHSizes(v.toByteArray()); })
                                    << Get([s] { return QVariant(s->splitterHSizes()); });
    QTest::newRow("SplitterVSizes") << "SplitterVSizes" << QVariant(QByteArray()) << QVariant(QByteArray("\x00\x81", 2))
                                    << Set([s](const QVariant& v) { s->setSplitterVSizes(v.toByteArray()); })
                                    << Get([s] { return QVariant(s->splitterVSizes()); });
}

void TestSettings::passThroughValues()
{
    using Set = std::function<void(const QVariant&)>;
    using Get = std::function<QVariant()>;
    QFETCH(QString, key);
    QFETCH(QVariant, fallback);
    QFETCH(QVariant, value);
    QFETCH(Set, set);
    QFETCH(Get, get);

    {
        QScopedPointer<QSettings> raw(rawStore());
        raw->remove(key);
    }
    QCOMPARE(get(), fallback);
    set(value);
    QCOMPARE(get(), value);
    {
        QScopedPointer<QSettings> raw(rawStore());
        QCOMPARE(raw->value(key), value);
        // Nothing is cached: a value changed behind the object's back is what the next read returns.
        raw->setValue(key, fallback);
    }
    QCOMPARE(get(), fallback);
}

int main(int argc, char* argv[])
{
    // A store of our own: the user's real preferences stay untouched, and the account starts fresh.
    QTemporaryDir configHome;
    if (!configHome.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    TestSettings test(configHome.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
