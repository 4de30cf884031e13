#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMutex>
#include <QString>

// The user's preferences and a little window and update state, kept between runs in the per-user
// settings store (organisation "Aurivell", application "TessitraStageLibrarian", group "Settings").
//
// The cached part (the public values) is read and written by callers directly; re-run readSettings()
// before acting on it, so a value stored by another part of the window in the meantime is picked up.
// readSettings, writeSettings and resetToDefaults hold m_mutex for their whole run; direct field access,
// the pending-URL setter and the pass-through accessors take no lock and belong to the GUI thread.
//
// Update mode from the two flags: "Never" = manual and not monthly, "On Startup" = neither,
// "Once a Month" = monthly (then manual is false).
class CSettings
{
public:
    // The one object, created and read from the store on first use; it lives until the process ends.
    static CSettings* instance();

    // Reloads Language, ManualUpdate, MonthlyUpdate, LastCheckedDate, PendingFwUrl, AutoBackup and VerifyWrites.
    void readSettings();
    // Stores Language, ManualUpdate, MonthlyUpdate, LastCheckedDate, AutoBackup and VerifyWrites. PendingFwUrl
    // has its own setter.
    void writeSettings();
    // Language 0, both update flags false, no last check, automatic back-up and verification on. The pending URL
    // stays; nothing is written.
    void resetToDefaults();

    // Keeps the URL and stores PendingFwUrl at once (an empty URL is stored as an empty value).
    void setPendingFwUrl(const QString& url);

    // Straight to the store on every call; nothing of these is cached.
    void setWindowsGeometry(const QByteArray& geometry);
    QByteArray windowsGeometry() const;
    void setWindowsStates(int states);
    int windowsStates() const;
    void setFileSystemPath(const QString& path);
    QString fileSystemPath() const;
    void setSplitterHSizes(const QByteArray& sizes);
    QByteArray splitterHSizes() const;
    void setSplitterVSizes(const QByteArray& sizes);
    QByteArray splitterVSizes() const;

    int m_iLanguage = 0;               // interface language: 0 follows the desktop, then Language::Choices
    bool m_bManualUpdate = false;      // firmware checks only when the user asks
    bool m_bMonthlyUpdate = false;     // firmware check once a month
    QDateTime m_DateTimeLastChecked;   // start of the last update check; invalid when never checked
    QString m_strPendingFwUrl;         // firmware image still to apply after a DSP update; empty when none
    bool m_bAutoBackup = true;         // back the unit up before a restore, factory rewrite or firmware write
    bool m_bVerifyWrites = true;       // read every written record back and compare
    QMutex m_mutex;

private:
    CSettings();
    ~CSettings() = default;
    Q_DISABLE_COPY(CSettings)
};
