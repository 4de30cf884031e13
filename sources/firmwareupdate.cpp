#include "firmwareupdate.h"

#include "DeviceManagerThread.h"
#include "deviceinfo.h"
#include "globals.h"
#include "log.h"
#include "safefile.h"
#include "settle.h"
#include "updatetrust.h"
#include "usbids.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdlib>
#include <limits>

#include <fcntl.h>
#include <unistd.h>

namespace {
// The user's language where a translation is installed; the worker's texts share the command line's context.
QString say(const char* source)
{
    return QCoreApplication::translate("tessitra", source);
}

// Texts the window shows in its progress dialog.
constexpr char kParseFailed[] = QT_TRANSLATE_NOOP("tessitra", "Could not parse the update info in server.");
constexpr char kNoUpdate[] = QT_TRANSLATE_NOOP("tessitra", "No update found.");
constexpr char kFirmwareUpToDate[] = QT_TRANSLATE_NOOP("tessitra", "Device firmware is up to date.");
constexpr char kAppUpToDate[] = QT_TRANSLATE_NOOP("tessitra", "Application is up to date.");
constexpr char kNoConnection[] = QT_TRANSLATE_NOOP("tessitra", "Connection to update server cannot be made.");
constexpr char kNotSupported[] = QT_TRANSLATE_NOOP("tessitra", "Fimware update not supported for this device.");
constexpr char kFetchFailed[] = QT_TRANSLATE_NOOP("tessitra", "Failed to fetch info from update server!");
constexpr char kDisconnected[] = QT_TRANSLATE_NOOP("tessitra", "Device disconnected!");
constexpr char kDownloadFinished[] = QT_TRANSLATE_NOOP("tessitra", "Download finished.");
constexpr char kUpdatingFirmware[] = QT_TRANSLATE_NOOP("tessitra", "Updating firmware...");

// What the update-targets file is searched for.
const QString kFamilyName = QStringLiteral("Tessitra");
constexpr int kFamilyId = 0x60;
const QString kAppProductName = QStringLiteral("Stage Librarian");
const QString kAppProductId = QStringLiteral("0x3");
const QString kArietteProductName = QStringLiteral("Stage Ariette");
const QString kArietteProductId = QStringLiteral("0x2");
const QString kCadenzoProductName = QStringLiteral("Stage Cadenzo");
const QString kCadenzoProductId = QStringLiteral("0x4");
// The suffix an image URL's path ends in, by kind. Installers are Windows setup programs; anything else offered
// under the application is not ours to run. The installer's is compared case-sensitively.
const QString kDspSuffix = QStringLiteral(".ldr");
const QString kFirmwareSuffix = QStringLiteral(".bin");
const QString kInstallerSuffix = QStringLiteral(".exe");
// Names the downloads are saved under, made here from the kind, never taken from the server.
const QString kTargetsFileName = QStringLiteral("UpdateTargets.xml");
const QString kSignatureFileName = QStringLiteral("UpdateTargets.xml.sig");
const QString kDspFileName = QStringLiteral("DspImage.ldr");
const QString kFirmwareFileName = QStringLiteral("McuImage.bin");
const QString kInstallerFileName = QStringLiteral("TessitraStageLibrarianSetup.exe");

// Texts of a check or download refused for trust reasons.
constexpr char kNotSigned[] = QT_TRANSLATE_NOOP("tessitra", "The update info from the server is not signed.");
constexpr char kBadSignature[] =
    QT_TRANSLATE_NOOP("tessitra", "The update info from the server failed its signature check.");
constexpr char kNoDigests[] =
    QT_TRANSLATE_NOOP("tessitra", "The update info from the server lacks the size or SHA-256 of an image.");
constexpr char kInsecure[] = QT_TRANSLATE_NOOP("tessitra", "The update server must be reached over https.");
constexpr char kMismatch[] =
    QT_TRANSLATE_NOOP("tessitra", "The download does not match the update info from the server. It was deleted.");
constexpr char kWriteFailed[] =
    QT_TRANSLATE_NOOP("tessitra", "The download could not be saved. Check the free space in the downloads folder.");
constexpr char kNotOffered[] = QT_TRANSLATE_NOOP("tessitra", "This download was not offered by the update server.");

// Download folders below the downloads folder; the folder name also tells onDownloadFinished what arrived.
const QString kTargetsFolderName = QStringLiteral("UpdateTargets");
const QString kFirmwareFolderName = QStringLiteral("FirmwareImage");
const QString kAppFolderName = QStringLiteral("AppImage");

QString afterLastV(const QString& text)
{
    const int iAt = std::max(text.lastIndexOf(QLatin1Char('v')), text.lastIndexOf(QLatin1Char('V')));
    return iAt < 0 ? text : text.mid(iAt + 1);
}

int clampToInt(qint64 value)
{
    const qint64 lowest = std::numeric_limits<int>::min();
    const qint64 highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::min(std::max(value, lowest), highest));
}

