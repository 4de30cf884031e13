#include "downloadmanager.h"

#include "globals.h"
#include "log.h"
#include "safefile.h"
#include "updatetrust.h"

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
#include <cstring>

namespace {
// The reply holds at most this much unread body: a large image streams through the file, not through memory.
constexpr qint64 kReadBufferBytes = 1024 * 1024;
constexpr int kHttpOk = 200;

QString fileError(const SafeFile& file)
{
    return QString::fromLocal8Bit(std::strerror(file.error()));
}

int httpStatus(const QNetworkReply* pReply)
{
    return pReply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}
} // namespace

DownloadManager::DownloadManager(QObject* parent) : QObject(parent), m_pManager(new QNetworkAccessManager(this))
{
    // The authentication requests may cross threads as blocking calls; their argument types must be known.
    qRegisterMetaType<QNetworkProxy>("QNetworkProxy");
    qRegisterMetaType<QNetworkReply*>("QNetworkReply*");
    qRegisterMetaType<QAuthenticator*>("QAuthenticator*");

    // Singers sit behind whatever their computer is configured with; follow it.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    connect(m_pManager, &QNetworkAccessManager::authenticationRequired, this,
            &DownloadManager::onAuthenticationRequired);
    connect(m_pManager, &QNetworkAccessManager::proxyAuthenticationRequired, this,
            &DownloadManager::onProxyAuthenticationRequired);
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

// The credentials are asked for by g_authenticationHandler (the main window), which core code cannot name:
// the call goes by slot name. The authenticator must be filled before the network layer goes on, so a handler
// living in another thread is called as a blocking queued call.
void DownloadManager::forwardAuthentication(const char* slot, QGenericArgument first, QAuthenticator* authenticator)
{
    QObject* pHandler = g_authenticationHandler;
    if (pHandler == nullptr)
        return;
    const Qt::ConnectionType type =
        pHandler->thread() == QThread::currentThread() ? Qt::DirectConnection : Qt::BlockingQueuedConnection;
    if (!QMetaObject::invokeMethod(pHandler, slot, type, first, Q_ARG(QAuthenticator*, authenticator)))
        TS_WARNING("Authentication handler lacks the slot %s", slot);
}

void DownloadManager::onAuthenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator)
{
    // Basic credentials travel in clear text: over plain http they would be readable by every machine on the way.
    if (!UpdateTrust::credentialsAllowed(reply->url())) {
        TS_WARNING("Credentials are not sent over plain http to %s", qPrintable(reply->url().host()));
        refuse(DownloadFailure::Insecure,
               QStringLiteral("%1 asks for credentials over plain http; none were sent").arg(reply->url().host()),
               false); // the empty authenticator fails the reply
        return;
    }
    forwardAuthentication("onAuthenticationRequired", Q_ARG(QNetworkReply*, reply), authenticator);
}

void DownloadManager::onProxyAuthenticationRequired(const QNetworkProxy& proxy, QAuthenticator* authenticator)
{
    forwardAuthentication("onProxyAuthenticationRequired", Q_ARG(QNetworkProxy, proxy), authenticator);
}

void DownloadManager::download(const QUrl& url, const QString& folder, pfnProgress progress)
{
    DownloadRequest request;
    request.url = url;
    download(QList<DownloadRequest>{request}, folder, progress);
}

