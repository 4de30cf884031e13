#pragma once

#include "VirtualUnit.h"

#include <QString>
#include <QStringList>

#include <memory>

// The bus folder: every plugged unit is one sub-folder named after the unit, holding
//   unit.ini      model and identity (written when plugged)
//   state.ini     firmware received, error counters (written with the memory)
//   presets.bin   every record in wire form, user storage then factory storage
//   setlists.bin  5 x 20 bytes
//   sysparams.bin 200 little-endian words
//   dsp.bin, micro.bin   the firmware images received
//   fault.ini     the fault setting (written by the CLI or a test, only read by the backend)
// A unit is plugged while its folder holds unit.ini and fault.ini. Plain files, no locks: one process
// writes the memory (the backend that has the unit open), others only read it or change the fault.
class VirtualBus
{
public:
    explicit VirtualBus(const QString& dir);

    QString dir() const { return m_dir; }
    QString unitDir(const QString& name) const;
    QString faultFile(const QString& name) const;

    // Letters, digits, '-' and '_', 1 to 64 characters.
    static bool isValidName(const QString& name);

    // Names of the plugged units, sorted.
    QStringList units() const;
    bool isPlugged(const QString& name) const;
    // The first free name of the form Ariette1, Ariette2 ... (Cadenzo1 ...).
    QString nextFreeName(UnitModel model) const;

    // Creates the unit's folder with factory content. Fails if the name is taken or the identity is bad.
    bool plug(const QString& name, const UnitIdentity& identity, QString* error = nullptr);
    // Removes the unit's folder.
    bool unplug(const QString& name, QString* error = nullptr);

    // Reads identity and memory; nullptr with *error set when the folder is missing or damaged.
    std::unique_ptr<VirtualUnit> load(const QString& name, QString* error = nullptr) const;
    bool readIdentity(const QString& name, UnitIdentity* identity, QString* error = nullptr) const;
    // Writes the memory back (not the identity, not the fault). Fails if the unit was unplugged.
    // Firmware images are rewritten only when a transfer closed since the unit was last saved or loaded.
    bool save(const QString& name, VirtualUnit& unit, QString* error = nullptr) const;

    UnitFault fault(const QString& name) const;
    bool setFault(const QString& name, const UnitFault& fault, QString* error = nullptr) const;

private:
    QString m_dir;
};
