#include "DeviceManagerThread.h"

#include "Connect.h"
#include "firmwareupdate.h"
#include "globals.h"
#include "hidseam.h"
#include "log.h"
#include "usbids.h"

#include <QMutexLocker>
#include <QTimer>

std::atomic<DeviceManagerThread*> DeviceManagerThread::s_pInstance{nullptr};

DeviceManagerThread* DeviceManagerThread::instance(QObject* parent)
{
    DeviceManagerThread* pInstance = s_pInstance.load();
    if (!pInstance) {
        pInstance = new DeviceManagerThread(parent);
        s_pInstance.store(pInstance);
    }
    return pInstance;
}

DeviceManagerThread::DeviceManagerThread(QObject* parent) : QThread(parent)
{
    // The window's connections to our signals are queued; these argument types must be known by name.
    qRegisterMetaType<int*>("int*");
    qRegisterMetaType<const int*>("const int*");
    qRegisterMetaType<quint64>("quint64");
}

DeviceManagerThread::~DeviceManagerThread()
{
    // The window stops the thread before deleting it; should anyone not, stop it here rather than let Qt
    // abort the process on a running thread.
    if (isRunning()) {
        setAbort(true);
        quit();
        wait();
    }
    DeviceManagerThread* pSelf = this;
    s_pInstance.compare_exchange_strong(pSelf, nullptr);
}

void DeviceManagerThread::setAbort(bool bAbort)
{
    m_bAbort.store(bAbort);
}

bool DeviceManagerThread::isAborting() const
{
    return m_bAbort.load();
}

int DeviceManagerThread::productId() const
{
    return m_iProductId.load();
}

QString DeviceManagerThread::factoryPresetFolder() const
{
    return m_strFactoryPresetFolder;
}

void DeviceManagerThread::setFirmwareFilePath(QString path)
{
    m_strFirmwareFilePath = path;
}

void DeviceManagerThread::setRenameData(int presetNumber, QString name, int presetNumber2, int* record)
{
    m_iPresetNumber = presetNumber;
    m_strPresetName = name;
    m_iPresetNumber2 = presetNumber2;
    m_pPresetRecord = record;
}

void DeviceManagerThread::setPresetTransfer(QList<int> destinations, QStringList files, QList<int> sources)
{
    m_listDestinations = destinations;
    m_listPresetFiles = files;
    m_listSources = sources;
}

void DeviceManagerThread::setBackUpFilePath(QString path)
{
    m_strBackUpFilePath = path;
}

void DeviceManagerThread::setSetListEdit(int setListIndex, QMap<int, int> slotMap)
{
    m_iSetListNumber = setListIndex;
    m_mapSetListEdits = slotMap;
}

QMap<int, int> DeviceManagerThread::getSetListEdit() const
{
    return m_mapSetListEdits;
}

bool DeviceManagerThread::presetCallback(int storage, int presetBase, int presetOffset, int* presetData,
                                         int maxPresetNameLength, int maxPresetParamLength, int hardwareProductCode,
                                         int hardwarePatchVersion)
{
    DeviceManagerThread* pSelf = s_pInstance.load();
    if (!pSelf) {
        // Nobody to hand the record to; it is ours to free.
        delete[] presetData;
        return true;
    }
    emit pSelf->singlePresetData(storage, presetBase, presetOffset, presetData, maxPresetNameLength,
                                 maxPresetParamLength, hardwareProductCode, hardwarePatchVersion);
    return pSelf->m_bAbort.load() || !g_bDeviceConnected.load();
}

bool DeviceManagerThread::nameCallback(int storage, int presetBase, int presetOffset, QString name,
                                       int maxPresetNameLength, int maxPresetParamLength, int hardwareProductCode,
                                       int hardwarePatchVersion)
{
    DeviceManagerThread* pSelf = s_pInstance.load();
    if (!pSelf)
        return true;
    emit pSelf->singlePresetData(storage, presetBase, presetOffset, name, maxPresetNameLength, maxPresetParamLength,
                                 hardwareProductCode, hardwarePatchVersion);
    return pSelf->m_bAbort.load() || !g_bDeviceConnected.load();
}

bool DeviceManagerThread::progressCallback(int total, int done)
{
    DeviceManagerThread* pSelf = s_pInstance.load();
    if (!pSelf)
        return true;
    emit pSelf->dataSent(static_cast<quint64>(total), static_cast<quint64>(done));
    return pSelf->m_bAbort.load() || !g_bDeviceConnected.load();
}

void DeviceManagerThread::customEvent(QEvent* event)
{
    // The window is closing: whatever is still queued is dropped without a word.
    if (m_bAbort.load())
        return;

    emit deviceBusy();

    const int iType = static_cast<int>(event->type());
    if (iType < FirstEvent || iType > LastEvent) {
        emit deviceIdle();
        return;
    }

    using Operation = void (DeviceManagerThread::*)();
    static constexpr Operation kOperations[LastEvent - FirstEvent + 1] = {
        &DeviceManagerThread::readFactoryPresets,    // 1001
        &DeviceManagerThread::refreshFactoryPresets, // 1002
        &DeviceManagerThread::readUserPresets,       // 1003
        &DeviceManagerThread::refreshUserPresets,    // 1004
        &DeviceManagerThread::readSetLists,          // 1005
        &DeviceManagerThread::writeSetList,          // 1006
        &DeviceManagerThread::savePresetsToFiles,    // 1007
        &DeviceManagerThread::loadPresetFile,        // 1008
        &DeviceManagerThread::loadPresetFiles,       // 1009
        &DeviceManagerThread::copyPreset,            // 1010
        &DeviceManagerThread::copyPresets,           // 1011
        &DeviceManagerThread::renamePreset,          // 1012
        &DeviceManagerThread::backUp,                // 1013
        &DeviceManagerThread::restore,               // 1014
        &DeviceManagerThread::updateFactoryPresets,  // 1015
        &DeviceManagerThread::updateFirmwareImage,   // 1016
    };
    (this->*kOperations[iType - FirstEvent])();

    emit deviceIdle();
}

