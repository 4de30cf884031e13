#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

#include <hidapi/hidapi.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

struct SpcHeader;
struct BackUpImage;

typedef unsigned char BYTE;

// The program's only channel to the unit: a strict request/response exchange of 65-byte output reports and
// 64-byte input reports over HID, and every transfer built on it (presets, names, set lists, system
// parameters, firmware, preset and backup files). Every hidapi call goes through HidSeam::api(), so the link
// cannot tell a real unit from a virtual one; every fixed wait goes through Settle::settle().
//
// Used from the device manager thread only; exchanges never overlap, so nothing in here is locked.
// Every operation returns a code of ResultCode (resultcodes.h), 0 for success.
class CUSBConnect : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(CUSBConnect)

public:
    // Callbacks run on the device thread; true asks the running operation to stop. A record handed to a
    // presetCallback belongs to the receiver from then on.
    typedef bool (*presetCallback)(int storage, int presetBase, int presetOffset, int* presetData,
                                   int maxPresetNameLength, int maxPresetParamLength, int hardwareProductCode,
                                   int hardwarePatchVersion);
    typedef bool (*nameCallback)(int storage, int presetBase, int presetOffset, QString name, int maxPresetNameLength,
                                 int maxPresetParamLength, int hardwareProductCode, int hardwarePatchVersion);
    typedef bool (*progressCallback)(int total, int done);

    CUSBConnect();
    ~CUSBConnect() override;

    // --- the link -------------------------------------------------------------------------------------------
    int Open(QString path);
    // The errno of the last Open whose hid_open_path failed (EACCES when udev gave this user no access,
    // EBUSY, ENODEV when the unit went away), 0 when the last Open got past it or never reached it.
    int openError() const { return m_iOpenError; }
    int Close();
    int SendPacket(BYTE* buffer, int command, int length, BYTE* payload, bool sequenced, bool advance);
    int ReadPacket(BYTE* buffer);
    // 0 when the report begins 0xDB 0x03 and answers `command`; 6 for other leading bytes, 7 for another command.
    int CheckReply(const BYTE* buffer, int command) const;
    int GetDeviceInfo();
    void setFactoryPresetFolder(const QString& folder);
    QString factoryPresetFolder() const;

    // --- presets on the unit --------------------------------------------------------------------------------
    int GetPresetDataFromHardware(int* record, int presetNumber, int nameLength, int paramCount);
    int GetPresetNameFromHardware(QString& name, int presetNumber);
    int GetAllPresetNames(int storage, int& presetBase, int& presetCount, QStringList& names, progressCallback progress,
                          nameCallback nameCb);
    int GetAllPresets(int storage, int& presetBase, int& presetCount, int** unused, int& maxPresetNameLength,
                      int& maxPresetParamLength, int& hardwareProductCode, int& hardwarePatchVersion,
                      presetCallback presetCb, progressCallback progress);
    int SendPresetDataToHardware(int presetNumber, int* record, int nameLength, int paramCount, bool fast);
    int SendPresetNameToHardware(const QString& name, int presetNumber, int* unused, presetCallback presetCb);
    int SavePreset(int* record, QString fileName, int nameLength, int paramCount, int productCode, int patchVersion);
    int SavePresetFromHardware(int presetNumber, const QString& fileName);
    int CopyPreset(int destination, int source, presetCallback presetCb);
    int LoadPresets(QList<int> destinations, QList<int> sources, presetCallback presetCb, bool bulk);

    // --- set lists and system parameters --------------------------------------------------------------------
    int GetSetListData(int setListNum, int* out);
    int SetSetListData(int setListNum, const unsigned char (&data)[20]);
    int GetSysParams(QByteArray& out);
    int SendSysParams(const QByteArray& text);

    // --- firmware -------------------------------------------------------------------------------------------
    // From a file (read once into memory), or from the bytes of an image file already read and checked.
    int UpdateDSPFW(const QString& path, progressCallback progress);
    int UpdateMicroFW(const QString& path, progressCallback progress);
    int UpdateDSPFW(const QByteArray& fileBytes, progressCallback progress);
    int UpdateMicroFW(const QByteArray& fileBytes, progressCallback progress);

    // --- preset files ---------------------------------------------------------------------------------------
    int LoadPreset(int presetNumber, QString path, presetCallback presetCb);
    int LoadPresets(QList<int> destinations, QStringList files, presetCallback presetCb, bool bracket);
    // Whether every preset file can go into this unit, without a word to it: 0, else the code LoadPresets refuses
    // the list with (13, 11 or 12).
    int CheckPresetFiles(const QStringList& files);
    int GetPresetDataFromFileSystem(int* record, int presetNumber, int nameLength, int paramCount);
    int BackUpPresets(int storage, const QString& path, progressCallback progress);
    int RestorePresets(const QString& path, progressCallback progress, presetCallback presetCb);
    // The first half of a back-up: the unit's presets of one storage (with, for the user storage, its set lists
    // and system parameters when it offers them) read into an image. BackUpPresets then writes it to its file.
    int ReadBackUp(int storage, BackUpImage& image, progressCallback progress);
    // The two halves of a restore: the file read and checked completely against the unit's identity (13, 11, or
    // 12 for a file that is no back-up of this unit) without a word to the unit; then the checked image written.
    // A set list or the system parameters the unit does not take fail the restore; an image without system
    // parameters leaves the unit's own.
    int CheckBackUp(const QString& path, BackUpImage& image);
    int RestoreBackUp(const BackUpImage& image, progressCallback progress);
    // How far the last restore got: the presets, then the set lists, then the system parameters.
    enum class RestoreStage
    {
        Presets,
        SetLists,
        SysParams
    };
    RestoreStage restoreStage() const { return m_iRestoreStage; }
    int RestoreFactoryPresets(const QString& path, progressCallback progress);
    int GetAllFactoryPresetNames(const QString& path, progressCallback progress, nameCallback nameCb);
    // Whether the factory preset file can serve the connected unit: a whole file with nothing behind its presets,
    // every value one a unit keeps, and (with bWithUnit) the unit's product code, name length, parameter count
    // and preset count. 0, else the code of what is wrong (12 for another unit's file).
    int CheckFactoryFile(const QString& path, bool bWithUnit);

    // How far the last restore, factory rewrite or firmware transfer got: records (image bytes for firmware)
    // the unit took, out of the total it was to take. The worker tells the user from it what a failure left.
    int writtenCount() const { return m_iWritten; }
    // Every record the unit took since the last call, as it keeps it (preset number, record): what an undo
    // journal entry records as written.
    QVector<QPair<int, QVector<int>>> takeWrittenRecords() { return std::exchange(m_written, {}); }
    int writeTotal() const { return m_iWriteTotal; }

    // --- read-back verification -----------------------------------------------------------------------------
    // What read back differently from what was written: preset numbers, set-list numbers, the system parameters.
    struct Mismatches
    {
        QList<int> presets;
        QList<int> setLists;
        bool sysParams = false;
        bool isEmpty() const { return presets.isEmpty() && setLists.isEmpty() && !sysParams; }
    };
    // With verification on, every preset record written is read back and compared (right after its write, or
    // for a bulk bracket once the bracket has closed and the unit has stored the batch: it answers no reads
    // inside one), a restore reads each set list and the system parameters back. A difference does not stop the
    // operation; it ends with VerifyMismatch and mismatches() names what differed. A read-back the unit does not
    // answer ends it with the read's code. The system parameters are read back with the read request once the
    // unit has stored them (the answer to a written page promises no content).
    void setVerifyWrites(bool bVerify) { m_bVerify = bVerify; }
    bool verifyWrites() const { return m_bVerify; }
    // Every writing operation starts a new list; a caller that writes through the single-record calls clears it.
    const Mismatches& mismatches() const { return m_mismatches; }
    void clearMismatches();
    // Reads the preset back and notes it in mismatches() when it differs from record. The read's code.
    int verifyRecord(int presetNumber, const int* record, int nameLength, int paramCount);
    // The same for a set list.
    int verifySetList(int setListNum, const unsigned char (&data)[20]);

