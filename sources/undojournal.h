#pragma once

#include <QString>
#include <QVector>

#include <functional>

// The overwrites a singer can still undo (and the undos they can still redo), kept per unit in the model's data
// folder ("undo.journal" for a unit without a serial number, "undo <key>.journal" for each unit that has one), so
// an undo survives a restart and never reaches another unit of the same model.
//
// Each entry names what it did ("copy F03 to U08") and keeps, for every user preset and set list it changed, the
// record before and the record written. An undo puts the "before" back only while the slot still holds exactly
// what was written; otherwise the slot was changed since (on the unit's panel, by another program, by a restore)
// and the undo is refused unless the user says to go on. A redo is the same the other way round. A new overwrite
// ends what could be redone.
//
// The file is written whole to a temporary file and renamed into place, carries a SHA-256 of its content, and is
// changed under a lock file by reading it again first, so two programs keep each other's entries. A file cut
// short, altered, or made for another unit is refused, never applied, and set aside (never deleted).
class UndoJournal
{
public:
    static constexpr int MaxEntries = 20;

    // Whose presets the journal holds: the unit's identity as its identity query reports it, and its serial number.
    struct Identity
    {
        int productCode = 0;
        int patchVersion = 0;
        int nameLength = 0;
        int paramCount = 0;
        int presetCount = 0;
        QString serial;
        bool operator==(const Identity& other) const;
        bool operator!=(const Identity& other) const { return !(*this == other); }
    };

    // One user preset: its number (1 to presetCount), the record before the overwrite and the record written
    // (nameLength name bytes, then paramCount signed parameters). An empty `after` is a write that never finished:
    // what the slot holds cannot be vouched for.
    struct Record
    {
        int slot = 0;
        QVector<int> before;
        QVector<int> after;
    };
    // One set list (0 favourites, 1 to 4 set lists A to D): its 20 slot values before and after.
    struct SetList
    {
        int index = 0;
        QVector<int> before;
        QVector<int> after;
    };
    struct Entry
    {
        QString description;
        QVector<Record> records;
        QVector<SetList> setLists;
        bool isEmpty() const { return records.isEmpty() && setLists.isEmpty(); }
    };

    enum class Status
    {
        Ready,      // loaded, or no file yet (an empty journal)
        Damaged,    // cut short, altered, or holding values no unit keeps
        OtherModel, // made for another unit
        Unreadable  // there but cannot be opened
    };

    // The journal of the unit with this serial number in a model whose data folder is modelFolder.
    static QString pathFor(const QString& modelFolder, const QString& serial = QString());

    explicit UndoJournal(QString path = QString());

    QString path() const { return m_strPath; }
    // Reads the file for a unit of this identity. Anything but Ready leaves the journal empty and the file as it is.
    Status load(const Identity& identity);
    Status status() const { return m_status; }
    const Identity& identity() const { return m_identity; }
    int entries() const { return m_undo.size(); }
    int redoEntries() const { return m_redo.size(); }
    // The newest overwrite (only when entries() > 0) and the newest undo (only when redoEntries() > 0).
    const Entry& newest() const { return m_undo.constLast(); }
    const Entry& newestUndone() const { return m_redo.constLast(); }

    // Each change reads the file again under its lock, applies itself and writes the file; false, with the
    // journal as it was, when the file could not be written or was refused on loading.
    // A new overwrite (dropping the oldest beyond MaxEntries; nothing can be redone after it).
    bool push(const Entry& entry);
    // The newest overwrite with the records it wrote filled in (`after` by slot, set lists by index).
    bool complete(const Entry& written);
    // Drops the newest overwrite (refused before it wrote anything).
    bool dropNewest();
    // An undo done: the newest overwrite becomes the newest redo. A redo done: the other way round.
    bool undone();
    bool redone();
    // Forgets everything (a restore replaced every preset and set list).
    bool clear();
    // Moves a refused file aside under a name that says so (".damaged-" and the time); the new file name, or
    // empty when it could not be moved.
    QString setAside();

    // The file's bytes for these lists, and the lists read back from bytes (Damaged / OtherModel when they cannot
    // be). Public for the file tests and the fuzz target.
    static QByteArray encode(const Identity& identity, const QVector<Entry>& undo, const QVector<Entry>& redo);
    static Status decode(const QByteArray& bytes, const Identity& identity, QVector<Entry>* undo, QVector<Entry>* redo);

private:
    bool change(const std::function<bool(QVector<Entry>& undo, QVector<Entry>& redo)>& apply);
    Status read(QVector<Entry>* undo, QVector<Entry>* redo) const;

    QString m_strPath;
    Identity m_identity;
    Status m_status = Status::Ready;
    QVector<Entry> m_undo;
    QVector<Entry> m_redo;
};
