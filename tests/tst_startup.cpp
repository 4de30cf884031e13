// The whole program as a process, the way a user starts it: a fresh home folder, a temporary folder of its own
// (where the single-instance lock lives) and an empty virtual bus (no unit).

#include "app.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    // A started process of `program` in the test's own home, temporary, config and runtime folders.
    void start(QProcess& process, const QString& program, const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "TMPDIR", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "TESSITRA_VIRTUAL_BUS"}) {
            QVERIFY(QDir().mkpath(m_dir.filePath(name)));
            env.insert(name, m_dir.filePath(name));
        }
        QFile::setPermissions(m_dir.filePath("XDG_RUNTIME_DIR"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        QVERIFY2(process.waitForStarted(10000), qPrintable(program));
    }

    QByteArray log() const
    {
        QFile file(m_dir.filePath("HOME/Aurivell/Tessitra/Log/ui.log"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    // The window shows 4.1 s after start at the earliest, and at least 100 ms after the window is built.
    void splashDelay()
    {
        QCOMPARE(QList<int>({::splashDelay(0), ::splashDelay(3999), ::splashDelay(4000), ::splashDelay(90000)}),
                 QList<int>({4100, 101, 100, 100}));
    }

    // A second start hands over to the first and leaves its log alone; a crashed first instance leaves its lock
    // behind, and that does not keep the next start out.
    void secondStartGivesWay()
    {
        QFile::remove(m_dir.filePath("HOME/Aurivell/Tessitra/Log/ui.log"));
        QProcess first, second, third;
        start(first, TESSITRA_EXECUTABLE, {"first", "two words"});
        QTRY_VERIFY_WITH_TIMEOUT(log().contains("Entering, timeOut: "), 30000);
        QVERIFY(log().contains("Debug: Arg received: two words\t[app.cpp: "));
        const QByteArray before = log();
        start(second, TESSITRA_EXECUTABLE, {"second"});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAllStandardOutput(), QByteArray());
        QVERIFY(log().startsWith(before)); // the first instance may have gone on logging, nothing else
        QVERIFY(!log().contains("Arg received: second"));
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        QVERIFY(first.waitForFinished(10000));
        start(third, TESSITRA_EXECUTABLE, {"third"});
        QTRY_VERIFY_WITH_TIMEOUT(log().contains("Debug: Arg received: third\t"), 30000);
        QVERIFY(!log().contains("Arg received: first")); // a fresh log
        QCOMPARE(third.state(), QProcess::Running);
        third.kill();
        QVERIFY(third.waitForFinished(10000));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
