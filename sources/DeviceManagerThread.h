#pragma once

#include <QEvent>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThread>
#include <atomic>

#include "autobackup.h"
#include "backupimage.h"
#include "operationplan.h"
#include "undojournal.h"
#include <mutex>

class CUSBConnect;
class PresetButton;
class QTimer;

// Preset records and set lists travel from the worker to the window as heap arrays in queued signals.
Q_DECLARE_METATYPE(int*)
Q_DECLARE_METATYPE(const int*)
Q_DECLARE_METATYPE(BackUpImage)

// The device worker: owns the link to the unit, polls for it once a second and runs every device
// operation one at a time on its own event loop. The window posts a plain QEvent whose type number names
// the operation after storing the operation's data through a setter; results come back as queued signals.
// One process-wide instance, reached through instance().
class DeviceManagerThread : public QThread
{
    Q_OBJECT
    Q_DISABLE_COPY(DeviceManagerThread)

public:
    // Operation events. The update service has its own numbers starting at 1001 too; each poster sends a
    // given event to one receiver only.
    static constexpr QEvent::Type ReadFactoryPresetsEvent = static_cast<QEvent::Type>(1001);
    static constexpr QEvent::Type RefreshFactoryPresetsEvent = static_cast<QEvent::Type>(1002);
    static constexpr QEvent::Type ReadUserPresetsEvent = static_cast<QEvent::Type>(1003);
    static constexpr QEvent::Type RefreshUserPresetsEvent = static_cast<QEvent::Type>(1004);
    static constexpr QEvent::Type ReadSetListsEvent = static_cast<QEvent::Type>(1005);
    static constexpr QEvent::Type WriteSetListEvent = static_cast<QEvent::Type>(1006);
    static constexpr QEvent::Type SavePresetsToFilesEvent = static_cast<QEvent::Type>(1007);
    static constexpr QEvent::Type LoadPresetFileEvent = static_cast<QEvent::Type>(1008);
    static constexpr QEvent::Type LoadPresetFilesEvent = static_cast<QEvent::Type>(1009);
    static constexpr QEvent::Type CopyPresetEvent = static_cast<QEvent::Type>(1010);
    static constexpr QEvent::Type CopyPresetsEvent = static_cast<QEvent::Type>(1011);
    static constexpr QEvent::Type RenamePresetEvent = static_cast<QEvent::Type>(1012);
    static constexpr QEvent::Type BackUpEvent = static_cast<QEvent::Type>(1013);
    static constexpr QEvent::Type RestoreEvent = static_cast<QEvent::Type>(1014);
    static constexpr QEvent::Type UpdateFactoryPresetsEvent = static_cast<QEvent::Type>(1015);
    static constexpr QEvent::Type UpdateFirmwareEvent = static_cast<QEvent::Type>(1016);
    // Writes the newest overwrite of the undo journal back into the unit and drops it from the journal.
    static constexpr QEvent::Type UndoEvent = static_cast<QEvent::Type>(1017);
    // Writes back what the newest undo took away.
    static constexpr QEvent::Type RedoEvent = static_cast<QEvent::Type>(1018);
    // Writes only the chosen user presets, set lists and (when asked) system parameters of a back-up file, each
    // verified and journalled for undo like a load (setSelectedRestore).
    static constexpr QEvent::Type RestoreSelectedEvent = static_cast<QEvent::Type>(1019);
    // Reads the user presets, set lists and system parameters as a back-up does, into memory only, and hands them
    // to the window with unitRead (the window compares an opened back-up's settings with them).
    static constexpr QEvent::Type ReadUnitEvent = static_cast<QEvent::Type>(1020);
    static constexpr int FirstEvent = ReadFactoryPresetsEvent;
    static constexpr int LastEvent = ReadUnitEvent;

