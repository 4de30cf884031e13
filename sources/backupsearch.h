#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>

// Which back-ups and preset files hold a preset: one whose name holds a text, or one with the very settings of a
// preset on the unit (another name or not). The window's "Find in back-ups" and `tessitra find` ask the same
// question, so a singer who renamed or lost a preset finds the file it still lives in.
class BackUpSearch
{
public:
    struct Query
    {
        bool bByName = true; // an empty name then matches every preset
        QString name;        // a part of the name, in any case
        // The parameters of the preset sought (the record without its name), compared value by value as the unit
        // keeps them (signed 16-bit); empty: not sought by settings.
        QVector<int> settings;
    };
    struct Hit
    {
        QString path;
        int userSlot = -1; // 1 for U01 ...; -1 for a preset file, which holds one preset and no slot
        QString name;      // as the file holds it, the blanks that fill it out taken off
        QDateTime fileDate;
        bool bSameSettings = false;
    };

    // A folder tree of more files than this is no singer's preset collection: the rest are not read.
    static constexpr int MostFiles = 20000;
    // More rows than anyone reads; a search of many huge files stops there.
    static constexpr int MostHits = 100000;

    // Every back-up and preset file of either model under `folders` (sub-folders too), newest file first (the
    // same date by path). A file that is not one of ours, or is damaged, is passed over: there is nothing to find
    // in it. `stop`, when given and set, ends the search with what it found so far.
    static QVector<Hit> find(const Query& query, const QStringList& folders, const std::atomic<bool>* stop = nullptr);
    // The preset and back-up folders of both models, where `tessitra find` looks by default.
    static QStringList allModelFolders();
};
