// The update check: version comparison and the decision over real update-target files, run directly on the
// service (no thread, no network); the signals it emits and their order are what the window acts on.

#include "deviceinfo.h"
#include "firmwareupdate.h"
#include "globals.h"

#include "support/UpdateSignalLog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kArietteProduct = QStringLiteral("Stage Ariette|0x2");
const QString kAppProduct = QStringLiteral("Stage Librarian|0x3");
const QString kFamily = QString(R"(Name="Tessitra" FamilyID="0x60")");
const QString kUnit = QStringLiteral("DSP v1.4|Firmware v2.0");

QString revision(const QString& version, const QString& url)
{
    return QString(R"(<Revision Version="%1" ImageUrl="%2"/>)").arg(version, url);
}

// An update-targets document with decoys around the one product asked for: another family holding the same
// product with higher versions, another product of our family, and a revision after the list. Reading into any
// of them would offer 9.x. (No "//" inside the raw string: moc would take it for a comment.)
QByteArray targets(const QString& revisions, const QString& product, const QString& familyAttributes)
{
    const QStringList nameAndId = product.split('|');
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
        .arg(nameAndId.value(0), nameAndId.value(1), familyAttributes, decoy, revisions,
             revision("DSP v9.8", "http://outside/d.ldr"))
        .toUtf8();
}

QString offer(const QStringList& sixTexts, bool bApp)
{
    return "newVersions(" + sixTexts.join('|') + (bApp ? "|true)" : "|false)");
}

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void compareVersions_data();
    void compareVersions();

    void decision_data();
    void decision();

    void logLines();

private:
    QTemporaryDir m_dir;
    CFirmwareUpdate* m_pService = nullptr;
};

void TestUpdateCheck::init()
{
    QVERIFY(m_dir.isValid());
    m_pService = CFirmwareUpdate::instance();
    g_wrongDsp.clear();
    g_wrongFw.clear();
    g_appSwVersion = QStringLiteral("1.0.0");
}

void TestUpdateCheck::cleanup()
{
    delete m_pService;
    m_pService = nullptr;
}

void TestUpdateCheck::compareVersions_data()
{
    QTest::addColumn<QString>("newVersion");
    QTest::addColumn<QString>("currentVersion");
    QTest::addColumn<int>("expected");

    QTest::newRow("1.10 is newer than 1.9") << "DSP v1.10"
                                            << "DSP v1.9" << 1;
    QTest::newRow("more parts is newer") << "2.0.1"
                                         << "2.0" << 1;
    QTest::newRow("fewer parts is older") << "2.0"
                                          << "2.0.1" << -1;
    QTest::newRow("older by two") << "DSP v1.3"
                                  << "DSP v1.5" << -2;
    QTest::newRow("letter counts as 0") << "DSP v1.b"
                                        << "DSP v1.0" << 0;
    QTest::newRow("letter against a number") << "DSP v1.b"
                                             << "DSP v1.3" << -3;
    QTest::newRow("v and V alike") << "DSP v1.2"
                                   << "FirmwareV1.2" << 0;
    QTest::newRow("only the last v counts") << "dev v2.1"
                                            << "Firmware v2.0" << 1;
    QTest::newRow("no v at all") << "3"
                                 << "2.9" << 1;
    QTest::newRow("empty part counts as 0") << "1..2"
                                            << "1.0.2" << 0;
    QTest::newRow("equal") << "Firmware v2.0"
                           << "Firmware v2.0" << 0;
    QTest::newRow("major decides first") << "2.0"
                                         << "1.99" << 1;
}

void TestUpdateCheck::compareVersions()
{
    QFETCH(QString, newVersion);
    QFETCH(QString, currentVersion);
    QFETCH(int, expected);
    QCOMPARE(CFirmwareUpdate::compareVersions(newVersion, currentVersion), expected);
}