    // The firmware update request with the image's path inside it. The window (a file the user picked) and
    // the update service (an image it has just downloaded) each post their own, so the path is never a
    // member that two threads write while this worker reads it. The update service also hands over the image's
    // bytes it checked, and those are flashed, never the file again (the path then only names the kind); without
    // bytes the file is read once when the flashing starts.
    class FirmwareFileEvent : public QEvent
    {
    public:
        explicit FirmwareFileEvent(QString path, QByteArray bytes = QByteArray())
            : QEvent(UpdateFirmwareEvent), m_strPath(std::move(path)), m_bytes(std::move(bytes))
        {
            m_bMade.store(true, std::memory_order_release);
        }
        QString path() const
        {
            // The event queue's lock is invisible to ThreadSanitizer in the distribution's Qt; this acquire
            // (paired with the constructor's release) shows it the hand-over from the posting thread.
            static_cast<void>(m_bMade.load(std::memory_order_acquire));
            return m_strPath;
        }
        QByteArray bytes() const
        {
            static_cast<void>(m_bMade.load(std::memory_order_acquire));
            return m_bytes;
        }

    private:
        const QString m_strPath;
        const QByteArray m_bytes; // null: read the file
        std::atomic<bool> m_bMade{false};
    };

    // How often the worker looks for the unit (and, while one is open, asks it for its identity).
    static constexpr int PollIntervalMs = 1000;
    // Tests shorten the poll so they need not wait on it; takes effect when the thread starts.
    void setPollInterval(int milliseconds) { m_iPollIntervalMs.store(milliseconds); }

    // The process-wide object, created on first use; callers pass no parent. The window creates it on the
    // GUI thread, moves it into its own thread (moveToThread on itself) and starts it.
    static DeviceManagerThread* instance(QObject* parent = nullptr);
    ~DeviceManagerThread() override;

    // Set by the window when it closes: a running operation stops at its next callback and events still
    // queued are dropped without a signal.
    void setAbort(bool bAbort);
    bool isAborting() const;
    // The user's Cancel: an operation that can stop safely (canStop) stops at its next record or set list and
    // says what it left; any other goes on. Holds until that operation has ended.
    void requestStop();
    // Reads, the back-up and saving to files: nothing on the unit changes, so stopping midway loses nothing.
    static bool canStop(int operation);

    // USB product ID of the unit found, -1 when none. The window reads it to tell the models apart.
    int productId() const;
    // Factory presets folder of the model found last. Written by the poll: read it on the worker thread or
    // once the thread has ended.
    QString factoryPresetFolder() const;

    // Operation data, written on the GUI thread just before the matching event is posted.
    // The image for a plain UpdateFirmwareEvent; a FirmwareFileEvent brings its own path and ignores this one.
    void setFirmwareFilePath(QString path);
    void setRenameData(int presetNumber, QString name, int presetNumber2, int* record);
    void setPresetTransfer(QList<int> destinations, QStringList files, QList<int> sources);
    void setBackUpFilePath(QString path);
    // What the next RestoreSelectedEvent puts back from the back-up file `path`: user preset numbers, set-list
    // indexes (0 the favourites, 1 to 4 A to D) and whether the system parameters go too. `destinations` names the
    // unit's slot for each preset in turn (a back-up's presets dragged onto other slots); by default its own.
    void setSelectedRestore(QString path, QList<int> presets, QList<int> setLists, bool bSysParams,
                            QList<int> destinations = QList<int>());
    // The user's safety settings, handed over by each front end before it posts (the worker never reads the
    // settings store itself): an automatic back-up before a restore, factory rewrite or firmware write, and a
    // read-back of every record written. Both on until set otherwise.
    void setSafetyOptions(bool autoBackup, bool verifyWrites);
    // Set for a RestoreEvent that puts an automatic back-up back (the recovery offer): that restore takes no
    // automatic back-up of its own. It stays as set; posters of a plain restore set it false.
    void setRecovery(bool bRecovery);
    // Set for the next UndoEvent or RedoEvent after the user agreed to overwrite slots changed since (the worker
    // refuses such an undo with UndoConflict otherwise). Cleared by that event.
    void setUndoForce(bool bForce);
    // The factory bank file the next UpdateFactoryPresetsEvent writes; empty for the model's FactoryPresets.dat.
    // A bank kept before a factory rewrite ("Auto before factory update ... .dat") puts the old bank back.
    void setFactorySource(QString path);
    void setSetListEdit(int setListIndex, QMap<int, int> slotMap);
    QMap<int, int> getSetListEdit() const;
    // Read-backs of the other operation data, for whoever checks what a poster handed over.
    int getSetListIndex() const { return m_iSetListNumber; }
    QList<int> getPresetDestinations() const { return m_listDestinations; }
    QStringList getPresetFiles() const { return m_listPresetFiles; }
    QList<int> getPresetSources() const { return m_listSources; }
    int getPresetNumber() const { return m_iPresetNumber; }
    QString getPresetName() const { return m_strPresetName; }
    int getPresetNumber2() const { return m_iPresetNumber2; }
    int* getPresetRecord() const { return m_pPresetRecord; }
    QString getSaveFolder() const { return m_strSaveFolder; }

