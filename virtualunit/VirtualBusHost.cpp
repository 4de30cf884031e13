#include "VirtualBusHost.h"

#include "sources/log.h"
#include "sources/protocol.h"
#include "sources/usbids.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <map>
#include <string>

#ifdef Q_OS_LINUX
#include <sys/stat.h>
#endif

namespace {
// Traffic kept per unit; past this the older half is dropped (a long firmware transfer would otherwise grow it
// without bound).
constexpr int kTrafficLimit = 200000;

const QString kPathPrefix = QStringLiteral("virtual:");

thread_local std::wstring t_lastError; // failure text of the last enumerate or open on this thread

// What identifies one version of the fault file; a change means someone set a new fault.
struct FileStamp
{
    bool exists = false;
    qint64 modified = 0;
    qint64 size = 0;
    bool operator!=(const FileStamp& o) const { return exists != o.exists || modified != o.modified || size != o.size; }
};

// Checked on every report, so it stays one stat call where the platform allows.
FileStamp stampOf(const QByteArray& encodedPath)
{
    FileStamp stamp;
#ifdef Q_OS_LINUX
    struct stat st;
    if (::stat(encodedPath.constData(), &st) != 0)
        return stamp;
    stamp.exists = true;
    stamp.modified = static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    stamp.size = static_cast<qint64>(st.st_size);
#else
    const QFileInfo info(QFile::decodeName(encodedPath));
    if (!info.exists())
        return stamp;
    stamp.exists = true;
    stamp.modified = info.lastModified().toMSecsSinceEpoch();
    stamp.size = info.size();
#endif
    return stamp;
}

wchar_t* wideCopy(const QString& text)
{
    const std::wstring wide = text.toStdWString();
    auto* copy = static_cast<wchar_t*>(std::calloc(wide.size() + 1, sizeof(wchar_t)));
    if (copy)
        std::wmemcpy(copy, wide.c_str(), wide.size());
    return copy;
}

TrafficEntry makeEntry(TrafficEntry::Direction direction, const unsigned char* data, size_t length)
{
    TrafficEntry entry;
    entry.direction = direction;
    entry.bytes = QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(length));
    const int base = direction == TrafficEntry::Direction::ToUnit ? Protocol::OutCommand : Protocol::InCommand;
    auto le16 = [&entry](int offset) {
        return offset + 1 < entry.bytes.size() ? static_cast<unsigned char>(entry.bytes.at(offset)) |
                                                     (static_cast<unsigned char>(entry.bytes.at(offset + 1)) << 8)
                                               : 0;
    };
    entry.command = le16(base);
    entry.length = le16(base + 2);
    entry.sequence = le16(base + 4);
    return entry;
}
} // namespace

struct VirtualBusHost::Slot
{
    QString name;
    QByteArray faultPath;              // encoded for stat
    std::unique_ptr<VirtualUnit> unit; // the memory while resident in this process
    int handles = 0;
    bool gone = false; // unplugged: every handle on it fails from now on
    FileStamp faultStamp;
    QVector<TrafficEntry> traffic;
};

struct VirtualBusHost::Handle
{
    VirtualBusHost* host = nullptr;
    std::shared_ptr<Slot> slot;
    std::wstring error;
};

VirtualBusHost& VirtualBusHost::forDir(const QString& busDir)
{
    static std::mutex mutex;
    static std::map<QString, std::unique_ptr<VirtualBusHost>> hosts;
    const QString dir = VirtualBus(busDir).dir();
    std::lock_guard<std::mutex> lock(mutex);
    std::unique_ptr<VirtualBusHost>& host = hosts[dir];
    if (!host) {
        QDir().mkpath(dir);
        host.reset(new VirtualBusHost(dir));
    }
    return *host;
}

VirtualBusHost::VirtualBusHost(const QString& dir) : m_bus(dir) {}

VirtualBusHost::~VirtualBusHost() = default;

QString VirtualBusHost::devicePath(const QString& name) const
{
    return kPathPrefix + dir() + QLatin1Char('/') + name;
}

std::shared_ptr<VirtualBusHost::Slot> VirtualBusHost::slotFor(const QString& name)
{
    std::shared_ptr<Slot>& slot = m_slots[name];
    // A slot whose unit was unplugged stays with the handles still open on it; a unit plugged again under the
    // same name starts afresh.
    if (!slot || (slot->gone && m_bus.isPlugged(name))) {
        slot = std::make_shared<Slot>();
        slot->name = name;
        slot->faultPath = QFile::encodeName(m_bus.faultFile(name));
    }
    return slot;
}

void VirtualBusHost::markGone(Slot& slot)
{
    slot.gone = true;
    slot.unit.reset();
}

