// The update check: version comparison and the decision over real update-target files, run directly on the
// service (no thread, no network); the signals it emits and their order are what the window acts on.

#include "deviceinfo.h"
#include "firmwareupdate.h"
#include "globals.h"

#include "support/SignalRelay.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kAriette = QStringLiteral("Stage Ariette|0x2");
const QString kApp = QStringLiteral("Stage Librarian|0x3");
const QString kFamily = QString(R"(Name="Tessitra" FamilyID="0x60")");

QString revision(const QString& version, const QString& url)
{
    return QString(R"(<Revision Version="%1" ImageUrl="%2"/>)").arg(version, url);
}
QString offer(const QStringList& sixTexts, bool bApp)
{
    return "newVersions(" + sixTexts.join(',') + (bApp ? ",true)" : ",false)");
}

// An update-targets document with decoys around the one product asked for: another family holding the same
// product with higher versions, another product of our family, and a revision after the list. Reading into any
// of them would offer 9.x. (No "//" inside the raw string: moc would take it for a comment.)
QByteArray targets(const QString& revisions, const QString& product = kAriette, const QString& family = kFamily)
{
    const QString decoy = revision("DSP v9.9", "http://decoy/d.ldr") + revision("Firmware v9.9", "http://decoy/f.bin") +
                          revision("9.9.9", "http://decoy/setup.exe");
    return QString(R"(<?xml version="1.0" encoding="UTF-8"?>
<UpdateTargets>
  <Family Name="Tessitra Mk2" FamilyID="0x60">
    <Product Name="%1" ProductID="%2"><Revisions>%4</Revisions></Product>
  </Family>
  <Catalog>
    <Family %3>
      <Product Name="Stage Other" ProductID="0x9"><Revisions>%4</Revisions></Product>
      <Product Name="%1" ProductID="%2">
        <Notes><Revisions>%4</Revisions></Notes>
        <Revisions>
          <Comment>nothing to see</Comment>
          %5
        </Revisions>
        %6
      </Product>
    </Family>
  </Catalog>
</UpdateTargets>
)")
        .arg(product.section('|', 0, 0), product.section('|', 1, 1), family, decoy, revisions,
             revision("DSP v9.8", "http://outside/d.ldr"))
        .toUtf8();
}
} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    CFirmwareUpdate* m_pService = nullptr;

