#pragma once

#include "downloadmanager.h"

#include <QByteArray>
#include <QEvent>
#include <QHash>
#include <QQueue>
#include <QString>
#include <QThread>
#include <QUrl>
#include <atomic>
#include <mutex>

class QXmlStreamAttributes;

// The update service: a thread object with its own event loop. The window and the settings dialog post it
// plain QEvents whose type number names the request; results go back through the signals below, queued to
// the GUI thread. One process-wide instance, reached through instance().
//
// It fetches UpdateTargets.xml from the update server, decides what is newer than the unit's DSP and firmware
// or the application itself, downloads the image or installer chosen by the user and hands it on: a firmware
// image to the device worker (its firmware update event), an installer to the window.
//
// Trust: UpdateTargets.xml is read only when UpdateTargets.xml.sig beside it on the server is the publisher's
// Ed25519 signature of it (UpdateTrust holds the keys). Each Revision then names the Size (bytes, decimal) and
// Sha256 (64 hex digits) of its image, and its ImageUrl's path ends in the image's suffix (".ldr" for a DSP
// image, ".bin" for the microcontroller, ".exe" for an installer). Only an image offered by the last signed file
// is downloaded, saved under a name the service makes from its kind, and handed on only when its size and hash
// match.
//
// Update server address, read at each check: the key "server" of the [update] group of info.ini beside the
// executable, unless the environment variable TESSITRA_UPDATE_SERVER is set, which wins (tests and
// demonstrations point the program at a local server that way without touching the installed file). A missing scheme is
// completed ("host:port" means http). The "url" key of the same group is the web page shown to the user, not the
// server. Without any address every request ends in "Connection to update server cannot be made.".
class CFirmwareUpdate : public QThread
{
    Q_OBJECT
    Q_DISABLE_COPY(CFirmwareUpdate)

public:
    // Request events of the update service. Their numbers overlap those of the device worker; each poster
    // sends a given request to one receiver only.
    static constexpr QEvent::Type CheckAppUpdateEvent = static_cast<QEvent::Type>(1001);
    static constexpr QEvent::Type CheckAppUpdateSilentEvent = static_cast<QEvent::Type>(1002);
    static constexpr QEvent::Type CheckFirmwareUpdateEvent = static_cast<QEvent::Type>(1003);
    static constexpr QEvent::Type CheckFirmwareUpdateSilentEvent = static_cast<QEvent::Type>(1004);
    static constexpr QEvent::Type DownloadFirmwareEvent = static_cast<QEvent::Type>(1005);
    static constexpr QEvent::Type DownloadAppEvent = static_cast<QEvent::Type>(1006);
    static constexpr int FirstEvent = CheckAppUpdateEvent;
    static constexpr int LastEvent = DownloadAppEvent;

    // The process-wide object, created on first use with the parent given then. Call it first on the GUI
    // thread (the window does so in initialize()) before any worker asks for it.
    static CFirmwareUpdate* instance(QObject* parent = nullptr);
    ~CFirmwareUpdate() override;

    // Set by the window before it shuts the thread down: requests still queued are then ignored.
    void setStopping(bool bStopping);
    bool isStopping() const;

    // USB product ID of the connected unit, -1 when none. Written by the device poll on its own thread.
    void setProductId(int iProductId);
    int productId() const;

    // Image and installer chosen by the user, set by the window just before it asks for the download.
    void setFirmwareImageUrl(const QString& url);
    QUrl firmwareImageUrl() const;
    void setAppImageUrl(const QString& url);
    QUrl appImageUrl() const;

    // Where UpdateTargets.xml is fetched from: the server address followed by UpdateTargetsPath, as read at the
    // last check (or when the service was made).
    QUrl updateTargetsUrl() const;
    // The configured server address (see above); empty when none is configured.
    static QString updateServerAddress();

    // The queue every download of the service goes through. It lives on the thread that created the service.
    DownloadManager* downloadManager();

    // > 0 when newVersion is newer than currentVersion, 0 when equal, < 0 when older. Everything up to the
    // last "v" or "V" is ignored, parts are compared as numbers (a part that is not a number counts as 0) and,
    // all compared parts being equal, the text with more parts is the newer.
    static int compareVersions(QString newVersion, QString currentVersion);

    // Reads the downloaded update-targets file for one product and emits the outcome: newVersions with what
    // is worth offering, or the reason nothing is offered. bAppUpdate says the check is about the application
    // and is handed on as the last argument of newVersions. Returns true when something was offered.
    // With bRequireDigests (the signed file of a real check) a revision without a valid Size and Sha256 refuses
    // the whole file, and a firmware revision whose URL does not end in its kind's suffix is passed over.
    bool checkUpdate(const QString& filePath, const QString& productName, const QString& productId, bool bAppUpdate,
                     bool bRequireDigests = false);

    // Handed to the download manager for image and installer downloads: reports progress through dataSent
    // and answers whether the service is shutting down.
    static bool progressCallback(qint64 totalBytes, qint64 receivedBytes);

