#pragma once

#include "firmwareupdate.h"

#include <QObject>
#include <QStringList>

// Every signal of the update service as one ordered list of texts, recorded on the thread that creates the
// log. When the service runs on its own thread the signals queue into this one in the order they were emitted.
// dataSent is counted apart (it comes from the download manager's thread and only its last values matter).
class UpdateSignalLog : public QObject
{
public:
    explicit UpdateSignalLog(CFirmwareUpdate* service)
    {
        using U = CFirmwareUpdate;
        connect(service, &U::operationFinished, this, [this](int code, bool bClose) {
            m_entries.append(QString("operationFinished(%1,%2)").arg(code).arg(bClose ? "true" : "false"));
        });
        connect(service, &U::newVersions, this,
                [this](const QString& dspVersion, const QString& dspUrl, const QString& fwVersion, const QString& fwUrl,
                       const QString& appVersion, const QString& appUrl, bool bApp) {
                    const QStringList parts{
                        dspVersion, dspUrl, fwVersion, fwUrl, appVersion, appUrl, bApp ? "true" : "false"};
                    m_entries.append("newVersions(" + parts.join('|') + ")");
                });
        connect(service, &U::updateCheckFailed, this,
                [this](const QString& text) { m_entries.append("updateCheckFailed(" + text + ")"); });
        connect(service, &U::updateText, this,
                [this](const QString& text) { m_entries.append("updateText(" + text + ")"); });
        connect(service, &U::appDownLoadFinished, this,
                [this](const QString& path) { m_entries.append("appDownLoadFinished(" + path + ")"); });
        connect(service, &U::dataSent, this, [this](quint64 total, quint64 received) {
            ++m_iProgressCount;
            m_lastTotal = total;
            m_lastReceived = received;
        });
    }

    QStringList entries() const { return m_entries; }
    int progressCount() const { return m_iProgressCount; }
    quint64 lastTotal() const { return m_lastTotal; }
    quint64 lastReceived() const { return m_lastReceived; }

    // The newVersions entry with nothing on offer.
    static QString noVersions(bool bApp) { return QString("newVersions(||||||%1)").arg(bApp ? "true" : "false"); }

private:
    QStringList m_entries;
    int m_iProgressCount = 0;
    quint64 m_lastTotal = 0;
    quint64 m_lastReceived = 0;
};
