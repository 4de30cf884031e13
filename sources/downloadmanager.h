#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QObject>
#include <QQueue>
#include <QSemaphore>
#include <QString>
#include <QUrl>
#include <atomic>
#include <memory>

class QAuthenticator;
class QNetworkAccessManager;
class QNetworkProxy;
class QNetworkReply;
class SafeFile;

// Progress of the running download: total byte count first, then the bytes received so far (-1 total when the
// server sent no length). The answer is not acted upon.
using pfnProgress = bool (*)(qint64 totalBytes, qint64 receivedBytes);

// One file of a batch and what its body must be for the file to be kept.
struct DownloadRequest
{
    // Without a cap of its own a download stops at this size: nothing the program fetches by default is larger.
    static constexpr qint64 DefaultMaxBytes = qint64(64) * 1024 * 1024;

    QUrl url;
    // Name of the saved file in the batch's folder. Empty: the file-name part of the URL's path (never its
    // query), "index.html" when the path ends in "/".
    QString fileName;
    qint64 maxBytes = DefaultMaxBytes;
    // -1 when unknown; otherwise the body must be exactly this long.
    qint64 expectedSize = -1;
    // The body's SHA-256 (32 bytes); empty when not checked.
    QByteArray sha256;
    // Fetched only when the file before it in the batch arrived (a signature is no use without its file).
    bool bAfterPrevious = false;
};

// Why the last batch failed, for the texts the update service shows. The first failure of a batch counts.
enum class DownloadFailure
{
    None,
    Insecure,  // plain http to another computer, a redirect elsewhere, or credentials asked for over plain http
    Network,   // connection, timeout, authentication or an HTTP error status
    Mismatch,  // a status other than 200, a body shorter or longer than announced, over the cap, a wrong SHA-256
    WriteError // the file could not be written (a full disk, a folder that cannot be written)
};

// A small HTTP download queue. Each download() empties and recreates its target folder, fetches its files there
// one after the other and reports the end of the batch through finished(). Batches never overlap: download()
// blocks its caller while the previous batch is still running.
//
// A file is written to a temporary file beside its final name and renamed into place only when the whole body
// arrived with status 200, matched its announced length, its expected size and hash, stayed under its cap and
// every write succeeded; otherwise nothing of it is left. Plain http goes only where UpdateTrust allows it,
// redirects are followed (at most MaxRedirects) only to https or the same host, and credentials are asked for
// only where they may be sent.
//
// Threads: the manager and its network access manager stay in the thread that created them (the GUI thread);
// slots, timers and network traffic run there. download() is meant to be called from another thread (the
// update service's) and only hands the batch over through a zero-delay timer. The progress callback runs on
// the manager's thread.
class DownloadManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(DownloadManager)

public:
    // A transfer that moves no byte for this long is abandoned and reported as failed, so a server that accepts
    // the connection and never answers cannot keep the update service waiting for ever.
    static constexpr int DefaultTransferTimeoutMs = 30000;
    static constexpr int MaxRedirects = 3;

    explicit DownloadManager(QObject* parent = nullptr);
    ~DownloadManager() override;

    // A batch of one file, named after the URL, with the default cap.
    void download(const QUrl& url, const QString& folder, pfnProgress progress);
    void download(const QList<DownloadRequest>& requests, const QString& folder, pfnProgress progress);

    // Removes the folder and everything below it; a missing folder is left alone.
    static void deleteDirRecursively(const QDir& dir);

    // Milliseconds without any byte moving before a transfer fails; 0 waits for ever. Applies to transfers
    // started afterwards.
    void setTransferTimeout(int milliseconds);
    int transferTimeout() const;

    // Why the last finished batch failed (None after a clean batch). Read it in a slot of finished().
    DownloadFailure lastFailure() const;

    // Called when the program shuts down: wakes a caller blocked in download() and turns every later call into
    // a no-op, so the update thread can end while a batch is still running.
    void abortWaiting();

signals:
    void finished(QString, bool success, QString errorString);

public slots:
    void startNextDownload();
    void downloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void downloadFinished();
    void downloadReadyRead();

private slots:
    void onRedirected(const QUrl& target);
    void onAuthenticationRequired(QNetworkReply* reply, QAuthenticator* authenticator);
    void onProxyAuthenticationRequired(const QNetworkProxy& proxy, QAuthenticator* authenticator);

private:
    // Ends the running transfer with this reason (the first reason given sticks).
    void refuse(DownloadFailure failure, const QString& text, bool bAbort = true);
    // Keeps the running transfer's reason as the batch's error text and, when it is the first, its failure.
    void noteFailure();
    void forwardAuthentication(const char* slot, QGenericArgument first, QAuthenticator* authenticator);

    QNetworkAccessManager* m_pManager = nullptr;
    QQueue<DownloadRequest> m_downloadQueue;
    QNetworkReply* m_pCurrentDownload = nullptr;
    DownloadRequest m_current;
    std::unique_ptr<SafeFile> m_pOutput;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    qint64 m_iReceived = 0;
    bool m_bPreviousArrived = true;
    DownloadFailure m_refusal = DownloadFailure::None;
    QString m_strRefusal;
    int m_iDownloadedCount = 0;
    int m_iTotalCount = 0;
    QString m_strFolder;
    QString m_strSaveFilePath;
    QString m_strLastError;
    pfnProgress m_pfnProgress = nullptr;
    QSemaphore m_semaphore{1};

    std::atomic<bool> m_bAborted{false};
    std::atomic<int> m_iTransferTimeoutMs{DefaultTransferTimeoutMs};
    std::atomic<DownloadFailure> m_lastFailure{DownloadFailure::None};
};
