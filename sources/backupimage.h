#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// A user back-up as a whole: everything a ".tarb" / ".tscb" file holds, read into memory and checked completely
// before anything reaches the unit. A restore writes exactly the image it checked, so a file removed, replaced or
// damaged after the check changes nothing; and every back-up the program writes is read back into an image and
// compared, so no file it keeps is one it could not restore.
struct BackUpImage
{
    static constexpr int SetListEntries = 100; // five lists of 20
    // What the reader accepts: far above any unit (1 << 22 ints is 16 MiB of records), far below memory.
    static constexpr qint64 MaxPresetInts = qint64(1) << 22;
    static constexpr int MaxSysParamsBytes = 4096;

    int productCode = 0;
    int patchVersion = 0;
    int nameLength = 0;
    int paramCount = 0;
    int presetCount = 0;
    QVector<int> presets; // presetCount records of nameLength name codes then paramCount parameters
    bool hasSetLists = false;
    QVector<int> setLists; // SetListEntries slot values when hasSetLists
    bool hasSysParams = false;
    QByteArray sysParams; // the system-parameter text, one decimal value a line

    int recordSize() const { return nameLength + paramCount; }
    const int* record(int index) const { return presets.constData() + qint64(index) * recordSize(); }
    // The system-parameter values the text holds, in order.
    QVector<int> sysParamValues() const;
    bool operator==(const BackUpImage& other) const;
    bool operator!=(const BackUpImage& other) const { return !(*this == other); }

    // Reads and checks the whole file. 0; FileNotFound (13); FileVersionMismatch (12) for a file that is no
    // collection file at all (a text, a picture); FileCorrupted (11) for one that is damaged: cut short, bytes
    // behind its blocks, a count no unit has, a value no unit keeps.
    static int read(const QString& path, BackUpImage& image);
    // Writes the file the safe way (a temporary file renamed into place) and reads it back: 0, or FileWriteFailed
    // (15) when it could not be written or does not read back as this image.
    int write(const QString& path) const;
    // Whether every value is one a unit keeps: name codes 0 to 255, parameters signed 16-bit, set-list slots one
    // byte, system parameters 0 to 65535.
    bool valuesFit() const;
};
