#include "deviceinfo.h"

#include <QMutexLocker>

DeviceInfo g_deviceInfo;

QString DeviceInfo::dspVersion() const
{
    QMutexLocker lock(&m_mutex);
    return m_strDspVersion;
}

QString DeviceInfo::firmwareVersion() const
{
    QMutexLocker lock(&m_mutex);
    return m_strFirmwareVersion;
}

void DeviceInfo::setVersionTexts(const QString& dsp, const QString& firmware)
{
    QMutexLocker lock(&m_mutex);
    m_strDspVersion = dsp;
    m_strFirmwareVersion = firmware;
}
