#pragma once

// Result codes of every CUSBConnect operation. 0 is success; the device manager turns the others into the
// user's texts. Codes 3 to 5 all mean "the unit did not take part in the exchange" and are read together.
namespace ResultCode {
constexpr int Success = 0;
constexpr int NoDevicePath = 1;         // open requested but no device path is known
constexpr int OpenFailed = 2;           // the unit could not be opened or did not answer the identity query
constexpr int NotOpen = 3;              // no unit is open
constexpr int ReadFailed = 4;           // an input report could not be read (or a file could not be read)
constexpr int WriteFailed = 5;          // an output report could not be written
constexpr int BadMagic = 6;             // an input report does not begin with 0xDB 0x03
constexpr int WrongReply = 7;           // an input report answers another command
constexpr int NoRecord = 9;             // no preset record given, or the bank buffer cannot be allocated
constexpr int BadStorage = 10;          // storage other than 0 (user) or 1 (factory), or no such factory preset
constexpr int FileCorrupted = 11;       // a file's header could not be read
constexpr int FileVersionMismatch = 12; // a file was made by another model or holds more than one patch
constexpr int FileNotFound = 13;        // a file does not exist or cannot be opened
constexpr int NoSysParams = 14;         // the unit answers the system-parameter request with something else
constexpr int FileWriteFailed = 15;     // a preset or backup file could not be written
constexpr int Stopped = 16;             // a backup was stopped through its progress callback
constexpr int VerifyMismatch = 17;      // a record read back from the unit differs from what was written
constexpr int JournalRefused = 18;      // the undo journal is damaged or was kept for the other model
constexpr int NothingToUndo = 19;       // an undo was asked for with no overwrite in the journal
constexpr int AutoBackUpFailed = 20;    // the back-up taken before a restore, factory or firmware write failed
constexpr int UndoConflict = 21;        // an undo or redo found a slot changed since, and was not told to go on

constexpr bool isCommunicationFailure(int code)
{
    return code >= NotOpen && code <= WriteFailed;
}
} // namespace ResultCode