    // One preset to save to a file: the entry's text (the file name before cleaning) and the unit's preset number.
    struct SaveItem
    {
        QString text;
        int presetNumber = 0;
    };
    // What the save operation works from: a copy taken on the GUI thread, so the worker never reads a widget.
    void setSaveItems(QList<SaveItem> items, QString folder);
    // A preset entry's text made into a file name: the eleven characters no desktop takes in a name become "_".
    // The list asks its overwrite questions about the very names the worker then writes.
    static QString cleanFileName(QString name);
    QList<SaveItem> getSaveItems() const { return m_listSaveItems; }
    // The list widget's form of the same call. It is defined beside the entry widget (contentwidget.cpp), not here:
    // the core library knows no widgets. It snapshots each entry's text and preset number on the GUI thread and
    // hands them to setSaveItems.
    void setSaveList(QList<PresetButton*> entries, QString folder);

    // The user's text for the result of an operation that ends with one (an event type above; for
    // UpdateFirmwareEvent, bMicroImage picks the microcontroller image's texts over the DSP's).
    static QString operationText(int operation, int result, bool bMicroImage = false);
    // What the user reads when two or more units are attached (the poll then talks to neither).
    static QString multipleUnitsText();
    // One line per unit listed: its model by the product ID, and its serial number when it reports one.
    static QString unitDescription(int productId, const QString& serial);

    // Reads set lists 0 to 4 and hands each to the window through setListData; the result is that of list 4
    // (failures of the others are only logged).
    int GetSetLists();

