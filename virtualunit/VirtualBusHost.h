#pragma once

#include "VirtualBus.h"
#include "VirtualUnit.h"

#include <hidapi/hidapi.h>

#include <QHash>
#include <mutex>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

// This process's side of one bus folder: the units it has open, their traffic, and the hidapi-shaped
// calls that VirtualHidBackend forwards to. Every member is thread-safe (one mutex): the device thread
// talks to the units while tests inspect and change them.
//
// A unit's memory is loaded from its folder when the first handle opens it and written back at the end
// of each transaction and on close. Fault changes made by another process are picked up on the next
// write (the fault file's time stamp is checked); a unit whose folder is gone fails every call.
class VirtualBusHost
{
public:
    // The one host of a bus folder in this process (created on first use, lives until exit).
    static VirtualBusHost& forDir(const QString& busDir);

    QString dir() const { return m_bus.dir(); }
    // "virtual:<bus folder>/<name>": the path enumerate reports and open takes.
    QString devicePath(const QString& name) const;

    // --- hidapi-shaped -------------------------------------------------------------------------------------
    // Plugged units matching the IDs (0 = any), as a malloc'ed list that freeEnumeration frees.
    hid_device_info* enumerate(unsigned short vendorId, unsigned short productId);
    static void freeEnumeration(hid_device_info* devices);
    // nullptr when the path names no plugged unit of this bus.
    hid_device* open(const QString& path);
    // The calls on an open handle find their host through the handle.
    static int write(hid_device* device, const unsigned char* data, size_t length);
    static int read(hid_device* device, unsigned char* data, size_t length);
    static void close(hid_device* device);
    // Text of the last failure on that handle (nullptr: of the last enumerate or open on this thread).
    static const wchar_t* error(hid_device* device);

    // --- inspection and control (tests, fixture) ------------------------------------------------------------
    bool plug(const QString& name, const UnitIdentity& identity, QString* error = nullptr);
    bool unplug(const QString& name);
    bool setFault(const QString& name, const UnitFault& fault);
    // A copy of the unit's memory as this process sees it now (open: in memory, else from its folder).
    std::optional<VirtualUnit> snapshot(const QString& name);
    // Runs fn on the unit under the lock and saves the result; false when the unit is not plugged.
    bool modify(const QString& name, const std::function<void(VirtualUnit&)>& fn);
    bool isOpen(const QString& name);
    QVector<TrafficEntry> traffic(const QString& name);
    void clearTraffic(const QString& name);

    ~VirtualBusHost();
    VirtualBusHost(const VirtualBusHost&) = delete;
    VirtualBusHost& operator=(const VirtualBusHost&) = delete;

private:
    struct Slot;
    struct Handle;
    explicit VirtualBusHost(const QString& dir);
    std::shared_ptr<Slot> slotFor(const QString& name); // creates an empty slot when missing
    bool checkPlugged(Handle& handle);                  // false (and the handle's error set) once unplugged
    void markGone(Slot& slot);
    void persist(Slot& slot);
    int writeLocked(Handle& handle, const unsigned char* data, size_t length);
    int readLocked(Handle& handle, unsigned char* data, size_t length);
    void closeLocked(Handle& handle);

    std::mutex m_mutex;
    VirtualBus m_bus;
    QHash<QString, std::shared_ptr<Slot>> m_slots;
};
