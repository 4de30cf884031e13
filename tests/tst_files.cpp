// Preset and collection files: the bytes the writer puts down, the header and readers against images built
// here byte by byte (negative and huge fields among them), and presets between files and a virtual unit:
// preset files, a backup restored to another unit, the factory file, a restore that fails half-way.

#include "SerialPatchCollection.h"
#include "autobackup.h"
#include "backupcompare.h"
#include "backupimage.h"
#include "backupsearch.h"
#include "undojournal.h"

#include "support/LinkHarness.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A record of 4 name entries and 3 parameters; identity values with four distinct bytes show the byte order.
constexpr int kNames = 4, kParams = 3, kRecord = kNames + kParams, kBank = 3 * kRecord;
constexpr int kProduct = 0x11223344, kPatchVersion = 0x0506;
const QByteArray kSysText("12\n0\n65535\n");
const QByteArray kMarker("sysparampresent ");

// Little-endian file images built from the format's tables, independently of the module's writer.
struct Image
{
    QByteArray bytes;
    Image& raw(const QByteArray& more) { return bytes += more, *this; }
    Image& ints(const QVector<int>& values)
    {
        for (int value : values)
            for (int shift = 0; shift < 32; shift += 8)
                bytes += static_cast<char>((static_cast<quint32>(value) >> shift) & 0xFF);
        return *this;
    }
};

struct WriteCase
{
    char kind; // 'p' a preset file, 'b' a bank, 'n' a bank of name length -1
    QString target;
    int version;
    bool sets;
    QByteArray sys; // null: no text pointer
    int code;
    QByteArray left;  // the file afterwards; null: no file (not checked for /dev/full)
    char planted = 0; // at the target before: 'l' a link to a private file, 'f' a pipe, 'm' a file of mode 0600
};
struct HeaderCase
{
    QByteArray image;
    int code, version, patches, word, sysLen; // -7: field not reached
    int params = kParams;
};
struct ReadCase
{
    QByteArray image; // null: no file
    bool collection;
    int presetLen;
    bool sets;  // set-list buffer of 100
    int sysLen; // -1: no system-parameter buffer
    int code;
    QVector<int> presets; // empty: not checked
    bool setsRead, sysRead;
    bool pipe = false; // the image waits in a pipe under the file's name
};

} // namespace
Q_DECLARE_METATYPE(WriteCase)
Q_DECLARE_METATYPE(HeaderCase)
Q_DECLARE_METATYPE(ReadCase)

class TestFiles : public QObject
{
    Q_OBJECT

    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;

    static QByteArray le(int value) { return Image().ints({value}).bytes; }
    static QVector<int> record(int i, int first = -1)
    {
        return {first >= 0 ? first : 'A' + i, 'b', ' ', 0, i - 2, 32767, -32768};
    }
    static QVector<int> bank(int first = -1) { return record(0, first) + record(1) + record(2); }
    static QVector<int> setLists()
    {
        QVector<int> values;
        for (int i = 0; i < 100; ++i)
            values << (i % 20 == 19 ? 0 : 101 + i);
        return values;
    }
    static Image header(int patches, int names = kNames)
    {
        const int dataSize = patches * (names + kParams) * 4;
        return Image()
            .raw("3dB ")
            .ints({48 + dataSize})
            .raw("spc 0001fmt ")
            .ints({24, 56, kProduct, kPatchVersion, names, kParams, patches})
            .raw("data")
            .ints({dataSize});
    }
    static QByteArray presetImage() { return header(1).ints(record(0)).bytes; }
    static QByteArray factoryImage(int first = -1) { return header(3).ints(bank(first)).bytes; }
    static QByteArray backupImage(const QByteArray& sys)
    {
        Image image = header(3);
        if (!sys.isEmpty())
            image.raw(kMarker).ints({sys.size()});
        return image.ints({100}).ints(bank()).ints(setLists()).raw(sys).bytes;
    }
    static QByteArray patched(QByteArray image, int offset, const QByteArray& bytes)
    {
        return image.replace(offset, 4, bytes);
    }
    // Gives a unit content of its own: the factory records in reverse order, other set lists and parameters.
    static void scramble(LinkHarness& h, const QString& name)
    {
        h.bus.modifyUnit(name, [](VirtualUnit& u) {
            for (int n = 1; n <= 100; ++n)
                u.setRecord(n, u.record(201 - n));
            for (int j = 0; j < 5; ++j)
                u.setSetList(j, QVector<int>(20, 90 - j));
            u.setSysParams(QVector<int>(200, 4242));
        });
    }
    static QVector<int> bank(const VirtualUnit& u, int base)
    {
        QVector<int> out;
        for (int n = base; n < base + 100; ++n)
            out += u.record(n);
        return out;
    }

private slots:
    void init() { resetCallbacks(); }

