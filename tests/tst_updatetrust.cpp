// Updates you can trust, against the stand-in server and a virtual Ariette (DSP v2.3) behind a running device
// worker: the update-target file is believed only with the publisher's signature, an image reaches the unit only
// when its size and SHA-256 are the published ones, and plain http, redirects and credentials go nowhere they
// should not. Whatever the server does wrong, nothing reaches the unit, nothing is opened, no file is left.

#include "DeviceManagerThread.h"
#include "firmwareupdate.h"
#include "globals.h"

#include "support/SleepRecorder.h"
#include "support/UpdateServer.h"
#include "support/UpdateSignalLog.h"
#include "support/VirtualBusFixture.h"

#include <QAuthenticator>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QNetworkProxy>
#include <QSslConfiguration>
#include <QtTest>

#include <csignal>
#include <sodium.h>
#include <sys/resource.h>

namespace {
constexpr int kWaitMs = 10000;
const QByteArray kPublisherSeed(32, '\x11'); // the key info.ini trusts in this suite
const QByteArray kStrangerSeed(32, '\x22');
const QString kNoVersions = "newVersions(||||||false)";
const QString kOffered = "operationFinished(0,true)";

QByteArray signWith(const QByteArray& seed, const QByteArray& data, QByteArray* pPublicKey = nullptr)
{
    unsigned char pk[32], sk[64], signature[64];
    crypto_sign_seed_keypair(pk, sk, reinterpret_cast<const unsigned char*>(seed.constData()));
    crypto_sign_detached(signature, nullptr, reinterpret_cast<const unsigned char*>(data.constData()),
                         static_cast<unsigned long long>(data.size()), sk);
    if (pPublicKey != nullptr)
        *pPublicKey = QByteArray(reinterpret_cast<const char*>(pk), 32);
    return QByteArray(reinterpret_cast<const char*>(signature), 64);
}

// A DSP image in the .ldr text form: one "0xNN" line per byte.
QByteArray ldrText(int lines)
{
    QByteArray text;
    for (int i = 0; i < lines; ++i)
        text += "0x" + QByteArray::number((i * 37 + 11) & 0xFF, 16).rightJustified(2, '0').toUpper() + "\n";
    return text;
}
const QByteArray kImage = ldrText(3000); // 15,000 bytes

// One revision for the Ariette and one for the application; digests of `published` unless told to leave them out.
QByteArray targets(const QString& version, const QString& url, const QByteArray& published, bool bDigests = true)
{
    const QString digests =
        bDigests ? QString(R"( Size="%1" Sha256="%2")")
                       .arg(published.size())
                       .arg(QString(QCryptographicHash::hash(published, QCryptographicHash::Sha256).toHex()))
                 : QString();
    const QString product =
        version.startsWith("DSP") ? R"(Stage Ariette" ProductID="0x2)" : R"(Stage Librarian" ProductID="0x3)";
    return QString(
               R"(<?xml version="1.0"?><UpdateTargets><Family Name="Tessitra" FamilyID="0x60"><Product Name="%1">)"
               R"(<Revisions><Revision Version="%2" ImageUrl="%3"%4/></Revisions></Product></Family></UpdateTargets>)")
        .arg(product, version, url, digests)
        .toUtf8();
}
} // namespace

// Answers every credential request, so a request that wrongly reaches it would carry a password.
class CredentialAnswer : public QObject
{
    Q_OBJECT
public:
    int calls = 0;
public slots:
    void onAuthenticationRequired(QNetworkReply*, QAuthenticator* authenticator)
    {
        ++calls;
        authenticator->setUser("singer");
        authenticator->setPassword("s3cret");
    }
};

