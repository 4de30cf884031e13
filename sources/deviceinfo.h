#pragma once

#include <mutex>
#include <QString>
#include <atomic>

// Identity of the connected unit. Only the identity query on the device thread writes it; the window and
// the update check read it from the GUI thread, so the numbers are atomic and the texts sit behind a lock.
// It keeps its last values when the unit goes away.
struct DeviceInfo
{
    std::atomic<int> hardwareProductCode{0};
    std::atomic<int> hardwarePatchVersion{0};
    std::atomic<int> maxPresetNameLength{0};
    std::atomic<int> maxPresetParamLength{0};
    std::atomic<int> presetCount{0};

    QString dspVersion() const;      // "DSP v%1.%2"
    QString firmwareVersion() const; // "Firmware v%1.%2"
    void setVersionTexts(const QString& dsp, const QString& firmware);

private:
    // std::mutex rather than QMutex: ThreadSanitizer sees its synchronisation, while the slow path of the
    // distribution's QMutex lies in an uninstrumented library and would make every contended read look racy.
    mutable std::mutex m_mutex;
    QString m_strDspVersion;
    QString m_strFirmwareVersion;
};

extern DeviceInfo g_deviceInfo;