// A version known to be bad only counts when info.ini names one: an empty key would otherwise "match" the
// empty version texts of a unit never read and offer firmware nobody asked for.
bool isKnownBad(const QString& wrongVersion, const QString& versionInUse)
{
    return !wrongVersion.isEmpty() && CFirmwareUpdate::compareVersions(wrongVersion, versionInUse) == 0;
}

// At most maxBytes of a regular file; empty when it is none (a pipe under the name is not waited on) or unreadable.
QByteArray readRegularFile(const QString& path, qint64 maxBytes)
{
    const int iFd = SafeFile::openForReading(QFile::encodeName(path).constData());
    QFile file;
    if (iFd < 0 || !file.open(iFd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        TS_WARNING("Cannot open %s", qPrintable(path));
        return QByteArray();
    }
    return file.read(maxBytes);
}
} // namespace

std::atomic<CFirmwareUpdate*> CFirmwareUpdate::s_pInstance{nullptr};

bool CFirmwareUpdate::readDigests(const QXmlStreamAttributes& attributes, Offer* pOffer)
{
    bool bNumber = false;
    const qint64 size = attributes.value(QLatin1String("Size")).toString().toLongLong(&bNumber, 10);
    const qint64 cap = pOffer->kind == ImageKind::Installer ? MaxInstallerBytes : MaxFirmwareBytes;
    const QString hex = attributes.value(QLatin1String("Sha256")).toString();
    static const QRegularExpression kHex(QStringLiteral("^[0-9A-Fa-f]{64}$"));
    if (!bNumber || size <= 0 || size > cap || !kHex.match(hex).hasMatch())
        return false;
    pOffer->size = size;
    pOffer->sha256 = QByteArray::fromHex(hex.toLatin1());
    return true;
}

bool CFirmwareUpdate::hasSuffixOf(const QString& url, ImageKind kind)
{
    const QString path = QUrl(url).path();
    switch (kind) {
    case ImageKind::Dsp:
        return path.endsWith(kDspSuffix, Qt::CaseInsensitive);
    case ImageKind::Firmware:
        return path.endsWith(kFirmwareSuffix, Qt::CaseInsensitive);
    case ImageKind::Installer:
        return path.endsWith(kInstallerSuffix, Qt::CaseSensitive);
    }
    return false;
}

CFirmwareUpdate* CFirmwareUpdate::instance(QObject* parent)
{
    CFirmwareUpdate* pInstance = s_pInstance.load();
    if (!pInstance) {
        pInstance = new CFirmwareUpdate(parent);
        s_pInstance.store(pInstance);
    }
    return pInstance;
}

// The download manager is a member, not a QObject child: it stays on this (the creating) thread when the
// service moves itself into its own thread, and its finished signal reaches onDownloadFinished queued.
CFirmwareUpdate::CFirmwareUpdate(QObject* parent) : QThread(parent)
{
    TS_DEBUG("Entering");
    qRegisterMetaType<quint64>("quint64");

    readUpdateServer();
    connect(&m_downloadManager, &DownloadManager::finished, this, &CFirmwareUpdate::onDownloadFinished,
            Qt::UniqueConnection);
    TS_DEBUG("Exiting");
}

CFirmwareUpdate::~CFirmwareUpdate()
{
    // The window stops the thread before deleting it; should anyone not, stop it here rather than let Qt
    // abort the process on a running thread.
    if (isRunning()) {
        setStopping(true);
        quit();
        wait();
    }
    // ThreadSanitizer cannot see QThread::wait() in the distribution's Qt. This acquire pairs with the release
    // at the end of run(), so everything the thread did comes before the members are destroyed here, and a
    // thread that still touches this object while it goes is reported.
    static_cast<void>(m_bRunEnded.load(std::memory_order_acquire));
    // The window deletes the service only after its thread has ended; a later instance() starts afresh.
    CFirmwareUpdate* pSelf = this;
    s_pInstance.compare_exchange_strong(pSelf, nullptr);
}

