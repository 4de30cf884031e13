#include "UpdateServer.h"

#include "TestFiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>

UpdateServer::UpdateServer(const QStringList& options) : m_options(options) {}

UpdateServer::~UpdateServer()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

bool UpdateServer::start()
{
    // The script prints the port it picked on its first line, then one line per request.
    m_process.start(QStringLiteral("python3"),
                    QStringList{QStringLiteral(TESSITRA_UPDATE_SERVER_SCRIPT), "--root", m_dir.path(), "--port", "0"} +
                        m_options);
    const QDeadlineTimer deadline(10000);
    while (!m_pending.contains('\n') && m_process.waitForReadyRead(int(deadline.remainingTime())))
        m_pending += m_process.readAllStandardOutput();
    bool bNumber = false;
    m_iPort = m_pending.left(m_pending.indexOf('\n')).trimmed().toInt(&bNumber);
    m_pending.remove(0, m_pending.indexOf('\n') + 1);
    return m_dir.isValid() && bNumber && m_iPort > 0;
}

bool UpdateServer::addFile(const QString& relativePath, const QByteArray& bytes)
{
    const QString path = m_dir.filePath(relativePath);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && writeFile(path, bytes);
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
    for (int iEnd = m_pending.indexOf('\n'); iEnd >= 0; iEnd = m_pending.indexOf('\n')) {
        m_requests.append(QString::fromUtf8(m_pending.left(iEnd)).trimmed());
        m_pending.remove(0, iEnd + 1);
    }
    return m_requests;
}

void UpdateServer::clearRequests()
{
    requests();
    m_requests.clear();
}
