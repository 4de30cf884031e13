#include "downloadmanager.h"

#include "globals.h"
#include "log.h"

#include <QAuthenticator>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QThread>
#include <QTimer>

#include <algorithm>

DownloadManager::DownloadManager(QObject* parent) : QObject(parent), m_pManager(new QNetworkAccessManager(this))
{
    // The authentication requests may cross threads as blocking calls; their argument types must be known.
    qRegisterMetaType<QNetworkProxy>("QNetworkProxy");
    qRegisterMetaType<QNetworkReply*>("QNetworkReply*");
    qRegisterMetaType<QAuthenticator*>("QAuthenticator*");

    // Singers sit behind whatever their computer is configured with; follow it.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    attachAuthenticationHandler();
}

DownloadManager::~DownloadManager()
{
    // A reply still running goes with the access manager; nothing of it may reach this half-destroyed object.
    if (m_pCurrentDownload != nullptr)
        disconnect(m_pCurrentDownload, nullptr, this, nullptr);
    delete m_pManager;
    m_pManager = nullptr;
    m_pCurrentDownload = nullptr;
}

// The authentication requests go to the main window, which asks the user. Core code cannot name the window's
// class, so this is the one place that connects by signature (SIGNAL/SLOT): the member-pointer form needs the
// receiver's type at compile time. The authenticator must be filled before the network layer goes on, so a
// handler living in another thread is called as a blocking queued call.
void DownloadManager::attachAuthenticationHandler()
{
    QObject* pHandler = g_authenticationHandler;
    if (pHandler == m_pAuthenticationHandler.data())
        return;
    if (!m_pAuthenticationHandler.isNull()) {
        disconnect(m_pManager, nullptr, m_pAuthenticationHandler.data(), nullptr);
        m_pAuthenticationHandler.clear();
    }
    if (pHandler == nullptr)
        return;

    const Qt::ConnectionType type = pHandler->thread() == thread() ? Qt::AutoConnection : Qt::BlockingQueuedConnection;
    const bool bProxy = connect(m_pManager, SIGNAL(proxyAuthenticationRequired(QNetworkProxy, QAuthenticator*)),
                                pHandler, SLOT(onProxyAuthenticationRequired(QNetworkProxy, QAuthenticator*)), type);
    const bool bServer = connect(m_pManager, SIGNAL(authenticationRequired(QNetworkReply*, QAuthenticator*)), pHandler,
                                 SLOT(onAuthenticationRequired(QNetworkReply*, QAuthenticator*)), type);
    if (!bProxy || !bServer)
        TS_WARNING("Authentication handler lacks the authentication slots");
    m_pAuthenticationHandler = pHandler;
}

void DownloadManager::download(const QUrl& url, const QString& folder, pfnProgress progress)
{
    TS_DEBUG("Entering");
    m_semaphore.acquire();
    if (m_bAborted.load()) {
        // Shutting down: pass the permit on to any other waiter and start nothing.
        m_semaphore.release();
        TS_DEBUG("Exiting");
        return;
    }

    // The previous batch has ended (its permit came back), so nothing on the manager's thread touches this
    // state until the timer below hands the batch over.
    m_strLastError.clear();
    m_iDownloadedCount = 0;
    m_iTotalCount = 0;
    m_pfnProgress = progress;
    m_strFolder = folder;

    QDir dir(folder);
    deleteDirRecursively(dir);
    dir.mkpath(dir.absolutePath());

    // Queue first, then schedule: the timer fires on the manager's thread and must find the URL there.
    const bool bWasEmpty = m_downloadQueue.isEmpty();
    m_downloadQueue.enqueue(url);
    ++m_iTotalCount;
    if (bWasEmpty)
        QTimer::singleShot(0, this, &DownloadManager::startNextDownload);
    TS_DEBUG("Exiting");
}

void DownloadManager::startNextDownload()
{
    if (m_downloadQueue.isEmpty()) {
        TS_DEBUG("%d/%d files downloaded successfully", m_iDownloadedCount, m_iTotalCount);
        const QString errorText = m_strLastError + "!";
        emit finished(m_strSaveFilePath, m_iDownloadedCount == m_iTotalCount, errorText);
        m_semaphore.release();
        return;
    }

    const QUrl url = m_downloadQueue.dequeue();
    QString fileName = QFileInfo(url.path()).fileName();
    if (fileName.isEmpty())
        fileName = QStringLiteral("index.html");
    m_strSaveFilePath = QFileInfo(m_strFolder + "/" + fileName).absoluteFilePath();
    m_output.setFileName(m_strSaveFilePath);
    if (!m_output.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) { // a failed write reports its cause at once
        TS_WARNING("Problem opening save file '%s' for download '%s': %s", qPrintable(fileName),
                   loggableUrl(url).constData(), qPrintable(m_output.errorString()));
        startNextDownload();
        return;
    }

    attachAuthenticationHandler();
    QNetworkRequest request(url);
    request.setTransferTimeout(m_iTransferTimeoutMs.load());
    m_pCurrentDownload = m_pManager->get(request);
    connect(m_pCurrentDownload, &QNetworkReply::downloadProgress, this, &DownloadManager::downloadProgress);
    connect(m_pCurrentDownload, &QNetworkReply::finished, this, &DownloadManager::downloadFinished,
            Qt::QueuedConnection);
    connect(m_pCurrentDownload, &QNetworkReply::readyRead, this, &DownloadManager::downloadReadyRead,
            Qt::QueuedConnection);
    TS_DEBUG("Downloading %s.", loggableUrl(url).constData());
}

