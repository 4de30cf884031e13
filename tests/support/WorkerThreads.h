#pragma once

#include "DeviceManagerThread.h"
#include "firmwareupdate.h"

#include <QThread>

// The two workers run on their own threads as the window runs them: each object moved into itself and started.
inline void startWorkers(std::initializer_list<QThread*> workers)
{
    for (QThread* worker : workers)
        worker->moveToThread(worker), worker->start();
}

// Both stopped the way the window stops them on close, then deleted; a worker never started is only deleted.
inline void stopWorkers(DeviceManagerThread* device, CFirmwareUpdate* update = CFirmwareUpdate::instance())
{
    device->setAbort(true);
    update->setStopping(true);
    for (QThread* worker : {static_cast<QThread*>(device), static_cast<QThread*>(update)})
        worker->quit(), worker->wait(), delete worker;
}
