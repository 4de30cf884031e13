#include "SerialPatchCollection.h"

#include <QFile>
#include <QTemporaryDir>
#include <QVector>
#include <QtTest>

#include <climits>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// A unit whose record is 4 name entries and 3 parameters; identity values with four distinct bytes show byte order.
constexpr int kNames = 4;
constexpr int kParams = 3;
constexpr int kRecord = kNames + kParams;
constexpr int kProduct = 0x11223344;
constexpr int kPatchVersion = 0x0506;
const QByteArray kSysText("12\n0\n65535\n");

// Little-endian file images written from the format's tables, independently of the module's writer.
class Image
{
public:
    Image& tag(const char* text) { m_bytes.append(text, 4); return *this; }
    Image& u32(quint32 value)
    {
        for (int shift = 0; shift < 32; shift += 8)
            m_bytes.append(static_cast<char>((value >> shift) & 0xFF));
        return *this;
    }
    Image& ints(const QVector<int>& values)
    {
        for (int value : values)
            u32(static_cast<quint32>(value));
        return *this;
    }
    Image& raw(const QByteArray& bytes) { m_bytes.append(bytes); return *this; }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

QVector<int> record(int index, int firstName = -1)
{
    return {firstName >= 0 ? firstName : 'A' + index, 'b', ' ', 0, index - 2, 32767, -32768};
}

QVector<int> bank(int firstName = -1)
{
    return record(0, firstName) + record(1) + record(2);
}

QVector<int> setLists()
{
    QVector<int> values;
    for (int i = 0; i < 100; ++i)
        values << (i % 20 == 19 ? 0 : 101 + i);
    return values;
}

Image header(int patches, int names = kNames, quint32 offset = 56)
{
    const quint32 dataSize = static_cast<quint32>(patches * (names + kParams) * 4);
    Image image;
    image.tag("3dB ").u32(48 + dataSize).tag("spc ").tag("0001").tag("fmt ").u32(24).u32(offset);
    image.u32(kProduct).u32(kPatchVersion).u32(static_cast<quint32>(names)).u32(kParams).u32(static_cast<quint32>(patches));
    return image.tag("data").u32(dataSize);
}

QByteArray presetImage() { return header(1).ints(record(0)).bytes(); }
QByteArray factoryImage(int firstName = -1) { return header(3).ints(bank(firstName)).bytes(); }
QByteArray backupImage(const QByteArray& sysText)
{
    Image image = header(3);
    if (!sysText.isEmpty())
        image.raw("sysparampresent ").u32(static_cast<quint32>(sysText.size()));
    return image.u32(100).ints(bank()).ints(setLists()).raw(sysText).bytes();
}

QByteArray patched(QByteArray image, int offset, const QByteArray& bytes)
{
    return image.replace(offset, bytes.size(), bytes);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestSerialPatchCollection : public QObject
{
    Q_OBJECT

private slots:
    void writers_data();
    void writers();
    void writerRefusals_data();
    void writerRefusals();
    void brokenInvariantStopsWithItsExpression();
    void readHeader_data();
    void readHeader();
    void readers_data();
    void readers();
    void everyTruncatedBackupIsRefused();
    void textHelpers_data();
    void textHelpers();

private:
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

void TestSerialPatchCollection::writers_data()
{
    QTest::addColumn<bool>("single");
    QTest::addColumn<bool>("withSetLists");
    QTest::addColumn<QByteArray>("sysText");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("expectedSize");

    QTest::newRow("preset file") << true << false << QByteArray() << presetImage() << 56 + kRecord * 4;
    QTest::newRow("backup") << false << true << kSysText << backupImage(kSysText)
                            << 56 + 16 + 4 + 4 + 3 * kRecord * 4 + 400 + kSysText.size();
    QTest::newRow("backup, unit without system parameters")
        << false << true << QByteArray("") << backupImage(QByteArray()) << 56 + 4 + 3 * kRecord * 4 + 400;
    QTest::newRow("factory file") << false << false << QByteArray() << factoryImage() << 56 + 3 * kRecord * 4;
}

void TestSerialPatchCollection::writers()
{
    QFETCH(bool, single);
    QFETCH(bool, withSetLists);
    QFETCH(QByteArray, sysText);
    QFETCH(QByteArray, expected);
    QFETCH(int, expectedSize);

    const QVector<int> presets = single ? record(0) : bank();
    const QVector<int> sets = setLists();
    const QByteArray target = QFile::encodeName(path("written"));
    int code = -1;
    if (single) {
        const SpcPatchFile file{kProduct, kPatchVersion, kNames, kParams, presets.constData()};
        code = SpcWritePatch(target.constData(), 1, file);
    } else {
        const SpcCollectionFile file{kProduct, kPatchVersion, kNames, kParams, 3, presets.constData(), presets.size(),
                                     withSetLists ? sets.constData() : nullptr, sets.size(),
                                     sysText.isNull() ? nullptr : sysText.constData(), sysText.size()};
        code = SpcWriteCollection(target.constData(), 1, file);
    }
    QCOMPARE(code, 0);
    QCOMPARE(expected.size(), expectedSize);
    QCOMPARE(readFile(path("written")), expected);
}

void TestSerialPatchCollection::writerRefusals_data()
{
    QTest::addColumn<bool>("single");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("patches");
    QTest::addColumn<int>("names");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("left");

    const QByteArray twelve = Image().tag("3dB ").u32(48 + 2 * kRecord * 4).tag("spc ").bytes();
    QTest::newRow("preset, version 2") << true << path("p2") << 2 << 1 << kNames << 1
                                       << Image().tag("3dB ").u32(48 + kRecord * 4).tag("spc ").bytes();
    QTest::newRow("version 2") << false << path("v2") << 2 << 2 << kNames << 1 << twelve;
    QTest::newRow("version 0") << false << path("v0") << 0 << 2 << kNames << 1 << twelve;
    QTest::newRow("folder missing") << false << path("none/x.tarb") << 1 << 2 << kNames << 2 << QByteArray();
    QTest::newRow("negative name length") << false << path("neg") << 1 << 0 << -1 << 3 << QByteArray();
    // /dev/full takes buffered bytes and fails when they are flushed: at close for a small file, mid-way for a big one.
    QTest::newRow("preset, close fails") << true << QStringLiteral("/dev/full") << 1 << 1 << kNames << 18 << QByteArray();
    QTest::newRow("close fails") << false << QStringLiteral("/dev/full") << 1 << 2 << kNames << 18 << QByteArray();
    QTest::newRow("write falls short") << false << QStringLiteral("/dev/full") << 1 << 4000 << kNames << 3 << QByteArray();
}

void TestSerialPatchCollection::writerRefusals()
{
    QFETCH(bool, single);
    QFETCH(QString, target);
    QFETCH(int, version);
    QFETCH(int, patches);
    QFETCH(int, names);
    QFETCH(int, code);
    QFETCH(QByteArray, left);

    const QVector<int> presets(patches * (names + kParams), 7);
    const SpcCollectionFile file{kProduct, kPatchVersion, names, kParams, patches, presets.constData(), presets.size(),
                                 nullptr, 0, nullptr, 0};
    const SpcPatchFile patch{kProduct, kPatchVersion, names, kParams, presets.constData()};
    const QByteArray name = QFile::encodeName(target);
    QCOMPARE(single ? SpcWritePatch(name.constData(), version, patch) : SpcWriteCollection(name.constData(), version, file),
             code);
    if (!target.startsWith(QLatin1String("/dev/"))) {
        QCOMPARE(QFile::exists(target), !left.isNull());
        QCOMPARE(readFile(target), left);
    }
}

void TestSerialPatchCollection::brokenInvariantStopsWithItsExpression()
{
    int pipeEnds[2];
    QVERIFY(pipe(pipeEnds) == 0);
    const QByteArray target = QFile::encodeName(path("broken"));
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDERR_FILENO);
        const int presets[8] = {};
        const SpcCollectionFile file{1, 1, 4, 3, 1, presets, 8, nullptr, 0, nullptr, 0};
        SpcWriteCollection(target.constData(), 1, file);
        _exit(0);
    }
    close(pipeEnds[1]);
    QByteArray message;
    char chunk[256];
    for (ssize_t got; (got = read(pipeEnds[0], chunk, sizeof(chunk))) > 0;)
        message.append(chunk, static_cast<int>(got));
    close(pipeEnds[0]);
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT);
    QVERIFY2(message.contains("\"iPresetDataLen == iNumPatches * (iMaxPatchNameLen + iNumPatchParams)\""), message);
    QVERIFY2(message.contains("SerialPatchCollection.cpp"), message);
    QVERIFY(!QFile::exists(path("broken")));
}

