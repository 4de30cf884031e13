#include "firmwareupdate.h"

#include "DeviceManagerThread.h"
#include "deviceinfo.h"
#include "globals.h"
#include "log.h"
#include "settle.h"
#include "usbids.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QXmlStreamReader>

#include <algorithm>
#include <limits>

namespace {
// Texts the window shows in its progress dialog.
const QString kParseFailed = QStringLiteral("Could not parse the update info in server.");
const QString kNoUpdate = QStringLiteral("No update found.");
const QString kFirmwareUpToDate = QStringLiteral("Device firmware is up to date.");
const QString kAppUpToDate = QStringLiteral("Application is up to date.");
const QString kNoConnection = QStringLiteral("Connection to update server cannot be made.");
const QString kNotSupported = QStringLiteral("Fimware update not supported for this device.");
const QString kFetchFailed = QStringLiteral("Failed to fetch info from update server!");
const QString kDisconnected = QStringLiteral("Device disconnected!");
const QString kDownloadFinished = QStringLiteral("Download finished.");
const QString kUpdatingFirmware = QStringLiteral("Updating firmware...");

// What the update-targets file is searched for.
const QString kFamilyName = QStringLiteral("Tessitra");
constexpr int kFamilyId = 0x60;
const QString kAppProductName = QStringLiteral("Stage Librarian");
const QString kAppProductId = QStringLiteral("0x3");
const QString kArietteProductName = QStringLiteral("Stage Ariette");
const QString kArietteProductId = QStringLiteral("0x2");
const QString kCadenzoProductName = QStringLiteral("Stage Cadenzo");
const QString kCadenzoProductId = QStringLiteral("0x4");
// Installers are Windows setup programs; anything else offered under the application is not ours to run.
const QString kInstallerSuffix = QStringLiteral(".exe");

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
} // namespace

