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

#include <cstring>

namespace {
// "TSUJ", a version, the identity, the entries, then the SHA-256 of everything before it.
constexpr char kMagic[] = "TSUJ";
constexpr quint16 kVersion = 1;
constexpr int kHashBytes = 32;
// Far above what 20 overwrites of a whole bank of the largest unit take; a bigger file is not one of ours.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
// What a unit can report about itself; a journal claiming more is damaged.
constexpr int kMaxNameLength = 512;
constexpr int kMaxParamCount = 4096;
constexpr int kMaxPresetCount = 1000;

bool plausible(const UndoJournal::Identity& identity)
{
    return identity.nameLength >= 0 && identity.nameLength <= kMaxNameLength && identity.nameLength % 2 == 0 &&
           identity.paramCount >= 0 && identity.paramCount <= kMaxParamCount && identity.presetCount > 0 &&
           identity.presetCount <= kMaxPresetCount;
}
} // namespace

bool UndoJournal::Identity::operator==(const Identity& other) const
{
    return productCode == other.productCode && patchVersion == other.patchVersion && nameLength == other.nameLength &&
           paramCount == other.paramCount && presetCount == other.presetCount;
}

QString UndoJournal::pathFor(const QString& modelFolder)
{
    return modelFolder + QStringLiteral("/undo.journal");
}

UndoJournal::UndoJournal(QString path) : m_strPath(std::move(path)) {}

QByteArray UndoJournal::encode(const Identity& identity, const QVector<Entry>& entries)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::BigEndian);
    out.writeRawData(kMagic, 4);
    out << kVersion << qint32(identity.productCode) << qint32(identity.patchVersion) << qint32(identity.nameLength)
        << qint32(identity.paramCount) << qint32(identity.presetCount) << quint16(entries.size());
    for (const Entry& entry : entries) {
        out << quint16(entry.size());
        for (const Record& record : entry) {
            out << quint16(record.slot);
            for (int value : record.data)
                out << qint16(value);
        }
    }
    bytes.append(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
    return bytes;
}

UndoJournal::Status UndoJournal::decode(const QByteArray& bytes, const Identity& identity, QVector<Entry>* entries)
{
    entries->clear();
    if (bytes.size() < kHashBytes || bytes.size() > kMaxFileBytes)
        return Status::Damaged;
    const QByteArray body = bytes.left(bytes.size() - kHashBytes);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha256) != bytes.right(kHashBytes))
        return Status::Damaged;

    QDataStream in(body);
    in.setByteOrder(QDataStream::BigEndian);
    char magic[4] = {};
    quint16 version = 0;
    qint32 fields[5] = {};
    if (in.readRawData(magic, 4) != 4 || memcmp(magic, kMagic, 4) != 0)
        return Status::Damaged;
    in >> version;
    for (qint32& field : fields)
        in >> field;
    const Identity stored{fields[0], fields[1], fields[2], fields[3], fields[4]};
    if (in.status() != QDataStream::Ok || version != kVersion || !plausible(stored))
        return Status::Damaged;
    if (stored != identity)
        return Status::OtherModel;

    quint16 entryCount = 0;
    in >> entryCount;
    if (entryCount > MaxEntries)
        return Status::Damaged;
    const qint64 recordBytes = 2 + 2 * (qint64(stored.nameLength) + stored.paramCount);
    QVector<Entry> read;
    for (int e = 0; e < entryCount; ++e) {
        quint16 recordCount = 0;
        in >> recordCount;
        // Every count is held against the file's size before it sizes anything.
        const qint64 left = body.size() - in.device()->pos();
        if (in.status() != QDataStream::Ok || recordCount == 0 || recordCount > stored.presetCount ||
            recordCount * recordBytes > left)
            return Status::Damaged;
        Entry entry;
        entry.reserve(recordCount);
        for (int r = 0; r < recordCount; ++r) {
            quint16 slot = 0;
            in >> slot;
            if (slot < 1 || slot > stored.presetCount)
                return Status::Damaged;
            Record record{slot, QVector<int>(stored.nameLength + stored.paramCount)};
            for (int i = 0; i < record.data.size(); ++i) {
                qint16 value = 0;
                in >> value;
                if (i < stored.nameLength && (value < 0 || value > 255))
                    return Status::Damaged;
                record.data[i] = value;
            }
            entry.append(record);
        }
        read.append(entry);
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return Status::Damaged;
    *entries = read;
    return Status::Ready;
}

UndoJournal::Status UndoJournal::load(const Identity& identity)
{
    m_identity = identity;
    m_entries.clear();
    m_status = Status::Ready;
    QFile file(m_strPath);
    if (!file.exists())
        return m_status;
    if (file.size() > kMaxFileBytes) {
        m_status = Status::Damaged;
    } else if (const int iFd = SafeFile::openForReading(QFile::encodeName(m_strPath).constData());
               iFd < 0 || !file.open(iFd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        m_status = Status::Unreadable;
    } else {
        m_status = decode(file.readAll(), identity, &m_entries);
    }
    if (m_status != Status::Ready)
        TS_WARNING("Undo journal %s refused (%d)", qUtf8Printable(m_strPath), static_cast<int>(m_status));
    return m_status;
}

bool UndoJournal::save(const QVector<Entry>& entries)
{
    makeDataFolder(QFileInfo(m_strPath).absolutePath());
    const QByteArray bytes = encode(m_identity, entries);
    int iError = 0;
    if (!SafeFile::writeWhole(QFile::encodeName(m_strPath).constData(), bytes.constData(),
                              static_cast<std::size_t>(bytes.size()), &iError)) {
        TS_WARNING("Undo journal %s not written: %s", qUtf8Printable(m_strPath), std::strerror(iError));
        return false;
    }
    return true;
}

bool UndoJournal::push(const Entry& entry)
{
    if (m_status != Status::Ready || entry.isEmpty())
        return false;
    QVector<Entry> entries = m_entries;
    entries.append(entry);
    while (entries.size() > MaxEntries)
        entries.removeFirst();
    if (!save(entries))
        return false;
    m_entries = entries;
    return true;
}

bool UndoJournal::dropNewest()
{
    if (m_status != Status::Ready || m_entries.isEmpty())
        return false;
    QVector<Entry> entries = m_entries;
    entries.removeLast();
    if (!save(entries))
        return false;
    m_entries = entries;
    return true;
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
    m_entries.clear();
    return QFileInfo(aside).fileName();
}