void TestSerialPatchCollection::readHeader_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("patches"); // -7: identity fields must not have been read
    QTest::addColumn<int>("word");
    QTest::addColumn<int>("sysLen");

    const QByteArray preset = presetImage();
    const QByteArray empty = header(0).bytes();
    QTest::newRow("preset file") << preset << 0 << 1 << int('A') << 0;
    QTest::newRow("backup") << backupImage(kSysText) << 0 << 3 << 100 << kSysText.size();
    QTest::newRow("backup without system text") << backupImage(QByteArray()) << 0 << 3 << 100 << 0;
    QTest::newRow("version 0002") << patched(preset, 12, "0002") << 1 << -7 << -7 << -7;
    QTest::newRow("first tag") << patched(preset, 0, "3dB_") << 5 << -7 << -7 << -7;
    QTest::newRow("second tag") << patched(preset, 8, "SPC ") << 6 << -7 << -7 << -7;
    QTest::newRow("format chunk tag") << patched(preset, 16, "fmt_") << 7 << -7 << -7 << -7;
    QTest::newRow("format chunk 28") << patched(preset, 20, Image().u32(28).bytes()) << 9 << -7 << -7 << -7;
    QTest::newRow("data offset 60") << patched(preset, 24, Image().u32(60).bytes()) << 14 << -7 << -7 << -7;
    QTest::newRow("data tag") << patched(preset, 48, "DATA") << 8 << 1 << -7 << -7;
    QTest::newRow("data size off by 4") << patched(preset, 52, Image().u32(32).bytes()) << 10 << 1 << -7 << -7;
    QTest::newRow("negative name length") << header(2, -kParams).raw(QByteArray(16, 'x')).bytes() << 10 << 2 << -7 << -7;
    // 0x40000001 patches of 28 bytes wrap to 28 bytes in 32-bit arithmetic.
    QTest::newRow("wrapping patch count") << patched(preset, 44, Image().u32(0x40000001).bytes()) << 10 << 0x40000001
                                          << -7 << -7;
    QTest::newRow("ends inside a field") << preset.left(30) << 4 << -7 << -7 << -7;
    QTest::newRow("15 bytes after data size") << empty + QByteArray(15, 'x') << 4 << 0 << -7 << -7;
    QTest::newRow("marker without length") << empty + "sysparampresent \1" << 13 << 0 << -7 << 0;
    QTest::newRow("marker, no word") << empty + Image().raw("sysparampresent ").u32(0).bytes() << 12 << 0 << -7 << 0;
    QTest::newRow("data announced beyond the file") << preset.chopped(4) << 11 << 1
                                                     << int('A') << 0;
    QTest::newRow("text announced beyond the file")
        << patched(backupImage(kSysText), 72, Image().u32(0x7FFFFFF0).bytes()) << 13 << 3 << 100 << 0x7FFFFFF0;
}

