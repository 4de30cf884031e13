#pragma once

#include <QJsonValue>
#include <QList>
#include <QString>
#include <QVector>

struct BackUpImage;

// How the entries of one back-up stand against another (or against the unit, read as a back-up is taken): one
// row per user slot, per set list (the favourites, A to D) and one for the system parameters. The command line
// prints the rows; the window marks the entries of an opened back-up with them.
namespace BackUpCompare {

// A small fixed set: Same (the very record), Settings (the same name, other parameters), Renamed (another name,
// whatever the parameters), Changed (a set list or the system parameters differ), Missing (one side holds no set
// lists or no system parameters).
enum class Mark
{
    Same,
    Settings,
    Renamed,
    Changed,
    Missing
};

// The stable English key of a mark ("same", "settings", "renamed", "changed", "missing"): what the command line
// prints and scripts read, never translated.
QString key(Mark mark);

enum class Kind
{
    Preset,
    SetList,
    SystemParameters
};

struct Row
{
    Kind kind = Kind::Preset;
    int index = 0; // the preset number (1 upwards), the set-list index (0 the favourites, 1 to 4 A to D), or 0
    QString slot;  // "U08", "favourites", "A", "system"
    Mark mark = Mark::Same;
    QJsonValue left;  // the first side's name or set list; null for the system parameters unless only it holds them
    QJsonValue right; // the second side's
};

// Names as the unit keeps them (one byte a code), parameters as signed 16-bit words.
bool sameName(const int* a, const int* b, int nameLength);
Mark presetMark(const int* a, const int* b, int nameLength, int paramCount);
// Set list `index` of two sides' 100 set-list values; Missing when either side holds none (empty vector).
Mark setListMark(const QVector<int>& a, const QVector<int>& b, int index);
// A set list as its labels in order ("U01 U05 - U07"), empty entries at its end left out.
QString setListText(const QVector<int>& entries, int index);

// Both images are of one model (the same preset count, name length and parameter count): the caller checks that.
QList<Row> compare(const BackUpImage& a, const BackUpImage& b);

} // namespace BackUpCompare