std::atomic<CFirmwareUpdate*> CFirmwareUpdate::s_pInstance{nullptr};

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

    QString address = updateServerAddress();
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    if (!address.isEmpty())
        m_updateTargetsUrl = QUrl::fromUserInput(address + QLatin1String(UpdateTargetsPath));
    else
        TS_WARNING("No update server configured");
    TS_DEBUG("Update targets: %s", loggableUrl(m_updateTargetsUrl).constData());

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
    return m_updateTargetsUrl;
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
                                  bool bAppUpdate)
{
    TS_DEBUG("Entering");
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

    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        TS_WARNING("Cannot open %s: %s", qPrintable(filePath), qPrintable(file.errorString()));
        failCheck(kParseFailed, bAppUpdate);
        TS_DEBUG("Exiting");
        return false;
    }

    QXmlStreamReader xml(&file);
    const auto readerFailed = [&]() {
        TS_WARNING("%s at line: %lld, column: %lld", qPrintable(xml.errorString()), xml.lineNumber(),
                   xml.columnNumber());
        file.close();
        failCheck(kParseFailed, bAppUpdate);
        TS_DEBUG("Exiting");
        return false;
    };
    const auto nothingFound = [&]() {
        file.close();
        failCheck(kNoUpdate, bAppUpdate);
        TS_DEBUG("Exiting");
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
                if (imageUrl.endsWith(kInstallerSuffix) && compareVersions(version, bestApp) > 0) {
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
    file.close();

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

    if (!bOffered) {
        if (!bAppUpdate) {
            emitNoVersions(false);
            if (!m_bSilent.load())
                emit updateCheckFailed(kFirmwareUpToDate);
        } else if (!m_bSilent.load()) {
            emit updateCheckFailed(kAppUpToDate);
        }
        emit operationFinished(0, false);
    }
    TS_DEBUG("Exiting");
    return bOffered;
}

void CFirmwareUpdate::customEvent(QEvent* event)
{
    const int iType = static_cast<int>(event->type());
    if (m_bStopping.load() || iType < FirstEvent || iType > LastEvent)
        return;
    TS_DEBUG("Update request %d received", iType);

    const QString targetsFolder = g_downloadsFolder + "/" + kTargetsFolderName;
    switch (iType) {
    case CheckAppUpdateEvent:
    case CheckAppUpdateSilentEvent:
        m_bSilent.store(iType == CheckAppUpdateSilentEvent);
        m_bAppCheck.store(true);
        m_bAppDownload.store(false);
        m_downloadManager.download(m_updateTargetsUrl, targetsFolder, nullptr);
        break;
    case CheckFirmwareUpdateEvent:
        m_bSilent.store(false);
        m_bAppCheck.store(false);
        if (!g_bDeviceConnected.load()) {
            emit updateText(kDisconnected);
            emit operationFinished(-1, false);
            break;
        }
        m_downloadManager.download(m_updateTargetsUrl, targetsFolder, nullptr);
        break;
    case CheckFirmwareUpdateSilentEvent:
        // Asked on connection: with the unit already gone there is nobody to tell.
        m_bAppCheck.store(false);
        if (!g_bDeviceConnected.load())
            break;
        m_bSilent.store(true);
        m_downloadManager.download(m_updateTargetsUrl, targetsFolder, nullptr);
        break;
    case DownloadFirmwareEvent:
        m_bSilent.store(false);
        m_bAppCheck.store(false);
        m_bAppDownload.store(false);
        if (!g_bDeviceConnected.load()) {
            emit updateText(kDisconnected);
            emit operationFinished(-1, false);
            break;
        }
        m_downloadManager.download(firmwareImageUrl(), g_downloadsFolder + "/" + kFirmwareFolderName,
                                   &CFirmwareUpdate::progressCallback);
        break;
    case DownloadAppEvent:
        m_bSilent.store(false);
        m_bAppCheck.store(false);
        m_bAppDownload.store(true);
        m_downloadManager.download(appImageUrl(), g_downloadsFolder + "/" + kAppFolderName,
                                   &CFirmwareUpdate::progressCallback);
        break;
    default:
        break;
    }
}

void CFirmwareUpdate::onDownloadFinished(QString filePath, bool success, QString errorString)
{
    TS_DEBUG("Download finished: %s", qPrintable(filePath));
    // The window is closing: nobody waits for this download any more, and the device worker may be on its
    // way out.
    if (m_bStopping.load())
        return;
    const bool bSilent = m_bSilent.load();

    if (!success) {
        TS_DEBUG("Download failed: %s", qPrintable(errorString));
        // The installer download is answered by the progress dialog alone; a check still owes its offer.
        if (!m_bAppDownload.load())
            emitNoVersions(m_bAppCheck.load());
        if (!bSilent)
            emit updateCheckFailed(kNoConnection);
        return;
    }

    const QFileInfo info(filePath);
    const bool bHasContent = info.size() > 0;

    if (filePath.contains(kTargetsFolderName)) {
        if (bHasContent) {
            const int iProductId = m_iProductId.load();
            if (m_bAppCheck.load())
                checkUpdate(filePath, kAppProductName, kAppProductId, true);
            else if (iProductId == UsbIds::ArietteProductId)
                checkUpdate(filePath, kArietteProductName, kArietteProductId, false);
            else if (iProductId == UsbIds::CadenzoProductId)
                checkUpdate(filePath, kCadenzoProductName, kCadenzoProductId, false);
            else if (!bSilent)
                emit updateCheckFailed(kNotSupported);
            DownloadManager::deleteDirRecursively(info.absoluteDir());
        } else {
            if (!m_bAppCheck.load())
                emitNoVersions(false);
            if (!bSilent)
                emit updateCheckFailed(kFetchFailed);
        }
        return;
    }

    if (filePath.contains(kFirmwareFolderName)) {
        if (!bHasContent) {
            if (!bSilent)
                emit updateCheckFailed(kFetchFailed);
            return;
        }
        if (!bSilent) {
            emit updateText(kDownloadFinished);
            Settle::settle(DownloadFinishedPauseMs);
            emit updateText(kUpdatingFirmware);
        }
        // The window may have begun to close during the pause.
        if (m_bStopping.load())
            return;
        // The device worker flashes it on its own thread and reports to the same progress dialog; it picks
        // the DSP or the microcontroller update by the file's extension.
        // The path goes inside the event: the window may hand over a file of its own at the same moment.
        QCoreApplication::postEvent(DeviceManagerThread::instance(),
                                    new DeviceManagerThread::FirmwareFileEvent(filePath), Qt::HighEventPriority);
        return;
    }

    // The installer.
    if (!bHasContent) {
        if (!bSilent)
            emit updateCheckFailed(kFetchFailed);
        return;
    }
    m_bAppDownload.store(false);
    emit operationFinished(0, true);
    emit appDownLoadFinished(filePath);
}

void CFirmwareUpdate::run()
{
    TS_DEBUG("Entering");
    exec();
    TS_DEBUG("Exiting");
    // Pairs with the acquire in the destructor (see there).
    m_bRunEnded.store(true, std::memory_order_release);
}