void TestSerialPatchCollection::readHeader()
{
    QFETCH(QByteArray, image);
    QFETCH(int, code);
    QFETCH(int, patches);
    QFETCH(int, word);
    QFETCH(int, sysLen);

    QVERIFY(writeFile(path("header"), image));
    int readWord = -7;
    int readSysLen = -7;
    SpcHeader header{-7, -7, -7, -7, -7, -7, &readWord, &readSysLen};
    QCOMPARE(SpcReadHeader(QFile::encodeName(path("header")).constData(), header), code);
    QCOMPARE(header.iNumPatches, patches);
    QCOMPARE(readWord, word);
    QCOMPARE(readSysLen, sysLen);
    // The version is set once its tag is accepted, before any later check.
    QCOMPARE(header.iVersion, code == 1 || code == 5 || code == 6 ? -7 : 1);
    if (patches != -7) {
        QCOMPARE(header.hardwareProductCode, kProduct);
        QCOMPARE(header.hardwarePatchVersion, kPatchVersion);
        QCOMPARE(header.iNumPatchParams, kParams);
    }
}

void TestSerialPatchCollection::readers_data()
{
    QTest::addColumn<QByteArray>("image"); // null: no file
    QTest::addColumn<bool>("collection");
    QTest::addColumn<int>("presetLen");
    QTest::addColumn<bool>("withSetLists");
    QTest::addColumn<int>("sysLen"); // -1: no system-parameter buffer
    QTest::addColumn<int>("code");
    QTest::addColumn<QVector<int>>("presets"); // empty: not checked
    QTest::addColumn<QVector<int>>("sets");
    QTest::addColumn<QByteArray>("sysText");

    const QByteArray backup = backupImage(kSysText);
    const QVector<int> none;
    QTest::newRow("preset file") << presetImage() << false << kRecord << false << -1 << 0 << record(0) << none
                                 << QByteArray();
    QTest::newRow("backup, patch reader") << backup << false << kRecord << false << -1 << 17 << none << none
                                          << QByteArray();
    QTest::newRow("preset, other record size") << presetImage() << false << kRecord + 1 << false << -1 << 16 << none
                                               << none << QByteArray();
    QTest::newRow("preset, data short") << presetImage().chopped(4) << false << kRecord << false << -1 << 11 << none
                                        << none << QByteArray();
    QTest::newRow("missing file") << QByteArray() << false << kRecord << false << -1 << 2 << none << none << QByteArray();
    QTest::newRow("backup") << backup << true << 3 * kRecord << true << kSysText.size() << 0 << bank() << setLists()
                            << kSysText;
    QTest::newRow("backup, other text length") << backup << true << 3 * kRecord << true << 5 << 13 << bank()
                                               << setLists() << QByteArray();
    QTest::newRow("backup, text not wanted") << backup << true << 3 * kRecord << true << 0 << 0 << bank() << setLists()
                                             << QByteArray();
    QTest::newRow("backup, other bank size") << backup << true << 2 * kRecord << true << -1 << 16 << none << none
                                             << QByteArray();
    QTest::newRow("backup, set lists short") << backupImage(QByteArray()).chopped(8) << true << 3 * kRecord << true
                                             << -1 << 12 << bank() << none << QByteArray();
    QTest::newRow("factory file") << factoryImage() << true << 3 * kRecord << false << -1 << 0 << bank() << none
                                  << QByteArray();
    QTest::newRow("factory file, set-list buffer") << factoryImage() << true << 3 * kRecord << true << 0 << 12 << bank()
                                                   << none << QByteArray();
    // The word after the header is taken for a set-list count: the data is then read one integer late and runs short.
    QTest::newRow("factory file, first integer 100") << factoryImage(100) << true << 3 * kRecord << true << -1 << 11
                                                     << none << none << QByteArray();
}

