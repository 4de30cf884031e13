#include "undojournal.h"

#include "globals.h"
#include "log.h"
#include "safefile.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cstring>

namespace {
// "TSUJ", a version, the identity with the serial number, the overwrites, the undos, then the SHA-256 of everything
// before it.
constexpr char kMagic[] = "TSUJ";
constexpr quint16 kVersion = 2;
constexpr int kHashBytes = 32;
// Far above what 40 entries of a whole bank of the largest unit take; a bigger file is not one of ours.
constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;
// What a unit can report about itself; a journal claiming more is damaged.
constexpr int kMaxNameLength = 512;
constexpr int kMaxParamCount = 4096;
constexpr int kMaxPresetCount = 1000;
constexpr int kMaxTextChars = 1024;
constexpr int kSetListSlots = 20;
constexpr int kSetLists = 5;
// Another program writes the journal in well under this; a lock older than it was left by one that died.
constexpr int kLockWaitMs = 10000;

bool plausible(const UndoJournal::Identity& identity)
{
    return identity.nameLength >= 0 && identity.nameLength <= kMaxNameLength && identity.nameLength % 2 == 0 &&
           identity.paramCount >= 0 && identity.paramCount <= kMaxParamCount && identity.presetCount > 0 &&
           identity.presetCount <= kMaxPresetCount && identity.serial.size() <= kMaxTextChars;
}

void writeValues(QDataStream& out, const QVector<int>& values)
{
    out << quint16(values.size());
    for (int value : values)
        out << qint16(value);
}

// A record of `size` values (or none: an unfinished write), name bytes first.
bool readValues(QDataStream& in, int size, int nameLength, qint64 left, QVector<int>* values)
{
    quint16 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || (count != 0 && count != size) || 2 * qint64(count) > left)
        return false;
    values->resize(count);
    for (int i = 0; i < count; ++i) {
        qint16 value = 0;
        in >> value;
        if (i < nameLength && (value < 0 || value > 255))
            return false;
        (*values)[i] = value;
    }
    return in.status() == QDataStream::Ok;
}

void writeEntries(QDataStream& out, const QVector<UndoJournal::Entry>& entries)
{
    out << quint16(entries.size());
    for (const UndoJournal::Entry& entry : entries) {
        out << entry.description << quint16(entry.records.size());
        for (const UndoJournal::Record& record : entry.records) {
            out << quint16(record.slot);
            writeValues(out, record.before);
            writeValues(out, record.after);
        }
        out << quint16(entry.setLists.size());
        for (const UndoJournal::SetList& list : entry.setLists) {
            out << quint16(list.index);
            writeValues(out, list.before);
            writeValues(out, list.after);
        }
    }
}

// Every count is held against what the file can hold before it sizes anything.
bool readEntries(QDataStream& in, const UndoJournal::Identity& identity, qint64 size,
                 QVector<UndoJournal::Entry>* entries)
{
    quint16 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count > UndoJournal::MaxEntries)
        return false;
    const int recordSize = identity.nameLength + identity.paramCount;
    for (int e = 0; e < count; ++e) {
        UndoJournal::Entry entry;
        quint16 records = 0;
        in >> entry.description >> records;
        if (in.status() != QDataStream::Ok || entry.description.size() > kMaxTextChars ||
            records > identity.presetCount)
            return false;
        for (int r = 0; r < records; ++r) {
            UndoJournal::Record record;
            quint16 slot = 0;
            in >> slot;
            record.slot = slot;
            const qint64 left = size - in.device()->pos();
            if (slot < 1 || slot > identity.presetCount ||
                !readValues(in, recordSize, identity.nameLength, left, &record.before) || record.before.isEmpty() ||
                !readValues(in, recordSize, identity.nameLength, left, &record.after))
                return false;
            entry.records.append(record);
        }
        quint16 lists = 0;
        in >> lists;
        if (in.status() != QDataStream::Ok || lists > kSetLists)
            return false;
        for (int l = 0; l < lists; ++l) {
            UndoJournal::SetList list;
            quint16 index = 0;
            in >> index;
            list.index = index;
            const qint64 left = size - in.device()->pos();
            if (index >= kSetLists || !readValues(in, kSetListSlots, kSetListSlots, left, &list.before) ||
                list.before.isEmpty() || !readValues(in, kSetListSlots, kSetListSlots, left, &list.after))
                return false;
            entry.setLists.append(list);
        }
        if (entry.isEmpty())
            return false;
        entries->append(entry);
    }
    return true;
}
} // namespace