    // After a firmware image has arrived, "Download finished." stays in view this long before the flashing
    // takes over the progress dialog.
    static constexpr int DownloadFinishedPauseMs = 2000;

    static constexpr const char* UpdateTargetsPath = "/updater/common/config/UpdateTargets.xml";
    // Caps on what is fetched: the update-target file, its signature, a firmware image, an installer.
    static constexpr qint64 MaxTargetsBytes = qint64(1) * 1024 * 1024;
    // The signature file: 64 bytes, or their base64 text, and maybe a line end an editor or an upload added.
    static constexpr qint64 SignatureBytes = 256;
    static constexpr qint64 MaxFirmwareBytes = qint64(64) * 1024 * 1024;
    static constexpr qint64 MaxInstallerBytes = qint64(1024) * 1024 * 1024;
    static constexpr const char* ServerEnvironmentVariable = "TESSITRA_UPDATE_SERVER";

signals:
    void dataSent(quint64 totalBytes, quint64 receivedBytes);
    void newVersions(QString dspVersion, QString dspUrl, QString fwVersion, QString fwUrl, QString appVersion,
                     QString appUrl, bool bAppUpdate);
    void updateCheckFailed(QString errorString);
    void operationFinished(int, bool bClose = true);
    void updateText(QString);
    void appDownLoadFinished(QString installerPath);

public slots:
    void onDownloadFinished(QString filePath, bool success, QString errorString);

protected:
    void customEvent(QEvent* event) override;
    void run() override;

private:
    enum class ImageKind
    {
        Dsp,
        Firmware,
        Installer
    };
    // What the last check offered: the size and SHA-256 its image must have.
    struct Offer
    {
        ImageKind kind = ImageKind::Dsp;
        qint64 size = -1;
        QByteArray sha256;
    };
    // What a finished batch fetched, told by the folder the service chose for it.
    enum class RequestKind
    {
        None,
        Targets,
        Firmware,
        Installer
    };

    // The flags a request was made with. Requests queue behind each other in the download manager, so a
    // batch may end after the next request has been taken in: its answer goes by its own flags.
    struct Batch
    {
        bool bSilent = false;
        bool bAppCheck = false;
        bool bAppDownload = false;
        Offer offer; // what the image of an image download must be
    };

    explicit CFirmwareUpdate(QObject* parent);
    void readUpdateServer();
    // Notes the current flags for the batch and hands it to the download manager.
    void startBatch(const QList<DownloadRequest>& requests, const QString& folder, pfnProgress progress,
                    const Offer& offer);
    // The downloaded image read once and checked against its offer again: empty, with the reason told, when it is
    // not the published one. Only these bytes go on, whatever becomes of the file afterwards.
    QByteArray checkedImage(const QString& filePath, const Offer& offer, bool bSilent);
    // A copy of the checked installer in a new private folder (mode 0700) of the temporary folder, made by this
    // program alone, so the file opened is the one checked; empty when it could not be made or does not match.
    QString privateInstaller(const QString& filePath, const Offer& offer);

    static bool readDigests(const QXmlStreamAttributes& attributes, Offer* pOffer);
    static bool hasSuffixOf(const QString& url, ImageKind kind);
    bool checkTargets(const QByteArray& xmlBytes, const QString& productName, const QString& productId, bool bAppUpdate,
                      bool bRequireDigests);
    void onTargetsDownloaded(const QString& folder, bool bSilent);
    // Starts the download of an offered image (firmware or installer); false, with the reason told, when url
    // was not offered as one of kinds or does not end in the kind's suffix.
    bool downloadOffered(const QUrl& url, bool bInstaller);
    QString failureText(DownloadFailure failure) const;

    // Ends a check that found nothing usable: the empty offer for a device check, then the reason unless
    // the request was silent.
    void failCheck(const QString& errorString, bool bAppUpdate);
    void offer(const QString& dspVersion, const QString& dspUrl, const QString& fwVersion, const QString& fwUrl,
               const QString& appVersion, const QString& appUrl, bool bAppUpdate);
    void emitNoVersions(bool bAppUpdate);

    static std::atomic<CFirmwareUpdate*> s_pInstance;

    DownloadManager m_downloadManager;
    QUrl m_updateTargetsUrl;
    std::atomic<int> m_iProductId{-1};
    mutable std::mutex m_urlMutex; // the two URLs below are written on the GUI thread, read on the update thread
    QUrl m_firmwareImageUrl;
    QUrl m_appImageUrl;
    QHash<QString, Offer> m_offers; // by encoded URL; guarded by m_urlMutex
    std::atomic<bool> m_bStopping{false};
    std::atomic<bool> m_bRunEnded{false}; // set as run() returns
    std::atomic<bool> m_bSilent{false};
    std::atomic<bool> m_bAppCheck{false};
    std::atomic<bool> m_bAppDownload{false};
    QQueue<Batch> m_batches; // one per batch handed over and not yet finished; update thread only
};