void VirtualBusHost::persist(Slot& slot)
{
    QString error;
    if (slot.unit && !m_bus.save(slot.name, *slot.unit, &error)) {
        if (!m_bus.isPlugged(slot.name))
            markGone(slot);
        else
            TS_WARNING("Virtual unit %s not saved: %s", qPrintable(slot.name), qPrintable(error));
    }
}

bool VirtualBusHost::checkPlugged(Handle& handle)
{
    Slot& slot = *handle.slot;
    if (!slot.gone) {
        const FileStamp stamp = stampOf(slot.faultPath);
        if (!stamp.exists) {
            TS_DEBUG("Virtual unit %s was unplugged", qPrintable(slot.name));
            markGone(slot);
        } else if (stamp != slot.faultStamp) {
            // Another process (the CLI) changed the fault: it takes effect from this report on.
            slot.faultStamp = stamp;
            slot.unit->setFault(m_bus.fault(slot.name));
        }
    }
    if (slot.gone)
        handle.error = L"The device has been disconnected.";
    return !slot.gone;
}

hid_device_info* VirtualBusHost::enumerate(unsigned short vendorId, unsigned short productId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    hid_device_info* first = nullptr;
    hid_device_info** tail = &first;
    if (vendorId != 0 && vendorId != UsbIds::VendorId)
        return nullptr;
    const QStringList names = m_bus.units();
    for (const QString& name : names) {
        UnitIdentity identity;
        if (!m_bus.readIdentity(name, &identity))
            continue;
        const unsigned short pid = modelProductId(identity.model);
        if (productId != 0 && productId != pid)
            continue;
        auto* info = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
        if (!info)
            break;
        info->path = strdup(QFile::encodeName(devicePath(name)).constData());
        info->vendor_id = UsbIds::VendorId;
        info->product_id = pid;
        info->serial_number = wideCopy(name);
        info->release_number = 0x0100;
        info->manufacturer_string = wideCopy(QStringLiteral("Aurivell"));
        info->product_string = wideCopy(QStringLiteral("Tessitra Stage ") + modelName(identity.model));
        info->usage_page = 0xFF00; // vendor-defined, as the unit's HID descriptor says
        info->usage = 0x0001;
        info->interface_number = 0;
#if HID_API_VERSION >= HID_API_MAKE_VERSION(0, 13, 0)
        info->bus_type = HID_API_BUS_USB;
#endif
        *tail = info;
        tail = &info->next;
    }
    return first;
}

void VirtualBusHost::freeEnumeration(hid_device_info* devices)
{
    while (devices) {
        hid_device_info* next = devices->next;
        std::free(devices->path);
        std::free(devices->serial_number);
        std::free(devices->manufacturer_string);
        std::free(devices->product_string);
        std::free(devices);
        devices = next;
    }
}

hid_device* VirtualBusHost::open(const QString& path)
{
    const QString prefix = kPathPrefix + dir() + QLatin1Char('/');
    const QString name = path.startsWith(prefix) ? path.mid(prefix.size()) : QString();
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_bus.isPlugged(name)) {
        t_lastError = L"No such device.";
        errno = ENODEV; // what the hidraw node of an unplugged unit answers
        return nullptr;
    }
    std::shared_ptr<Slot> slot = slotFor(name);
    if (!slot->unit) {
        QString error;
        slot->unit = m_bus.load(name, &error);
        if (!slot->unit) {
            TS_WARNING("Virtual unit %s cannot be opened: %s", qPrintable(name), qPrintable(error));
            t_lastError = L"The device cannot be opened.";
            return nullptr;
        }
        slot->faultStamp = stampOf(slot->faultPath);
    }
    ++slot->handles;
    auto* handle = new Handle;
    handle->host = this;
    handle->slot = slot;
    return reinterpret_cast<hid_device*>(handle);
}

int VirtualBusHost::write(hid_device* device, const unsigned char* data, size_t length)
{
    if (!device)
        return -1;
    auto* handle = reinterpret_cast<Handle*>(device);
    std::lock_guard<std::mutex> lock(handle->host->m_mutex);
    return handle->host->writeLocked(*handle, data, length);
}

int VirtualBusHost::writeLocked(Handle& handle, const unsigned char* data, size_t length)
{
    if (!checkPlugged(handle))
        return -1;
    Slot& slot = *handle.slot;
    const int result = slot.unit->writeReport(data, length);
    if (result > 0) {
        if (slot.traffic.size() >= kTrafficLimit)
            slot.traffic.remove(0, kTrafficLimit / 2);
        slot.traffic.append(makeEntry(TrafficEntry::Direction::ToUnit, data, length));
    }
    if (slot.unit->vanished()) {
        TS_DEBUG("Virtual unit %s vanishes from the bus", qPrintable(slot.name));
        m_bus.unplug(slot.name);
        markGone(slot);
        if (result < 0)
            handle.error = L"The device has been disconnected.";
        return result;
    }
    if (result < 0) {
        handle.error = L"Write failed: the device did not take the report.";
        return result;
    }
    if (slot.unit->takeTransactionEnd())
        persist(slot);
    return result;
}