    // Handed to the link. Each forwards what it gets as a signal, then asks the running operation to stop
    // when the window is closing or the unit is gone.
    static bool presetCallback(int storage, int presetBase, int presetOffset, int* presetData, int maxPresetNameLength,
                               int maxPresetParamLength, int hardwareProductCode, int hardwarePatchVersion);
    static bool nameCallback(int storage, int presetBase, int presetOffset, QString name, int maxPresetNameLength,
                             int maxPresetParamLength, int hardwareProductCode, int hardwarePatchVersion);
    static bool progressCallback(int total, int done);

protected:
    void customEvent(QEvent* event) override;
    void run() override;

signals:
    void deviceDetected(int iPid);
    // Two or more units are listed: their descriptions, one a line. Once per set of units: the poll says it again
    // only when a unit is added or goes. A unit already connected stays connected.
    void multipleDeviceDetected(QString units);
    // The other front end (the command line) holds the unit, or has let it go: the poll waits, then connects.
    // Once per change.
    void unitInUse(bool bInUse);
    void noDevice();
    void deviceRemoved();
    // A unit is listed but cannot be opened: what stands in the way and what helps, in the user's words.
    // Once per cause; the poll keeps trying and reports deviceDetected when the way is clear.
    void deviceInaccessible(QString text);
    void deviceBusy();
    void deviceIdle();
    void operationFinished(int, bool bClose = true);
    void updateText(QString);
    void updateFirmware();
    void singlePresetData(int storage, int presetBase, int presetOffset, int* presetData, int maxPresetNameLength,
                          int maxPresetParamLength, int hardwareProductCode, int hardwarePatchVersion);
    void singlePresetData(int storage, int presetBase, int presetOffset, QString name, int maxPresetNameLength,
                          int maxPresetParamLength, int hardwareProductCode, int hardwarePatchVersion);
    void presetData(int storage, int presetBase, int presetCount, QStringList strNames);
    void presetData(int storage, int presetBase, int presetCount, const int* presetData, int maxPresetNameLength,
                    int maxPresetParamLength, int hardwareProductCode, int hardwarePatchVersion);
    // The 20 slots of a set list, by value: a list nobody receives (the window closing, a front end that does not
    // listen) goes with its queued signal instead of being left behind.
    void setListData(int setListNum, QVector<int> data);
    void dataSent(quint64 totalBytes, quint64 sentBytes);
    // Where the running operation stands as a whole (an automatic back-up, the writes and their read-back as one):
    // the step in the user's words, and the unit's waits passed and in all, which are nearly all of its time.
    void progress(QString step, qlonglong doneMs, qlonglong totalMs);
    // A restore, factory rewrite or firmware write that had an automatic back-up stopped midway (the unit went,
    // a write failed): the back-up that puts the unit back, and the line saying how far the operation got.
    // Emitted just before the operation's operationFinished (so after its failure text, except for the factory
    // rewrite, whose text has always come after its operationFinished).
    void recoveryAvailable(QString backupPath, QString stateLine);
    // How many overwrites the undo journal of the connected model holds (0 when none, or when it was refused).
    // Emitted after deviceDetected and after every change to the journal (before the operationFinished of the
    // operation that changed it).
    void undoAvailable(int entries);
    // What an undo and a redo would do now ("copy F03 to U08"), empty when nothing; emitted just before each
    // undoAvailable.
    void undoNames(QString undo, QString redo);
    // What a ReadUnitEvent read: the unit as a back-up of it would hold it. Emitted before its operationFinished.
    void unitRead(BackUpImage image);

public slots:
    void onTimeOut();

private:
    explicit DeviceManagerThread(QObject* parent);

    // One function per operation event; customEvent frames each with deviceBusy/deviceIdle.
    void readFactoryPresets();
    void refreshFactoryPresets();
    void readUserPresets();
    void refreshUserPresets();
    void readSetLists();
    void writeSetList();
    void savePresetsToFiles();
    void loadPresetFile();
    void loadPresetFiles();
    void copyPreset();
    void copyPresets();
    void renamePreset();
    void backUp();
    void restore();
    void updateFactoryPresets();
    void updateFirmwareImage(const QString& path, const QByteArray& bytes = QByteArray());
    void undo(bool bRedo);
    void restoreSelected();
    void readUnit();

    // The safety net.
    // Backs the unit up into the model's back-up folder before a destructive operation (`before` an
    // AutoBackUp::Before). True with the file's path, or with an empty path when no back-up is wanted; false when
    // the back-up failed, after telling the window (the operation must not start).
    // The files in `protect` are never rotated out (the back-up being restored).
    bool backUpFirst(AutoBackUp::Before before, const QStringList& protect, QString& backupPath);
    // What the user reads for a back-up file refused before anything happened.
    QString refusedFileText(int result, const QString& path) const;
    // After a restore, factory rewrite or firmware write: offers the automatic back-up when the unit failed
    // midway (recoveryAvailable).
    void offerRecovery(int result, const QString& backupPath, const QString& stateLine);
    // The connected model's data folder and back-up folder.
    QString modelFolder() const;
    // Reads the connected model's undo journal (on detection) and tells the window how many entries it holds.
    void loadUndoJournal();
    // Before user presets are overwritten: reads the records at the user slots among `destinations` and keeps them
    // as one journal entry. False (after finishing the operation) when the unit could not be read.
    // Set-list changes come with their records before and after; `description` names the operation.
    bool journalOverwrite(const QList<int>& destinations, const QVector<UndoJournal::SetList>& lists,
                          const QString& description);
    void emitUndoState();
    // After the overwrite: an operation refused before it wrote anything takes its journal entry back.
    void settleJournal(int result);
    // A refused journal is set aside (never deleted) so that new overwrites can be kept; the user is told.
    void setJournalAside();