void DownloadManager::downloadProgress(qint64 bytesReceived, qint64 bytesTotal)
{
    if (m_pfnProgress != nullptr)
        m_pfnProgress(bytesTotal, bytesReceived);
}

void DownloadManager::downloadReadyRead()
{
    if (m_pCurrentDownload != nullptr && m_output.isOpen())
        writeReceived();
}

// Whether what has arrived went into the file. A write that falls short (a full disk) ends the transfer: the
// rest could not be kept either, and the user learns why from the error text.
bool DownloadManager::writeReceived()
{
    const QByteArray bytes = m_pCurrentDownload->readAll();
    // A short write is tried on until the system names its cause (a full disk takes the first bytes and refuses
    // the rest).
    qint64 written = 0;
    for (qint64 n = 1; written < bytes.size() && n > 0;) {
        n = m_output.write(bytes.constData() + written, bytes.size() - written);
        written += std::max<qint64>(n, 0);
    }
    if (written == bytes.size())
        return true;
    if (m_strWriteError.isEmpty()) {
        m_strWriteError =
            QStringLiteral("Cannot write %1: %2").arg(QFileInfo(m_strSaveFilePath).fileName(), m_output.errorString());
        m_pCurrentDownload->abort();
    }
    return false;
}

void DownloadManager::downloadFinished()
{
    QNetworkReply* pReply = m_pCurrentDownload;
    if (pReply == nullptr)
        return;
    // Whatever arrived after the last queued readyRead belongs in the file too. The file takes its name only when
    // the whole of it arrived and is on the disk; otherwise the temporary file is dropped.
    if (m_output.isOpen()) {
        if (pReply->bytesAvailable() > 0)
            writeReceived();
        if (pReply->error() != QNetworkReply::NoError || !m_strWriteError.isEmpty())
            m_output.cancelWriting(); // commit() then drops the temporary file
        if (!m_output.commit() && m_strWriteError.isEmpty() && pReply->error() == QNetworkReply::NoError)
            m_strWriteError = QStringLiteral("Cannot write %1: %2")
                                  .arg(QFileInfo(m_strSaveFilePath).fileName(), m_output.errorString());
    }

    if (!m_strWriteError.isEmpty()) {
        TS_WARNING("%s", qPrintable(m_strWriteError));
        m_strLastError = m_strWriteError;
        m_strWriteError.clear();
    } else if (pReply->error() == QNetworkReply::NoError) {
        TS_DEBUG("Succeeded.");
        ++m_iDownloadedCount;
    } else {
        // Qt's error text may quote the whole URL, user name and password included: keep them out of the log.
        const QUrl url = pReply->url();
        m_strLastError = pReply->errorString().replace(url.toString(), url.toString(QUrl::RemoveUserInfo));
        TS_WARNING("Failed: %s:%d\n", qPrintable(m_strLastError), static_cast<int>(pReply->error()));
    }

    m_pCurrentDownload = nullptr;
    pReply->deleteLater();
    startNextDownload();
}

void DownloadManager::deleteDirRecursively(const QDir& dir)
{
    if (!dir.exists())
        return;
    const QFileInfoList entries = dir.entryInfoList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) {
            deleteDirRecursively(QDir(entry.absoluteFilePath()));
        } else {
            TS_DEBUG("deleting file: %s", qPrintable(entry.absoluteFilePath()));
            QFile::remove(entry.absoluteFilePath());
        }
    }
    TS_DEBUG("deleting directory: %s", qPrintable(dir.absolutePath()));
    QDir().rmdir(dir.absolutePath());
}

void DownloadManager::setTransferTimeout(int milliseconds)
{
    m_iTransferTimeoutMs.store(milliseconds < 0 ? 0 : milliseconds);
}

int DownloadManager::transferTimeout() const
{
    return m_iTransferTimeoutMs.load();
}

void DownloadManager::abortWaiting()
{
    m_bAborted.store(true);
    m_semaphore.release();
}
