// Downloads from the stand-in update server: a file saved in place of what an earlier run left, a server
// error, and a server that never answers, cut off by the transfer timeout.

#include "downloadmanager.h"

#include "support/TestFiles.h"
#include "support/UpdateServer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestDownloads : public QObject
{
    Q_OBJECT

private slots:
    void batch_data()
    {
        QTest::addColumn<QString>("mode");     // how the server treats the request
        QTest::addColumn<QByteArray>("bytes"); // what a.bin holds afterwards
        QTest::addColumn<QString>("errorEnd"); // "!" alone: success
        QTest::newRow("file") << "" << QByteArray("\x00\x01image\xff", 7) << "!";
        QTest::newRow("server error") << "fail" << QByteArray() << "Internal Server Error!";
        QTest::newRow("stall") << "stall" << QByteArray() << "Operation canceled!";
    }

    void batch()
    {
        QFETCH(QString, mode);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, errorEnd);
        UpdateServer server;
        QVERIFY(server.start());
        QVERIFY(server.addFile("images/a.bin", QByteArray("\x00\x01image\xff", 7)));
        QTemporaryDir dir;
        // Leftovers of an earlier run, one of them of the same name, are gone before the new file lands.
        QVERIFY(QDir().mkpath(dir.path() + "/old") && writeFile(dir.path() + "/old/stale.ldr", "x") &&
                writeFile(dir.path() + "/a.bin", "a longer old file"));

        DownloadManager manager;
        manager.setTransferTimeout(300);
        QSignalSpy finished(&manager, &DownloadManager::finished);
        manager.download(server.url("images/a.bin", mode), dir.path(), nullptr);
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first().at(0).toString(), dir.path() + "/a.bin");
        QCOMPARE(finished.first().at(1).toBool(), errorEnd == "!");
        QVERIFY2(finished.first().at(2).toString().endsWith(errorEnd), qPrintable(finished.first().at(2).toString()));
        // A failed download leaves nothing under the final name.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 bytes.isNull() ? QStringList() : QStringList{"a.bin"});
        QCOMPARE(readFile(dir.path() + "/a.bin"), bytes);
        QCOMPARE(server.requests(), QStringList{"GET " + server.url("images/a.bin", mode).path()});
    }
};

QTEST_GUILESS_MAIN(TestDownloads)
#include "tst_downloads.moc"
