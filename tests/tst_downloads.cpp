// Downloads against the stand-in update server: the download manager's batches (file names, folder cleaning,
// errors, authentication, a server that never answers), then the update service run the way the window runs
// it (moved into its own thread) from request event to the signals, files and device-worker hand-off.

#include "DeviceManagerThread.h"
#include "deviceinfo.h"
#include "downloadmanager.h"
#include "firmwareupdate.h"
#include "globals.h"

#include "support/SignalRelay.h"
#include "support/SleepRecorder.h"
#include "support/TestFiles.h"
#include "support/UpdateServer.h"

#include <QAuthenticator>
#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kTimeoutMs = 15000;

QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

const QByteArray kImage("\x00\x01image bytes\xff", 14);

QByteArray imageBytes(const QString& name)
{
    return QByteArray(3000, 'x') + name.toUtf8();
}

QByteArray targetsXml(const QString& imageBase)
{
    return QString(R"(<?xml version="1.0"?>
<UpdateTargets>
  <Family Name="Tessitra" FamilyID="0x60">
    <Product Name="Stage Ariette" ProductID="0x2"><Revisions>
      <Revision Version="DSP v1.5" ImageUrl="%1/images/ariette.ldr"/>
    </Revisions></Product>
    <Product Name="Stage Librarian" ProductID="0x3"><Revisions>
      <Revision Version="1.1.0" ImageUrl="%1/images/setup-1.1.0.exe"/>
    </Revisions></Product>
  </Family>
</UpdateTargets>
)")
        .arg(imageBase)
        .toUtf8();
}

} // namespace

// Stands in for the main window's credential dialog.
class AuthenticationAnswer : public QObject
{
    Q_OBJECT
public:
    explicit AuthenticationAnswer(bool bAnswer) : m_bAnswer(bAnswer) {}
    int calls = 0;

public slots:
    void onAuthenticationRequired(QNetworkReply*, QAuthenticator* authenticator) { answer(authenticator); }
    void onProxyAuthenticationRequired(QNetworkProxy, QAuthenticator* authenticator) { answer(authenticator); }

private:
    void answer(QAuthenticator* authenticator)
    {
        ++calls;
        if (m_bAnswer) {
            authenticator->setUser("singer");
            authenticator->setPassword("s3cret");
        }
    }
    bool m_bAnswer;
};

// Catches the firmware hand-off to the device worker (which is never started here) and keeps it from running.
class FirmwareEventCatcher : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != DeviceManagerThread::UpdateFirmwareEvent)
            return false;
        ++count;
        return true;
    }
};