class TestUpdateTrust : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid() && m_server.start() && m_authServer.start());
        buildDataFolders(m_home.path());
        signWith(kPublisherSeed, "", &m_publicKey);
        setInfoIni(false);
        QVERIFY(m_server.addFile("images/dsp.ldr", kImage) && m_server.addFile("images/setup-1.1.0.exe", kImage));
        QVERIFY(m_authServer.setUpdateTargets("<UpdateTargets/>"));
        m_pService = CFirmwareUpdate::instance();
        m_pWorker = DeviceManagerThread::instance();
        for (QThread* thread : {static_cast<QThread*>(m_pService), static_cast<QThread*>(m_pWorker)}) {
            thread->moveToThread(thread);
            thread->start();
        }
        QVERIFY(m_bus.plug("U", UnitModel::Ariette));
        QVERIFY(QTest::qWaitFor([] { return g_bDeviceConnected.load(); }, kWaitMs));
    }

    void cleanupTestCase()
    {
        m_pWorker->setAbort(true);
        m_pService->setStopping(true);
        for (QThread* thread : {static_cast<QThread*>(m_pWorker), static_cast<QThread*>(m_pService)}) {
            thread->quit();
            thread->wait();
            delete thread;
        }
        QFile::remove(QCoreApplication::applicationDirPath() + "/info.ini");
    }

    // The update-target file is read only when the publisher signed exactly these bytes.
    void authenticity_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QStringList>("expected");
        const QString url = "http://127.0.0.1:%1/images/dsp.ldr";
        QTest::newRow("signed") << "signed" << QStringList{kOffered, "newVersions(DSP v2.4|" + url + "|||||false)"};
        QTest::newRow("unsigned") << "unsigned"
                                  << QStringList{kNoVersions,
                                                 "updateCheckFailed(The update info from the server is not signed.)"};
        const QString badSignature = "updateCheckFailed(The update info from the server failed its signature check.)";
        QTest::newRow("wrong key") << "wrong key" << QStringList{kNoVersions, badSignature};
        QTest::newRow("tampered XML") << "tampered" << QStringList{kNoVersions, badSignature};
        QTest::newRow("signed without digests")
            << "no digests"
            << QStringList{kNoVersions,
                           "updateCheckFailed(The update info from the server lacks the size or SHA-256 of an image.)"};
    }

    void authenticity()
    {
        QFETCH(QString, variant);
        QFETCH(QStringList, expected);
        expected.replaceInStrings("%1", QString::number(m_server.port()));
        const QByteArray xml =
            targets("DSP v2.4", m_server.url("images/dsp.ldr").toString(), kImage, variant != "no digests");
        QByteArray served = xml;
        if (variant == "tampered")
            served.replace("DSP v2.4", "DSP v9.9");
        QVERIFY(m_server.setUpdateTargets(served));
        QFile::remove(m_server.root() + "/" + UpdateServer::UpdateTargetsPath + ".sig");
        if (variant != "unsigned")
            QVERIFY(m_server.addFile(QString(UpdateServer::UpdateTargetsPath) + ".sig",
                                     signWith(variant == "wrong key" ? kStrangerSeed : kPublisherSeed, xml)));
        QCOMPARE(request(CFirmwareUpdate::CheckFirmwareUpdateEvent, m_server.address(), expected), expected);
    }

    // After a signed offer, the image is fetched, checked and flashed or handed on; every misbehaviour of the
    // server ends before the unit, with nothing left in the downloads folder.
    void downloads_data()
    {
        QTest::addColumn<QString>("path"); // of the image URL on the server, mode prefix included; ".exe": an installer
        QTest::addColumn<QByteArray>("published");
        QTest::addColumn<bool>("bDiskFull");
        QTest::addColumn<QString>("result"); // every signal, ";" between them
        QTest::addColumn<QString>("saved");  // what the downloads folder holds afterwards
        const auto row = [](const char* name, const QString& path, const QString& result, const QString& saved = "",
                            const QByteArray& published = kImage, bool bDiskFull = false) {
            QTest::newRow(name) << path << published << bDiskFull << result << saved;
        };
        const QString offer = kOffered + ";newVersions(DSP v2.4|http://127.0.0.1:%1/%2|||||false);";
        const QString failed = offer + kNoVersions + ";updateCheckFailed(";
        const QString mismatch =
            failed + "The download does not match the update info from the server. It was deleted.)";
        QByteArray altered = kImage;
        altered[100] = '7';
        row("wrong hash", "images/dsp.ldr", mismatch, "", altered);
        row("short body", "_short/images/dsp.ldr", mismatch);
        row("closed halfway, no length", "_nolength/images/dsp.ldr", mismatch);
        row("oversized", "_flood/images/dsp.ldr", mismatch);
        row("redirect to another host", "_offsite/images/dsp.ldr",
            failed + "The update server must be reached over https.)");
        row("disk full", "images/dsp.ldr",
            failed + "The download could not be saved. Check the free space in the downloads folder.)", "", kImage,
            true);
        const QString tricked = "updateCheckFailed(Application is up to date.);operationFinished(0,false);"
                                "updateCheckFailed(This download was not offered by the update server.)";
        row("?.exe trick", "images/FirmwareImage.ldr?.exe", tricked);
        row(".desktop trick", "images/run.desktop?.exe", tricked);
        row("installer, saved under the program's name", "images/setup-1.1.0.exe",
            kOffered + ";newVersions(||||1.1.0|http://127.0.0.1:%1/%2|true);" + kOffered +
                ";appDownLoadFinished(%3/AppImage/TessitraStageLibrarianSetup.exe)",
            "AppImage/TessitraStageLibrarianSetup.exe");
        row("redirect on the same host, flashed", "_redirect/images/dsp.ldr",
            offer + "updateText(Download finished.);updateText(Updating firmware...)", "FirmwareImage/DspImage.ldr");
    }

    void downloads()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, published);
        QFETCH(bool, bDiskFull);
        QFETCH(QString, result);
        QFETCH(QString, saved);
        const QStringList expected = result.replace("%1", QString::number(m_server.port()))
                                         .replace("%2", path)
                                         .replace("%3", g_downloadsFolder)
                                         .split(';');
        const bool bFirmware = !path.contains(".exe");
        const QString url = m_server.address() + "/" + path;
        const QByteArray xml = targets(bFirmware ? "DSP v2.4" : "1.1.0", url, published);
        QDir(g_downloadsFolder).removeRecursively();
        QVERIFY(m_server.setUpdateTargets(xml));
        QVERIFY(m_server.addFile(QString(UpdateServer::UpdateTargetsPath) + ".sig", signWith(kPublisherSeed, xml)));

        UpdateSignalLog log(m_pService);
        post(bFirmware ? CFirmwareUpdate::CheckFirmwareUpdateEvent : CFirmwareUpdate::CheckAppUpdateEvent,
             m_server.address());
        QTRY_COMPARE_WITH_TIMEOUT(log.entries().size(), 2, kWaitMs);
        m_pService->setFirmwareImageUrl(url);
        m_pService->setAppImageUrl(url);
        // A download folder on a full disk: every file write of this process stops at 4 KiB.
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY}, full{4096, RLIM_INFINITY};
        std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, bDiskFull ? &full : &unlimited) == 0);
        post(bFirmware ? CFirmwareUpdate::DownloadFirmwareEvent : CFirmwareUpdate::DownloadAppEvent, QString());
        QTRY_COMPARE_WITH_TIMEOUT(log.entries(), expected, kWaitMs);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &unlimited) == 0);

        // A hand-off to the device worker would be queued there by now; the flashed row comes last.
        for (QThread* thread : {static_cast<QThread*>(m_pService), static_cast<QThread*>(m_pWorker)})
            QMetaObject::invokeMethod(
                thread, [] {}, Qt::BlockingQueuedConnection);
        const bool bFlashed = saved.endsWith(".ldr");
        QTRY_COMPARE_WITH_TIMEOUT(m_bus.unit("U").dspImage().received, bFlashed, kWaitMs);
        QCOMPARE(m_bus.unit("U").dspImage().data.left(5),
                 bFlashed ? QByteArray("\x0B\x30\x55\x7A\x9F", 5) : QByteArray());
        QStringList files;
        for (QDirIterator it(g_downloadsFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
             it.hasNext();)
            files << it.next().mid(g_downloadsFolder.size() + 1);
        QCOMPARE(files, saved.isEmpty() ? QStringList() : QStringList{saved});
        QFile file(g_downloadsFolder + "/" + saved);
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(),
                 saved.isEmpty() ? QByteArray() : kImage);
    }

    // Plain http and credentials: only this computer may be reached that way, and never with a password.
    void transport_data()
    {
        QTest::addColumn<QString>("server"); // "https", "remote" (through the stand-in as proxy), "remote+auth"
        QTest::addColumn<bool>("bAllowPlainHttp");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("requests");
        const QString insecure = "updateCheckFailed(The update server must be reached over https.)";
        const QString xmlPath = "updates.example.com/updater/common/config/UpdateTargets.xml";
        QTest::newRow("https, certificate trusted for the test")
            << "https" << false
            << QStringList{kOffered, "newVersions(DSP v2.4|https://127.0.0.1:%1/images/dsp.ldr|||||false)"}
            << QStringList{"GET /updater/common/config/UpdateTargets.xml",
                           "GET /updater/common/config/UpdateTargets.xml.sig"};
        QTest::newRow("plain http to a remote host")
            << "remote" << false << QStringList{kNoVersions, insecure} << QStringList();
        QTest::newRow("credentials over plain http to a remote host")
            << "remote+auth" << true << QStringList{kNoVersions, insecure} << QStringList{"GET http://" + xmlPath};
    }

    void transport()
    {
        QFETCH(QString, server);
        QFETCH(bool, bAllowPlainHttp);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, requests);
        setInfoIni(bAllowPlainHttp);
        CredentialAnswer answer;
        g_authenticationHandler = &answer;
        UpdateServer* pServer = server == "remote+auth" ? &m_authServer : &m_server;
        std::unique_ptr<UpdateServer> tls;
        QString address = "http://updates.example.com";
        if (server == "https") {
            QVERIFY(m_certificate.isValid());
            const QString cert = m_certificate.filePath("cert.pem"), key = m_certificate.filePath("key.pem");
            const QString openssl = "req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 -subj "
                                    "/CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 -keyout %1 -out %2";
            QCOMPARE(QProcess::execute("openssl", openssl.arg(key, cert).split(' ')), 0);
            QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
            ssl.setCaCertificates(QSslCertificate::fromPath(cert));
            QSslConfiguration::setDefaultConfiguration(ssl);
            tls = std::make_unique<UpdateServer>(QStringList{"--tls", cert, key});
            QVERIFY(tls->start());
            pServer = tls.get();
            address = "https://127.0.0.1:" + QString::number(tls->port());
            const QByteArray xml = targets("DSP v2.4", address + "/images/dsp.ldr", kImage);
            QVERIFY(tls->setUpdateTargets(xml) &&
                    tls->addFile(QString(UpdateServer::UpdateTargetsPath) + ".sig", signWith(kPublisherSeed, xml)));
            expected.replaceInStrings("%1", QString::number(tls->port()));
        } else {
            QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, "127.0.0.1", pServer->port()));
        }
        pServer->clearRequests();
        const QStringList entries = request(CFirmwareUpdate::CheckFirmwareUpdateEvent, address, expected);
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        g_authenticationHandler = nullptr;
        setInfoIni(false);
        QCOMPARE(entries, expected);
        QCOMPARE(pServer->requests(), requests);
        QCOMPARE(answer.calls, 0);
    }