void TestSerialPatchCollection::readers()
{
    QFETCH(QByteArray, image);
    QFETCH(bool, collection);
    QFETCH(int, presetLen);
    QFETCH(bool, withSetLists);
    QFETCH(int, sysLen);
    QFETCH(int, code);
    QFETCH(QVector<int>, presets);
    QFETCH(QVector<int>, sets);
    QFETCH(QByteArray, sysText);

    if (!image.isNull())
        QVERIFY(writeFile(path("read"), image));
    QVector<int> presetBuffer(presetLen, -99);
    QVector<int> setBuffer(100, -99);
    QByteArray sysBuffer(qMax(sysLen, 0), '#');
    SpcReadRequest request{0, presetBuffer.data(), presetLen, withSetLists ? setBuffer.data() : nullptr, 100,
                           sysLen >= 0 ? sysBuffer.data() : nullptr, sysLen};
    const QByteArray file = QFile::encodeName(path(image.isNull() ? "absent" : "read"));
    QCOMPARE(collection ? SpcReadCollection(file.constData(), request) : SpcReadPatch(file.constData(), request), code);
    QCOMPARE(request.iVersion, image.isNull() ? 0 : 1);
    if (!presets.isEmpty())
        QCOMPARE(presetBuffer, presets);
    if (!sets.isEmpty())
        QCOMPARE(setBuffer, sets);
    if (!sysText.isNull())
        QCOMPARE(sysBuffer, sysText);
}