class TestDownloads : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start());
        QVERIFY(m_authServer.start());
        QVERIFY(m_server.addFile("images/a.bin", kImage));
        QVERIFY(m_server.addFile("images/index.html", "<html>index</html>"));
        for (const char* image : {"ariette.ldr", "setup-1.1.0.exe"})
            QVERIFY(m_server.addFile(QString("images/") + image, imageBytes(image)));
        QVERIFY(m_server.setUpdateTargets(targetsXml(m_server.address())));
        QVERIFY(m_authServer.addFile("images/a.bin", "protected"));

        QVERIFY(m_home.isValid());
        buildDataFolders(m_home.path());
        m_pDevice = DeviceManagerThread::instance();
        m_pDevice->installEventFilter(&m_catcher);
    }

    void cleanupTestCase()
    {
        delete m_pDevice;
        g_authenticationHandler = nullptr;
    }

    void init()
    {
        g_authenticationHandler = nullptr;
        g_bDeviceConnected.store(false);
        g_deviceInfo.setVersionTexts("DSP v1.4", "Firmware v2.0");
        g_appSwVersion = QStringLiteral("1.0.0");
        m_catcher.count = 0;
        QDir(g_downloadsFolder).removeRecursively();
        m_server.clearRequests();
    }

    void batch_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("savedAs");
        QTest::addColumn<QString>("errorEnd"); // the error text ends with this ("!" alone for a clean batch)
        QTest::addColumn<QByteArray>("bytes"); // what the saved file holds afterwards

        const auto row = [](const char* name, const char* mode, const char* path, const char* savedAs,
                            const char* errorEnd, const QByteArray& bytes) {
            QTest::newRow(name) << mode << path << savedAs << errorEnd << bytes;
        };
        row("file", "", "images/a.bin", "a.bin", "!", kImage);
        row("folder URL saved as index.html", "", "images/", "index.html", "!", "<html>index</html>");
        row("server error", "fail", "images/a.bin", "a.bin", "server replied: Internal Server Error!",
            "internal error");
    }

    void batch()
    {
        QFETCH(QString, mode);
        QFETCH(QString, path);
        QFETCH(QString, savedAs);
        QFETCH(QString, errorEnd);
        QFETCH(QByteArray, bytes);
        const QUrl url = m_server.url(path, mode);
        const bool bSuccess = errorEnd == "!";

        // Leftovers of an earlier run, including one of the same name, must be gone before the new file lands.
        const QString folder = g_downloadsFolder + "/Batch";
        QVERIFY(QDir().mkpath(folder + "/old/deeper"));
        QVERIFY(QFile(folder + "/old/deeper/stale.ldr").open(QIODevice::WriteOnly));
        QFile same(folder + "/" + savedAs);
        QVERIFY(same.open(QIODevice::WriteOnly));
        same.write("previous run, longer than the new file");
        same.close();

        DownloadManager manager;
        QSignalSpy finished(&manager, &DownloadManager::finished);
        manager.download(url, folder, nullptr);
        QVERIFY(finished.wait(kTimeoutMs));
        QCOMPARE(finished.count(), 1);
        const QList<QVariant> arguments = finished.takeFirst();
        QCOMPARE(arguments.at(0).toString(), QFileInfo(folder + "/" + savedAs).absoluteFilePath());
        QCOMPARE(arguments.at(1).toBool(), bSuccess);
        const QString errorText = arguments.at(2).toString();
        // A failed batch's text is the reply's error with "!" after it; a clean batch's is "!" alone.
        QVERIFY2(errorText.endsWith(errorEnd) && (bSuccess ? errorText == "!" : errorText.size() > errorEnd.size()),
                 qPrintable(errorText));
        QCOMPARE(folderEntries(folder), QStringList{savedAs});
        QCOMPARE(readFile(folder + "/" + savedAs), bytes);
        QCOMPARE(m_server.requests(), QStringList{"GET " + url.path()});
    }

    void authentication_data()
    {
        QTest::addColumn<bool>("bAnswer");
        QTest::newRow("answered") << true;
        QTest::newRow("cancelled") << false;
    }

    void authentication()
    {
        QFETCH(bool, bAnswer);
        AuthenticationAnswer answer(bAnswer);
        g_authenticationHandler = &answer;

        const QString folder = g_downloadsFolder + "/Auth";
        DownloadManager manager;
        QSignalSpy finished(&manager, &DownloadManager::finished);
        manager.download(m_authServer.url("images/a.bin"), folder, nullptr);
        QVERIFY(finished.wait(kTimeoutMs));
        const QList<QVariant> arguments = finished.takeFirst();
        QCOMPARE(arguments.at(1).toBool(), bAnswer);
        QCOMPARE(answer.calls, 1);
        QCOMPARE(arguments.at(2).toString() == "!", bAnswer);
        QCOMPARE(readFile(folder + "/a.bin") == "protected", bAnswer);
    }

    // A server that accepts the request and never answers fails the batch after the transfer timeout.
    void stalledServer()
    {
        DownloadManager manager;
        manager.setTransferTimeout(300);
        QSignalSpy finished(&manager, &DownloadManager::finished);
        QElapsedTimer clock;
        clock.start();
        manager.download(m_server.url("images/a.bin", "stall"), g_downloadsFolder + "/Stall", nullptr);
        QVERIFY(finished.wait(kTimeoutMs));
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(finished.first().at(1).toBool(), false);
        QCOMPARE(finished.first().at(2).toString(), QString("Operation canceled!"));
    }

    // The update service run the way the window runs it (in its own thread), from the request event to the signals,
    // the files and the hand-off to the device worker. In an expected entry %1 is the server's address and %2 the path
    // the image is saved to.
    void serviceRequests_data()
    {
        QTest::addColumn<QString>("mode"); // how the server treats every request
        QTest::addColumn<int>("event");
        QTest::addColumn<int>("productId");
        QTest::addColumn<bool>("bConnected");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("request");   // what the server was asked for (empty: nothing)
        QTest::addColumn<bool>("bTargetsLeft"); // the UpdateTargets folder is still there afterwards

        const int ariette = 0x0A21;
        const QString targets = UpdateServer::UpdateTargetsPath;
        const QString ldr = "images/ariette.ldr", exe = "images/setup-1.1.0.exe";
        const QString noConnection = "updateCheckFailed(Connection to update server cannot be made.)";
        const QString fetchFailed = "updateCheckFailed(Failed to fetch info from update server!)";
        const QString offered = "operationFinished(0,true)";
        const QString noOffer = "newVersions(,,,,,,false)";
        using L = QStringList;

        QTest::newRow("silent check, no unit") << "" << 1004 << ariette << false << L() << "" << false;
        QTest::newRow("unknown product ID")
            << "" << 1003 << 0x1234 << true << L{"updateCheckFailed(Fimware update not supported for this device.)"}
            << targets << false;
        QTest::newRow("Ariette offer") << "" << 1003 << ariette << true
                                       << L{offered, "newVersions(DSP v1.5,%1/images/ariette.ldr,,,,,false)"} << targets
                                       << false;
        QTest::newRow("server error") << "fail" << 1003 << ariette << true << L{noOffer, noConnection} << targets
                                      << true;
        QTest::newRow("empty file") << "empty" << 1003 << ariette << true << L{noOffer, fetchFailed} << targets << true;
        QTest::newRow("malformed file") << "malformed" << 1003 << ariette << true
                                        << L{noOffer, "updateCheckFailed(Could not parse the update info in server.)"}
                                        << targets << false;
        QTest::newRow("app check, no unit needed")
            << "" << 1001 << -1 << false << L{offered, "newVersions(,,,,1.1.0,%1/images/setup-1.1.0.exe,true)"}
            << targets << false;
        QTest::newRow("firmware image") << "" << 1005 << ariette << true
                                        << L{"updateText(Download finished.)", "updateText(Updating firmware...)"}
                                        << ldr << false;
        QTest::newRow("zero-byte firmware image")
            << "empty" << 1005 << ariette << true << L{fetchFailed} << ldr << false;
        QTest::newRow("firmware image, no unit")
            << "" << 1005 << ariette << false << L{"updateText(Device disconnected!)", "operationFinished(-1,false)"}
            << "" << false;
        QTest::newRow("installer") << "" << 1006 << ariette << false << L{offered, "appDownLoadFinished(%2)"} << exe
                                   << false;
        QTest::newRow("installer, server error")
            << "fail" << 1006 << ariette << false << L{noConnection} << exe << false;
    }

    void serviceRequests()
    {
        QFETCH(QString, mode);
        QFETCH(int, event);
        QFETCH(int, productId);
        QFETCH(bool, bConnected);
        QFETCH(QStringList, expected);
        QFETCH(QString, request);
        QFETCH(bool, bTargetsLeft);
        // Only a downloaded firmware image reaches the device worker, after the unit has had its time to settle.
        const bool bHandedOver = expected.contains("updateText(Updating firmware...)");
        const bool bFirmware = event == CFirmwareUpdate::DownloadFirmwareEvent;
        const QString image = bFirmware ? "ariette.ldr" : "setup-1.1.0.exe";
        const QString savedAs = g_downloadsFolder + (bFirmware ? "/FirmwareImage/" : "/AppImage/") + image;
        for (QString& entry : expected)
            entry.replace("%1", m_server.address()).replace("%2", savedAs);

        SleepRecorder sleeps;
        g_bDeviceConnected.store(bConnected);
        qputenv(CFirmwareUpdate::ServerEnvironmentVariable, m_server.address(mode).toUtf8());
        CFirmwareUpdate* service = CFirmwareUpdate::instance();
        const auto stop = qScopeGuard([service] {
            service->setStopping(true);
            service->quit();
            service->wait();
            delete service;
        });
        service->setProductId(productId);
        service->setFirmwareImageUrl(m_server.url("images/ariette.ldr", mode).toString());
        service->setAppImageUrl(m_server.url("images/setup-1.1.0.exe", mode).toString());
        service->moveToThread(service);
        service->start();

        using F = CFirmwareUpdate;
        SignalRelay log;
        log.watch(service, &F::operationFinished, "operationFinished");
        log.watch(service, &F::newVersions, "newVersions");
        log.watch(service, &F::updateCheckFailed, "updateCheckFailed");
        log.watch(service, &F::updateText, "updateText");
        log.watch(service, &F::appDownLoadFinished, "appDownLoadFinished");
        log.watch(service, &F::dataSent, "dataSent");
        const auto signalsSeen = [&log] {
            QStringList seen = log.entries();
            for (const QString& progress : log.matching("dataSent("))
                seen.removeAll(progress);
            return seen;
        };
        QCoreApplication::postEvent(service, new QEvent(static_cast<QEvent::Type>(event)));
        QTRY_COMPARE_WITH_TIMEOUT(signalsSeen(), expected, kTimeoutMs);
        // Once the service's thread has handled everything queued to it, nothing more may follow.
        QMetaObject::invokeMethod(
            service, [] {}, Qt::BlockingQueuedConnection);
        QCoreApplication::processEvents();
        QCOMPARE(signalsSeen(), expected);
        QCOMPARE(m_server.requests(),
                 request.isEmpty() ? QStringList() : QStringList{"GET " + m_server.url(request, mode).path()});
        QCOMPARE(QDir(g_downloadsFolder + "/UpdateTargets").exists(), bTargetsLeft);
        QCOMPARE(m_catcher.count, bHandedOver ? 1 : 0);
        QCOMPARE(sleeps.waits(), bHandedOver ? QList<int>{2000} : QList<int>());
        if (bHandedOver || expected.value(1).startsWith("appDownLoadFinished")) {
            QCOMPARE(readFile(savedAs), imageBytes(image));
            const QString size = QString::number(imageBytes(image).size());
            QCOMPARE(log.matching("dataSent(").last(), "dataSent(" + size + ',' + size + ')');
        }
    }

private:
    QTemporaryDir m_home;
    DeviceManagerThread* m_pDevice = nullptr;
    FirmwareEventCatcher m_catcher;
    // One server for every case (a mode in the URL makes it misbehave), one that asks for credentials.
    UpdateServer m_server;
    UpdateServer m_authServer{{"--auth", "singer:s3cret"}};
};

QTEST_GUILESS_MAIN(TestDownloads)
#include "tst_downloads.moc"
