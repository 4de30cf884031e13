#pragma once

#include <QString>
#include <QVector>

// The overwrites of user presets that can still be undone, oldest first, kept in "undo.journal" in the model's
// data folder (beside its back-up folder) so that an undo survives a restart of the program. Before a copy, a
// load from file(s) or a rename replaces user presets, the worker records the records it is about to replace as
// one entry; an undo writes the newest entry's records back and drops it. At most MaxEntries overwrites are kept;
// the oldest goes first.
//
// The file is written whole to a temporary file and renamed into place, and carries a SHA-256 of its content: a
// file cut short, altered or made for another model is refused, never applied, and set aside (never deleted).
//
// Used from the device worker only; nothing in here is locked.
class UndoJournal
{
public:
    static constexpr int MaxEntries = 20;

    // Whose presets the journal holds: the unit's identity as its identity query reports it.
    struct Identity
    {
        int productCode = 0;
        int patchVersion = 0;
        int nameLength = 0;
        int paramCount = 0;
        int presetCount = 0;
        bool operator==(const Identity& other) const;
        bool operator!=(const Identity& other) const { return !(*this == other); }
    };

    // One user preset as it was before an overwrite: its number (1 to presetCount) and its record
    // (nameLength name bytes, then paramCount signed parameters).
    struct Record
    {
        int slot = 0;
        QVector<int> data;
    };
    // One overwrite: every record it replaced, in the order they were written.
    using Entry = QVector<Record>;

    enum class Status
    {
        Ready,      // loaded, or no file yet (an empty journal)
        Damaged,    // cut short, altered, or holding values no unit keeps
        OtherModel, // made for a unit of another identity
        Unreadable  // there but cannot be opened
    };

    // The journal of a model whose data folder is modelFolder.
    static QString pathFor(const QString& modelFolder);

    explicit UndoJournal(QString path = QString());

    QString path() const { return m_strPath; }
    // Reads the file for a unit of this identity. Anything but Ready leaves the journal empty and the file as it is.
    Status load(const Identity& identity);
    Status status() const { return m_status; }
    const Identity& identity() const { return m_identity; }
    int entries() const { return m_entries.size(); }
    // The newest overwrite; only when entries() > 0.
    const Entry& newest() const { return m_entries.constLast(); }

    // Adds an overwrite (dropping the oldest beyond MaxEntries) and writes the file. False, with the journal as
    // it was, when the file could not be written or the journal was refused on loading.
    bool push(const Entry& entry);
    // Drops the newest overwrite and writes the file. False, with the journal as it was, when it could not.
    bool dropNewest();
    // Moves a refused file aside under a name that says so (".damaged-" and the time); the new file name, or
    // empty when it could not be moved.
    QString setAside();

    // The file's bytes for these entries, and the entries read back from bytes (Damaged / OtherModel when they
    // cannot be). Public for the file tests and the fuzz target.
    static QByteArray encode(const Identity& identity, const QVector<Entry>& entries);
    static Status decode(const QByteArray& bytes, const Identity& identity, QVector<Entry>* entries);

private:
    bool save(const QVector<Entry>& entries);

    QString m_strPath;
    Identity m_identity;
    Status m_status = Status::Ready;
    QVector<Entry> m_entries;
};