bool UndoJournal::Identity::operator==(const Identity& other) const
{
    return productCode == other.productCode && patchVersion == other.patchVersion && nameLength == other.nameLength &&
           paramCount == other.paramCount && presetCount == other.presetCount && serial == other.serial;
}

QString UndoJournal::pathFor(const QString& modelFolder, const QString& serial)
{
    if (serial.isEmpty())
        return modelFolder + QStringLiteral("/undo.journal");
    // The serial number as a short key that any file system takes.
    const QByteArray key = QCryptographicHash::hash(serial.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return modelFolder + QStringLiteral("/undo ") + QString::fromLatin1(key) + QStringLiteral(".journal");
}

UndoJournal::UndoJournal(QString path) : m_strPath(std::move(path)) {}

QByteArray UndoJournal::encode(const Identity& identity, const QVector<Entry>& undo, const QVector<Entry>& redo)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_0);
    out.setByteOrder(QDataStream::BigEndian);
    out.writeRawData(kMagic, 4);
    out << kVersion << qint32(identity.productCode) << qint32(identity.patchVersion) << qint32(identity.nameLength)
        << qint32(identity.paramCount) << qint32(identity.presetCount) << identity.serial;
    writeEntries(out, undo);
    writeEntries(out, redo);
    bytes.append(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
    return bytes;
}

UndoJournal::Status UndoJournal::decode(const QByteArray& bytes, const Identity& identity, QVector<Entry>* undo,
                                        QVector<Entry>* redo)
{
    undo->clear();
    redo->clear();
    if (bytes.size() < kHashBytes || bytes.size() > kMaxFileBytes)
        return Status::Damaged;
    const QByteArray body = bytes.left(bytes.size() - kHashBytes);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha256) != bytes.right(kHashBytes))
        return Status::Damaged;

    QDataStream in(body);
    in.setVersion(QDataStream::Qt_5_0);
    in.setByteOrder(QDataStream::BigEndian);
    char magic[4] = {};
    quint16 version = 0;
    qint32 fields[5] = {};
    if (in.readRawData(magic, 4) != 4 || memcmp(magic, kMagic, 4) != 0)
        return Status::Damaged;
    in >> version;
    for (qint32& field : fields)
        in >> field;
    Identity stored{fields[0], fields[1], fields[2], fields[3], fields[4], QString()};
    in >> stored.serial;
    if (in.status() != QDataStream::Ok || version != kVersion || !plausible(stored))
        return Status::Damaged;
    if (stored != identity)
        return Status::OtherModel;

    QVector<Entry> readUndo;
    QVector<Entry> readRedo;
    if (!readEntries(in, stored, body.size(), &readUndo) || !readEntries(in, stored, body.size(), &readRedo) ||
        in.status() != QDataStream::Ok || !in.atEnd())
        return Status::Damaged;
    *undo = readUndo;
    *redo = readRedo;
    return Status::Ready;
}