void CFirmwareUpdate::setStopping(bool bStopping)
{
    m_bStopping.store(bStopping);
    // A request blocked behind a running download would keep the thread from ending: let it go.
    if (bStopping)
        m_downloadManager.abortWaiting();
}

bool CFirmwareUpdate::isStopping() const
{
    return m_bStopping.load();
}

void CFirmwareUpdate::setProductId(int iProductId)
{
    m_iProductId.store(iProductId);
}

int CFirmwareUpdate::productId() const
{
    return m_iProductId.load();
}

void CFirmwareUpdate::setFirmwareImageUrl(const QString& url)
{
    std::lock_guard<std::mutex> lock(m_urlMutex);
    m_firmwareImageUrl = QUrl(url);
}

QUrl CFirmwareUpdate::firmwareImageUrl() const
{
    std::lock_guard<std::mutex> lock(m_urlMutex);
    return m_firmwareImageUrl;
}

void CFirmwareUpdate::setAppImageUrl(const QString& url)
{
    std::lock_guard<std::mutex> lock(m_urlMutex);
    m_appImageUrl = QUrl(url);
}

QUrl CFirmwareUpdate::appImageUrl() const
{
    std::lock_guard<std::mutex> lock(m_urlMutex);
    return m_appImageUrl;
}

QUrl CFirmwareUpdate::updateTargetsUrl() const
{
    std::lock_guard<std::mutex> lock(m_urlMutex);
    return m_updateTargetsUrl;
}

// Read when the service is made and again at each check, so an edited info.ini counts without a restart.
void CFirmwareUpdate::readUpdateServer()
{
    QString address = updateServerAddress();
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    QUrl url;
    if (!address.isEmpty())
        url = QUrl::fromUserInput(address + QLatin1String(UpdateTargetsPath));
    else
        TS_WARNING("No update server configured");
    TS_DEBUG("Update targets: %s", loggableUrl(url).constData());
    std::lock_guard<std::mutex> lock(m_urlMutex);
    m_updateTargetsUrl = url;
}

QString CFirmwareUpdate::updateServerAddress()
{
    const QByteArray fromEnvironment = qgetenv(ServerEnvironmentVariable);
    if (!fromEnvironment.trimmed().isEmpty())
        return QString::fromLocal8Bit(fromEnvironment).trimmed();
    const QSettings ini(QCoreApplication::applicationDirPath() + "/info.ini", QSettings::IniFormat);
    return ini.value(QStringLiteral("update/server")).toString().trimmed();
}

DownloadManager* CFirmwareUpdate::downloadManager()
{
    return &m_downloadManager;
}

bool CFirmwareUpdate::progressCallback(qint64 totalBytes, qint64 receivedBytes)
{
    CFirmwareUpdate* pSelf = s_pInstance.load();
    if (pSelf == nullptr)
        return true;
    emit pSelf->dataSent(static_cast<quint64>(totalBytes), static_cast<quint64>(receivedBytes));
    return pSelf->m_bStopping.load();
}

int CFirmwareUpdate::compareVersions(QString newVersion, QString currentVersion)
{
    newVersion = afterLastV(newVersion);
    currentVersion = afterLastV(currentVersion);
    TS_DEBUG("versionNumberNew: %s, versionNumberCur:%s", qPrintable(newVersion), qPrintable(currentVersion));

    const QStringList newParts = newVersion.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    const QStringList currentParts = currentVersion.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    const int iCompared = static_cast<int>(std::min(newParts.size(), currentParts.size()));
    for (int i = 0; i < iCompared; ++i) {
        // A part that is not a number (or too large for one) reads as 0.
        const qint64 newPart = newParts.at(i).toInt(nullptr, 10);
        const qint64 currentPart = currentParts.at(i).toInt(nullptr, 10);
        if (newPart != currentPart)
            return clampToInt(newPart - currentPart);
    }
    return static_cast<int>(newParts.size() - currentParts.size());
}

void CFirmwareUpdate::emitNoVersions(bool bAppUpdate)
{
    emit newVersions(QString(), QString(), QString(), QString(), QString(), QString(), bAppUpdate);
}

void CFirmwareUpdate::failCheck(const QString& errorString, bool bAppUpdate)
{
    // A device check always answers with an offer, empty here: the window reads the presets after it.
    if (!bAppUpdate)
        emitNoVersions(false);
    if (!m_bSilent.load())
        emit updateCheckFailed(errorString);
}

