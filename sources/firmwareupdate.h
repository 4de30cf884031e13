#pragma once

#include <QEvent>
#include <QString>
#include <QThread>
#include <atomic>

// The update service: a thread object with its own event loop. The window and the settings dialog post it
// plain QEvents whose type number names the request; results go back through the signals below, queued to
// the GUI thread. One process-wide instance, reached through instance().
class CFirmwareUpdate : public QThread
{
    Q_OBJECT
    Q_DISABLE_COPY(CFirmwareUpdate)

public:
    // Request events of the update service. Their numbers overlap those of the device worker; each poster
    // sends a given request to one receiver only.
    static constexpr QEvent::Type CheckAppUpdateEvent = static_cast<QEvent::Type>(1001);
    static constexpr QEvent::Type CheckAppUpdateSilentEvent = static_cast<QEvent::Type>(1002);
    static constexpr QEvent::Type CheckFirmwareUpdateEvent = static_cast<QEvent::Type>(1003);
    static constexpr QEvent::Type CheckFirmwareUpdateSilentEvent = static_cast<QEvent::Type>(1004);
    static constexpr QEvent::Type DownloadFirmwareEvent = static_cast<QEvent::Type>(1005);
    static constexpr QEvent::Type DownloadAppEvent = static_cast<QEvent::Type>(1006);
    static constexpr int FirstEvent = CheckAppUpdateEvent;
    static constexpr int LastEvent = DownloadAppEvent;

    // The process-wide object, created on first use with the parent given then. Call it first on the GUI
    // thread (the window does so in initialize()) before any worker asks for it.
    static CFirmwareUpdate* instance(QObject* parent = nullptr);
    ~CFirmwareUpdate() override;

    // Set by the window before it shuts the thread down: requests still queued are then ignored.
    void setStopping(bool bStopping);
    bool isStopping() const;

    // USB product ID of the connected unit, -1 when none. Written by the device poll on its own thread.
    void setProductId(int iProductId);
    int productId() const;

signals:
    void dataSent(quint64 totalBytes, quint64 receivedBytes);
    void newVersions(QString dspVersion, QString dspUrl, QString fwVersion, QString fwUrl, QString appVersion,
                     QString appUrl, bool bAppUpdate);
    void updateCheckFailed(QString errorString);
    void operationFinished(int, bool bClose = true);
    void updateText(QString);
    void appDownLoadFinished(QString installerPath);

protected:
    void customEvent(QEvent* event) override;
    void run() override;

private:
    explicit CFirmwareUpdate(QObject* parent);

    static std::atomic<CFirmwareUpdate*> s_pInstance;

    std::atomic<int> m_iProductId{-1};
    std::atomic<bool> m_bStopping{false};
};
