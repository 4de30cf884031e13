#include "deviceinfo.h"


DeviceInfo g_deviceInfo;

QString DeviceInfo::dspVersion() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_strDspVersion;
}

QString DeviceInfo::firmwareVersion() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_strFirmwareVersion;
}

void DeviceInfo::setVersionTexts(const QString& dsp, const QString& firmware)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_strDspVersion = dsp;
    m_strFirmwareVersion = firmware;
}