void CFirmwareUpdate::offer(const QString& dspVersion, const QString& dspUrl, const QString& fwVersion,
                            const QString& fwUrl, const QString& appVersion, const QString& appUrl, bool bAppUpdate)
{
    emit operationFinished(0, true);
    emit newVersions(dspVersion, dspUrl, fwVersion, fwUrl, appVersion, appUrl, bAppUpdate);
}

bool CFirmwareUpdate::checkUpdate(const QString& filePath, const QString& productName, const QString& productId,
                                  bool bAppUpdate, bool bRequireDigests)
{
    TS_DEBUG("Entering");
    // The download is capped at MaxTargetsBytes; a larger local file is read no further than that.
    const QByteArray bytes = readRegularFile(filePath, MaxTargetsBytes);
    if (bytes.isNull()) {
        failCheck(say(kParseFailed), bAppUpdate);
        TS_DEBUG("Exiting");
        return false;
    }
    const bool bOffered = checkTargets(bytes, productName, productId, bAppUpdate, bRequireDigests);
    TS_DEBUG("Exiting");
    return bOffered;
}

bool CFirmwareUpdate::checkTargets(const QByteArray& xmlBytes, const QString& productName, const QString& productId,
                                   bool bAppUpdate, bool bRequireDigests)
{
    const QString unitDsp = g_deviceInfo.dspVersion();
    const QString unitFw = g_deviceInfo.firmwareVersion();
    const QString appInUse = g_appSwVersion;
    const bool bWrongDsp = isKnownBad(g_wrongDsp, unitDsp);
    const bool bWrongFw = isKnownBad(g_wrongFw, unitFw);

    QString bestDsp = unitDsp;
    QString bestDspUrl;
    QString bestFw = unitFw;
    QString bestFwUrl;
    QString bestApp = appInUse;
    QString bestAppUrl;
    QHash<QString, Offer> revisions; // what each image URL of the product must be

    QXmlStreamReader xml(xmlBytes);
    const auto readerFailed = [&]() {
        TS_WARNING("%s at line: %lld, column: %lld", qPrintable(xml.errorString()), xml.lineNumber(),
                   xml.columnNumber());
        failCheck(say(kParseFailed), bAppUpdate);
        return false;
    };
    const auto nothingFound = [&]() {
        failCheck(say(kNoUpdate), bAppUpdate);
        return false;
    };

    // The document root.
    if (!xml.readNextStartElement())
        return xml.hasError() ? readerFailed() : nothingFound();

    // Our family may sit anywhere in the document; a family of other products is passed over whole.
    bool bFamily = false;
    while (!xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == QLatin1String("Family")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            bool bNumber = false;
            const int iFamilyId = attributes.value(QLatin1String("FamilyID")).toString().toInt(&bNumber, 16);
            if (attributes.value(QLatin1String("Name")) == kFamilyName && bNumber && iFamilyId == kFamilyId) {
                bFamily = true;
                break;
            }
            xml.skipCurrentElement();
        }
        xml.readNext();
    }
    if (xml.hasError())
        return readerFailed();
    if (!bFamily)
        return nothingFound();

    bool bProduct = false;
    while (xml.readNextStartElement()) {
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("Product") && attributes.value(QLatin1String("Name")) == productName &&
            attributes.value(QLatin1String("ProductID")) == productId) {
            bProduct = true;
            break;
        }
        xml.skipCurrentElement();
    }
    if (xml.hasError())
        return readerFailed();
    if (!bProduct)
        return nothingFound();

    bool bRevisions = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("Revisions")) {
            bRevisions = true;
            break;
        }
        xml.skipCurrentElement();
    }
    if (xml.hasError())
        return readerFailed();
    if (!bRevisions)
        return nothingFound();

    // Every revision of a kind competes with the best so far, which starts as the version in use. A unit
    // running a version known to be bad takes each image of that kind in turn, so the last one listed wins.
    while (xml.readNextStartElement()) {
        TS_DEBUG("%s", qPrintable(xml.name().toString()));
        if (xml.name() == QLatin1String("Revision")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            const QString version = attributes.value(QLatin1String("Version")).toString();
            const QString imageUrl = attributes.value(QLatin1String("ImageUrl")).toString();
            TS_DEBUG("got new revision: %s", qPrintable(version));
            const QString kind = version.toLower();
            Offer offer;
            offer.kind = kind.contains(QLatin1String("dsp"))        ? ImageKind::Dsp
                         : kind.contains(QLatin1String("firmware")) ? ImageKind::Firmware
                                                                    : ImageKind::Installer;
            if (!readDigests(attributes, &offer) && bRequireDigests && !version.isEmpty()) {
                TS_WARNING("Revision %s lacks a valid Size or Sha256", qPrintable(version));
                failCheck(say(kNoDigests), bAppUpdate);
                return false;
            }
            if (bRequireDigests && !hasSuffixOf(imageUrl, offer.kind)) {
                TS_WARNING("Revision %s: %s does not end in the suffix of its kind", qPrintable(version),
                           loggableUrl(QUrl(imageUrl)).constData());
                xml.skipCurrentElement();
                continue;
            }
            revisions.insert(imageUrl, offer);
            if (kind.contains(QLatin1String("dsp"))) {
                TS_DEBUG("reading dsp details");
                if (compareVersions(version, bestDsp) > 0 || bWrongDsp) {
                    bestDsp = version;
                    bestDspUrl = imageUrl;
                }
            } else if (kind.contains(QLatin1String("firmware"))) {
                TS_DEBUG("reading fw details");
                if (compareVersions(version, bestFw) > 0 || bWrongFw) {
                    bestFw = version;
                    bestFwUrl = imageUrl;
                }
            } else if (!version.isEmpty()) {
                TS_DEBUG("reading app details");
                // The suffix of the URL's path, not of the whole text: "setup.ldr?.exe" is no installer.
                if (hasSuffixOf(imageUrl, ImageKind::Installer) && compareVersions(version, bestApp) > 0) {
                    bestApp = version;
                    bestAppUrl = imageUrl;
                }
            }
        }
        xml.skipCurrentElement();
    }
    if (xml.hasError())
        return readerFailed();
    TS_DEBUG("reached end element");

    TS_DEBUG("version: %s: url: %s", qPrintable(bestDsp), loggableUrl(QUrl(bestDspUrl)).constData());
    TS_DEBUG("version: %s: url: %s", qPrintable(bestFw), loggableUrl(QUrl(bestFwUrl)).constData());

    const bool bDspNewer = compareVersions(bestDsp, unitDsp) > 0;
    const bool bFwNewer = compareVersions(bestFw, unitFw) > 0;
    const bool bAppNewer = compareVersions(bestApp, appInUse) > 0;
    const QString none;
    bool bOffered = true;
    if (bDspNewer && bFwNewer)
        offer(bestDsp, bestDspUrl, bestFw, bestFwUrl, none, none, bAppUpdate);
    else if (bDspNewer)
        offer(bestDsp, bestDspUrl, none, none, none, none, bAppUpdate);
    else if (bFwNewer)
        offer(none, none, bestFw, bestFwUrl, none, none, bAppUpdate);
    else if (bWrongDsp && bWrongFw)
        offer(bestDsp, bestDspUrl, bestFw, bestFwUrl, none, none, bAppUpdate);
    else if (bWrongDsp)
        offer(bestDsp, bestDspUrl, none, none, none, none, bAppUpdate);
    else if (bWrongFw)
        offer(none, none, bestFw, bestFwUrl, none, none, bAppUpdate);
    else if (bAppNewer)
        offer(none, none, none, none, bestApp, bestAppUrl, bAppUpdate);
    else
        bOffered = false;

    {
        // Only what is on offer now may be downloaded, and only as the file published.
        std::lock_guard<std::mutex> lock(m_urlMutex);
        m_offers.clear();
        if (bOffered) {
            for (const QString& url : {bestDspUrl, bestFwUrl, bestAppUrl}) {
                if (!url.isEmpty() && revisions.contains(url))
                    m_offers.insert(url, revisions.value(url));
            }
        }
    }

    if (!bOffered) {
        if (!bAppUpdate) {
            emitNoVersions(false);
            if (!m_bSilent.load())
                emit updateCheckFailed(say(kFirmwareUpToDate));
        } else if (!m_bSilent.load()) {
            emit updateCheckFailed(say(kAppUpToDate));
        }
        emit operationFinished(0, false);
    }
    return bOffered;
}

