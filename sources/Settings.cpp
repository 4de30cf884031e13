#include "Settings.h"

#include "log.h"

#include <QSettings>
#include <QVariant>

namespace {
const char* const kOrganisation = "Aurivell";
const char* const kApplication = "TessitraStageLibrarian";
const char* const kGroup = "Settings";

const char* const kLanguage = "Language";
const char* const kManualUpdate = "ManualUpdate";
const char* const kMonthlyUpdate = "MonthlyUpdate";
const char* const kLastCheckedDate = "LastCheckedDate";
const char* const kPendingFwUrl = "PendingFwUrl";
const char* const kAutoBackup = "AutoBackup";
const char* const kVerifyWrites = "VerifyWrites";
const char* const kWindowsGeometry = "WindowsGeometry";
const char* const kWindowsStates = "WindowsStates";
const char* const kFileSystemPath = "FileSystemPath";
const char* const kSplitterHSizes = "SplitterHSizes";
const char* const kSplitterVSizes = "SplitterVSizes";

const char* boolText(bool value)
{
    return value ? "true" : "false";
}

// The pass-through values each open the store, touch one key of the group and close it again.
QVariant readValue(const char* key, const QVariant& fallback)
{
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    settings.beginGroup(QString::fromLatin1(kGroup));
    const QVariant value = settings.value(QString::fromLatin1(key), fallback);
    settings.endGroup();
    return value;
}

void writeValue(const char* key, const QVariant& value)
{
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    settings.beginGroup(QString::fromLatin1(kGroup));
    settings.setValue(QString::fromLatin1(key), value);
    settings.endGroup();
}
} // namespace

CSettings::CSettings()
{
    readSettings();
}

CSettings* CSettings::instance()
{
    static CSettings settings;
    return &settings;
}

void CSettings::readSettings()
{
    QMutexLocker lock(&m_mutex);
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    settings.beginGroup(QString::fromLatin1(kGroup));
    m_iLanguage = settings.value(QString::fromLatin1(kLanguage), 0).toInt();
    m_bManualUpdate = settings.value(QString::fromLatin1(kManualUpdate), false).toBool();
    m_bMonthlyUpdate = settings.value(QString::fromLatin1(kMonthlyUpdate), false).toBool();
    m_DateTimeLastChecked = settings.value(QString::fromLatin1(kLastCheckedDate), QDateTime()).toDateTime();
    m_strPendingFwUrl = settings.value(QString::fromLatin1(kPendingFwUrl), QString()).toString();
    m_bAutoBackup = settings.value(QString::fromLatin1(kAutoBackup), true).toBool();
    m_bVerifyWrites = settings.value(QString::fromLatin1(kVerifyWrites), true).toBool();

    // On Windows the store is the registry, hence the banner.
    TS_DEBUG("*********Registry: begin************");
    TS_DEBUG("Settings file path: %s", settings.fileName().toLocal8Bit().constData());
    TS_DEBUG("m_manualUpdate: %s", boolText(m_bManualUpdate));
    TS_DEBUG("m_monthlyUpdate: %s", boolText(m_bMonthlyUpdate));
    TS_DEBUG("m_DateTimeLastChecked: %s", m_DateTimeLastChecked.toString(Qt::ISODate).toLocal8Bit().constData());
    TS_DEBUG("**********Registry: end*************");
    settings.endGroup();
}

void CSettings::writeSettings()
{
    QMutexLocker lock(&m_mutex);
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    settings.beginGroup(QString::fromLatin1(kGroup));
    settings.setValue(QString::fromLatin1(kLanguage), m_iLanguage);
    settings.setValue(QString::fromLatin1(kManualUpdate), m_bManualUpdate);
    settings.setValue(QString::fromLatin1(kMonthlyUpdate), m_bMonthlyUpdate);
    settings.setValue(QString::fromLatin1(kLastCheckedDate), m_DateTimeLastChecked);
    settings.setValue(QString::fromLatin1(kAutoBackup), m_bAutoBackup);
    settings.setValue(QString::fromLatin1(kVerifyWrites), m_bVerifyWrites);
    settings.endGroup();
}

void CSettings::resetToDefaults()
{
    QMutexLocker lock(&m_mutex);
    m_iLanguage = 0;
    m_bManualUpdate = false;
    m_bMonthlyUpdate = false;
    m_DateTimeLastChecked = QDateTime();
    m_bAutoBackup = true;
    m_bVerifyWrites = true;
}

void CSettings::setPendingFwUrl(const QString& url)
{
    m_strPendingFwUrl = url;
    writeValue(kPendingFwUrl, url);
}

void CSettings::setWindowsGeometry(const QByteArray& geometry)
{
    writeValue(kWindowsGeometry, geometry);
}

QByteArray CSettings::windowsGeometry() const
{
    return readValue(kWindowsGeometry, QByteArray()).toByteArray();
}

void CSettings::setWindowsStates(int states)
{
    writeValue(kWindowsStates, states);
}

int CSettings::windowsStates() const
{
    return readValue(kWindowsStates, 0).toInt();
}

void CSettings::setFileSystemPath(const QString& path)
{
    writeValue(kFileSystemPath, path);
}

QString CSettings::fileSystemPath() const
{
    return readValue(kFileSystemPath, QString()).toString();
}

void CSettings::setSplitterHSizes(const QByteArray& sizes)
{
    writeValue(kSplitterHSizes, sizes);
}

QByteArray CSettings::splitterHSizes() const
{
    return readValue(kSplitterHSizes, QByteArray()).toByteArray();
}

void CSettings::setSplitterVSizes(const QByteArray& sizes)
{
    writeValue(kSplitterVSizes, sizes);
}

QByteArray CSettings::splitterVSizes() const
{
    return readValue(kSplitterVSizes, QByteArray()).toByteArray();
}
