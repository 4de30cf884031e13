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

QUrl UpdateServer::url(const QString& relativePath, const QString& mode) const
{
    return QUrl(
        QStringLiteral("http://127.0.0.1:%1%2/").arg(m_iPort).arg(mode.isEmpty() ? QString() : QString("/_" + mode)) +
        relativePath);
}

QStringList UpdateServer::requests()
{
    m_process.waitForReadyRead(0); // take in what the script has written without waiting for the event loop
    m_pending += m_process.readAllStandardOutput();
    const int iEnd = m_pending.lastIndexOf('\n') + 1; // a line not yet ended waits for the next call
    const QStringList lines = QString::fromUtf8(m_pending.left(iEnd)).split('\n', Qt::SkipEmptyParts);
    m_pending.remove(0, iEnd);
    return lines;
}