int VirtualBusHost::read(hid_device* device, unsigned char* data, size_t length)
{
    if (!device)
        return -1;
    auto* handle = reinterpret_cast<Handle*>(device);
    std::lock_guard<std::mutex> lock(handle->host->m_mutex);
    return handle->host->readLocked(*handle, data, length);
}

int VirtualBusHost::readLocked(Handle& handle, unsigned char* data, size_t length)
{
    if (!checkPlugged(handle))
        return -1;
    Slot& slot = *handle.slot;
    const int result = slot.unit->readReport(data, length);
    if (result > 0) {
        if (slot.traffic.size() >= kTrafficLimit)
            slot.traffic.remove(0, kTrafficLimit / 2);
        slot.traffic.append(makeEntry(TrafficEntry::Direction::FromUnit, data, static_cast<size_t>(result)));
    } else if (result < 0) {
        handle.error = L"Read failed: the device did not answer.";
    }
    return result;
}

void VirtualBusHost::close(hid_device* device)
{
    if (!device)
        return;
    auto* handle = reinterpret_cast<Handle*>(device);
    {
        std::lock_guard<std::mutex> lock(handle->host->m_mutex);
        handle->host->closeLocked(*handle);
    }
    delete handle;
}

void VirtualBusHost::closeLocked(Handle& handle)
{
    Slot& slot = *handle.slot;
    --slot.handles;
    if (slot.handles > 0 || slot.gone || !slot.unit)
        return;
    // The last handle closed: the memory goes back to the folder and is read again by the next open, so a
    // change made there in between (another process) is seen.
    persist(slot);
    slot.unit.reset();
}

const wchar_t* VirtualBusHost::error(hid_device* device)
{
    if (!device)
        return t_lastError.c_str();
    auto* handle = reinterpret_cast<Handle*>(device);
    std::lock_guard<std::mutex> lock(handle->host->m_mutex);
    return handle->error.c_str();
}

// ---------------------------------------------------------------------------------------------------------------

bool VirtualBusHost::plug(const QString& name, const UnitIdentity& identity, QString* error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_bus.plug(name, identity, error))
        return false;
    slotFor(name);
    return true;
}

bool VirtualBusHost::unplug(const QString& name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const bool ok = m_bus.unplug(name);
    auto it = m_slots.find(name);
    if (it != m_slots.end())
        markGone(**it);
    return ok;
}

bool VirtualBusHost::setFault(const QString& name, const UnitFault& fault)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_bus.setFault(name, fault))
        return false;
    auto it = m_slots.find(name);
    if (it != m_slots.end() && (*it)->unit && !(*it)->gone) {
        (*it)->unit->setFault(fault);
        (*it)->faultStamp = stampOf((*it)->faultPath);
    }
    return true;
}

std::optional<VirtualUnit> VirtualBusHost::snapshot(const QString& name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_slots.find(name);
    if (it != m_slots.end() && (*it)->unit && !(*it)->gone)
        return *(*it)->unit;
    std::unique_ptr<VirtualUnit> unit = m_bus.load(name);
    if (!unit)
        return std::nullopt;
    return *unit;
}

bool VirtualBusHost::modify(const QString& name, const std::function<void(VirtualUnit&)>& fn)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_bus.isPlugged(name))
        return false;
    std::shared_ptr<Slot> slot = slotFor(name);
    if (!slot->unit) {
        // Kept resident from now on, so engine state set here (a reply override) reaches the next open.
        slot->unit = m_bus.load(name);
        if (!slot->unit)
            return false;
        slot->faultStamp = stampOf(slot->faultPath);
    }
    fn(*slot->unit);
    persist(*slot);
    return true;
}

bool VirtualBusHost::isOpen(const QString& name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_slots.find(name);
    return it != m_slots.end() && (*it)->handles > 0 && !(*it)->gone;
}

QVector<TrafficEntry> VirtualBusHost::traffic(const QString& name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_slots.find(name);
    if (it == m_slots.end())
        return {};
    // A deep copy: the device thread keeps appending to the log, and an implicitly shared copy would
    // hand the caller data whose sharing the two threads decide without the lock.
    QVector<TrafficEntry> copy;
    copy.reserve((*it)->traffic.size());
    for (const TrafficEntry& entry : (*it)->traffic) {
        TrafficEntry detached = entry;
        detached.bytes = QByteArray(entry.bytes.constData(), entry.bytes.size());
        copy.append(detached);
    }
    return copy;
}

void VirtualBusHost::clearTraffic(const QString& name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_slots.find(name);
    if (it != m_slots.end())
        (*it)->traffic.clear();
}
