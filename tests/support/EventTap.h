#pragma once

#include "DeviceManagerThread.h"
#include "firmwareupdate.h"
#include "progessdialog.h"

#include <QtWidgets>

// "2-4,7" for 2, 3, 4, 7.
inline QString ranges(const QList<int>& numbers)
{
    QStringList parts;
    for (int i = 0; i < numbers.size(); ++i) {
        int j = i;
        while (j + 1 < numbers.size() && numbers.at(j + 1) == numbers.at(j) + 1)
            ++j;
        parts << (j == i ? QString::number(numbers.at(i)) : QString("%1-%2").arg(numbers.at(i)).arg(numbers.at(j)));
        i = j;
    }
    return parts.join(',');
}

// For GUI tests only (header-only). Stands in for the two workers while they are not started: swallows every
// operation event posted to them and records it as one line (the worker, the event type, the title of the
// progress dialog showing at that moment, then what the device worker's setters hold for that operation:
// "device 1006 Editing Set List 3:0=31 1=0 ...", "device 1011 Load Preset to 2-4 from 101-103",
// "device 1009 Load Preset to 19-20 files 1-2" for f1.tarp and f2.tarp, "device 1007 Save Presets files 1,3
// to <folder>", "device 1012 Rename 3 'Lead Vox' -1 data"), then finishes it with operationFinished(result,
// true) as the worker would. The quiet update check is recorded only.
class EventTap : public QObject
{
public:
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
    Q_DISABLE_COPY(EventTap)

    QStringList summary;
    int result = 0;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        const int type = pEvent->type();
        if (type < 1001 || type > 1016)
            return false;
        DeviceManagerThread* w = DeviceManagerThread::instance();
        QString line = QStringLiteral("%1 %2").arg(pWatched == w ? "device" : "update").arg(type);
        if (auto* pDialog = qobject_cast<ProgressDialog*>(QApplication::activeModalWidget()))
            line += ' ' + pDialog->windowTitle();
        if (pWatched != w) {
            summary << line;
            if (type != 1004)
                emit CFirmwareUpdate::instance()->operationFinished(result, true);
            return true;
        }
        QList<int> numbers; // of the files handed over (f1.tarp...), or of the presets to save
        for (const QString& file : type == 1009 ? w->getPresetFiles() : QStringList())
            numbers << QFileInfo(file).baseName().mid(1).toInt();
        for (const DeviceManagerThread::SaveItem& item : w->getSaveItems())
            numbers << (type == 1007 ? item.presetNumber : 0);
        numbers.removeAll(0);
        const QMap<int, int> edit = w->getSetListEdit();
        if (type == 1006)
            line += QString(" %1:").arg(w->getSetListIndex());
        for (auto it = edit.cbegin(); it != edit.cend() && type == 1006; ++it)
            line += QString("%1=%2 ").arg(it.key()).arg(it.value());
        if (type == 1009 || type == 1011)
            line += " to " + ranges(w->getPresetDestinations());
        if (type == 1011)
            line += " from " + ranges(w->getPresetSources());
        if (type == 1007 || type == 1009)
            line += " files " + ranges(numbers) + (type == 1007 ? " to " + w->getSaveFolder() : QString());
        if (type == 1012)
            line +=
                QString(" %1 '%2' %3 ").arg(w->getPresetNumber()).arg(w->getPresetName()).arg(w->getPresetNumber2()) +
                (w->getPresetRecord() != nullptr ? "data" : "none");
        summary << line.trimmed();
        emit w->operationFinished(result, true);
        return true;
    }
};
