// The update flow end to end: a unit is connected, the quiet check on connection fetches UpdateTargets.xml
// from the stand-in server, the window offers the newer images, Yes downloads the DSP image and the device
// worker writes it into the virtual unit; the microcontroller image stays pending for the next connection.
// A broken server must not keep the presets from being read.

#include "Settings.h"
#include "app.h"
#include "contentwidget.h"
#include "firmwareupdate.h"
#include "globals.h"
#include "mainwindow.h"

#include "support/ModalAnswerer.h"
#include "support/SleepRecorder.h"
#include "support/UpdateServer.h"
#include "support/VirtualBusFixture.h"

#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <sodium.h>

namespace {
constexpr int kWaitMs = 30000;

// An .ldr text of n lines and the image bytes it stands for.
QByteArray ldrText(int n, QByteArray* pImage)
{
    QByteArray text;
    for (int i = 0; i < n; ++i) {
        const char byte = static_cast<char>((i * 37 + 11) & 0xFF);
        pImage->append(byte);
        text += "0x" + QByteArray::number(static_cast<uchar>(byte), 16).rightJustified(2, '0').toUpper() + "\n";
    }
    return text;
}

// Size and SHA-256 of an image as a Revision publishes them.
QString digests(const QByteArray& image)
{
    return QString(R"(Size="%1" Sha256="%2")")
        .arg(image.size())
        .arg(QString(QCryptographicHash::hash(image, QCryptographicHash::Sha256).toHex()));
}

QByteArray targets(const QString& dspUrl, const QByteArray& dsp, const QString& fwUrl, const QByteArray& fw)
{
    return QString(R"(<?xml version="1.0"?><UpdateTargets><Family Name="Tessitra" FamilyID="0x60">
<Product Name="Stage Ariette" ProductID="0x2"><Revisions>
<Revision Version="DSP v2.2" ImageUrl="%1.old" %2/><Revision Version="DSP v2.4" ImageUrl="%1" %2/>
<Revision Version="Firmware v1.6" ImageUrl="%3" %4/></Revisions></Product></Family></UpdateTargets>)")
        .arg(dspUrl, digests(dsp), fwUrl, digests(fw))
        .toUtf8();
}

// The update-target file is signed with this test key; info.ini beside the suite names its public half.
QByteArray testSignature(const QByteArray& data, QByteArray* pPublicKey = nullptr)
{
    unsigned char pk[32], sk[64], signature[64];
    crypto_sign_seed_keypair(pk, sk, reinterpret_cast<const unsigned char*>(QByteArray(32, '\x11').constData()));
    crypto_sign_detached(signature, nullptr, reinterpret_cast<const unsigned char*>(data.constData()),
                         static_cast<unsigned long long>(data.size()), sk);
    if (pPublicKey != nullptr)
        *pPublicKey = QByteArray(reinterpret_cast<const char*>(pk), 32);
    return QByteArray(reinterpret_cast<const char*>(signature), 64);
}
} // namespace

class TestUpdateFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initTessitraResources();
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
        buildDataFolders(m_home.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path() + "/config");
        QByteArray publicKey;
        testSignature("", &publicKey);
        QFile ini(QCoreApplication::applicationDirPath() + "/info.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write("[update]\npublickey=" + publicKey.toBase64() + "\n") > 0);
    }

    void cleanupTestCase() { QFile::remove(QCoreApplication::applicationDirPath() + "/info.ini"); }

    void init()
    {
        QSettings("Aurivell", "TessitraStageLibrarian").remove("Settings");
        CSettings::instance()->readSettings(); // both flags false: the check runs on connection
        m_bus = std::make_unique<VirtualBusFixture>();
        m_sleeps = std::make_unique<SleepRecorder>();
        m_answerer = std::make_unique<ModalAnswerer>();
    }

    void cleanup()
    {
        m_window.reset(); // stops both workers before the bus goes
        g_bDeviceConnected.store(false);
        QCOMPARE(m_answerer->leftovers, 0);
        m_answerer.reset();
        m_sleeps.reset();
        m_bus.reset();
        qunsetenv(CFirmwareUpdate::ServerEnvironmentVariable);
    }

    void offerAnsweredYesFlashesTheDspImage()
    {
        UpdateServer server;
        QVERIFY(server.start());
        QByteArray image;
        const QByteArray dspText = ldrText(300, &image);
        QVERIFY(server.addFile("images/dsp.ldr", dspText));
        QVERIFY(server.addFile("images/micro.bin", QByteArray(100, '\x5A')));
        const QString dspUrl = server.url("images/dsp.ldr").toString();
        const QString fwUrl = server.url("images/micro.bin").toString();
        const QByteArray xml = targets(dspUrl, dspText, fwUrl, QByteArray(100, '\x5A'));
        QVERIFY(server.setUpdateTargets(xml));
        QVERIFY(server.addFile(QString(UpdateServer::UpdateTargetsPath) + ".sig", testSignature(xml)));
        qputenv(CFirmwareUpdate::ServerEnvironmentVariable, server.address().toLocal8Bit());

        QVERIFY(m_bus->plug("U", UnitModel::Ariette)); // DSP v2.3, Firmware v1.5
        m_answerer->push(clickBox(QMessageBox::Yes));
        startWindow();

        QVERIFY(QTest::qWaitFor([&] { return m_bus->unit("U").dspImage().received; }, kWaitMs));
        const FirmwareImage received = m_bus->unit("U").dspImage();
        QVERIFY(received.verified);
        QCOMPARE(received.data.left(image.size()), image);
        QCOMPARE(received.data.size(), 324); // padded to whole 54-byte chunks
        int checksum = 0;
        for (char byte : image)
            checksum ^= static_cast<uchar>(byte);
        QCOMPARE(received.sentChecksum, checksum);
        QVERIFY(!m_bus->unit("U").microImage().received);

        QCOMPARE(m_answerer->boxes.value(0), QString("Firmware Update|New firmware version available.\n"
                                                     "Current: DSP v2.3, Firmware v1.5\nNew: DSP v2.4, "
                                                     "Firmware v1.6\nDo you want to update?"));
        // The microcontroller image waits for the next connection.
        QVERIFY(QTest::qWaitFor(
            [&] {
                CSettings::instance()->readSettings();
                return CSettings::instance()->m_strPendingFwUrl == fwUrl;
            },
            kWaitMs));
        QVERIFY(server.requests().contains("GET /images/dsp.ldr"));
    }

    void brokenServerStillReadsThePresets()
    {
        UpdateServer server({"--fail"});
        QVERIFY(server.start());
        qputenv(CFirmwareUpdate::ServerEnvironmentVariable, server.address().toLocal8Bit());
        QVERIFY(m_bus->plug("U", UnitModel::Ariette));
        startWindow();
        auto* user = m_window->findChild<ContentWidget*>("listWidgetUserPreset");
        QVERIFY(QTest::qWaitFor([&] { return user->entries().size() == 100; }, kWaitMs));
        QVERIFY(m_answerer->boxes.isEmpty()); // a quiet check says nothing about the server
        CSettings::instance()->readSettings();
        QVERIFY(CSettings::instance()->m_strPendingFwUrl.isEmpty());
    }

private:
    void startWindow()
    {
        m_window = std::make_unique<MainWindow>();
        m_window->initialize();
        m_window->finishSplashTimer();
    }

    QTemporaryDir m_home;
    std::unique_ptr<VirtualBusFixture> m_bus;
    std::unique_ptr<SleepRecorder> m_sleeps;
    std::unique_ptr<ModalAnswerer> m_answerer;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(TestUpdateFlow)
#include "tst_updateflow.moc"
