#pragma once

#include <QString>

// One program at a time talks to the unit: the window and the command line both take this lock (a lock file)
// before they open a unit, and hold it until their device worker ends. Two programs sending reports at once
// would answer each other's requests. A holder that is still running never loses it, however long it runs; the
// lock of a program that died is taken over.
//
// The front end names the file before its worker starts; with no file named (the test suites, which drive the
// worker inside one process) nothing is locked.
namespace UnitLock {
// "unit.lock" in the product's data folder for the real HID stack, so every program of this user finds it whatever
// its environment; in the bus folder for a virtual bus (each bus folder is a bus of its own).
QString defaultPath(const QString& virtualBusFolder);
void setPath(const QString& path);

// True when this process holds the lock (taken now, or earlier). Any thread.
bool acquire();
void release();

// Who holds it when acquire() failed: the holder's program name as it wrote it, empty when unknown.
QString holder();
} // namespace UnitLock