void CFirmwareUpdate::customEvent(QEvent* event)
{
    const int iType = static_cast<int>(event->type());
    if (m_bStopping.load() || iType < FirstEvent || iType > LastEvent)
        return;
    TS_DEBUG("Update request %d received", iType);

    // The update-target file and its signature, in one batch.
    if (iType <= CheckFirmwareUpdateSilentEvent)
        readUpdateServer();
    DownloadRequest targets;
    targets.url = updateTargetsUrl();
    targets.fileName = kTargetsFileName;
    targets.maxBytes = MaxTargetsBytes;
    DownloadRequest signature;
    signature.url = QUrl(targets.url.toString() + QLatin1String(".sig"));
    signature.fileName = kSignatureFileName;
    signature.maxBytes = SignatureBytes;
    signature.bAfterPrevious = true;
    const QList<DownloadRequest> check{targets, signature};
    const QString targetsFolder = g_downloadsFolder + "/" + kTargetsFolderName;

    switch (iType) {
    case CheckAppUpdateEvent:
    case CheckAppUpdateSilentEvent:
        m_bSilent.store(iType == CheckAppUpdateSilentEvent);
        m_bAppCheck.store(true);
        m_bAppDownload.store(false);
        startBatch(check, targetsFolder, nullptr, Offer());
        break;
    case CheckFirmwareUpdateEvent:
        m_bSilent.store(false);
        m_bAppCheck.store(false);
        if (!g_bDeviceConnected.load()) {
            emit updateText(say(kDisconnected));
            emit operationFinished(-1, false);
            break;
        }
        startBatch(check, targetsFolder, nullptr, Offer());
        break;
    case CheckFirmwareUpdateSilentEvent:
        // Asked on connection: with the unit already gone there is nobody to tell.
        m_bAppCheck.store(false);
        if (!g_bDeviceConnected.load())
            break;
        m_bSilent.store(true);
        startBatch(check, targetsFolder, nullptr, Offer());
        break;
    case DownloadFirmwareEvent:
        m_bSilent.store(false);
        m_bAppCheck.store(false);
        m_bAppDownload.store(false);
        if (!g_bDeviceConnected.load()) {
            emit updateText(say(kDisconnected));
            emit operationFinished(-1, false);
            break;
        }
        downloadOffered(firmwareImageUrl(), false);
        break;
    case DownloadAppEvent:
        m_bSilent.store(false);
        m_bAppCheck.store(false);
        m_bAppDownload.store(true);
        downloadOffered(appImageUrl(), true);
        break;
    default:
        break;
    }
}

