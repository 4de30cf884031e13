#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>

// What one device operation will make the user wait for, step by step: the pauses the unit needs (the settle
// times), which are nearly all of an operation's time on a real unit. From them the worker knows where an
// operation stands and how long it still takes, and the window can say beforehand how long a restore takes.
// The 2000 ms read timeout only counts when a unit fails, so it is left out.
class OperationPlan
{
    Q_DECLARE_TR_FUNCTIONS(OperationPlan)

public:
    enum class Step
    {
        ReadFactoryBank,
        ReadNames,
        ReadSetLists,
        BackUpFirst,
        KeepFactoryBank,
        BackUp,
        ReadUnit,
        SavePresets,
        KeepForUndo,
        WritePresets,
        Storing,
        CheckWritten,
        WriteSetLists,
        WriteSystemParameters,
        WriteFirmware
    };
    // The part of the unit's identity the waits depend on.
    struct Unit
    {
        int presetCount = 0;
        int nameLength = 0;
        int paramCount = 0;
        static Unit connected(); // from g_deviceInfo
    };
    // `items` alike, each `itemMs` long, then `restMs` more. The worker names a stage with `anchor` when it
    // enters it, which puts the count right again should the unit's waits have differed from the plan's.
    struct Stage
    {
        Step step;
        int items;
        qint64 itemMs;
        qint64 restMs;
        bool anchor;
        qint64 ms() const { return items * itemMs + restMs; }
    };

    // The preset lists read on connection or refresh: the factory bank from the unit when its file is missing,
    // the user names, the set lists.
    static OperationPlan readLists(const Unit& unit, bool bFactoryBank, bool bUserNames);
    static OperationPlan backUp(const Unit& unit);
    // A back-up's reads into memory, for a comparison with the unit.
    static OperationPlan readUnit(const Unit& unit);
    static OperationPlan savePresets(const Unit& unit, int presets);
    static OperationPlan restore(const Unit& unit, bool bAutoBackUp, bool bVerify);
    static OperationPlan factoryRewrite(const Unit& unit, bool bAutoBackUp, bool bVerify);
    static OperationPlan firmware(const Unit& unit, bool bAutoBackUp, qint64 imageBytes, bool bDsp);
    // `presets` records written one by one, each read first from the unit (a copy) or from a file (a load), the
    // slots they overwrite kept for Undo first; `leadMs` the pause the operation starts with.
    static OperationPlan writePresets(const Unit& unit, int presets, bool bFromUnit, bool bVerify, qint64 leadMs);
    static OperationPlan setListWrite();

    const QVector<Stage>& stages() const { return m_stages; }
    qint64 totalMs() const;
    qint64 startOf(int stage) const;
    int stageOf(Step step) const; // -1 when the plan has no such stage
    int stageAt(qint64 doneMs) const;
    // "Writing presets 37 of 100" at this point of the operation.
    QString stepText(qint64 doneMs) const;

    // "about 1 min 20 s left"
    static QString timeLeftText(qint64 ms);
    // "This takes about 3 minutes."
    static QString durationText(qint64 ms);

private:
    void add(Step step, int items, qint64 itemMs, qint64 restMs, bool anchor = false);
    void addBackUpFirst(const Unit& unit, bool bFactoryBankToo);

    QVector<Stage> m_stages;
};
