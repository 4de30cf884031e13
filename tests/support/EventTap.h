#pragma once

#include "DeviceManagerThread.h"
#include "firmwareupdate.h"
#include "progessdialog.h"

#include <QApplication>

// For GUI tests only (header-only). Stands in for the two workers while they are not started: swallows every
// operation event posted to them, records it as "device 1012 Rename" (worker, event type, the title of the
// progress dialog showing at that moment) with what the device worker's setters held, and finishes it with
// operationFinished(result, true) as the worker would. The quiet update check is recorded only.
class EventTap : public QObject
{
public:
    struct Posted
    {
        int setListIndex = 0, presetNumber = 0, presetNumber2 = 0;
        int* record = nullptr;
        QMap<int, int> setListEdit;
        QList<int> destinations, sources;
        QStringList files;
        QString presetName, saveFolder;
        QList<DeviceManagerThread::SaveItem> saveItems;
    };

    EventTap()
    {
        DeviceManagerThread::instance()->installEventFilter(this);
        CFirmwareUpdate::instance()->installEventFilter(this);
    }
    ~EventTap() override
    {
        DeviceManagerThread::instance()->removeEventFilter(this);
        CFirmwareUpdate::instance()->removeEventFilter(this);
    }
    EventTap(const EventTap&) = delete;
    EventTap& operator=(const EventTap&) = delete;

    QStringList summary;
    QList<Posted> posted; // device operations only
    int result = 0;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        const int type = pEvent->type();
        if (type < 1001 || type > 1016)
            return false;
        auto* w = DeviceManagerThread::instance();
        const bool bDevice = pWatched == w;
        QString line = QStringLiteral("%1 %2").arg(bDevice ? "device" : "update").arg(type);
        if (auto* pDialog = qobject_cast<ProgressDialog*>(QApplication::activeModalWidget()))
            line += ' ' + pDialog->windowTitle();
        summary << line;
        if (bDevice) {
            posted << Posted{w->getSetListIndex(),  w->getPresetNumber(), w->getPresetNumber2(),
                             w->getPresetRecord(),  w->getSetListEdit(),  w->getPresetDestinations(),
                             w->getPresetSources(), w->getPresetFiles(),  w->getPresetName(),
                             w->getSaveFolder(),    w->getSaveItems()};
            emit w->operationFinished(result, true);
        } else if (type != 1004) {
            emit CFirmwareUpdate::instance()->operationFinished(result, true);
        }
        return true;
    }
};