private:
    int readReport(BYTE* buffer, bool& timedOut);
    int readReplyReport(int command, int settleMs, bool invalidWithCode, int& length);
    void drainUnread();
    int readReply(int command, int settleMs, bool invalidWithCode, qint64 expectedBytes,
                  const std::function<void(const BYTE* payload, int length)>& consume);
    int readSysParamReply(int page);
    int openPresetFile(const QString& path, SpcHeader& header);
    int sendNumber(int command, int number);
    int sendRequest(int command);
    int beginBulkWrite();
    int endBulkWrite();
    int sendFirmware(QByteArray image, int checksum, int chunkSize, int chunkCommand, int endCommand,
                     progressCallback progress, qint64 startMs);
    int* newRecord() const;
    int verifyPending();
    int verifySysParams(int expected);
    int verified(int result) const;
    bool bankFits(int presetCount, int nameLength, int paramCount) const;
    int readFactoryFile(const QString& path, SpcHeader& header, std::unique_ptr<int[]>& bank);

    hid_device* m_pDevice = nullptr;
    int m_iOpenError = 0;
    QString m_strOpenFailure; // path and hidapi's words of the last failed open, logged once
    BYTE m_byReceiveBuffer[65] = {};
    BYTE m_bySendBuffer[65] = {};
    int m_iSequence = 0;
    int m_iLastSequence = 0;
    QString m_strFactoryPresetFolder;
    int m_iWritten = 0;
    int m_iWriteTotal = 0;
    bool m_bVerify = false;
    bool m_bBulk = false;                                          // inside a bulk bracket: read-backs wait for its end
    std::vector<std::pair<int, std::vector<int>>> m_pendingVerify; // preset number, record as written
    Mismatches m_mismatches;
    QVector<QPair<int, QVector<int>>> m_written;
    QVector<int> m_sentSysParams; // the values the last system-parameter write carried
    bool m_bSysPagesSent = false; // at least one page of the last write went out
    RestoreStage m_iRestoreStage = RestoreStage::Presets;
};
