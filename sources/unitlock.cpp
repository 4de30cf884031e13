#include "unitlock.h"

#include "globals.h"

#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QMutexLocker>

#include <memory>

namespace UnitLock {
namespace {
QMutex g_mutex;
QString g_path;
std::unique_ptr<QLockFile> g_lock;
} // namespace

QString defaultPath(const QString& virtualBusFolder)
{
    if (!virtualBusFolder.isEmpty())
        return virtualBusFolder + QStringLiteral("/unit.lock");
    // The product's data folder, whatever the environment: the runtime folder is not (a job started by cron has
    // none, and Qt then makes one of its own), so the window and a scripted tessitra would each hold a lock of
    // their own and talk to the unit at once. The folder is this user's alone; a shared temporary folder would
    // let one user's program keep another's off their own unit.
    return g_productFolder + QStringLiteral("/unit.lock");
}

void setPath(const QString& path)
{
    QMutexLocker locker(&g_mutex);
    if (path == g_path)
        return;
    g_lock.reset();
    g_path = path;
}

bool acquire()
{
    QMutexLocker locker(&g_mutex);
    if (g_path.isEmpty())
        return true;
    if (g_lock && g_lock->isLocked())
        return true;
    if (!g_lock) {
        makeDataFolder(QFileInfo(g_path).absolutePath());
        g_lock = std::make_unique<QLockFile>(g_path);
        // Never stale by age: a window left open for days keeps the unit. A holder that died is found out by
        // its process number and its lock is taken over.
        g_lock->setStaleLockTime(0);
    }
    return g_lock->tryLock(0);
}

void release()
{
    QMutexLocker locker(&g_mutex);
    if (g_lock)
        g_lock->unlock();
}

QString holder()
{
    QMutexLocker locker(&g_mutex);
    qint64 pid = 0;
    QString host;
    QString application;
    if (!g_lock || !g_lock->getLockInfo(&pid, &host, &application))
        return QString();
    return application;
}
} // namespace UnitLock