    // The undo journal is applied only when whole (its SHA-256 agrees), of this unit, and within the unit's bounds.
    void undoJournal_data()
    {
        QTest::addColumn<QByteArray>("body"); // hex; its SHA-256 follows, or 32 zero bytes when it ends in "!"
        QTest::addColumn<int>("status");      // 0 ready, 1 damaged, 2 another unit's
        // "TSUJ", version 2, product 0x21, patch 3, 2 name bytes, 1 parameter, 3 presets, serial "u1"; one overwrite
        // "copy": slot 2 from "AB", -1 to "CD", 1, and set list B from twenty 1s to not yet written; nothing to redo.
        const QByteArray good = "5453554a000200000021000000030000000200000001000000030000000400750031"
                                "0001000000080063006f007000790001000200030041"
                                "0042ffff0003004300440001"
                                "000100020014" +
                                QByteArray("0001").repeated(20) + "00000000";
        const auto with = [&](int at, const QByteArray& h) { return QByteArray(good).replace(2 * at, h.size(), h); };
        QTest::newRow("one overwrite") << good << 0;
        QTest::newRow("hash disagrees") << good + "!" << 1;
        QTest::newRow("cut short") << good.chopped(4) << 1;
        QTest::newRow("bytes behind") << good + "00" << 1;
        QTest::newRow("version 1") << with(4, "0001") << 1;
        QTest::newRow("21 entries") << with(34, "0015") << 1;
        QTest::newRow("4 records of a 3-preset unit") << with(48, "0004") << 1;
        QTest::newRow("slot 4") << with(50, "0004") << 1;
        QTest::newRow("name byte 256") << with(54, "0100") << 1;
        QTest::newRow("set list 5") << with(70, "0005") << 1;
        QTest::newRow("another unit of the model") << with(30, "00750032") << 2;
        QTest::newRow("the Cadenzo's") << with(6, "00000042") << 2;
    }
    // Automatic back-ups go by the order of taking, per unit, whatever the clock says: thirteen states of one unit
    // taken in the same local second keep the newest ten and the file being restored; the same state again is the
    // newest file; another unit's and a file the user changed are never removed.
    void autoBackUps()
    {
        const QString folder = path("auto");
        BackUpImage image;
        image.productCode = 0x21, image.patchVersion = 3, image.nameLength = 2, image.paramCount = 1;
        image.presetCount = 3, image.presets = {65, 66, 0, 67, 68, 0, 69, 70, 0};
        image.hasSetLists = true, image.setLists = QVector<int>(100, 0);
        const QDateTime when(QDate(2020, 1, 1), QTime(0, 0));
        const auto keep = [&](const QString& unit, const QStringList& spare) {
            QString made;
            return AutoBackUp(folder, ".tarb", unit).keep(image, AutoBackUp::Before::Restore, when, spare, &made) == 0
                       ? QFileInfo(made).fileName()
                       : QString();
        };
        QCOMPARE(keep("u2", {}), QString("Auto before restore 2020-01-01 00-00-00.tarb"));
        QFile::copy(folder + "/Auto before restore 2020-01-01 00-00-00.tarb", folder + "/mine.tarb");
        image.presets[8] = 1;
        QCOMPARE(keep("u1", {}), QString("Auto before restore 2020-01-01 00-00-00 (2).tarb"));
        QVERIFY(writeFile(folder + "/Auto before restore 2020-01-01 00-00-00 (2).tarb", "changed by the user"));
        for (int i = 2; i <= 13; ++i)
            image.presets[8] = i, keep("u1", {folder + "/Auto before restore 2020-01-01 00-00-00 (3).tarb"});
        QCOMPARE(keep("u1", {}), QString("Auto before restore 2020-01-01 00-00-00 (14).tarb"));
        QStringList kept{"Auto before restore 2020-01-01 00-00-00.tarb",
                         "Auto before restore 2020-01-01 00-00-00 (2).tarb",
                         "Auto before restore 2020-01-01 00-00-00 (3).tarb"};
        for (int n = 5; n <= 14; ++n)
            kept << QString("Auto before restore 2020-01-01 00-00-00 (%1).tarb").arg(n);
        kept << "mine.tarb";
        QStringList files = QDir(folder).entryList({"*.tarb"}, QDir::Files);
        std::sort(files.begin(), files.end());
        std::sort(kept.begin(), kept.end());
        QCOMPARE(files, kept);
    }