void DownloadManager::download(const QList<DownloadRequest>& requests, const QString& folder, pfnProgress progress)
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
    m_lastFailure.store(DownloadFailure::None);
    m_bPreviousArrived = true;

    QDir dir(folder);
    deleteDirRecursively(dir);
    makeDataFolder(dir.absolutePath());

    // Queue first, then schedule: the timer fires on the manager's thread and must find the URLs there.
    const bool bWasEmpty = m_downloadQueue.isEmpty();
    for (const DownloadRequest& request : requests) {
        m_downloadQueue.enqueue(request);
        ++m_iTotalCount;
    }
    if (bWasEmpty && !requests.isEmpty())
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

    m_current = m_downloadQueue.dequeue();
    if (m_current.bAfterPrevious && !m_bPreviousArrived) {
        TS_DEBUG("Skipping %s: the file before it did not arrive", loggableUrl(m_current.url).constData());
        startNextDownload();
        return;
    }
    m_bPreviousArrived = false;
    // Credentials written into the address would go out as Basic authorization, in clear text: over plain http to
    // another computer they are dropped, whatever info.ini allows, and a server that asks for them is refused.
    if (!m_current.url.userInfo().isEmpty() && !UpdateTrust::credentialsAllowed(m_current.url)) {
        TS_WARNING("The credentials in the address are not sent over plain http to %s",
                   qPrintable(m_current.url.host()));
        m_current.url.setUserInfo(QString());
    }
    const QUrl& url = m_current.url;
    QString fileName = m_current.fileName.isEmpty() ? QFileInfo(url.path()).fileName() : m_current.fileName;
    if (fileName.isEmpty())
        fileName = QStringLiteral("index.html");
    m_strSaveFilePath = QFileInfo(m_strFolder + "/" + fileName).absoluteFilePath();
    if (QFile::exists(m_strSaveFilePath))
        QFile::remove(m_strSaveFilePath);
    m_refusal = DownloadFailure::None;
    m_strRefusal.clear();
    m_iReceived = 0;
    m_hash.reset();

    if (!UpdateTrust::transportAllowed(url)) {
        TS_WARNING("Refusing to fetch %s over an insecure connection", loggableUrl(url).constData());
        refuse(DownloadFailure::Insecure, QStringLiteral("%1 is not reached over https").arg(url.host()));
        noteFailure();
        startNextDownload();
        return;
    }

    m_pOutput = std::make_unique<SafeFile>();
    if (!m_pOutput->open(QFile::encodeName(m_strSaveFilePath).constData())) {
        TS_WARNING("Problem opening save file '%s' for download '%s': %s", qPrintable(fileName),
                   loggableUrl(url).constData(), qPrintable(fileError(*m_pOutput)));
        refuse(DownloadFailure::WriteError, fileError(*m_pOutput));
        noteFailure();
        m_pOutput.reset();
        startNextDownload();
        return;
    }

    QNetworkRequest request(url);
    request.setTransferTimeout(m_iTransferTimeoutMs.load());
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    m_pCurrentDownload = m_pManager->get(request);
    m_pCurrentDownload->setReadBufferSize(kReadBufferBytes);
    connect(m_pCurrentDownload, &QNetworkReply::downloadProgress, this, &DownloadManager::downloadProgress);
    connect(m_pCurrentDownload, &QNetworkReply::redirected, this, &DownloadManager::onRedirected);
    connect(m_pCurrentDownload, &QNetworkReply::finished, this, &DownloadManager::downloadFinished,
            Qt::QueuedConnection);
    connect(m_pCurrentDownload, &QNetworkReply::readyRead, this, &DownloadManager::downloadReadyRead,
            Qt::QueuedConnection);
    TS_DEBUG("Downloading %s.", loggableUrl(url).constData());
}

// A redirect may move to https anywhere, or stay on the host it left; plain http elsewhere is refused, and so
// is anything the transport rules refuse (a redirect cannot smuggle a download past them).
void DownloadManager::onRedirected(const QUrl& target)
{
    auto* pReply = qobject_cast<QNetworkReply*>(sender());
    if (pReply == nullptr || pReply != m_pCurrentDownload)
        return;
    // The host asked first, not pReply->url(): the reply already names the target when it asks.
    const bool bSameHost = target.host().compare(m_current.url.host(), Qt::CaseInsensitive) == 0;
    const bool bHttps = target.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
    const bool bCredentials = !target.userInfo().isEmpty();
    if ((bHttps || bSameHost) && UpdateTrust::transportAllowed(target) &&
        (!bCredentials || UpdateTrust::credentialsAllowed(target))) {
        TS_DEBUG("Redirected to %s", loggableUrl(target).constData());
        emit pReply->redirectAllowed();
        return;
    }
    TS_WARNING("Refusing the redirect to %s", loggableUrl(target).constData());
    refuse(DownloadFailure::Insecure, QStringLiteral("Redirect to %1 refused").arg(target.host()));
}

void DownloadManager::refuse(DownloadFailure failure, const QString& text, bool bAbort)
{
    if (m_refusal == DownloadFailure::None) {
        m_refusal = failure;
        m_strRefusal = text;
    }
    if (bAbort && m_pCurrentDownload != nullptr && m_pCurrentDownload->isRunning())
        m_pCurrentDownload->abort();
}

