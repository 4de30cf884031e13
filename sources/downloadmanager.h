#pragma once

#include <QDir>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QSaveFile>
#include <QSemaphore>
#include <QString>
#include <QUrl>
#include <atomic>

class QNetworkAccessManager;
class QNetworkReply;

// Progress of the running download: total byte count first, then the bytes received so far (-1 total when the
// server sent no length). The answer is not acted upon.
using pfnProgress = bool (*)(qint64 totalBytes, qint64 receivedBytes);

// A small HTTP download queue. Each download() empties and recreates its target folder, fetches one URL into a
// file there and reports the end of the batch through finished(). Batches never overlap: download() blocks its
// caller while the previous batch is still running.
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

    explicit DownloadManager(QObject* parent = nullptr);
    ~DownloadManager() override;

    void download(const QUrl& url, const QString& folder, pfnProgress progress);

    // Removes the folder and everything below it; a missing folder is left alone.
    static void deleteDirRecursively(const QDir& dir);

    // Milliseconds without any byte moving before a transfer fails; 0 waits for ever. Applies to transfers
    // started afterwards.
    void setTransferTimeout(int milliseconds);
    int transferTimeout() const;

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

private:
    void attachAuthenticationHandler();
    bool writeReceived();

    QNetworkAccessManager* m_pManager = nullptr;
    QQueue<QUrl> m_downloadQueue;
    QNetworkReply* m_pCurrentDownload = nullptr;
    // The file being downloaded: it takes the final name only once every byte is in (a cut connection, a full
    // disk or a crash leaves no partial image or installer under that name).
    QSaveFile m_output;
    int m_iDownloadedCount = 0;
    int m_iTotalCount = 0;
    QString m_strFolder;
    QString m_strSaveFilePath;
    QString m_strLastError;
    QString m_strWriteError; // why the running download's file could not be written, empty while it can
    pfnProgress m_pfnProgress = nullptr;
    QSemaphore m_semaphore{1};

    std::atomic<bool> m_bAborted{false};
    std::atomic<int> m_iTransferTimeoutMs{DefaultTransferTimeoutMs};
    // The object the authentication requests are connected to at the moment (see g_authenticationHandler).
    QPointer<QObject> m_pAuthenticationHandler;
};
