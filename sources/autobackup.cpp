#include "autobackup.h"

#include "backupimage.h"
#include "log.h"
#include "resultcodes.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>

#include <algorithm>

namespace {
constexpr char kIndex[] = "/.autobackups";
constexpr char kLock[] = "/.autobackups.lock";
// Far above Kept times the units and kinds a folder ever sees; a longer index is not one of ours.
constexpr int kMaxIndexLines = 10000;
// A lock held longer than this by a program that died is taken over; a back-up is written in well under it.
constexpr int kLockWaitMs = 30000;

QString beforeText(AutoBackUp::Before what)
{
    switch (what) {
    case AutoBackUp::Before::Restore:
        return QStringLiteral("restore");
    case AutoBackUp::Before::FactoryUpdate:
        return QStringLiteral("factory update");
    case AutoBackUp::Before::FirmwareUpdate:
        break;
    }
    return QStringLiteral("firmware update");
}

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return QByteArray();
    return hash.result().toHex();
}
} // namespace

AutoBackUp::AutoBackUp(QString folder, QString extension, QString unit)
    : m_strFolder(std::move(folder)), m_strExtension(std::move(extension)), m_strUnit(std::move(unit))
{
}

QString AutoBackUp::baseName(Before what, const QDateTime& when)
{
    return QStringLiteral("Auto before ") + beforeText(what) + QLatin1Char(' ') +
           when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
}

QString AutoBackUp::indexPath() const
{
    return m_strFolder + QLatin1String(kIndex);
}

QVector<AutoBackUp::Entry> AutoBackUp::readIndex() const
{
    QVector<Entry> entries;
    QFile file(indexPath());
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    for (int line = 0; line < kMaxIndexLines && !file.atEnd(); ++line) {
        const QList<QByteArray> fields = file.readLine(4096).trimmed().split('\t');
        Entry entry;
        bool ok = fields.size() == 4;
        if (ok)
            entry.number = fields.at(0).toLongLong(&ok);
        // A line that does not parse, or names a file outside the folder, is no back-up of ours.
        entry.unit = ok ? QString::fromUtf8(QByteArray::fromHex(fields.at(1))) : QString();
        entry.sha256 = ok ? fields.at(2) : QByteArray();
        entry.fileName = ok ? QString::fromUtf8(QByteArray::fromPercentEncoding(fields.at(3))) : QString();
        if (ok && entry.number > 0 && !entry.fileName.isEmpty() && !entry.fileName.contains(QLatin1Char('/')))
            entries.append(entry);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.number < b.number; });
    return entries;
}

bool AutoBackUp::writeIndex(const QVector<Entry>& entries) const
{
    QByteArray bytes;
    for (const Entry& entry : entries)
        bytes += QByteArray::number(entry.number) + '\t' + entry.unit.toUtf8().toHex() + '\t' + entry.sha256 + '\t' +
                 entry.fileName.toUtf8().toPercentEncoding(" ()") + '\n';
    QSaveFile file(indexPath());
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QVector<AutoBackUp::Entry> AutoBackUp::entries() const
{
    QVector<Entry> kept;
    const QVector<Entry> listed = readIndex();
    for (const Entry& entry : listed)
        if (fileHash(m_strFolder + QLatin1Char('/') + entry.fileName) == entry.sha256)
            kept.append(entry);
    return kept;
}

int AutoBackUp::keep(const BackUpImage& image, Before what, const QDateTime& when, const QStringList& protect,
                     QString* path)
{
    path->clear();
    QDir().mkpath(m_strFolder);
    QLockFile lock(m_strFolder + QLatin1String(kLock));
    lock.setStaleLockTime(kLockWaitMs);
    if (!lock.tryLock(kLockWaitMs)) {
        TS_WARNING("Back-up folder %s is locked by another program", qUtf8Printable(m_strFolder));
        return ResultCode::FileWriteFailed;
    }
    // Files gone or changed since they were written are the user's business now: forgotten, never removed.
    QVector<Entry> listed = entries();
    const auto mine = [this](const Entry& entry) {
        return entry.unit == m_strUnit && entry.fileName.endsWith(m_strExtension);
    };

    // The same state as the newest one kept for this unit: that one is the way back.
    const auto newest = std::find_if(listed.crbegin(), listed.crend(), mine);
    if (newest != listed.crend()) {
        BackUpImage kept;
        const QString keptPath = m_strFolder + QLatin1Char('/') + newest->fileName;
        if (BackUpImage::read(keptPath, kept) == ResultCode::Success && kept == image) {
            TS_DEBUG("The unit's state is kept already in %s", qUtf8Printable(keptPath));
            *path = keptPath;
            return ResultCode::Success;
        }
    }

    // Written under a name nobody else uses, then given its own name without replacing anything.
    const QString part = m_strFolder + QStringLiteral("/.auto-%1.part").arg(QCoreApplication::applicationPid());
    if (image.write(part) != ResultCode::Success) {
        QFile::remove(part);
        return ResultCode::FileWriteFailed;
    }
    const QString base = baseName(what, when);
    QString name;
    for (int n = 1; n < 1000 && name.isEmpty(); ++n) {
        const QString candidate = base + (n == 1 ? QString() : QStringLiteral(" (%1)").arg(n)) + m_strExtension;
        if (QFile::rename(part, m_strFolder + QLatin1Char('/') + candidate))
            name = candidate;
    }
    const QByteArray hash = fileHash(m_strFolder + QLatin1Char('/') + name);
    if (name.isEmpty() || hash.isEmpty()) {
        QFile::remove(part);
        return ResultCode::FileWriteFailed;
    }
    const qint64 number = listed.isEmpty() ? 1 : listed.constLast().number + 1;
    listed.append(Entry{number, m_strUnit, hash, name});
    *path = m_strFolder + QLatin1Char('/') + name;

    // Rotation: this unit's kind beyond the newest Kept, oldest first, sparing what the operation reads.
    QSet<QString> spared;
    for (const QString& file : protect)
        spared.insert(QFileInfo(file).absoluteFilePath());
    const auto isSpared = [&](const Entry& entry) {
        return spared.contains(QFileInfo(m_strFolder + QLatin1Char('/') + entry.fileName).absoluteFilePath());
    };
    // A spared file is kept on top of the newest Kept, never in place of one of them; the one just taken is the
    // newest, so the oldest go before it can.
    int count = static_cast<int>(
        std::count_if(listed.cbegin(), listed.cend(), [&](const Entry& e) { return mine(e) && !isSpared(e); }));
    for (int i = 0; i < listed.size() && count > Kept;) {
        const Entry& entry = listed.at(i);
        const QString file = m_strFolder + QLatin1Char('/') + entry.fileName;
        if (!mine(entry) || isSpared(entry)) {
            ++i;
            continue;
        }
        if (!QFile::remove(file)) {
            TS_WARNING("Older automatic back-up could not be removed: %s", qUtf8Printable(file));
            ++i;
            continue;
        }
        TS_DEBUG("Older automatic back-up removed: %s", qUtf8Printable(file));
        listed.remove(i);
        --count;
    }
    if (!writeIndex(listed))
        TS_WARNING("Index of automatic back-ups in %s not written", qUtf8Printable(m_strFolder));
    return ResultCode::Success;
}

QFileInfoList AutoBackUp::newestFirst(const QString& folder, const QString& extension)
{
    QFileInfoList files = QDir(folder).entryInfoList({QLatin1Char('*') + extension}, QDir::Files, QDir::Name);
    std::stable_sort(files.begin(), files.end(),
                     [](const QFileInfo& a, const QFileInfo& b) { return a.lastModified() > b.lastModified(); });
    return files;
}