void TestSerialPatchCollection::everyTruncatedBackupIsRefused()
{
    // Readers stop at the end of any prefix of a backup with a refusal, and never write beyond the caller's buffers.
    const QByteArray backup = backupImage(kSysText);
    const QByteArray file = QFile::encodeName(path("cut"));
    for (int size = 0; size < backup.size(); ++size) {
        QVERIFY(writeFile(path("cut"), backup.left(size)));
        QVector<int> presets(3 * kRecord + 1, -99);
        QVector<int> sets(101, -99);
        QByteArray sys(kSysText.size() + 1, '#');
        SpcReadRequest request{0, presets.data(), 3 * kRecord, sets.data(), 100, sys.data(), kSysText.size()};
        QVERIFY2(SpcReadCollection(file.constData(), request) != 0, QByteArray::number(size));
        request.iPresetDataLen = kRecord;
        QVERIFY(SpcReadPatch(file.constData(), request) != 0);
        QCOMPARE(presets.last(), -99);
        QCOMPARE(sets.last(), -99);
        QCOMPARE(sys.back(), '#');
    }
}

void TestSerialPatchCollection::textHelpers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<int>("value");

    QTest::newRow("line") << QByteArray("42\n7\n") << 5 << true << 42;
    QTest::newRow("leading line feeds and sign") << QByteArray(" \n-7x") << 5 << true << -7;
    QTest::newRow("plus") << QByteArray("+3") << 2 << true << 3;
    QTest::newRow("length stops digits") << QByteArray("12345") << 3 << true << 123;
    QTest::newRow("most negative") << QByteArray("-2147483648") << 11 << true << INT_MIN;
    QTest::newRow("too big") << QByteArray("2147483648") << 10 << false << 0;
    QTest::newRow("letters") << QByteArray("abc") << 3 << false << 0;
    QTest::newRow("sign only") << QByteArray("-\n") << 2 << false << 0;
    QTest::newRow("blank lines") << QByteArray("\n\n") << 2 << false << 0;
    QTest::newRow("empty") << QByteArray("") << 0 << false << 0;
}

void TestSerialPatchCollection::textHelpers()
{
    QFETCH(QByteArray, text);
    QFETCH(int, length);
    QFETCH(bool, parsed);
    QFETCH(int, value);

    int result = -5;
    QCOMPARE(SpcParseInt(text.constData(), length, &result), parsed);
    QCOMPARE(result, parsed ? value : -5);
    if (!parsed)
        return;
    // The formatter gives back exactly the "%d\n" line the parser took the value from, and refuses a short buffer.
    char line[SPC_INT_TEXT_SIZE];
    const QByteArray expected = QByteArray::number(value) + '\n';
    QCOMPARE(SpcFormatInt(value, line, SPC_INT_TEXT_SIZE), expected.size());
    QCOMPARE(QByteArray(line), expected);
    QCOMPARE(SpcFormatInt(value, line, expected.size()), -1);
    QCOMPARE(line[0], '\0');
}

QTEST_GUILESS_MAIN(TestSerialPatchCollection)
#include "tst_serialpatchcollection.moc"
