#include "app.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The whole program as a process, the way a user starts it: a fresh home folder, a temporary folder of
// its own (where the single-instance lock lives) and an empty virtual bus (no unit).
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void splashDelay_data();
    void splashDelay();
    void earlyExits_data();
    void earlyExits();
    void secondStartGivesWay();

private:
    QProcessEnvironment environment() const;
    QString logPath() const { return m_dir->path() + "/home/Aurivell/Tessitra/Log/ui.log"; }
    QByteArray log() const;
    void start(QProcess& process, const QString& program, const QStringList& arguments);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestStartup::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    for (const char* folder : {"home", "tmp", "bus", "config", "runtime"})
        QVERIFY(QDir(m_dir->path()).mkpath(folder));
    QFile::setPermissions(m_dir->path() + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QProcessEnvironment TestStartup::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", m_dir->path() + "/home");
    env.insert("TMPDIR", m_dir->path() + "/tmp");
    env.insert("XDG_CONFIG_HOME", m_dir->path() + "/config");
    env.insert("XDG_RUNTIME_DIR", m_dir->path() + "/runtime");
    env.insert("TESSITRA_VIRTUAL_BUS", m_dir->path() + "/bus");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("TESSITRA_HELPER_MODE");
    return env;
}

QByteArray TestStartup::log() const
{
    QFile file(logPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestStartup::start(QProcess& process, const QString& program, const QStringList& arguments)
{
    process.setProgram(program);
    process.setArguments(arguments);
    process.start();
    QVERIFY2(process.waitForStarted(10000), qPrintable(program));
}

void TestStartup::splashDelay_data()
{
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<int>("delay");
    QTest::newRow("at once") << qint64(0) << 4100;
    QTest::newRow("one second") << qint64(1000) << 3100;
    QTest::newRow("3999 ms") << qint64(3999) << 101;
    QTest::newRow("4000 ms") << qint64(4000) << 100;
    QTest::newRow("4100 ms") << qint64(4100) << 100;
    QTest::newRow("slow start") << qint64(90000) << 100;
}

void TestStartup::splashDelay()
{
    QFETCH(qint64, elapsed);
    QFETCH(int, delay);
    QCOMPARE(::splashDelay(elapsed), delay);
}

void TestStartup::earlyExits_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("besideInfoIni");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("output");

    QTest::newRow("style sheet missing") << "no-style" << true << 1 << QByteArray("Could not open style sheet...\n");
    QTest::newRow("info.ini missing")
        << QString() << false << 255 // -1 as the process sees it
        << QByteArray("modal: object=TessitraMessageBox title=Tessitra Stage Librarian icon=3 margins=10,0,10,0 "
                      "buttons=OK parent=none\n"
                      "text=Failed to load initialization file. Reinstall the application to fix the problem.\n");
}

void TestStartup::earlyExits()
{
    QFETCH(QString, mode);
    QFETCH(bool, besideInfoIni);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, output);

    // The helper runs the entry point in a folder of its own, with or without info.ini beside it.
    const QString folder = m_dir->path() + "/program";
    QVERIFY(QDir().mkpath(folder));
    const QString program = folder + "/TessitraStageLibrarian";
    QVERIFY(QFile::copy(STARTUP_HELPER, program));
    if (besideInfoIni)
        QVERIFY(QFile::copy(QFileInfo(TESSITRA_EXECUTABLE).path() + "/info.ini", folder + "/info.ini"));

    QProcess process;
    QProcessEnvironment env = environment();
    if (!mode.isEmpty())
        env.insert("TESSITRA_HELPER_MODE", mode);
    process.setProcessEnvironment(env);
    start(process, program, {"--early"});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    QCOMPARE(process.readAllStandardOutput(), output);

    // The log was opened before either check, and the arguments made it in.
    const QByteArray written = log();
    QVERIFY2(written.startsWith("Debug: Arg received: " + program.toLocal8Bit() + "\t[app.cpp: "), written.constData());
    QVERIFY(written.contains("Debug: Arg received: --early\t[app.cpp: "));
}

void TestStartup::secondStartGivesWay()
{
    QProcess first;
    first.setProcessEnvironment(environment());
    first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    start(first, TESSITRA_EXECUTABLE, {"first", "two words"});
    QTRY_VERIFY_WITH_TIMEOUT(log().contains("Entering, timeOut: "), 30000);

    // Every argument, the program path first, on a line of its own from the entry point.
    const QStringList lines = QString::fromLocal8Bit(log()).split('\n');
    const QRegularExpression argLine("^Debug: Arg received: (.*)\t\\[app\\.cpp: \\d+, int tessitraMain\\(int, char\\*\\*\\)\\]$");
    QStringList arguments;
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = argLine.match(line);
        if (match.hasMatch())
            arguments << match.captured(1);
    }
    QCOMPARE(arguments, QStringList({TESSITRA_EXECUTABLE, "first", "two words"}));

    // The window is shown 4.1 s after start at the earliest, and at least 100 ms after initialisation.
    const QRegularExpression timerLine("Entering, timeOut: (\\d+)\t");
    const int timeOut = timerLine.match(QString::fromLocal8Bit(log())).captured(1).toInt();
    QVERIFY2(timeOut >= 100 && timeOut <= 4100, qPrintable(QString::number(timeOut)));

    // A second start hands over to the first and leaves its log alone.
    const QByteArray before = log();
    QProcess second;
    second.setProcessEnvironment(environment());
    start(second, TESSITRA_EXECUTABLE, {"second"});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second.readAllStandardOutput(), QByteArray());
    const QByteArray after = log();
    QVERIFY(after.startsWith(before)); // the first instance may have gone on logging, nothing else
    QVERIFY(!after.contains("Arg received: second"));
    QVERIFY(!after.contains("Another instance is running."));
    QCOMPARE(first.state(), QProcess::Running);

    // The first instance crashes: its lock is left behind, and does not keep the next start out.
    first.kill();
    QVERIFY(first.waitForFinished(10000));
    QProcess third;
    third.setProcessEnvironment(environment());
    start(third, TESSITRA_EXECUTABLE, {"third"});
    QTRY_VERIFY_WITH_TIMEOUT(log().contains("Debug: Arg received: third\t"), 30000);
    QVERIFY(!log().contains("Arg received: first")); // a fresh log
    QCOMPARE(third.state(), QProcess::Running);
    third.kill();
    QVERIFY(third.waitForFinished(10000));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
