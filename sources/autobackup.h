#pragma once

#include <QDateTime>
#include <QFileInfoList>
#include <QString>

// The back-up the worker takes of the unit before it overwrites everything on it (a restore, a factory rewrite,
// a firmware write). It goes into the model's back-up folder beside the user's own back-ups, under a name that
// says it is automatic, what came next and when: "Auto before restore 2026-12-06 14-03-22.tarb". The newest Kept
// automatic back-ups of a folder stay; older automatic ones are removed; a user's own file is never touched.
class AutoBackUp
{
public:
    enum class Before
    {
        Restore,
        FactoryUpdate,
        FirmwareUpdate
    };
    static constexpr int Kept = 10;

    // A free file name in folder for a back-up taken now (with " (2)", " (3)" ... when one of that second exists).
    static QString newPath(const QString& folder, Before what, const QDateTime& when, const QString& extension);
    // True for a name made by newPath (of any kind), whatever folder it is in.
    static bool isAutomatic(const QString& fileName);
    // Removes the automatic back-ups with this extension beyond the newest Kept. Returns how many were removed.
    static int rotate(const QString& folder, const QString& extension);
    // Every back-up with this extension in folder, automatic and the user's own alike, newest first.
    static QFileInfoList newestFirst(const QString& folder, const QString& extension);

private:
    AutoBackUp() = delete;
};