void TestUpdateCheck::decision_data()
{
    QTest::addColumn<QByteArray>("document"); // empty: no file at all
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("wrongDsp");
    QTest::addColumn<QString>("wrongFw");
    QTest::addColumn<bool>("bApp");
    QTest::addColumn<QStringList>("expected");

    const QString dsp13 = revision("DSP v1.3", "http://h/dsp13.ldr");
    const QString dsp15 = revision("DSP v1.5", "http://h/dsp15.ldr");
    const QString dsp12 = revision("DSP v1.2", "http://h/dsp12.ldr");
    const QString fw19 = revision("Firmware v1.9", "http://h/fw19.bin");
    const QString fw21 = revision("Firmware v2.1", "http://h/fw21.bin");
    const QString app11 = revision("1.1.0", "http://h/setup-1.1.0.exe");
    const QString finishedOffer = "operationFinished(0,true)";
    const QString upToDate = "updateCheckFailed(Device firmware is up to date.)";
    const QString appUpToDate = "updateCheckFailed(Application is up to date.)";
    const QString done = "operationFinished(0,false)";
    const QString noUpdate = "updateCheckFailed(No update found.)";
    const QString parseFailed = "updateCheckFailed(Could not parse the update info in server.)";
    const QString noVersions = UpdateSignalLog::noVersions(false);

    auto row = [](const char* name, const QByteArray& document) -> QTestData& {
        return QTest::newRow(name) << document;
    };

    row("both newer", targets(dsp15 + fw21 + app11, kArietteProduct, kFamily))
        << kArietteProduct << kUnit << ""
        << "" << false
        << QStringList{finishedOffer,
                       offer({"DSP v1.5", "http://h/dsp15.ldr", "Firmware v2.1", "http://h/fw21.bin", "", ""}, false)};
    row("DSP only, newest first", targets(dsp15 + dsp13 + fw19, kArietteProduct, kFamily))
        << kArietteProduct << kUnit << ""
        << "" << false << QStringList{finishedOffer, offer({"DSP v1.5", "http://h/dsp15.ldr", "", "", "", ""}, false)};
    row("DSP only, newest last", targets(dsp13 + dsp15, kArietteProduct, kFamily))
        << kArietteProduct << kUnit << ""
        << "" << false << QStringList{finishedOffer, offer({"DSP v1.5", "http://h/dsp15.ldr", "", "", "", ""}, false)};
    row("firmware only", targets(dsp13 + fw21, kArietteProduct, kFamily))
        << kArietteProduct << kUnit << ""
        << "" << false
        << QStringList{finishedOffer, offer({"", "", "Firmware v2.1", "http://h/fw21.bin", "", ""}, false)};
    row("wrong DSP takes the last DSP revision, even older", targets(dsp15 + dsp12, kArietteProduct, kFamily))
        << kArietteProduct << kUnit << "DSP V1.4"
        << "" << false << QStringList{finishedOffer, offer({"DSP v1.2", "http://h/dsp12.ldr", "", "", "", ""}, false)};
    row("wrong firmware", targets(fw19 + dsp12, kArietteProduct, kFamily))
        << kArietteProduct << kUnit << ""
        << "Firmware v2.0" << false
        << QStringList{finishedOffer, offer({"", "", "Firmware v1.9", "http://h/fw19.bin", "", ""}, false)};
    row("wrong DSP and wrong firmware", targets(dsp12 + fw19, kArietteProduct, kFamily))
        << kArietteProduct << kUnit << "DSP v1.4"
        << "Firmware v2.0" << false
        << QStringList{finishedOffer,
                       offer({"DSP v1.2", "http://h/dsp12.ldr", "Firmware v1.9", "http://h/fw19.bin", "", ""}, false)};
    row("newer beats the wrong rule", targets(dsp12 + fw21, kArietteProduct, kFamily))
        << kArietteProduct << kUnit << "DSP v1.4"
        << "" << false
        << QStringList{finishedOffer, offer({"", "", "Firmware v2.1", "http://h/fw21.bin", "", ""}, false)};
    row("application newer", targets(app11, kAppProduct, kFamily))
        << kAppProduct << "|"
        << ""
        << "" << true << QStringList{finishedOffer, offer({"", "", "", "", "1.1.0", "http://h/setup-1.1.0.exe"}, true)};
    row("application newer under a device check", targets(app11, kArietteProduct, kFamily))
        << kArietteProduct << kUnit << ""
        << "" << false
        << QStringList{finishedOffer, offer({"", "", "", "", "1.1.0", "http://h/setup-1.1.0.exe"}, false)};
    row(".EXE installer ignored", targets(revision("1.2.0", "http://h/setup.EXE"), kAppProduct, kFamily))
        << kAppProduct << "|"
        << ""
        << "" << true << QStringList{appUpToDate, done};
    row("device up to date", targets(dsp13 + fw19, kArietteProduct, kFamily))
        << kArietteProduct << kUnit << ""
        << "" << false << QStringList{noVersions, upToDate, done};
    row("DSP letter part compares as 0", targets(revision("DSP v1.x", "http://h/x.ldr"), kArietteProduct, kFamily))
        << kArietteProduct << "DSP v1.0|Firmware v2.0"
        << ""
        << "" << false << QStringList{noVersions, upToDate, done};
    row("revision without ImageUrl", targets(R"(<Revision Version="DSP v1.6"/>)", kArietteProduct, kFamily))
        << kArietteProduct << kUnit << ""
        << "" << false << QStringList{finishedOffer, offer({"DSP v1.6", "", "", "", "", ""}, false)};
    row("FamilyID without 0x", targets(dsp15, kArietteProduct, R"(Name="Tessitra" FamilyID="60")"))
        << kArietteProduct << kUnit << ""
        << "" << false << QStringList{finishedOffer, offer({"DSP v1.5", "http://h/dsp15.ldr", "", "", "", ""}, false)};
    row("FamilyID 61", targets(dsp15, kArietteProduct, R"(Name="Tessitra" FamilyID="61")"))
        << kArietteProduct << kUnit << ""
        << "" << false << QStringList{noVersions, noUpdate};
    row("product missing", targets(dsp15, "Stage Cadenzo|0x4", kFamily))
        << kArietteProduct << kUnit << ""
        << "" << false << QStringList{noVersions, noUpdate};
    row("product ID compared as text", targets(dsp15, "Stage Ariette|0x02", kFamily))
        << kArietteProduct << kUnit << ""
        << "" << false << QStringList{noVersions, noUpdate};
    row("application check finds nothing", targets(app11, kArietteProduct, kFamily))
        << kAppProduct << "|"
        << ""
        << "" << true << QStringList{noUpdate};
    row("revisions missing",
        QByteArray(R"(<T><Family Name="Tessitra" FamilyID="0x60"><Product Name="Stage Ariette" ProductID="0x2"/>)"
                   "</Family></T>"))
        << kArietteProduct << kUnit << ""
        << "" << false << QStringList{noVersions, noUpdate};
    row("malformed XML",
        QByteArray(R"(<T><Family Name="Tessitra" FamilyID="0x60"><Product Name="Stage Ariette" ProductID="0x2">)"
                   "<Revisions><Revision Version=\"DSP v1.5\" <<</Revisions>"))
        << kArietteProduct << kUnit << ""
        << "" << false << QStringList{noVersions, parseFailed};
    row("document cut short", targets(dsp15, kArietteProduct, kFamily).left(200))
        << kArietteProduct << kUnit << ""
        << "" << false << QStringList{noVersions, parseFailed};
    row("no file", QByteArray()) << kArietteProduct << kUnit << ""
                                 << "" << false << QStringList{noVersions, parseFailed};
}