// The operations themselves are filled in one by one; until then an event is framed by busy/idle only.
void DeviceManagerThread::readFactoryPresets() {}
void DeviceManagerThread::refreshFactoryPresets() {}
void DeviceManagerThread::readUserPresets() {}
void DeviceManagerThread::refreshUserPresets() {}
void DeviceManagerThread::readSetLists() {}
void DeviceManagerThread::writeSetList() {}
void DeviceManagerThread::savePresetsToFiles() {}
void DeviceManagerThread::loadPresetFile() {}
void DeviceManagerThread::loadPresetFiles() {}
void DeviceManagerThread::copyPreset() {}
void DeviceManagerThread::copyPresets() {}
void DeviceManagerThread::renamePreset() {}
void DeviceManagerThread::backUp() {}
void DeviceManagerThread::restore() {}
void DeviceManagerThread::updateFactoryPresets() {}
void DeviceManagerThread::updateFirmwareImage() {}

void DeviceManagerThread::run()
{
    TS_DEBUG("run thread: %p", static_cast<void*>(QThread::currentThreadId()));

    m_iProductId.store(-1);
    m_strDevicePath.clear();

    // Both live on this thread: the link is only ever used from here, and the timer's ticks must reach
    // onTimeOut on this thread's event loop.
    m_pUSBConnect = new CUSBConnect();
    m_pPollTimer = new QTimer();
    m_pPollTimer->setSingleShot(false);
    m_pPollTimer->setInterval(PollIntervalMs);
    connect(m_pPollTimer, &QTimer::timeout, this, &DeviceManagerThread::onTimeOut);
    m_pPollTimer->start(PollIntervalMs);

    exec();

    m_pUSBConnect->Close();
    delete m_pUSBConnect;
    m_pUSBConnect = nullptr;
    delete m_pPollTimer;
    m_pPollTimer = nullptr;
    // With the link gone no unit is open any more; a later worker starts from "no unit".
    g_bDeviceConnected.store(false);
}

void DeviceManagerThread::onTimeOut()
{
    QMutexLocker locker(&m_mutex);
    if (!m_pUSBConnect)
        return;

    // Enumerate only while nothing is open; an open unit is checked by its identity query below.
    int iFound = 0;
    if (!g_bDeviceConnected.load() && m_iProductId.load() == -1) {
        const HidApi& hid = HidSeam::api();
        hid_device_info* pDevices = hid.enumerate(UsbIds::VendorId, 0);
        for (const hid_device_info* pDevice = pDevices; pDevice; pDevice = pDevice->next) {
            if (pDevice->vendor_id != UsbIds::VendorId || !UsbIds::isModelProductId(pDevice->product_id))
                continue;
            ++iFound;
            m_iProductId.store(pDevice->product_id);
            m_strDevicePath = QString::fromUtf8(pDevice->path);
        }
        if (pDevices)
            hid.free_enumeration(pDevices);
    }

    // Two units (of either model) cannot be told apart for the user: talk to neither.
    if (iFound >= 2) {
        m_iProductId.store(-1);
        m_strDevicePath.clear();
        m_pUSBConnect->Close();
        emit multipleDeviceDetected();
        return;
    }

    // With a unit open this only re-runs the identity query, so a connected unit is asked once a second.
    const int iResult = m_pUSBConnect->Open(m_strDevicePath);
    if (iResult == 0) {
        if (g_bDeviceConnected.load())
            return;
        g_bDeviceConnected.store(true);
        m_pPollTimer->start(PollIntervalMs);
        const int iPid = m_iProductId.load();
        CFirmwareUpdate::instance()->setProductId(iPid);
        TS_DEBUG("pid is: 0x%x", static_cast<unsigned>(iPid));
        m_strFactoryPresetFolder =
            iPid == UsbIds::ArietteProductId ? g_arietteFactoryPresetsFolder : g_cadenzoFactoryPresetsFolder;
        m_pUSBConnect->setFactoryPresetFolder(m_strFactoryPresetFolder);
        emit deviceDetected(iPid);
        return;
    }

    if (g_bDeviceConnected.load()) {
        // The unit was connected and stopped answering: say so once; later polls report noDevice.
        m_iProductId.store(-1);
        g_bDeviceConnected.store(false);
        m_strDevicePath.clear();
        CFirmwareUpdate::instance()->setProductId(-1);
        m_pUSBConnect->Close();
        emit deviceRemoved();
        emit updateText(QStringLiteral("Failed to communicate with device."));
        emit operationFinished(0, false);
        return;
    }

    m_iProductId.store(-1);
    m_strDevicePath.clear();
    m_pUSBConnect->Close();
    emit noDevice();
}
