#include "log.h"
#include "logging.h"

#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <thread>
#include <vector>

namespace {
// Logs through the program's macro, as every worker thread does.
void logFromThread(int id, int count)
{
    const QByteArray padding(64, static_cast<char>('a' + id));
    for (int i = 0; i < count; ++i)
        TS_DEBUG("thread %d message %d %s", id, i, padding.constData());
}
} // namespace

class TestLogging : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void lineFormat_data();
    void lineFormat();
    void concurrentLinesStayWhole();
    void eachStartRecreatesTheLog();
    void fatalIsWrittenThenAborts();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_strLogPath;
};

void TestLogging::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    const QString folder = m_dir->path() + "/Aurivell/Tessitra/Log";
    QVERIFY(openLogFile(folder));
    m_strLogPath = folder + "/ui.log";
    qInstallMessageHandler(tessitraMessageHandler);
}

void TestLogging::cleanup()
{
    qInstallMessageHandler(nullptr);
    closeLogFile();
}

void TestLogging::lineFormat_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("function");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("expected");

    const auto row = [](const char* name, QtMsgType type, const char* file, int line, const char* function,
                        const QString& message, const QByteArray& expected) {
        QTest::newRow(name) << int(type) << QByteArray(file) << line << QByteArray(function) << message << expected;
    };
    row("debug, member function", QtDebugMsg, "../sources/mainwindow.cpp", 231, "void MainWindow::initialize()",
        "Entering", "Debug: Entering\t[mainwindow.cpp: 231, initialize()]\n");
    row("warning, constructor", QtWarningMsg, "/abs/path/sources/mainwindow.cpp", 7, "MainWindow::MainWindow(QWidget*)",
        "Exiting", "Warning: Exiting\t[mainwindow.cpp: 7, MainWindow(QWidget*)]\n");
    row("critical, last :: wins", QtCriticalMsg, "Connect.cpp", 1200,
        "int CUSBConnect::SendPacket(BYTE*, int, int, BYTE*, bool, bool)", "Error writing to device",
        "Critical: Error writing to device\t[Connect.cpp: 1200, SendPacket(BYTE*, int, int, BYTE*, bool, bool)]\n");
    row("function without ::", QtDebugMsg, "../sources/app.cpp", 42, "int tessitraMain(int, char**)", "Arg received: x",
        "Debug: Arg received: x\t[app.cpp: 42, int tessitraMain(int, char**)]\n");
    row("no context", QtDebugMsg, nullptr, 0, nullptr, "bare", "Debug: bare\t[: 0, ]\n");
    row("non-ASCII text", QtDebugMsg, "a.cpp", 1, "f()", QString::fromUtf8("Preset \xc3\xa9t\xc3\xa9"),
        QString::fromUtf8("Debug: Preset \xc3\xa9t\xc3\xa9\t[a.cpp: 1, f()]\n").toLocal8Bit());
    row("text cut at NUL", QtDebugMsg, "a.cpp", 3, "f()", QString::fromLatin1("before", 6) + QChar(0) + "after",
        "Debug: before");
    row("shader link message dropped", QtWarningMsg, "qopenglshaderprogram.cpp", 9, "bool QOpenGLShader::link()",
        "Failed: QOpenGLShader::link: error 12", QByteArray());
    row("info has no template", QtInfoMsg, "a.cpp", 1, "f()", "info", QByteArray());
}

void TestLogging::lineFormat()
{
    QFETCH(int, type);
    QFETCH(QByteArray, file);
    QFETCH(int, line);
    QFETCH(QByteArray, function);
    QFETCH(QString, message);
    QFETCH(QByteArray, expected);

    const QByteArray before = readFile(m_strLogPath);
    const QMessageLogContext context(file.isNull() ? nullptr : file.constData(), line,
                                     function.isNull() ? nullptr : function.constData(), "default");
    tessitraMessageHandler(static_cast<QtMsgType>(type), context, message);
    QCOMPARE(readFile(m_strLogPath), before + expected);
}

void TestLogging::concurrentLinesStayWhole()
{
    const int threads = 4;
    const int perThread = 400;
    // Plain threads: joining them is a synchronisation ThreadSanitizer can follow.
    std::vector<std::thread> workers;
    for (int i = 0; i < threads; ++i)
        workers.emplace_back(logFromThread, i, perThread);
    TS_DEBUG("from the GUI thread");
    for (auto& worker : workers)
        worker.join();

    const QList<QByteArray> lines = readFile(m_strLogPath).split('\n');
    QCOMPARE(lines.size(), threads * perThread + 2); // the last split is the empty tail
    QVERIFY(lines.last().isEmpty());
    const QRegularExpression pattern(
        "^Debug: thread (\\d) message (\\d+) ([a-d]{64})\t\\[tst_logging\\.cpp: \\d+, logFromThread\\(int, int\\)\\]$");
    QVector<int> next(threads, 0);
    int gui = 0;
    for (int i = 0; i < lines.size() - 1; ++i) {
        const QString text = QString::fromLocal8Bit(lines.at(i));
        if (text.startsWith("Debug: from the GUI thread\t")) {
            ++gui;
            continue;
        }
        const QRegularExpressionMatch match = pattern.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        const int id = match.captured(1).toInt();
        // Each thread's lines arrive in its own order, and its padding is not mixed with another's.
        QCOMPARE(match.captured(2).toInt(), next[id]++);
        QCOMPARE(match.captured(3), QString(64, QChar('a' + id)));
    }
    QCOMPARE(gui, 1);
    QCOMPARE(next, QVector<int>(threads, perThread));
}

void TestLogging::eachStartRecreatesTheLog()
{
    TS_WARNING("from the previous run");
    closeLogFile();
    QVERIFY(readFile(m_strLogPath).contains("from the previous run"));

    QVERIFY(openLogFile(QFileInfo(m_strLogPath).path()));
    QCOMPARE(readFile(m_strLogPath), QByteArray());
    TS_DEBUG("this run");
    QVERIFY(readFile(m_strLogPath).startsWith("Debug: this run\t"));

    // A log folder that cannot be created leaves the log closed; nothing is reported and nothing is written.
    const QString blocker = m_dir->path() + "/file";
    QFile block(blocker);
    QVERIFY(block.open(QIODevice::WriteOnly));
    block.close();
    QVERIFY(!openLogFile(blocker + "/Log"));
    TS_DEBUG("nowhere");
    QVERIFY(!g_logFile.isOpen());
}

void TestLogging::fatalIsWrittenThenAborts()
{
    closeLogFile();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TST_LOGGING_FATAL_DIR", m_dir->path() + "/fatal");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    const QByteArray log = readFile(m_dir->path() + "/fatal/ui.log");
    QVERIFY2(log.startsWith("Fatal: cannot go on\t[tst_logging.cpp: "), log.constData());
    QVERIFY(log.endsWith(", int main(int, char**)]\n"));
    QVERIFY(!log.contains("after the fatal"));
}

int main(int argc, char* argv[])
{
    // Child mode of fatalIsWrittenThenAborts: log one fatal message and die by it.
    const QString fatalDir = qEnvironmentVariable("TST_LOGGING_FATAL_DIR");
    if (!fatalDir.isEmpty()) {
        if (!openLogFile(fatalDir))
            return 2;
        qInstallMessageHandler(tessitraMessageHandler);
        QMessageLogger(__FILE__, __LINE__, Q_FUNC_INFO).fatal("cannot go on");
        TS_DEBUG("after the fatal");
        return 3;
    }
    QCoreApplication app(argc, argv);
    TestLogging test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_logging.moc"
