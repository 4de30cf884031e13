#include "UpdateServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr int kStartTimeoutMs = 10000;
constexpr int kStopTimeoutMs = 5000;
} // namespace

UpdateServer::UpdateServer(const QStringList& options) : m_options(options) {}

UpdateServer::~UpdateServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(kStopTimeoutMs);
    }
}

bool UpdateServer::start()
{
    if (!m_dir.isValid())
        return false;
    QStringList arguments{QStringLiteral(TESSITRA_UPDATE_SERVER_SCRIPT), QStringLiteral("--root"), m_dir.path(),
                          QStringLiteral("--port"), QStringLiteral("0")};
    arguments += m_options;
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(QStringLiteral("python3"), arguments);
    if (!m_process.waitForStarted(kStartTimeoutMs))
        return false;

    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!m_pending.contains('\n')) {
        if (deadline.hasExpired() || !m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return false;
        m_pending += m_process.readAllStandardOutput();
    }
    const int iEnd = m_pending.indexOf('\n');
    bool bNumber = false;
    m_iPort = m_pending.left(iEnd).trimmed().toInt(&bNumber);
    m_pending.remove(0, iEnd + 1);
    return bNumber && m_iPort > 0;
}

bool UpdateServer::addFile(const QString& relativePath, const QByteArray& bytes)
{
    const QString path = m_dir.filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool UpdateServer::setUpdateTargets(const QByteArray& xml)
{
    return addFile(QString::fromLatin1(UpdateTargetsPath), xml);
}

QString UpdateServer::address(const QString& mode) const
{
    const QString base = QStringLiteral("http://127.0.0.1:%1").arg(m_iPort);
    return mode.isEmpty() ? base : base + "/_" + mode;
}

QUrl UpdateServer::url(const QString& relativePath, const QString& mode) const
{
    return QUrl(address(mode) + "/" + relativePath);
}

QStringList UpdateServer::requests()
{
    m_process.waitForReadyRead(0); // take in what the script has written without waiting for the event loop
    m_pending += m_process.readAllStandardOutput();
    int iEnd = m_pending.indexOf('\n');
    while (iEnd >= 0) {
        m_requests.append(QString::fromUtf8(m_pending.left(iEnd)).trimmed());
        m_pending.remove(0, iEnd + 1);
        iEnd = m_pending.indexOf('\n');
    }
    return m_requests;
}

void UpdateServer::clearRequests()
{
    requests();
    m_requests.clear();
}