void TestUpdateCheck::decision()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, product);
    QFETCH(QString, unit);
    QFETCH(QString, wrongDsp);
    QFETCH(QString, wrongFw);
    QFETCH(bool, bApp);
    QFETCH(QStringList, expected);

    const QString path = m_dir.filePath("UpdateTargets.xml");
    QFile::remove(path);
    if (!document.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(document);
    }
    g_deviceInfo.setVersionTexts(unit.section('|', 0, 0), unit.section('|', 1, 1));
    g_wrongDsp = wrongDsp;
    g_wrongFw = wrongFw;

    UpdateSignalLog log(m_pService);
    const bool bOffered = m_pService->checkUpdate(path, product.section('|', 0, 0), product.section('|', 1, 1), bApp);
    QCOMPARE(log.entries(), expected);
    QCOMPARE(bOffered, expected.value(0) == "operationFinished(0,true)");
}

namespace {
QStringList g_messages;
void captureMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_messages.append(message);
}
} // namespace

// The log tells a support engineer which revision won and why a file was refused.
void TestUpdateCheck::logLines()
{
    const QString path = m_dir.filePath("log.xml");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(targets(revision("DSP v1.5", "http://h/d.ldr") + revision("Firmware v1.0", "http://h/f.bin"),
                       kArietteProduct, kFamily));
    file.close();
    g_deviceInfo.setVersionTexts("DSP v1.4", "Firmware v2.0");

    g_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
    m_pService->checkUpdate(path, "Stage Ariette", "0x2", false);
    qInstallMessageHandler(previous);

    const QStringList wanted{"Comment",
                             "Revision",
                             "got new revision: DSP v1.5",
                             "reading dsp details",
                             "versionNumberNew: 1.5, versionNumberCur:1.4",
                             "Revision",
                             "got new revision: Firmware v1.0",
                             "reading fw details",
                             "reached end element",
                             "version: DSP v1.5: url: http://h/d.ldr",
                             "version: Firmware v2.0: url: "};
    int iFrom = 0;
    for (const QString& line : wanted) {
        const int iAt = g_messages.indexOf(line, iFrom);
        QVERIFY2(iAt >= 0, qPrintable("missing or out of order: " + line + "\n" + g_messages.join('\n')));
        iFrom = iAt + 1;
    }
}

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