void DownloadManager::noteFailure()
{
    m_strLastError = m_strRefusal;
    if (m_lastFailure.load() == DownloadFailure::None)
        m_lastFailure.store(m_refusal);
}

void DownloadManager::downloadProgress(qint64 bytesReceived, qint64 bytesTotal)
{
    if (m_pfnProgress != nullptr)
        m_pfnProgress(bytesTotal, bytesReceived);
}

void DownloadManager::downloadReadyRead()
{
    QNetworkReply* pReply = m_pCurrentDownload;
    if (pReply == nullptr)
        return;
    // An error page, a redirect's own body or the rest of a refused transfer is read and dropped, never saved.
    if (m_refusal != DownloadFailure::None || m_pOutput == nullptr || httpStatus(pReply) != kHttpOk) {
        pReply->readAll();
        return;
    }

    const qint64 limit =
        m_current.expectedSize >= 0 ? std::min(m_current.expectedSize, m_current.maxBytes) : m_current.maxBytes;
    bool bLength = false;
    const qint64 announced = pReply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&bLength);
    if (bLength && announced > limit) {
        refuse(DownloadFailure::Mismatch,
               QStringLiteral("The server announced %1 bytes, more than the %2 allowed").arg(announced).arg(limit));
        return;
    }

    const QByteArray chunk = pReply->readAll();
    m_iReceived += chunk.size();
    if (m_iReceived > limit) {
        refuse(DownloadFailure::Mismatch,
               QStringLiteral("The download is longer than the %1 bytes allowed").arg(limit));
        return;
    }
    m_hash.addData(chunk);
    if (!m_pOutput->write(chunk.constData(), static_cast<std::size_t>(chunk.size())))
        refuse(DownloadFailure::WriteError, fileError(*m_pOutput));
}

void DownloadManager::downloadFinished()
{
    QNetworkReply* pReply = m_pCurrentDownload;
    if (pReply == nullptr)
        return;
    // Whatever arrived after the last queued readyRead belongs in the file too.
    if (pReply->bytesAvailable() > 0)
        downloadReadyRead();

    const int status = httpStatus(pReply);
    bool bLength = false;
    const qint64 announced = pReply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&bLength);
    if (m_refusal == DownloadFailure::None) {
        // A body cut short of its announced length is a mismatch, whether or not the connection reports it.
        if (status == kHttpOk && bLength && announced != m_iReceived)
            refuse(DownloadFailure::Mismatch,
                   QStringLiteral("%1 of the %2 bytes announced arrived").arg(m_iReceived).arg(announced));
        else if (pReply->error() != QNetworkReply::NoError) // Qt's text may quote the URL's user name and password
            refuse(
                DownloadFailure::Network,
                pReply->errorString().replace(pReply->url().toString(), pReply->url().toString(QUrl::RemoveUserInfo)));
        else if (status != kHttpOk)
            refuse(DownloadFailure::Mismatch, QStringLiteral("The server answered with status %1").arg(status));
        else if (m_current.expectedSize >= 0 && m_iReceived != m_current.expectedSize)
            refuse(DownloadFailure::Mismatch,
                   QStringLiteral("%1 bytes arrived, %2 were published").arg(m_iReceived).arg(m_current.expectedSize));
        else if (!m_current.sha256.isEmpty() && m_hash.result() != m_current.sha256)
            refuse(DownloadFailure::Mismatch, QStringLiteral("The SHA-256 of the download is not the one published"));
        else if (m_pOutput == nullptr || !m_pOutput->commit())
            refuse(DownloadFailure::WriteError,
                   m_pOutput ? fileError(*m_pOutput) : QStringLiteral("No file to write to"));
    }
    if (m_refusal != DownloadFailure::None && m_pOutput != nullptr)
        m_pOutput->cancel();
    m_pOutput.reset(); // an uncommitted temporary file goes with it

    if (m_refusal == DownloadFailure::None) {
        TS_DEBUG("Succeeded.");
        ++m_iDownloadedCount;
        m_bPreviousArrived = true;
    } else {
        TS_WARNING("Failed: %s:%d\n", qPrintable(m_strRefusal), static_cast<int>(pReply->error()));
        noteFailure();
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

DownloadFailure DownloadManager::lastFailure() const
{
    return m_lastFailure.load();
}

void DownloadManager::abortWaiting()
{
    m_bAborted.store(true);
    m_semaphore.release();
}