    // The read cascade behind events 1001 to 1005: factory names, user names, set lists; `firstStep` 1 to 3.
    void readPresetLists(int firstStep);
    bool readFactoryPresetNames();
    bool readUserPresetNames();
    void readAllSetLists();

    // Progress by the plan of the running operation: started per event, counted by the waits this thread passes,
    // put right whenever the operation enters one of the plan's anchored steps.
    OperationPlan planFor(int operation, const QEvent* event) const;
    void startPlan(const OperationPlan& plan);
    void enterStep(OperationPlan::Step step);
    void onWaited(int milliseconds);
    void reportProgress();
    bool stopRequested() const { return m_bStoppable && m_bStop.load(); }

    // False (after telling the window "Device disconnected!") when no unit is connected.
    bool requireUnit();
    // The result's text for the user, then operationFinished(result, bClose) with bClose = bCloseOnSuccess for 0
    // and false for a failure.
    void finish(int result, const QString& message, bool bCloseOnSuccess);

    static std::atomic<DeviceManagerThread*> s_pInstance;

    // Polling
    std::atomic<bool> m_bAbort{false};
    std::atomic<bool> m_bStop{false};
    bool m_bStoppable = false; // the running operation may stop at the user's Cancel
    OperationPlan m_plan;
    qint64 m_iDoneMs = 0;
    qint64 m_iLimitMs = 0;                // the count waits here for the next anchored step
    std::atomic<bool> m_bRunEnded{false}; // set as run() returns
    std::atomic<int> m_iPollIntervalMs{PollIntervalMs};
    CUSBConnect* m_pUSBConnect = nullptr;
    std::atomic<int> m_iProductId{-1};
    QString m_strDevicePath;
    QMutex m_mutex;
    QTimer* m_pPollTimer = nullptr;
    QString m_strFactoryPresetFolder;
    QString m_strAccessProblem; // the last deviceInaccessible text, empty once a unit opens or none is listed
    QString m_strUnitSet;       // the units of the last multipleDeviceDetected, empty while one or none is listed
    bool m_bHeldElsewhere = false;

    // Operation data
    mutable std::mutex m_firmwareMutex; // a plain UpdateFirmwareEvent's path may be set from any thread
    QString m_strFirmwareFilePath;
    int m_iPresetNumber = 0;
    QString m_strPresetName;
    int m_iPresetNumber2 = 0;
    int* m_pPresetRecord = nullptr;
    QList<int> m_listDestinations;
    QStringList m_listPresetFiles;
    QList<int> m_listSources;
    QString m_strBackUpFilePath;
    QList<int> m_listRestorePresets;
    QList<int> m_listRestoreSetLists;
    QList<int> m_listRestoreDestinations;
    bool m_bRestoreSysParams = false;
    int m_iSetListNumber = 0;
    QMap<int, int> m_mapSetListEdits;
    QList<SaveItem> m_listSaveItems;
    QString m_strSaveFolder;
    std::atomic<bool> m_bAutoBackup{true};
    std::atomic<bool> m_bVerifyWrites{true};
    std::atomic<bool> m_bRecovery{false};
    UndoJournal m_undoJournal;
    bool m_bJournalled = false; // the running operation added an entry to the journal
    UndoJournal::Entry m_pendingEntry;
    std::atomic<bool> m_bUndoForce{false};
    QString m_strFactorySource;
    QString m_strUnitSerial; // of the unit found last
};
