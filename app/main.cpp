#include "app.h"
#include "hidseam.h"
#include "unitlock.h"

#include "virtualunit/VirtualHidBackend.h"

#include <QByteArray>
#include <QString>

int main(int argc, char* argv[])
{
    // The real HID stack, unless TESSITRA_VIRTUAL_BUS names a folder of virtual units (demonstrations, the
    // package check, scripts/run).
    const QString bus = QString::fromLocal8Bit(qgetenv("TESSITRA_VIRTUAL_BUS"));
    if (!bus.isEmpty())
        HidSeam::setApi(&VirtualHidBackend::api(bus));
    UnitLock::setPath(UnitLock::defaultPath(bus));

    initTessitraResources();
    return tessitraMain(argc, argv);
}