UndoJournal::Status UndoJournal::read(QVector<Entry>* undo, QVector<Entry>* redo) const
{
    undo->clear();
    redo->clear();
    QFile file(m_strPath);
    const QFileInfo info(m_strPath);
    if (!info.exists() && !info.isSymLink())
        return Status::Ready;
    // Only a regular file of ours: a link or a pipe planted under the name is never opened.
    if (!info.isFile() || info.isSymLink() || info.size() > kMaxFileBytes)
        return Status::Damaged;
    const int iFd = SafeFile::openForReading(QFile::encodeName(m_strPath).constData());
    if (iFd < 0 || !file.open(iFd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return Status::Unreadable;
    return decode(file.readAll(), m_identity, undo, redo);
}

UndoJournal::Status UndoJournal::load(const Identity& identity)
{
    m_identity = identity;
    m_status = read(&m_undo, &m_redo);
    if (m_status != Status::Ready)
        TS_WARNING("Undo journal %s refused (%d)", qUtf8Printable(m_strPath), static_cast<int>(m_status));
    return m_status;
}

bool UndoJournal::change(const std::function<bool(QVector<Entry>& undo, QVector<Entry>& redo)>& apply)
{
    if (m_status != Status::Ready || m_strPath.isEmpty())
        return false;
    makeDataFolder(QFileInfo(m_strPath).absolutePath());
    QLockFile lock(m_strPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(kLockWaitMs);
    if (!lock.tryLock(kLockWaitMs)) {
        TS_WARNING("Undo journal %s is locked by another program", qUtf8Printable(m_strPath));
        return false;
    }
    // What another program added since this one read the file is kept.
    QVector<Entry> undo;
    QVector<Entry> redo;
    if (read(&undo, &redo) != Status::Ready || !apply(undo, redo))
        return false;
    while (undo.size() > MaxEntries)
        undo.removeFirst();
    while (redo.size() > MaxEntries)
        redo.removeFirst();
    const QByteArray bytes = encode(m_identity, undo, redo);
    int iError = 0;
    if (!SafeFile::writeWhole(QFile::encodeName(m_strPath).constData(), bytes.constData(),
                              static_cast<std::size_t>(bytes.size()), &iError)) {
        TS_WARNING("Undo journal %s not written: %s", qUtf8Printable(m_strPath), std::strerror(iError));
        return false;
    }
    m_undo = undo;
    m_redo = redo;
    return true;
}

bool UndoJournal::push(const Entry& entry)
{
    if (entry.isEmpty())
        return false;
    return change([&entry](QVector<Entry>& undo, QVector<Entry>& redo) {
        undo.append(entry);
        redo.clear();
        return true;
    });
}

bool UndoJournal::complete(const Entry& written)
{
    return change([&written](QVector<Entry>& undo, QVector<Entry>&) {
        if (undo.isEmpty() || undo.constLast().description != written.description)
            return false;
        Entry& entry = undo.last();
        for (Record& record : entry.records)
            for (const Record& done : written.records)
                if (done.slot == record.slot)
                    record.after = done.after;
        for (SetList& list : entry.setLists)
            for (const SetList& done : written.setLists)
                if (done.index == list.index)
                    list.after = done.after;
        return true;
    });
}

bool UndoJournal::dropNewest()
{
    return change([](QVector<Entry>& undo, QVector<Entry>&) {
        if (undo.isEmpty())
            return false;
        undo.removeLast();
        return true;
    });
}

bool UndoJournal::undone()
{
    return change([](QVector<Entry>& undo, QVector<Entry>& redo) {
        if (undo.isEmpty())
            return false;
        redo.append(undo.takeLast());
        return true;
    });
}

bool UndoJournal::redone()
{
    return change([](QVector<Entry>& undo, QVector<Entry>& redo) {
        if (redo.isEmpty())
            return false;
        undo.append(redo.takeLast());
        return true;
    });
}

bool UndoJournal::clear()
{
    return change([](QVector<Entry>& undo, QVector<Entry>& redo) {
        undo.clear();
        redo.clear();
        return true;
    });
}

QString UndoJournal::setAside()
{
    const QString stem = m_strPath + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    // A journal refused twice in one second keeps both: an earlier one set aside is never replaced.
    QString aside = stem;
    for (int n = 2; QFile::exists(aside) && n < 1000; ++n)
        aside = stem + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(m_strPath, aside)) {
        TS_WARNING("Undo journal %s cannot be set aside", qUtf8Printable(m_strPath));
        return QString();
    }
    TS_WARNING("Undo journal set aside as %s", qUtf8Printable(aside));
    m_status = Status::Ready;
    m_undo.clear();
    m_redo.clear();
    return QFileInfo(aside).fileName();
}