    // A comparison's rows that differ, one change to the second back-up at a time: "slot mark left>right".
    void compareMarks_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("rows");
        QTest::newRow("none") << ""
                              << "";
        QTest::newRow("a parameter") << "param"
                                     << "U02 settings Bb>Bb";
        QTest::newRow("a name and a parameter") << "name param"
                                                << "U02 renamed Bb>Bc";
        QTest::newRow("only beyond a byte and a word") << "high"
                                                       << "";
        QTest::newRow("a parameter's high byte") << "param256"
                                                 << "U02 settings Bb>Bb";
        QTest::newRow("a set-list slot") << "slot"
                                         << "B changed >- - - - - - - - - - - - - - - - - - - U03";
        QTest::newRow("no set lists") << "lists"
                                      << "favourites missing U01> A missing > B missing > C missing > D missing >";
        QTest::newRow("a system parameter") << "sys"
                                            << "system changed >";
        QTest::newRow("no system parameters") << "nosys"
                                              << "system missing held>";
    }
    void compareMarks()
    {
        QFETCH(QString, change);
        QFETCH(QString, rows);
        BackUpImage a;
        a.nameLength = 2, a.paramCount = 1, a.presetCount = 3, a.presets = {65, 97, 7, 66, 98, -2, 67, 99, 0};
        a.hasSetLists = true, a.setLists = QVector<int>(100, 0), a.setLists[0] = 1;
        a.hasSysParams = true, a.sysParams = "1\n2\n";
        BackUpImage b = a;
        b.presets[4] += change.contains("name") ? 1 : change == "high" ? 256 : 0; // the unit keeps one byte a name code
        b.presets[5] += change == "param256" ? 256 : change.contains("param") ? 1 : change == "high" ? 65536 : 0;
        b.setLists[59] = change == "slot" ? 3 : 0; // the last slot of set list B
        b.hasSetLists = change != "lists", b.setLists.resize(change == "lists" ? 0 : 100);
        b.sysParams = change == "sys" ? "1\n3\n" : a.sysParams;
        b.hasSysParams = change != "nosys", b.sysParams.resize(change == "nosys" ? 0 : b.sysParams.size());
        QStringList found;
        for (const BackUpCompare::Row& row : BackUpCompare::compare(a, b))
            if (row.mark != BackUpCompare::Mark::Same)
                found << row.slot + ' ' + BackUpCompare::key(row.mark) + ' ' + row.left.toString() + '>' +
                             row.right.toString();
        QCOMPARE(found.join(' '), rows);
    }

    void undoJournal()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        const UndoJournal::Identity unit{0x21, 3, 2, 1, 3, "u1"};
        QByteArray bytes = QByteArray::fromHex(QByteArray(body).replace('!', ""));
        bytes += body.endsWith('!') ? QByteArray(32, 0) : QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
        QVector<UndoJournal::Entry> undo, redo;
        QCOMPARE(int(UndoJournal::decode(bytes, unit, &undo, &redo)), status);
        QCOMPARE(undo.size(), status == 0 ? 1 : 0);
        if (status != 0)
            return;
        QCOMPARE(undo[0].records[0].after, QVector<int>({67, 68, 1}));
        QCOMPARE(undo[0].setLists[0].index, 2);
        QCOMPARE(UndoJournal::encode(unit, undo, redo), bytes);
        // Two programs on one unit's journal keep each other's entries; 20 at most; an undo can be redone until
        // the next overwrite.
        const QString file = UndoJournal::pathFor(path("model"), "u1");
        QCOMPARE(QFileInfo(file).fileName(), QString("undo bb82030dbc2bcaba.journal"));
        UndoJournal first(file), second(file);
        QCOMPARE(int(first.load(unit)), 0);
        QCOMPARE(int(second.load(unit)), 0);
        QVERIFY(first.push(undo[0]) && second.push(undo[0]));
        QCOMPARE(second.entries(), 2);
        for (int i = 0; i < 19; ++i)
            QVERIFY(first.push(undo[0]));
        QCOMPARE(first.entries(), 20);
        QVERIFY(first.undone() && first.undone());
        QCOMPARE(first.entries() * 100 + first.redoEntries(), 1802);
        QVERIFY(first.redone());
        QVERIFY(second.push(undo[0]));
        QCOMPARE(second.entries() * 100 + second.redoEntries(), 2000);
    }

    void writers_data()
    {
        QTest::addColumn<WriteCase>("c");
        const QString full("/dev/full"); // takes buffered bytes, fails when they are flushed
        const QByteArray none;
        QTest::newRow("preset file") << WriteCase{'p', path("p"), 1, false, none, 0, presetImage()};
        QTest::newRow("backup") << WriteCase{'b', path("b"), 1, true, kSysText, 0, backupImage(kSysText)};
        QTest::newRow("factory file") << WriteCase{'b', path("f"), 1, false, none, 0, factoryImage()};
        QTest::newRow("preset, version 2") << WriteCase{'p', path("p2"), 2, false, none, 1, none};
        QTest::newRow("negative name length") << WriteCase{'n', path("n"), 1, false, none, 3, none};
        QTest::newRow("backup to a device") << WriteCase{'b', full, 1, true, kSysText, 2, none};
        QTest::newRow("backup over a link") << WriteCase{'b', path("l"), 1, true, kSysText, 2, none, 'l'};
        QTest::newRow("preset onto a pipe") << WriteCase{'p', path("fifo"), 1, false, none, 2, none, 'f'};
        QTest::newRow("preset over a 0600 file") << WriteCase{'p', path("m"), 1, false, none, 0, presetImage(), 'm'};
    }

    void writers()
    {
        QFETCH(WriteCase, c);
        const int patches = c.kind == 'n' ? 0 : 3, names = c.kind == 'n' ? -1 : kNames;
        const QVector<int> presets = bank();
        const QVector<int> sets = setLists();
        const QByteArray name = QFile::encodeName(c.target);
        // Another user's plants: a link to the singer's private file, a pipe (with a reader, so a writer that opens
        // it does not wait), a file of the singer's kept private.
        const QByteArray victim = QFile::encodeName(path("victim"));
        umask(022);
        QVERIFY(writeFile(path("victim"), "mine") && chmod(victim, 0600) == 0);
        QVERIFY(c.planted != 'l' || symlink(victim, name) == 0);
        const int reader = c.planted == 'f' && mkfifo(name, 0600) == 0 ? open(name, O_RDONLY | O_NONBLOCK) : -1;
        QVERIFY(c.planted != 'm' || (writeFile(c.target, "old") && chmod(name, 0600) == 0));
        const SpcPatchFile patch{kProduct, kPatchVersion, kNames, kParams, presets.constData()};
        const SpcCollectionFile collection({kProduct, kPatchVersion, names, kParams, patches, presets.constData(),
                                            patches * (names + kParams), c.sets ? sets.constData() : nullptr, 100,
                                            c.sys.isNull() ? nullptr : c.sys.constData(), c.sys.size()});
        QCOMPARE(c.kind == 'p' ? SpcWritePatch(name.constData(), c.version, patch)
                               : SpcWriteCollection(name.constData(), c.version, collection),
                 c.code);
        close(reader);
        struct stat info;
        if (!c.target.startsWith(QLatin1String("/dev/"))) {
            const unsigned mode = c.planted == 'l'   ? 0120777
                                  : c.planted == 'f' ? 010600
                                  : c.planted == 'm' ? 0100600
                                                     : 0100644;
            QCOMPARE(lstat(name, &info) == 0 ? unsigned(info.st_mode) : 0u, c.left.isNull() && !c.planted ? 0u : mode);
            if (c.planted != 'f')
                QCOMPARE(readFile(c.target), c.planted == 'l' ? QByteArray("mine") : c.left);
        }
        QCOMPARE(readFile(path("victim")), QByteArray("mine"));
        QCOMPARE(stat(victim, &info) == 0 ? unsigned(info.st_mode) : 0u, 0100600u);
    }

    void readHeader_data()
    {
        QTest::addColumn<HeaderCase>("c");
        const QByteArray preset = presetImage();
        const QByteArray empty = header(0).bytes;
        QTest::newRow("preset file") << HeaderCase{preset, 0, 1, 1, 'A', 0};
        QTest::newRow("backup") << HeaderCase{backupImage(kSysText), 0, 1, 3, 100, kSysText.size()};
        QTest::newRow("backup, no text") << HeaderCase{backupImage(""), 0, 1, 3, 100, 0};
        QTest::newRow("version 0002") << HeaderCase{patched(preset, 12, "0002"), 1, -7, -7, -7, -7};
        QTest::newRow("first tag") << HeaderCase{patched(preset, 0, "3dB_"), 5, -7, -7, -7, -7};
        QTest::newRow("format chunk 28") << HeaderCase{patched(preset, 20, le(28)), 9, 1, -7, -7, -7};
        QTest::newRow("data offset 60") << HeaderCase{patched(preset, 24, le(60)), 14, 1, -7, -7, -7};
        QTest::newRow("data size off by 4") << HeaderCase{patched(preset, 52, le(32)), 10, 1, 1, -7, -7};
        // 0x40000001 patches of 28 bytes wrap to 28 bytes in 32-bit arithmetic.
        QTest::newRow("wrapping patch count")
            << HeaderCase{patched(preset, 44, le(0x40000001)), 10, 1, 0x40000001, -7, -7};
        // Negative fields whose product matches the data size, and a name length whose record wraps to 0 in 32 bits.
        QTest::newRow("negative name length") << HeaderCase{header(0, -4).bytes, 10, 1, 0, -7, -7};
        QTest::newRow("negative patch count") << HeaderCase{header(-2, -4).bytes, 10, 1, -2, -7, -7};
        QTest::newRow("negative parameter count")
            << HeaderCase{patched(header(0, 3).bytes, 40, le(-3)), 10, 1, 0, -7, -7, -3};
        QTest::newRow("huge name length")
            << HeaderCase{patched(patched(empty, 36, le(0x3FFFFFFD)), 44, le(1)), 10, 1, 1, -7, -7};
        QTest::newRow("ends inside a field") << HeaderCase{preset.left(30), 4, 1, -7, -7, -7};
        QTest::newRow("marker without length") << HeaderCase{empty + kMarker + "\1", 13, 1, 0, -7, 0};
        QTest::newRow("marker, no word") << HeaderCase{empty + kMarker + le(0), 12, 1, 0, -7, 0};
        QTest::newRow("data beyond the file") << HeaderCase{preset.chopped(4), 11, 1, 1, 'A', 0};
        const int huge = 0x7FFFFFF0;
        QTest::newRow("text beyond the file")
            << HeaderCase{patched(backupImage(kSysText), 72, le(huge)), 13, 1, 3, 100, huge};
    }

    void readHeader()
    {
        QFETCH(HeaderCase, c);
        QVERIFY(writeFile(path("header"), c.image));
        int word = -7, sysLen = -7;
        SpcHeader h{-7, -7, -7, -7, -7, -7, &word, &sysLen};
        QCOMPARE(SpcReadHeader(QFile::encodeName(path("header")).constData(), h), c.code);
        const bool read = c.patches != -7;
        QCOMPARE(QVector<int>({h.iVersion, h.hardwareProductCode, h.hardwarePatchVersion, h.iNumPatchParams,
                               h.iNumPatches, word, sysLen}),
                 QVector<int>({c.version, read ? kProduct : -7, read ? kPatchVersion : -7, read ? c.params : -7,
                               c.patches, c.word, c.sysLen}));
    }

    void readers_data()
    {
        QTest::addColumn<ReadCase>("c");
        const QByteArray backup = backupImage(kSysText);
        const QVector<int> any;
        QTest::newRow("preset file") << ReadCase{presetImage(), false, kRecord, false, -1, 0, record(0), false, false};
        QTest::newRow("backup, patch reader") << ReadCase{backup, false, kRecord, false, -1, 17, any, false, false};
        QTest::newRow("preset, other size")
            << ReadCase{presetImage(), false, kRecord + 1, false, -1, 16, any, false, false};
        QTest::newRow("backup") << ReadCase{backup, true, kBank, true, kSysText.size(), 0, bank(), true, true};
        QTest::newRow("backup, other text length") << ReadCase{backup, true, kBank, true, 5, 13, bank(), true, false};
        QTest::newRow("backup, set lists short")
            << ReadCase{backupImage("").chopped(8), true, kBank, true, -1, 12, bank(), false, false};
        QTest::newRow("factory file") << ReadCase{factoryImage(), true, kBank, false, -1, 0, bank(), false, false};
        // The word after the header is taken for a set-list count: the data is then read one integer late and runs
        // short.
        QTest::newRow("factory, first integer 100")
            << ReadCase{factoryImage(100), true, kBank, true, -1, 11, any, false, false};
        QTest::newRow("a pipe") << ReadCase{presetImage(), false, kRecord, false, -1, 2, any, false, false, true};
    }

    void readers()
    {
        QFETCH(ReadCase, c);
        QFile::remove(path("read"));
        if (c.pipe) // written through a descriptor that also reads, so nothing waits for the other end
            QVERIFY(mkfifo(QFile::encodeName(path("read")), 0600) == 0);
        const int pipe = c.pipe ? open(QFile::encodeName(path("read")), O_RDWR) : -1;
        QVERIFY(c.image.isNull() || (c.pipe ? write(pipe, c.image, size_t(c.image.size())) == c.image.size()
                                            : writeFile(path("read"), c.image)));
        QVector<int> presets(c.presetLen, -99), sets(100, -99);
        QByteArray sys(qMax(c.sysLen, 0), '#');
        SpcReadRequest request({0, presets.data(), c.presetLen, c.sets ? sets.data() : nullptr, 100,
                                c.sysLen >= 0 ? sys.data() : nullptr, c.sysLen});
        const QByteArray file = QFile::encodeName(path(c.image.isNull() ? "absent" : "read"));
        QCOMPARE(c.collection ? SpcReadCollection(file.constData(), request) : SpcReadPatch(file.constData(), request),
                 c.code);
        close(pipe);
        QCOMPARE(request.iVersion, c.image.isNull() || c.pipe ? 0 : 1);
        if (!c.presets.isEmpty())
            QCOMPARE(presets, c.presets);
        QCOMPARE(sets, c.setsRead ? setLists() : QVector<int>(100, -99));
        QCOMPARE(sys, c.sysRead ? kSysText : QByteArray(sys.size(), '#'));
    }

    // Which back-ups and preset files hold a preset of a name (any case) or of the same settings (as the unit keeps
    // them, 16-bit): newest file first, a sub-folder's too; a damaged file and a file of another kind are passed over.
    void search_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVector<int>>("settings");
        QTest::addColumn<QStringList>("hits"); // file, user slot, name, "same" where the settings are
        QTest::newRow("name") << "aB" << QVector<int>() << QStringList{"new.tarp -1 Ab", "old.tarb 1 Ab"};
        QTest::newRow("settings, another name")
            << "Zz" << QVector<int>{65534, 32767, 32768}
            << QStringList{"new.tarp -1 Ab same", "sub/mid.tscb 1 Zb same", "old.tarb 1 Ab same"};
        QTest::newRow("name or settings")
            << "cb" << QVector<int>{-1, 32767, -32768}
            << QStringList{"sub/mid.tscb 2 Bb same", "sub/mid.tscb 3 Cb", "old.tarb 2 Bb same", "old.tarb 3 Cb"};
        QTest::newRow("none") << "x" << QVector<int>{-2, 32767} << QStringList();
    }
    void search()
    {
        QFETCH(QString, name);
        QFETCH(QVector<int>, settings);
        QFETCH(QStringList, hits);
        const QString folder = path("search");
        const QList<QPair<QString, QByteArray>> files{{"old.tarb", backupImage(kSysText)},
                                                      {"sub/mid.tscb", factoryImage('Z')},
                                                      {"new.tarp", presetImage()},
                                                      {"bad.tarb", backupImage("").chopped(8)},
                                                      {"notes.txt", presetImage()}};
        for (int i = 0; i < files.size(); ++i) { // two years apart, in this order
            QFile file(folder + "/" + files[i].first);
            QVERIFY(QDir().mkpath(QFileInfo(file).path()) && writeFile(file.fileName(), files[i].second));
            QVERIFY(
                file.open(QIODevice::ReadWrite) &&
                file.setFileTime(QDateTime(QDate(2020 + 2 * i, 1, 1), QTime(0, 0)), QFileDevice::FileModificationTime));
        }
        QStringList found;
        for (const BackUpSearch::Hit& hit : BackUpSearch::find({true, name, settings}, {folder}))
            found << QString("%1 %2 %3%4")
                         .arg(QDir(folder).relativeFilePath(hit.path))
                         .arg(hit.userSlot)
                         .arg(hit.name, hit.bSameSettings ? " same" : "");
        QCOMPARE(found, hits);
    }

    void loadPresetFiles_data()
    {
        QTest::addColumn<QStringList>("files"); // "" a good preset file, else missing / params / garbage
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<int>("mode"); // 0 LoadPreset (first pair), 1 LoadPresets, 2 bracketed LoadPresets
        QTest::addColumn<int>("expected");
        QTest::newRow("one, user 100") << QStringList{""} << QList<int>{100} << 0 << 0;
        QTest::newRow("one, missing") << QStringList{"missing"} << QList<int>{1} << 0 << 13;
        QTest::newRow("one, other parameter count") << QStringList{"params"} << QList<int>{1} << 0 << 12;
        QTest::newRow("one, not a preset file") << QStringList{"garbage"} << QList<int>{1} << 0 << 11;
        QTest::newRow("bracketed") << QStringList{"", "", ""} << QList<int>{4, 5, 150} << 2 << 0;
        QTest::newRow("corrupt header") << QStringList{"", "garbage"} << QList<int>{1, 2} << 1 << 11;
    }

    void loadPresetFiles()
    {
        QFETCH(QStringList, files);
        QFETCH(QList<int>, numbers);
        QFETCH(int, mode);
        QFETCH(int, expected);
        QTemporaryDir dir;
        LinkHarness h;
        QCOMPARE(h.open(), 0);
        const VirtualUnit before = h.bus.unit(A);
        QStringList paths;
        for (int i = 0; i < files.size(); ++i) {
            paths.append(dir.filePath(QStringLiteral("p%1.tarp").arg(i)));
            if (files[i].isEmpty()) // saved from the unit: preset 120 + i
                QCOMPARE(h.link.SavePresetFromHardware(120 + i, paths[i]), 0);
            else if (files[i] == QLatin1String("params")) // the model's codes, one parameter short
                QCOMPARE(SpcWritePatch(QFile::encodeName(paths[i]).constData(), 1,
                                       {0x21, 3, 16, 119, before.record(1).constData()}),
                         0);
            else if (files[i] == QLatin1String("garbage"))
                QVERIFY(writeFile(paths[i], QByteArray(300, 'z')));
        }
        h.bus.clearTraffic(A);
        const int result = mode == 0 ? h.link.LoadPreset(numbers[0], paths[0], &recordPreset)
                                     : h.link.LoadPresets(numbers, paths, &recordPreset, mode == 2);
        QCOMPARE(result, expected);
        QCOMPARE(h.sent().isEmpty(), expected != 0); // every file is checked before the first write
        QCOMPARE(g_handed.size(), expected == 0 ? numbers.size() : 0);
        for (int i = 0; i < g_handed.size(); ++i) {
            QCOMPARE(h.bus.unit(A).recordBytes(numbers[i]), before.recordBytes(120 + i));
            QCOMPARE((QList<int>{g_handed[i].storage, g_handed[i].offset}),
                     (QList<int>{numbers[i] > 100, (numbers[i] - 1) % 100}));
        }
        QCOMPARE(h.commands().contains(16) && h.commands().contains(17), mode == 2);
    }

    void backUpAndRestore()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("unit.tarb");
        LinkHarness h;
        h.bus.plug(B);
        scramble(h, B);
        const QVector<int> bFactory = bank(h.bus.unit(B), 101);
        QCOMPARE(h.open(), 0);
        QCOMPARE(h.link.BackUpPresets(0, file, &recordProgress), 0);
        // The header: 100 records of 16 + 120 entries, then the system-parameter marker.
        QCOMPARE(readFile(file).left(72).toHex(' '),
                 QByteArray("33 64 42 20 b0 d4 00 00 73 70 63 20 30 30 30 31 66 6d 74 20 18 00 00 "
                            "00 38 00 00 00 21 00 00 00 03 00 00 00 10 00 00 00 78 00 00 00 64 "
                            "00 00 00 64 61 74 61 80 d4 00 00 73 79 73 70 61 72 61 6d 70 72 65 "
                            "73 65 6e 74 20"));
        QCOMPARE(g_progress.size(), 106); // 100 presets, 5 set lists, the system parameters
        QCOMPARE((QList<QPair<int, int>>{g_progress[0], g_progress[100], g_progress[105]}),
                 (QList<QPair<int, int>>{{106, 1}, {106, 100}, {106, 106}}));

        // A write failure: the records written before it stay; the one broken off and those after keep theirs.
        const VirtualUnit scrambled = h.bus.unit(B);
        QCOMPARE(h.open(B), 0);
        h.bus.setFault(B, FaultKind::WriteFailure, 1 + 10 * 7 + 3); // bulk begin, ten records, three reports of one
        QCOMPARE(h.link.RestorePresets(file, nullptr, nullptr), 5);
        h.bus.setFault(B, FaultKind::None);
        for (int n = 1; n <= 100; ++n)
            QCOMPARE(h.bus.unit(B).record(n), n <= 10 ? h.bus.record(A, n) : scrambled.record(n));
        QCOMPARE(h.bus.unit(B).setList(0), scrambled.setList(0));

        resetCallbacks();
        QCOMPARE(h.open(B), 0);
        QCOMPARE(h.link.RestorePresets(file, &recordProgress, &recordPreset), 0);
        const VirtualUnit a = h.bus.unit(A), b = h.bus.unit(B);
        QCOMPARE(bank(b, 1), bank(a, 1));
        QCOMPARE(bank(b, 101), bFactory);
        for (int j = 0; j < 5; ++j)
            QCOMPARE(b.setList(j), a.setList(j));
        QCOMPARE(b.sysParams(), a.sysParams());
        QCOMPARE(b.errors().checksum + b.errors().sequence + b.errors().rejected, 0);
        QCOMPARE(g_progress.size(), 105);
        QCOMPARE(g_progress.last(), qMakePair(106, 105));
        QVERIFY(g_handed.isEmpty()); // the window reads the unit again instead

        // The factory file, and single records read from it.
        QCOMPARE(h.open(), 0);
        QCOMPARE(h.link.BackUpPresets(1, dir.filePath("FactoryPresets.dat"), nullptr), 0);
        QCOMPARE(QFileInfo(dir.filePath("FactoryPresets.dat")).size(), 56 + 100 * 136 * 4); // no set lists
        h.link.setFactoryPresetFolder(dir.path());
        QVector<int> record(136, -5);
        QCOMPARE(h.link.GetPresetDataFromFileSystem(record.data(), 105, 16, 120), 0);
        QCOMPARE(record, h.bus.record(A, 105));
        record.fill(-5);
        QCOMPARE(h.link.GetPresetDataFromFileSystem(record.data(), 100, 16, 120), 10);
        QCOMPARE(h.link.GetPresetDataFromFileSystem(record.data(), 201, 16, 120), 10);
        QCOMPARE(record, QVector<int>(136, -5));
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
