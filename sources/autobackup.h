#pragma once

#include <QDateTime>
#include <QFileInfoList>
#include <QString>
#include <QStringList>
#include <QVector>

struct BackUpImage;

// The back-ups the worker takes of the unit before it overwrites everything on it (a restore, a factory rewrite, a
// firmware write). They go into the model's back-up folder beside the user's own back-ups, under a name that says
// what came next and when: "Auto before restore 2026-12-06 14-03-22.tarb". The time in the name is for the reader
// only; nothing is ordered by it.
//
// The rules the net keeps:
// - Which files are automatic, and in what order they were taken, is written in the folder's index
//   (".autobackups", one line a back-up: number, unit, SHA-256, file name). A file counts as automatic only while
//   it is listed and still holds the bytes written: a copy the user made, or a file the user changed, is theirs and
//   never removed, whatever its name.
// - Order is the order of taking (the index's number), never a clock: a time-zone or clock change changes names,
//   not what is kept.
// - Each unit (the unit's own serial number, so two units of one model on tour keep their own) keeps its newest
//   Kept automatic back-ups of each kind; older ones are removed, but never the newest, never the one just taken,
//   and never a file the running operation reads (the back-up being restored).
// - A state already kept (the same image as this unit's newest automatic back-up of that kind) is not taken again:
//   the newest one is the way back, and nothing is rotated out by retries.
// - Two programs taking back-ups at once take turns on the folder's lock; each file is created new, never written
//   over another.
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

    struct Entry
    {
        qint64 number = 0; // order of taking, 1 upwards
        QString unit;      // the unit's serial number, empty when it gives none
        QByteArray sha256; // hex of the file's bytes as written
        QString fileName;
    };

    // folder: the model's back-up folder; extension with its dot (".tarb", ".tscb", or ".dat" for a factory bank);
    // unit: the connected unit's serial number.
    AutoBackUp(QString folder, QString extension, QString unit);

    // Keeps `image` as this unit's automatic back-up before `what`: *path is then the file that holds it, either
    // this unit's newest automatic back-up of this kind when it holds the same image, or a new file. Older ones are
    // rotated out, except the files in `protect`. 0, or FileWriteFailed when the image could not be kept.
    int keep(const BackUpImage& image, Before what, const QDateTime& when, const QStringList& protect, QString* path);

    // The index as it stands, oldest first (only entries whose files still hold what was written).
    QVector<Entry> entries() const;

    // Every back-up with this extension in folder, automatic and the user's own alike, newest first by the file's
    // time (for the list the user picks from; nothing is removed by this order).
    static QFileInfoList newestFirst(const QString& folder, const QString& extension);
    // The name a back-up taken at `when` before `what` gets (before any " (2)" a taken name needs).
    static QString baseName(Before what, const QDateTime& when);

private:
    QVector<Entry> readIndex() const;
    bool writeIndex(const QVector<Entry>& entries) const;
    QString indexPath() const;

    QString m_strFolder;
    QString m_strExtension;
    QString m_strUnit;
};
