#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <hidapi/hidapi.h>

#include <functional>
#include <memory>

struct SpcHeader;

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
    int UpdateDSPFW(const QString& path, progressCallback progress);
    int UpdateMicroFW(const QString& path, progressCallback progress);

    // --- preset files ---------------------------------------------------------------------------------------
    int LoadPreset(int presetNumber, QString path, presetCallback presetCb);
    int LoadPresets(QList<int> destinations, QStringList files, presetCallback presetCb, bool bracket);
    int GetPresetDataFromFileSystem(int* record, int presetNumber, int nameLength, int paramCount);
    int BackUpPresets(int storage, const QString& path, progressCallback progress);
    int RestorePresets(const QString& path, progressCallback progress, presetCallback presetCb);
    int RestoreFactoryPresets(const QString& path, progressCallback progress);
    int GetAllFactoryPresetNames(const QString& path, progressCallback progress, nameCallback nameCb);

private:
    int readReport(BYTE* buffer, bool& timedOut);
    int readReplyReport(int command, int settleMs, bool invalidWithCode, int& length);
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
};
