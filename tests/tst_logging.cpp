// ui.log lines: the level, the text, then the file name and the function name in brackets; lines written
// from several threads at once stay whole.

#include "log.h"
#include "logging.h"

#include "support/TestFiles.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>
#include <vector>

class TestLogging : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString log() const { return m_dir.path() + "/ui.log"; }

private slots:
    void init()
    {
        QVERIFY(openLogFile(m_dir.path()));
        qInstallMessageHandler(tessitraMessageHandler);
    }
    void cleanup()
    {
        qInstallMessageHandler(nullptr);
        closeLogFile();
    }

    void lineFormat_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("function");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("warning, no ::") << int(QtWarningMsg) << QByteArray("app.cpp") << QByteArray("int main(int)")
                                        << "x" << QByteArray("Warning: x\t[app.cpp: 231, int main(int)]\n");
        QTest::newRow("cut at NUL") << int(QtDebugMsg) << QByteArray("a.cpp") << QByteArray("f()")
                                    << QString("before") + QChar(0) + "after" << QByteArray("Debug: before");
        QTest::newRow("shader link dropped") << int(QtWarningMsg) << QByteArray("q.cpp") << QByteArray("f()")
                                             << "Failed: QOpenGLShader::link: error 12" << QByteArray();
    }

    void lineFormat()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, function);
        QFETCH(QString, message);
        QFETCH(QByteArray, expected);
        const QMessageLogContext context(file.isNull() ? nullptr : file.constData(), 231,
                                         function.isNull() ? nullptr : function.constData(), "default");
        tessitraMessageHandler(static_cast<QtMsgType>(type), context, message);
        QCOMPARE(readFile(log()), expected);
    }

    void concurrentLinesStayWhole()
    {
        std::vector<std::thread> workers;
        for (int id = 0; id < 4; ++id)
            workers.emplace_back([id] {
                for (int i = 0; i < 400; ++i)
                    TS_DEBUG("thread %d message %d %s", id, i, QByteArray(64, char('a' + id)).constData());
            });
        for (auto& worker : workers)
            worker.join();
        const QList<QByteArray> lines = readFile(log()).split('\n');
        QCOMPARE(lines.size(), 1601);
        const QRegularExpression pattern("^Debug: thread (\\d) message (\\d+) ([a-d]{64})\t\\[tst_logging\\.cpp: ");
        QVector<int> next(4, 0);
        for (int i = 0; i < 1600; ++i) { // each thread's lines whole and in its own order
            const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(lines.at(i)));
            QVERIFY2(match.hasMatch(), lines.at(i).constData());
            const int id = match.captured(1).toInt();
            QCOMPARE(match.captured(2).toInt(), next[id]++);
            QCOMPARE(match.captured(3), QString(64, QChar('a' + id)));
        }
    }
};

QTEST_GUILESS_MAIN(TestLogging)
#include "tst_logging.moc"