bool CFirmwareUpdate::downloadOffered(const QUrl& url, bool bInstaller)
{
    Offer offer;
    bool bOffered = false;
    {
        std::lock_guard<std::mutex> lock(m_urlMutex);
        const auto it = m_offers.constFind(url.toString());
        if (it != m_offers.constEnd()) {
            offer = it.value();
            bOffered = true;
        }
    }
    // Routing goes by what was asked for: a firmware request fetches only an offered DSP or microcontroller
    // image into the firmware folder, an installer request only an offered installer into its own.
    bOffered =
        bOffered && (offer.kind == ImageKind::Installer) == bInstaller && hasSuffixOf(url.toString(), offer.kind);
    if (!bOffered) {
        TS_WARNING("Refusing to download %s: not offered as %s", loggableUrl(url).constData(),
                   bInstaller ? "an installer" : "firmware");
        m_bAppDownload.store(false);
        emit updateCheckFailed(say(kNotOffered));
        return false;
    }

    DownloadRequest request;
    request.url = url;
    request.expectedSize = offer.size;
    request.sha256 = offer.sha256;
    if (bInstaller) {
        request.fileName = kInstallerFileName;
        request.maxBytes = MaxInstallerBytes;
        startBatch({request}, g_downloadsFolder + "/" + kAppFolderName, &CFirmwareUpdate::progressCallback, offer);
    } else {
        request.fileName = offer.kind == ImageKind::Dsp ? kDspFileName : kFirmwareFileName;
        request.maxBytes = MaxFirmwareBytes;
        startBatch({request}, g_downloadsFolder + "/" + kFirmwareFolderName, &CFirmwareUpdate::progressCallback, offer);
    }
    return true;
}

void CFirmwareUpdate::startBatch(const QList<DownloadRequest>& requests, const QString& folder, pfnProgress progress,
                                 const Offer& offer)
{
    m_batches.enqueue(Batch{m_bSilent.load(), m_bAppCheck.load(), m_bAppDownload.load(), offer});
    m_downloadManager.download(requests, folder, progress);
}