private slots:

    void init()
    {
        QVERIFY(m_dir.isValid());
        m_pService = CFirmwareUpdate::instance();
        g_appSwVersion = QStringLiteral("1.0.0");
        g_deviceInfo.setVersionTexts("DSP v1.4", "Firmware v2.0");
    }

    void cleanup()
    {
        delete m_pService;
        m_pService = nullptr;
    }

    void compareVersions_data()
    {
        QTest::addColumn<QString>("versions"); // the new one, then the current one
        QTest::addColumn<int>("expected");
        QTest::newRow("1.10 is newer than 1.9") << "DSP v1.10|DSP v1.9" << 1;
        QTest::newRow("more parts is newer") << "2.0.1|2.0" << 1;
        QTest::newRow("older by two") << "DSP v1.3|DSP v1.5" << -2;
        QTest::newRow("letter counts as 0") << "DSP v1.b|DSP v1.0" << 0;
        QTest::newRow("v and V alike") << "DSP v1.2|FirmwareV1.2" << 0;
        QTest::newRow("only the last v counts") << "dev v2.1|Firmware v2.0" << 1;
    }
    void compareVersions()
    {
        QFETCH(QString, versions);
        QFETCH(int, expected);
        QCOMPARE(CFirmwareUpdate::compareVersions(versions.section('|', 0, 0), versions.section('|', 1, 1)), expected);
    }

    // The unit runs DSP v1.4 and Firmware v2.0, the program 1.0.0.
    void decision_data()
    {
        QTest::addColumn<QByteArray>("document"); // empty: no file at all
        QTest::addColumn<QString>("product");     // the application's product makes it an application check
        QTest::addColumn<QString>("wrong"); // "wrong DSP|wrong firmware" from info.ini[|the unit's DSP|firmware texts]
        QTest::addColumn<QStringList>("expected");

        const QString dsp15 = revision("DSP v1.5", "http://h/dsp15.ldr");
        const QString dsp13 = revision("DSP v1.3", "http://h/dsp13.ldr");
        const QString dsp12 = revision("DSP v1.2", "http://h/dsp12.ldr");
        const QString fw19 = revision("Firmware v1.9", "http://h/fw19.bin");
        const QString fw21 = revision("Firmware v2.1", "http://h/fw21.bin");
        const QString app11 = revision("1.1.0", "http://h/setup-1.1.0.exe");
        const QString offered = "operationFinished(0,true)";
        const QString done = "operationFinished(0,false)";
        const QString noUpdate = "updateCheckFailed(No update found.)";
        const QString parseFailed = "updateCheckFailed(Could not parse the update info in server.)";
        const QString noVersions = "newVersions(,,,,,,false)";
        using L = QStringList;

        QTest::newRow("both newer") << targets(dsp15 + fw21 + app11) << kAriette << "|"
                                    << L{offered, offer({"DSP v1.5", "http://h/dsp15.ldr", "Firmware v2.1",
                                                         "http://h/fw21.bin", "", ""},
                                                        false)};
        QTest::newRow("DSP only, newest last")
            << targets(dsp13 + dsp15 + fw19) << kAriette << "|"
            << L{offered, offer({"DSP v1.5", "http://h/dsp15.ldr", "", "", "", ""}, false)};
        QTest::newRow("wrong DSP takes the last DSP revision, even older")
            << targets(dsp15 + dsp12) << kAriette << "DSP V1.4|"
            << L{offered, offer({"DSP v1.2", "http://h/dsp12.ldr", "", "", "", ""}, false)};
        QTest::newRow("no wrong version named, unit never read")
            << targets(dsp15 + dsp12) << kAriette << "|||"
            << L{offered, offer({"DSP v1.5", "http://h/dsp15.ldr", "", "", "", ""}, false)};
        QTest::newRow("wrong firmware") << targets(fw19 + dsp12) << kAriette << "|Firmware v2.0"
                                        << L{offered,
                                             offer({"", "", "Firmware v1.9", "http://h/fw19.bin", "", ""}, false)};
        QTest::newRow("application newer")
            << targets(app11, kApp) << kApp << "|"
            << L{offered, offer({"", "", "", "", "1.1.0", "http://h/setup-1.1.0.exe"}, true)};
        QTest::newRow(".EXE installer ignored") << targets(revision("1.2.0", "http://h/setup.EXE"), kApp) << kApp << "|"
                                                << L{"updateCheckFailed(Application is up to date.)", done};
        QTest::newRow("device up to date") << targets(dsp13 + fw19) << kAriette << "|"
                                           << L{noVersions, "updateCheckFailed(Device firmware is up to date.)", done};
        QTest::newRow("exactly the unit's versions")
            << targets(revision("DSP v1.4", "http://h/dsp14.ldr") + revision("Firmware v2.0", "http://h/fw20.bin"))
            << kAriette << "|" << L{noVersions, "updateCheckFailed(Device firmware is up to date.)", done};
        QTest::newRow("exactly the program's version")
            << targets(revision("1.0.0", "http://h/setup.exe"), kApp) << kApp << "|"
            << L{"updateCheckFailed(Application is up to date.)", done};
        QTest::newRow("revision without ImageUrl") << targets(R"(<Revision Version="DSP v1.6"/>)") << kAriette << "|"
                                                   << L{offered, offer({"DSP v1.6", "", "", "", "", ""}, false)};
        QTest::newRow("FamilyID 61") << targets(dsp15, kAriette, R"(Name="Tessitra" FamilyID="61")") << kAriette << "|"
                                     << L{noVersions, noUpdate};
        QTest::newRow("application check finds nothing") << targets(app11) << kApp << "|" << L{noUpdate};
        QTest::newRow("malformed XML")
            << QByteArray(R"(<T><Family Name="Tessitra" FamilyID="0x60"><Product Name="Stage Ariette" ProductID="0x2">)"
                          "<Revisions><Revision Version=\"DSP v1.5\" <<</Revisions>")
            << kAriette << "|" << L{noVersions, parseFailed};
        QTest::newRow("no file") << QByteArray() << kAriette << "|" << L{noVersions, parseFailed};
    }

    void decision()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, product);
        QFETCH(QString, wrong);
        QFETCH(QStringList, expected);

        const QString path = m_dir.filePath("UpdateTargets.xml");
        QFile::remove(path);
        if (!document.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(document);
        }
        g_wrongDsp = wrong.section('|', 0, 0);
        g_wrongFw = wrong.section('|', 1, 1);
        if (wrong.count('|') == 3)
            g_deviceInfo.setVersionTexts(wrong.section('|', 2, 2), wrong.section('|', 3, 3));

        SignalRelay log;
        log.watch(m_pService, &CFirmwareUpdate::operationFinished, "operationFinished");
        log.watch(m_pService, &CFirmwareUpdate::newVersions, "newVersions");
        log.watch(m_pService, &CFirmwareUpdate::updateCheckFailed, "updateCheckFailed");
        const bool bOffered =
            m_pService->checkUpdate(path, product.section('|', 0, 0), product.section('|', 1, 1), product == kApp);
        QCoreApplication::processEvents(); // the relay's queued entries
        QCOMPARE(log.entries(), expected);
        QCOMPARE(bOffered, expected.value(0) == "operationFinished(0,true)");
    }
};

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