private:
    void setInfoIni(bool bAllowPlainHttp)
    {
        QFile ini(QCoreApplication::applicationDirPath() + "/info.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[update]\npublickey=" + m_publicKey.toBase64() +
                  "\nallowplainhttp=" + (bAllowPlainHttp ? "true" : "false") + "\n");
    }

    void post(QEvent::Type type, const QString& server)
    {
        if (!server.isEmpty())
            qputenv(CFirmwareUpdate::ServerEnvironmentVariable, server.toUtf8()); // read at each check
        QCoreApplication::postEvent(m_pService, new QEvent(type));
    }

    QStringList request(QEvent::Type type, const QString& server, const QStringList& expected)
    {
        UpdateSignalLog log(m_pService);
        post(type, server);
        (void)QTest::qWaitFor([&] { return log.entries().size() >= expected.size(); }, kWaitMs);
        QMetaObject::invokeMethod(
            m_pService, [] {}, Qt::BlockingQueuedConnection);
        QCoreApplication::processEvents();
        return log.entries();
    }

    QTemporaryDir m_home;
    QTemporaryDir m_certificate;
    QByteArray m_publicKey;
    VirtualBusFixture m_bus;
    SleepRecorder m_sleeps;
    UpdateServer m_server;
    UpdateServer m_authServer{{"--auth", "singer:s3cret"}};
    CFirmwareUpdate* m_pService = nullptr;
    DeviceManagerThread* m_pWorker = nullptr;
};

QTEST_GUILESS_MAIN(TestUpdateTrust)
#include "tst_updatetrust.moc"