QByteArray CFirmwareUpdate::checkedImage(const QString& filePath, const Offer& offer, bool bSilent)
{
    const QByteArray image = readRegularFile(filePath, MaxFirmwareBytes + 1);
    if (image.isEmpty()) {
        if (!bSilent)
            emit updateCheckFailed(say(kFetchFailed));
        return QByteArray();
    }
    // Every offer of a signed check has its size and hash; an image handed over without one was checked by nobody
    // else either, and goes on as read.
    const bool bPublished = offer.size >= 0;
    if (bPublished &&
        (image.size() != offer.size || QCryptographicHash::hash(image, QCryptographicHash::Sha256) != offer.sha256)) {
        TS_WARNING("%s changed after its check; not flashed", qPrintable(filePath));
        if (!bSilent)
            emit updateCheckFailed(say(kMismatch));
        return QByteArray();
    }
    return image;
}

QString CFirmwareUpdate::privateInstaller(const QString& filePath, const Offer& offer)
{
    QByteArray folder = QFile::encodeName(QDir::tempPath() + QStringLiteral("/tessitra-installer-XXXXXX"));
    if (mkdtemp(folder.data()) == nullptr)
        return QString();
    const QString copyPath = QFile::decodeName(folder) + QLatin1Char('/') + kInstallerFileName;
    QFile source;
    QFile copy;
    const int iSource = SafeFile::openForReading(QFile::encodeName(filePath).constData());
    const int iCopy =
        ::open(QFile::encodeName(copyPath).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    bool bOk = iSource >= 0 && iCopy >= 0 && source.open(iSource, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) &&
               copy.open(iCopy, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    // The hash is taken of the bytes as they go into the copy: those are the ones the window opens.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 copied = 0;
    const bool bPublished = offer.size >= 0;
    while (bOk && !source.atEnd() && copied <= (bPublished ? offer.size : MaxInstallerBytes)) {
        const QByteArray chunk = source.read(1024 * 1024);
        bOk = !chunk.isEmpty() && copy.write(chunk) == chunk.size();
        hash.addData(chunk);
        copied += chunk.size();
    }
    bOk = bOk && copy.flush() && fsync(copy.handle()) == 0 &&
          (!bPublished || (copied == offer.size && hash.result() == offer.sha256));
    if (!source.isOpen() && iSource >= 0)
        ::close(iSource);
    if (!copy.isOpen() && iCopy >= 0)
        ::close(iCopy);
    copy.close();
    if (bOk)
        return copyPath;
    TS_WARNING("The installer could not be copied as checked into %s", folder.constData());
    QDir(QFile::decodeName(folder)).removeRecursively();
    return QString();
}

QString CFirmwareUpdate::failureText(DownloadFailure failure) const
{
    switch (failure) {
    case DownloadFailure::Insecure:
        return say(kInsecure);
    case DownloadFailure::Mismatch:
        return say(kMismatch);
    case DownloadFailure::WriteError:
        return say(kWriteFailed);
    case DownloadFailure::None:
    case DownloadFailure::Network:
        break;
    }
    return say(kNoConnection);
}

void CFirmwareUpdate::onDownloadFinished(QString filePath, bool success, QString errorString)
{
    TS_DEBUG("Download finished: %s", qPrintable(filePath));
    // The window is closing: nobody waits for this download any more, and the device worker may be on its
    // way out.
    if (m_bStopping.load())
        return;
    // Answered with the flags of the request that started this batch: an installer download queued behind a
    // quiet check (or the other way round) has changed them since.
    Batch batch;
    if (!m_batches.isEmpty()) {
        batch = m_batches.dequeue();
        m_bSilent.store(batch.bSilent);
        m_bAppCheck.store(batch.bAppCheck);
        m_bAppDownload.store(batch.bAppDownload);
    }
    const bool bSilent = m_bSilent.load();
    // What arrived is told by the folder the service chose for the request, never by the URL: every folder and
    // file name below the downloads folder is made here.
    const QString targetsFolder = g_downloadsFolder + "/" + kTargetsFolderName;
    const QString folder = QFileInfo(filePath).absolutePath();
    const auto isFolder = [&folder](const QString& name) {
        return folder == QFileInfo(g_downloadsFolder + "/" + name).absoluteFilePath();
    };
    const RequestKind kind = isFolder(kTargetsFolderName)    ? RequestKind::Targets
                             : isFolder(kFirmwareFolderName) ? RequestKind::Firmware
                             : isFolder(kAppFolderName)      ? RequestKind::Installer
                                                             : RequestKind::None;

    if (!success) {
        TS_DEBUG("Download failed: %s", qPrintable(errorString));
        QString text = failureText(m_downloadManager.lastFailure());
        // The file arrived whole but its signature did not: the server publishes no signature.
        const QFileInfo arrived(targetsFolder + "/" + kTargetsFileName);
        if (kind == RequestKind::Targets && text == say(kNoConnection) && arrived.exists())
            text = arrived.size() > 0 ? say(kNotSigned) : say(kFetchFailed);
        // The network's own words say what stood in the way; the last line says what the singer can do.
        if (text == say(kNoConnection)) {
            QString reason = errorString.trimmed();
            while (reason.endsWith(QLatin1Char('!')))
                reason.chop(1);
            if (!reason.isEmpty())
                text += QLatin1Char('\n') + reason + QLatin1Char('.');
            text += QLatin1Char('\n') + tr("Check the internet connection, or try again later.");
        }
        // The installer download is answered by the progress dialog alone; a check still owes its offer.
        if (!m_bAppDownload.load())
            emitNoVersions(m_bAppCheck.load());
        m_bAppDownload.store(false);
        if (!bSilent)
            emit updateCheckFailed(text);
        return;
    }

    switch (kind) {
    case RequestKind::Targets:
        onTargetsDownloaded(targetsFolder, bSilent);
        return;
    case RequestKind::Firmware: {
        const QByteArray image = checkedImage(filePath, batch.offer, bSilent);
        if (image.isEmpty())
            return;
        if (!bSilent) {
            emit updateText(say(kDownloadFinished));
            Settle::settle(DownloadFinishedPauseMs);
            emit updateText(say(kUpdatingFirmware));
        }
        // The window may have begun to close during the pause.
        if (m_bStopping.load())
            return;
        // The device worker flashes it on its own thread and reports to the same progress dialog; it picks
        // the DSP or the microcontroller update by the file's extension, which this service chose. The image
        // goes inside the event, as checked: the file may change during the pause and the automatic back-up, and
        // the window may hand over a file of its own at the same moment.
        QCoreApplication::postEvent(DeviceManagerThread::instance(),
                                    new DeviceManagerThread::FirmwareFileEvent(filePath, image), Qt::HighEventPriority);
        return;
    }
    case RequestKind::Installer: {
        m_bAppDownload.store(false);
        const QString installer = privateInstaller(filePath, batch.offer);
        if (installer.isEmpty()) {
            if (!bSilent)
                emit updateCheckFailed(say(kMismatch));
            return;
        }
        emit operationFinished(0, true);
        emit appDownLoadFinished(installer);
        return;
    }
    case RequestKind::None:
        break;
    }
}

// The update-target file is believed only once its signature checks out; not one element is read before.
void CFirmwareUpdate::onTargetsDownloaded(const QString& folder, bool bSilent)
{
    const bool bAppCheck = m_bAppCheck.load();
    const QByteArray xmlBytes = readRegularFile(folder + "/" + kTargetsFileName, MaxTargetsBytes);
    const QByteArray signatureBytes = readRegularFile(folder + "/" + kSignatureFileName, SignatureBytes);

    if (xmlBytes.isEmpty()) {
        if (!bAppCheck)
            emitNoVersions(false);
        if (!bSilent)
            emit updateCheckFailed(say(kFetchFailed));
        return;
    }
    const int iProductId = m_iProductId.load();
    const bool bAriette = iProductId == UsbIds::ArietteProductId;
    if (!bAppCheck && !bAriette && iProductId != UsbIds::CadenzoProductId) {
        if (!bSilent)
            emit updateCheckFailed(say(kNotSupported));
    } else if (!UpdateTrust::verifySignature(xmlBytes, signatureBytes)) {
        TS_WARNING("UpdateTargets.xml fails its signature check (%d signature bytes)", int(signatureBytes.size()));
        failCheck(signatureBytes.isEmpty() ? say(kNotSigned) : say(kBadSignature), bAppCheck);
    } else if (bAppCheck) {
        checkTargets(xmlBytes, kAppProductName, kAppProductId, true, true);
    } else {
        checkTargets(xmlBytes, bAriette ? kArietteProductName : kCadenzoProductName,
                     bAriette ? kArietteProductId : kCadenzoProductId, false, true);
    }
    DownloadManager::deleteDirRecursively(QDir(folder));
}

void CFirmwareUpdate::run()
{
    TS_DEBUG("Entering");
    exec();
    TS_DEBUG("Exiting");
    // Pairs with the acquire in the destructor (see there).
    m_bRunEnded.store(true, std::memory_order_release);
}
