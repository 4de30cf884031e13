#include "Connect.h"

#include "SerialPatchCollection.h"
#include "backupimage.h"
#include "deviceinfo.h"
#include "hidseam.h"
#include "log.h"
#include "presetname.h"
#include "protocol.h"
#include "resultcodes.h"
#include "safefile.h"
#include "settle.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

using namespace ResultCode;
namespace Cmd = Protocol::Cmd;
namespace Wait = Protocol::Settle;

namespace {
const char* const kStorageMessage = "Must choose 0 for User Presets or 1 for Factory Presets. ";
const char* const kFactoryFileName = "/FactoryPresets.dat";

constexpr int kUserBase = 1;
constexpr int kFactoryBase = 101;
constexpr int kSetListEntries = Protocol::SetListCount * Protocol::SetListSlots; // 100 in a backup

// Largest preset bank (presets x record entries) the link will hold in memory: 16 MiB of ints. The identity
// fields are 16-bit, so a unit that reports nonsense (name length, parameter count and preset count all
// 0xFFFF) would ask for tens of gigabytes; such a bank is refused with NoRecord before anything is sent.
constexpr qint64 kMaxBankEntries = qint64(1) << 22;

int wordAt(const BYTE* p)
{
    return p[0] | (p[1] << 8);
}

// Payload length of an input report. A unit that claims more than one report can carry is taken at 56:
// the rest of the buffer is not payload, and "more than 55" still reads as "more reports follow".
int payloadLength(const BYTE* report)
{
    return std::min(wordAt(report + Protocol::InLength), Protocol::MaxPayload);
}

QString errorText(hid_device* device)
{
    const wchar_t* text = HidSeam::api().error(device);
    return text ? QString::fromWCharArray(text) : QStringLiteral("unknown error");
}

struct Slot
{
    int storage;
    int base;
};

// Numbers above the preset count are factory presets; every other number is a user preset.
Slot slotOf(int presetNumber)
{
    if (presetNumber > g_deviceInfo.presetCount.load())
        return {1, kFactoryBase};
    return {0, kUserBase};
}

// Hands a record over to the receiver of a preset callback (or frees it when there is none).
bool handOver(CUSBConnect::presetCallback presetCb, int presetNumber, int* record)
{
    if (!presetCb) {
        delete[] record;
        return false;
    }
    const Slot slot = slotOf(presetNumber);
    return presetCb(slot.storage, slot.base, presetNumber - slot.base, record, g_deviceInfo.maxPresetNameLength,
                    g_deviceInfo.maxPresetParamLength, g_deviceInfo.hardwareProductCode,
                    g_deviceInfo.hardwarePatchVersion);
}

// Reports a reply of `bytes` bytes can need: full reports, then one that is shorter (or empty). One more
// is tolerated; a unit that keeps sending full reports beyond that is not answering this request.
int reportBudget(qint64 bytes)
{
    return static_cast<int>(std::max<qint64>(bytes, 0) / Protocol::MaxPayload + 2);
}
} // namespace

// ============================================================================================================
// The link
// ============================================================================================================

CUSBConnect::CUSBConnect() : QObject(nullptr)
{
    if (HidSeam::api().init() == -1)
        TS_DEBUG("Error initializing library: %s", qUtf8Printable(errorText(nullptr)));
}

CUSBConnect::~CUSBConnect()
{
    Close();
    HidSeam::api().exit();
}

int CUSBConnect::Open(QString path)
{
    // With a unit open, an open is the poll's "are you still there": only the identity is asked again.
    if (m_pDevice) {
        if (GetDeviceInfo() != Success) {
            Close();
            return OpenFailed;
        }
        return Success;
    }
    m_iOpenError = 0;
    if (path.isEmpty()) {
        m_strOpenFailure.clear();
        return NoDevicePath;
    }
    errno = 0;
    m_pDevice = HidSeam::api().open_path(path.toLocal8Bit().constData());
    if (!m_pDevice) {
        // Taken before anything else can overwrite it: the worker tells the user why from it.
        m_iOpenError = errno ? errno : EIO;
        // The poll tries again every second: the log says it once per cause, not once per try.
        const QString failure = QStringLiteral("%1: %2").arg(path, errorText(nullptr));
        if (failure != m_strOpenFailure)
            TS_WARNING("Could not open the unit at %s", qUtf8Printable(failure));
        m_strOpenFailure = failure;
        return OpenFailed;
    }
    m_strOpenFailure.clear();
    m_iSequence = 0;
    m_iLastSequence = 0;
    if (GetDeviceInfo() != Success) {
        Close();
        return OpenFailed;
    }
    return Success;
}

int CUSBConnect::Close()
{
    if (m_pDevice) {
        HidSeam::api().close(m_pDevice);
        m_pDevice = nullptr;
    }
    // The next enumerate or open initialises the library again by itself.
    HidSeam::api().exit();
    return Success;
}

void CUSBConnect::setFactoryPresetFolder(const QString& folder)
{
    m_strFactoryPresetFolder = folder;
}

QString CUSBConnect::factoryPresetFolder() const
{
    return m_strFactoryPresetFolder;
}

int CUSBConnect::SendPacket(BYTE* buffer, int command, int length, BYTE* payload, bool sequenced, bool advance)
{
    if (!m_pDevice)
        return NotOpen;
    Q_ASSERT(length >= 0 && length <= Protocol::MaxPayload);
    length = std::clamp(length, 0, Protocol::MaxPayload);

    buffer[0] = 0;
    buffer[Protocol::OutMagic] = Protocol::Magic0;
    buffer[Protocol::OutMagic + 1] = Protocol::Magic1;
    buffer[Protocol::OutCommand] = static_cast<BYTE>(command & 0xFF);
    buffer[Protocol::OutCommand + 1] = static_cast<BYTE>((command >> 8) & 0xFF);
    buffer[Protocol::OutLength] = static_cast<BYTE>(length & 0xFF);
    buffer[Protocol::OutLength + 1] = static_cast<BYTE>((length >> 8) & 0xFF);
    if (sequenced) {
        // A closing report repeats the number of the report before it.
        if (!advance)
            m_iSequence = m_iLastSequence;
        buffer[Protocol::OutSequence] = static_cast<BYTE>(m_iSequence & 0xFF);
        buffer[Protocol::OutSequence + 1] = static_cast<BYTE>((m_iSequence >> 8) & 0xFF);
    } else {
        buffer[Protocol::OutSequence] = 0;
        buffer[Protocol::OutSequence + 1] = 0;
    }
    if (length > 0 && payload)
        std::memmove(buffer + Protocol::OutPayload, payload, static_cast<size_t>(length));

    if (HidSeam::api().write(m_pDevice, buffer, Protocol::OutputReportSize) == -1) {
        TS_DEBUG("Error writing to device: %s", qUtf8Printable(errorText(m_pDevice)));
        return WriteFailed;
    }
    // Unsequenced reports carry 0 but still count.
    m_iLastSequence = m_iSequence;
    m_iSequence = (m_iSequence + 1) & 0xFFFF;
    return Success;
}

int CUSBConnect::readReport(BYTE* buffer, bool& timedOut)
{
    timedOut = false;
    if (!m_pDevice)
        return NotOpen;
    const int got = HidSeam::api().read_timeout(m_pDevice, buffer, Protocol::InputReportSize, Protocol::ReadTimeoutMs);
    if (got < 0) {
        TS_DEBUG("%s", qUtf8Printable(errorText(m_pDevice)));
        return ReadFailed;
    }
    if (got == 0) {
        timedOut = true;
    } else if (got < Protocol::InputReportSize) {
        // A short report never mixes with the tail of the one before it.
        std::memset(buffer + got, 0, static_cast<size_t>(Protocol::InputReportSize - got));
    }
    return Success;
}

int CUSBConnect::ReadPacket(BYTE* buffer)
{
    // A wait that ends without data leaves the buffer as it was and still counts as success here: the
    // identity query zeroes its buffer first, so a silent unit fails its reply check instead.
    bool timedOut = false;
    return readReport(buffer, timedOut);
}

int CUSBConnect::CheckReply(const BYTE* buffer, int command) const
{
    if (buffer[0] != Protocol::Magic0 || buffer[1] != Protocol::Magic1)
        return BadMagic;
    if (buffer[Protocol::InCommand] != (command & 0xFF) || buffer[Protocol::InCommand + 1] != ((command >> 8) & 0xFF))
        return WrongReply;
    return Success;
}

int CUSBConnect::GetDeviceInfo()
{
    std::memset(m_byReceiveBuffer, 0, sizeof m_byReceiveBuffer);
    int result = SendPacket(m_bySendBuffer, Cmd::GetDeviceInfo, 0, nullptr, true, true);
    if (result != Success)
        return result;
    Settle::settle(Wait::AfterIdentityRequest);
    result = ReadPacket(m_byReceiveBuffer);
    if (result != Success)
        return result;
    result = CheckReply(m_byReceiveBuffer, Cmd::DeviceInfoReply);
    if (result != Success)
        return result;

    const BYTE* payload = m_byReceiveBuffer + Protocol::InPayload;
    g_deviceInfo.hardwareProductCode = wordAt(payload);
    g_deviceInfo.hardwarePatchVersion = wordAt(payload + 2);
    g_deviceInfo.maxPresetNameLength = wordAt(payload + 4);
    g_deviceInfo.maxPresetParamLength = wordAt(payload + 6);
    g_deviceInfo.presetCount = wordAt(payload + 8);
    const int dsp = payload[10];
    const int firmware = payload[12];
    g_deviceInfo.setVersionTexts(QStringLiteral("DSP v%1.%2").arg(dsp >> 4).arg(dsp & 0x0F),
                                 QStringLiteral("Firmware v%1.%2").arg(firmware >> 4).arg(firmware & 0x0F));
    return Success;
}

// One report of a multi-report reply: settle, read, check. Unlike ReadPacket, a read that times out is a
// failure (ReadFailed) here: the buffer would still hold the previous report, and a reader that consumed it
// again would build a record or name out of stale bytes, or never reach the end of a silent unit's reply.
int CUSBConnect::readReplyReport(int command, int settleMs, bool invalidWithCode, int& length)
{
    Settle::settle(settleMs);
    bool timedOut = false;
    int result = readReport(m_byReceiveBuffer, timedOut);
    if (result == Success && timedOut)
        result = ReadFailed;
    if (result != Success) {
        TS_DEBUG("Error reading from device!");
        return result;
    }
    result = CheckReply(m_byReceiveBuffer, command);
    if (result != Success) {
        if (invalidWithCode)
            TS_DEBUG("Data is invalid!: %d", result);
        else
            TS_DEBUG("Data is invalid!");
        return result;
    }
    length = payloadLength(m_byReceiveBuffer);
    return Success;
}

// Every multi-report reply is read the same way: sleep, read, check, hand the payload on, and go on while the
// unit sends full reports. A unit that never ends its reply is cut off after the reports the expected data can
// need (result 4), so a lying unit cannot keep a reader going.
int CUSBConnect::readReply(int command, int settleMs, bool invalidWithCode, qint64 expectedBytes,
                           const std::function<void(const BYTE* payload, int length)>& consume)
{
    const int budget = reportBudget(expectedBytes);
    for (int reports = 0; reports < budget; ++reports) {
        int length = 0;
        const int result = readReplyReport(command, settleMs, invalidWithCode, length);
        if (result != Success) {
            drainUnread();
            return result;
        }
        consume(m_byReceiveBuffer + Protocol::InPayload, length);
        if (length <= 55)
            return Success;
    }
    TS_DEBUG("Reply does not end after %d reports", budget);
    drainUnread();
    return ReadFailed;
}

// What a failed or cut-short reply left unread is read away before the next request: otherwise the next exchange
// (the poll's identity query above all) would take one of those reports for its own answer, and one bad report
// would become a lost unit. Bounded, so a unit that keeps talking cannot keep us here.
void CUSBConnect::drainUnread()
{
    constexpr int kMostReports = 4096; // more than the longest reply: a record of 2 x 65535 entries
    BYTE report[Protocol::InputReportSize];
    int dropped = 0;
    while (m_pDevice && dropped < kMostReports && HidSeam::api().read_timeout(m_pDevice, report, sizeof report, 0) > 0)
        ++dropped;
    if (dropped > 0)
        TS_DEBUG("Dropped %d unread reports", dropped);
}

int CUSBConnect::sendNumber(int command, int number)
{
    BYTE payload[4] = {static_cast<BYTE>(number & 0xFF), static_cast<BYTE>((number >> 8) & 0xFF),
                       static_cast<BYTE>((number >> 16) & 0xFF), static_cast<BYTE>((number >> 24) & 0xFF)};
    const int result = SendPacket(m_bySendBuffer, command, 4, payload, true, true);
    if (result != Success)
        TS_DEBUG("Error writing to device!");
    return result;
}

int CUSBConnect::sendRequest(int command)
{
    const int result = SendPacket(m_bySendBuffer, command, 0, nullptr, true, true);
    if (result != Success)
        TS_DEBUG("Error writing to device!");
    return result;
}

int CUSBConnect::beginBulkWrite()
{
    // The unit needs a moment after the last exchange before it switches to bulk mode.
    Settle::settle(Wait::BeforeBulkBegin);
    m_pendingVerify.clear();
    const int result = SendPacket(m_bySendBuffer, Cmd::BeginBulkWrite, 0, nullptr, false, true);
    m_bBulk = result == Success;
    if (result != Success)
        TS_DEBUG("Error writing to device!");
    return result;
}

int CUSBConnect::endBulkWrite()
{
    m_bBulk = false;
    return SendPacket(m_bySendBuffer, Cmd::EndBulkWrite, 0, nullptr, false, true);
}

// ============================================================================================================
// Read-back verification
// ============================================================================================================

void CUSBConnect::clearMismatches()
{
    m_mismatches = Mismatches();
    m_pendingVerify.clear();
}

int CUSBConnect::verifyRecord(int presetNumber, const int* record, int nameLength, int paramCount)
{
    nameLength = std::max(0, nameLength);
    paramCount = std::max(0, paramCount);
    std::unique_ptr<int[]> readBack(new int[static_cast<size_t>(nameLength) + static_cast<size_t>(paramCount)]());
    const int result = GetPresetDataFromHardware(readBack.get(), presetNumber, nameLength, paramCount);
    if (result != Success) {
        TS_DEBUG("Read-back of preset %d failed: %d", presetNumber, result);
        return result;
    }
    // Compared as they travel: a name entry is one byte, a parameter a signed 16-bit word.
    bool same = true;
    for (int i = 0; i < nameLength + paramCount && same; ++i) {
        same =
            i < nameLength ? (record[i] & 0xFF) == readBack[i] : static_cast<qint16>(record[i] & 0xFFFF) == readBack[i];
    }
    if (!same) {
        TS_WARNING("Preset %d reads back differently from what was written", presetNumber);
        if (!m_mismatches.presets.contains(presetNumber))
            m_mismatches.presets.append(presetNumber);
    }
    return Success;
}

int CUSBConnect::verifySetList(int setListNum, const unsigned char (&data)[20])
{
    int readBack[Protocol::SetListSlots] = {};
    const int result = GetSetListData(setListNum, readBack);
    if (result != Success) {
        TS_DEBUG("Read-back of set list %d failed: %d", setListNum, result);
        return result;
    }
    if (!std::equal(data, data + Protocol::SetListSlots, readBack)) {
        TS_WARNING("Set list %d reads back differently from what was written", setListNum);
        if (!m_mismatches.setLists.contains(setListNum))
            m_mismatches.setLists.append(setListNum);
    }
    return Success;
}

// The records of a bulk bracket, once the unit has stored them.
int CUSBConnect::verifyPending()
{
    std::vector<std::pair<int, std::vector<int>>> pending;
    pending.swap(m_pendingVerify);
    for (const auto& written : pending) {
        const int result = verifyRecord(written.first, written.second.data(), g_deviceInfo.maxPresetNameLength,
                                        g_deviceInfo.maxPresetParamLength);
        if (result != Success)
            return result;
    }
    return Success;
}

int CUSBConnect::verified(int result) const
{
    return result == Success && !m_mismatches.isEmpty() ? VerifyMismatch : result;
}

// ============================================================================================================
// Presets on the unit
// ============================================================================================================

int* CUSBConnect::newRecord() const
{
    const int entries =
        std::max(0, g_deviceInfo.maxPresetNameLength.load()) + std::max(0, g_deviceInfo.maxPresetParamLength.load());
    return new int[static_cast<size_t>(entries)]();
}

bool CUSBConnect::bankFits(int presetCount, int nameLength, int paramCount) const
{
    if (presetCount < 0 || nameLength < 0 || paramCount < 0)
        return false;
    return qint64(presetCount) * (qint64(nameLength) + paramCount) <= kMaxBankEntries;
}

int CUSBConnect::GetPresetDataFromHardware(int* record, int presetNumber, int nameLength, int paramCount)
{
    if (!record)
        return NoRecord;
    nameLength = std::max(0, nameLength);
    paramCount = std::max(0, paramCount);
    int result = sendNumber(Cmd::SelectPreset, presetNumber);
    if (result != Success)
        return result;
    result = sendRequest(Cmd::ReadPresetData);
    if (result != Success)
        return result;

    const int entries = nameLength + paramCount;
    int i = 0;
    return readReply(Cmd::PresetDataReply, Wait::BeforePresetDataReport, false,
                     qint64(nameLength) + 2 * qint64(paramCount), [&](const BYTE* payload, int length) {
                         for (int step = 0; step < (length + 1) / 2; ++step) {
                             const int low = payload[2 * step];
                             const int high = payload[2 * step + 1];
                             if (i < nameLength) {
                                 record[i] = low;
                                 if (i + 1 < entries) // an odd name length never writes past the record
                                     record[i + 1] = high;
                                 i += 2;
                             } else if (i < entries) {
                                 record[i] = static_cast<qint16>(static_cast<quint16>(low | (high << 8)));
                                 ++i;
                             }
                         }
                     });
}

int CUSBConnect::GetPresetNameFromHardware(QString& name, int presetNumber)
{
    int result = sendNumber(Cmd::SelectPreset, presetNumber);
    if (result != Success)
        return result;
    result = sendRequest(Cmd::ReadPresetName);
    if (result != Success)
        return result;

    return readReply(Cmd::PresetNameReply, Wait::BeforePresetNameReport, false, g_deviceInfo.maxPresetNameLength,
                     [&name](const BYTE* payload, int length) {
                         for (int k = 0; k < length; ++k) {
                             const int c = payload[k];
                             name.append(PresetName::character(c));
                         }
                     });
}

int CUSBConnect::GetAllPresetNames(int storage, int& presetBase, int& presetCount, QStringList& names,
                                   progressCallback progress, nameCallback nameCb)
{
    if (storage != 0 && storage != 1) {
        TS_DEBUG("%s", kStorageMessage);
        return BadStorage;
    }
    presetBase = storage == 1 ? kFactoryBase : kUserBase;
    std::memset(m_byReceiveBuffer, 0, sizeof m_byReceiveBuffer);
    presetCount = g_deviceInfo.presetCount;
    const int nameLength = g_deviceInfo.maxPresetNameLength;
    const int paramCount = g_deviceInfo.maxPresetParamLength;
    if (!bankFits(presetCount, nameLength, paramCount)) {
        TS_DEBUG("Error Allocating memory");
        return NoRecord;
    }

    for (int n = presetBase; n < presetBase + presetCount; ++n) {
        QString name;
        const int result = GetPresetNameFromHardware(name, n);
        if (result != Success) {
            TS_DEBUG("Error reading preset data from hardware, error: %d", result);
            return ReadFailed;
        }
        names.append(name);
        if (nameCb && nameCb(storage, presetBase, n - presetBase, name, nameLength, paramCount,
                             g_deviceInfo.hardwareProductCode, g_deviceInfo.hardwarePatchVersion))
            return Success;
        if (progress && progress(presetCount, n - presetBase + 1))
            return Success;
    }
    return Success;
}

int CUSBConnect::GetAllPresets(int storage, int& presetBase, int& presetCount, int** /*unused*/,
                               int& maxPresetNameLength, int& maxPresetParamLength, int& hardwareProductCode,
                               int& hardwarePatchVersion, presetCallback presetCb, progressCallback progress)
{
    if (storage != 0 && storage != 1) {
        TS_DEBUG("%s", kStorageMessage);
        return BadStorage;
    }
    presetBase = storage == 1 ? kFactoryBase : kUserBase;
    presetCount = g_deviceInfo.presetCount;
    maxPresetNameLength = g_deviceInfo.maxPresetNameLength;
    maxPresetParamLength = g_deviceInfo.maxPresetParamLength;
    hardwareProductCode = g_deviceInfo.hardwareProductCode;
    hardwarePatchVersion = g_deviceInfo.hardwarePatchVersion;
    TS_DEBUG("%d %d %d %d %d", hardwareProductCode, hardwarePatchVersion, maxPresetNameLength, maxPresetParamLength,
             presetCount);
    if (!bankFits(presetCount, maxPresetNameLength, maxPresetParamLength)) {
        TS_DEBUG("Error Allocating memory");
        return NoRecord;
    }

    for (int n = presetBase; n < presetBase + presetCount; ++n) {
        int* record = newRecord();
        const int result = GetPresetDataFromHardware(record, n, maxPresetNameLength, maxPresetParamLength);
        if (result != Success) {
            delete[] record;
            TS_DEBUG("Error reading preset data from hardware, error: %d", result);
            return ReadFailed;
        }
        if (progress && progress(presetCount, n - presetBase + 1)) {
            delete[] record;
            return Success;
        }
        if (!presetCb) {
            delete[] record;
        } else if (presetCb(storage, presetBase, n - presetBase, record, maxPresetNameLength, maxPresetParamLength,
                            hardwareProductCode, hardwarePatchVersion)) {
            return Success;
        }
    }
    return Success;
}

int CUSBConnect::SendPresetDataToHardware(int presetNumber, int* record, int nameLength, int paramCount, bool fast)
{
    nameLength = std::max(0, nameLength);
    paramCount = std::max(0, paramCount);
    const int entries = nameLength + paramCount;
    if (!record && entries > 0)
        return NoRecord;
    int result = sendNumber(Cmd::SelectPreset, presetNumber);
    if (result != Success)
        return result;

    int words = nameLength / 2 + paramCount;
    int bytesLeft = 2 * words;
    int checksum = 0;
    int i = 0;
    while (i < entries) {
        std::memset(m_bySendBuffer, 0, sizeof m_bySendBuffer);
        BYTE chunk[Protocol::MaxPayload] = {};
        for (int w = 0; w < Protocol::MaxPayload / 2; ++w) {
            int low = 0;
            int high = 0;
            if (i < nameLength) {
                low = record[i] & 0xFF;
                high = i + 1 < entries ? record[i + 1] & 0xFF : 0;
                i += 2;
            } else if (i < entries) {
                low = record[i] & 0xFF;
                high = (record[i] >> 8) & 0xFF;
                ++i;
            } else {
                continue; // zero fill: not part of the record, not part of the checksum
            }
            chunk[2 * w] = static_cast<BYTE>(low);
            chunk[2 * w + 1] = static_cast<BYTE>(high);
            checksum ^= low ^ high;
        }
        result = SendPacket(m_bySendBuffer, Cmd::PresetData, std::clamp(bytesLeft, 0, Protocol::MaxPayload), chunk,
                            true, true);
        if (result != Success) {
            TS_DEBUG("Error writing to device!");
            return result;
        }
        words -= Protocol::MaxPayload / 2;
        if (words < 1)
            break;
        bytesLeft -= Protocol::MaxPayload;
    }

    std::memset(m_bySendBuffer, 0, sizeof m_bySendBuffer);
    m_bySendBuffer[Protocol::OutPayload] = static_cast<BYTE>(checksum & 0xFF);
    result = SendPacket(m_bySendBuffer, Cmd::PresetData, 0, nullptr, true, false);
    if (result != Success) {
        TS_DEBUG("Error writing to device!");
        return result;
    }
    // The unit stores a single record in flash before it takes the next request; inside a bulk bracket it
    // only buffers it and the long wait comes once, after the bracket closes.
    Settle::settle(fast ? Wait::AfterFastRecordWrite : Wait::AfterRecordWrite);
    // As the unit keeps it: a name entry is one byte, a parameter a signed 16-bit word.
    QVector<int> stored(entries);
    for (int i = 0; i < entries; ++i)
        stored[i] = i < nameLength ? record[i] & 0xFF : static_cast<qint16>(record[i] & 0xFFFF);
    m_written.append({presetNumber, stored});
    if (!m_bVerify)
        return Success;
    if (m_bBulk) {
        m_pendingVerify.emplace_back(presetNumber, std::vector<int>(record, record + entries));
        return Success;
    }
    return verifyRecord(presetNumber, record, nameLength, paramCount);
}

int CUSBConnect::SendPresetNameToHardware(const QString& name, int presetNumber, int* /*unused*/,
                                          presetCallback presetCb)
{
    clearMismatches();
    const int nameLength = g_deviceInfo.maxPresetNameLength;
    const int paramCount = g_deviceInfo.maxPresetParamLength;
    std::unique_ptr<int[]> record(newRecord());
    int result = GetPresetDataFromHardware(record.get(), presetNumber, nameLength, paramCount);
    if (result != Success)
        return result;

    // A name longer than the unit keeps is cut to the name length: the entries after it are parameters.
    const int taken = std::min(static_cast<int>(name.size()), nameLength);
    for (int k = 0; k < taken; ++k) {
        const int code = name.at(k).unicode();
        // Codes 128 to 255 travel as their low byte; the record keeps them as the unit's signed char would.
        record[k] = code < 256 ? static_cast<int>(static_cast<signed char>(code)) : 0;
    }
    for (int k = taken; k < nameLength; ++k)
        record[k] = 32;

    result = SendPresetDataToHardware(presetNumber, record.get(), nameLength, paramCount, false);
    if (result != Success) {
        TS_DEBUG("Error writing preset data from hardware, error: %d", result);
        return ReadFailed;
    }
    handOver(presetCb, presetNumber, record.release());
    return verified(Success);
}

int CUSBConnect::SavePreset(int* record, QString fileName, int nameLength, int paramCount, int productCode,
                            int patchVersion)
{
    if (!record)
        return NoRecord;
    const SpcPatchFile file = {productCode, patchVersion, nameLength, paramCount, record};
    const int result = SpcWritePatch(fileName.toLocal8Bit().constData(), SPC_VERSION, file);
    if (result != SPC_OK) {
        TS_DEBUG("Error saving preset data, error: %d", result);
        return FileWriteFailed;
    }
    return Success;
}

int CUSBConnect::SavePresetFromHardware(int presetNumber, const QString& fileName)
{
    std::unique_ptr<int[]> record(newRecord());
    const int result = GetPresetDataFromHardware(record.get(), presetNumber, g_deviceInfo.maxPresetNameLength,
                                                 g_deviceInfo.maxPresetParamLength);
    if (result != Success)
        return result;
    return SavePreset(record.get(), fileName, g_deviceInfo.maxPresetNameLength, g_deviceInfo.maxPresetParamLength,
                      g_deviceInfo.hardwareProductCode, g_deviceInfo.hardwarePatchVersion);
}

int CUSBConnect::CopyPreset(int destination, int source, presetCallback presetCb)
{
    clearMismatches();
    const int nameLength = g_deviceInfo.maxPresetNameLength;
    const int paramCount = g_deviceInfo.maxPresetParamLength;
    std::unique_ptr<int[]> record(newRecord());
    int result = GetPresetDataFromHardware(record.get(), source, nameLength, paramCount);
    if (result != Success)
        return result;
    result = SendPresetDataToHardware(destination, record.get(), nameLength, paramCount, false);
    if (result != Success)
        return result;
    handOver(presetCb, destination, record.release());
    return verified(Success);
}

int CUSBConnect::LoadPresets(QList<int> destinations, QList<int> sources, presetCallback presetCb, bool bulk)
{
    const int nameLength = g_deviceInfo.maxPresetNameLength;
    const int paramCount = g_deviceInfo.maxPresetParamLength;
    const int pairs = static_cast<int>(std::min(destinations.size(), sources.size()));
    clearMismatches();

    // In bulk mode every source is read before the unit is put into bulk mode: it cannot answer reads there.
    std::vector<std::unique_ptr<int[]>> records;
    if (bulk) {
        for (int k = 0; k < pairs; ++k) {
            std::unique_ptr<int[]> record(newRecord());
            const int result = GetPresetDataFromHardware(record.get(), sources.at(k), nameLength, paramCount);
            if (result != Success)
                return result; // nothing has been written
            records.push_back(std::move(record));
        }
        const int result = beginBulkWrite();
        if (result != Success)
            return result;
    }

    for (int k = 0; k < pairs; ++k) {
        std::unique_ptr<int[]> record;
        if (bulk) {
            record = std::move(records[static_cast<size_t>(k)]);
        } else {
            record.reset(newRecord());
            const int result = GetPresetDataFromHardware(record.get(), sources.at(k), nameLength, paramCount);
            if (result != Success)
                return result;
        }
        const int result = SendPresetDataToHardware(destinations.at(k), record.get(), nameLength, paramCount, bulk);
        if (result != Success) {
            if (bulk)
                endBulkWrite(); // the unit must leave bulk mode whatever happened
            return result;
        }
        if (handOver(presetCb, destinations.at(k), record.release())) {
            if (bulk)
                endBulkWrite();
            return verified(Success);
        }
    }

    if (bulk) {
        if (endBulkWrite() != Success) {
            TS_DEBUG("Error writing to device!");
            return WriteFailed;
        }
        Settle::settle(Wait::AfterBulkEnd);
        const int result = verifyPending();
        if (result != Success)
            return result;
    }
    return verified(Success);
}

// ============================================================================================================
// Set lists and system parameters
// ============================================================================================================

int CUSBConnect::GetSetListData(int setListNum, int* out)
{
    std::memset(m_byReceiveBuffer, 0, sizeof m_byReceiveBuffer);
    int result = sendNumber(Cmd::SelectSetList, setListNum);
    if (result != Success)
        return result;
    result = sendRequest(Cmd::ReadSetList);
    if (result != Success)
        return result;

    return readReply(Cmd::SetListData, Wait::BeforeSetListReply, true, Protocol::SetListSlots,
                     [out](const BYTE* payload, int length) {
                         for (int k = 0; k < std::min(length, Protocol::SetListSlots); ++k)
                             out[k] = payload[k];
                     });
}

int CUSBConnect::SetSetListData(int setListNum, const unsigned char (&data)[20])
{
    TS_DEBUG("\ndata size: %d", Protocol::SetListSlots);
    std::memset(m_byReceiveBuffer, 0, sizeof m_byReceiveBuffer);
    int result = sendNumber(Cmd::SelectSetList, setListNum);
    if (result != Success)
        return result;
    BYTE payload[Protocol::SetListSlots];
    std::memcpy(payload, data, sizeof payload);
    result = SendPacket(m_bySendBuffer, Cmd::SetListData, Protocol::SetListSlots, payload, true, true);
    if (result != Success) {
        TS_DEBUG("Error writing to device!");
        return result;
    }
    // The unit writes the list to flash and takes nothing meanwhile; it never confirms the write.
    Settle::settle(Wait::AfterSetListWrite);
    return Success;
}

// Reads the reply to one system-parameter page. On the first page a read that times out leaves the zeroed
// buffer, so a unit that never answers these requests reads as "no system parameters" (BadMagic, which
// GetSysParams reports as NoSysParams). Once the unit has answered a page, silence means it is gone: the
// buffer still holds the previous page, so a timed-out read is a read failure instead of a repeated page.
int CUSBConnect::readSysParamReply(int page)
{
    Settle::settle(Wait::BeforeSysParamReply);
    bool timedOut = false;
    int result = readReport(m_byReceiveBuffer, timedOut);
    if (result == Success && timedOut && page > 0)
        result = ReadFailed;
    if (result != Success) {
        TS_DEBUG("Error reading from device!");
        return result;
    }
    result = CheckReply(m_byReceiveBuffer, Cmd::SysParamsReply);
    if (result != Success)
        TS_DEBUG("Data is invalid!");
    return result;
}

int CUSBConnect::GetSysParams(QByteArray& out)
{
    std::memset(m_bySendBuffer, 0, sizeof m_bySendBuffer);
    std::memset(m_byReceiveBuffer, 0, sizeof m_byReceiveBuffer);
    for (int page = 0; page < Protocol::SysPage::Pages; ++page) {
        BYTE selector = page == 0 ? Protocol::SysPage::ReadFirst : Protocol::SysPage::ReadNext;
        int result = SendPacket(m_bySendBuffer, Cmd::SysParams, 1, &selector, false, true);
        if (result != Success) {
            TS_DEBUG("Error writing to device!");
            return result;
        }
        result = readSysParamReply(page);
        if (result == BadMagic)
            return NoSysParams;
        if (result != Success)
            return result;
        const int length = payloadLength(m_byReceiveBuffer);
        const BYTE* payload = m_byReceiveBuffer + Protocol::InPayload;
        char text[SPC_INT_TEXT_SIZE];
        for (int w = 0; length > 1 && w < length / 2; ++w) {
            const int n = SpcFormatInt(wordAt(payload + 2 * w), text, sizeof text);
            out.append(text, n);
        }
    }
    return Success;
}

int CUSBConnect::SendSysParams(const QByteArray& text)
{
    m_sentSysParams.clear();
    m_bSysPagesSent = false;
    std::memset(m_bySendBuffer, 0, sizeof m_bySendBuffer);
    std::memset(m_byReceiveBuffer, 0, sizeof m_byReceiveBuffer);
    const int size = static_cast<int>(text.size());
    int pos = 0;
    for (int page = 0; page < Protocol::SysPage::Pages; ++page) {
        BYTE payload[2 + 2 * Protocol::SysPage::ValuesPerPage];
        int count = 0; // value bytes
        for (int slot = 0; slot < Protocol::SysPage::ValuesPerPage; ++slot) {
            int value = 0;
            if (size > slot && size > pos) {
                if (!SpcParseInt(text.constData() + pos, size - pos, &value))
                    break; // nothing to parse: this page, and every page after it, ends here
                const int newline = static_cast<int>(text.indexOf('\n', pos));
                pos = newline < 0 ? size : newline + 1;
            }
            m_sentSysParams.append(value & 0xFFFF);
            payload[2 + count] = static_cast<BYTE>(value & 0xFF);
            payload[3 + count] = static_cast<BYTE>((value >> 8) & 0xFF);
            count += 2;
        }
        payload[0] = page == 0 ? Protocol::SysPage::WriteFirst : Protocol::SysPage::WriteNext;
        payload[1] = static_cast<BYTE>(count);
        int result = SendPacket(m_bySendBuffer, Cmd::SysParams, 2 + count, payload, false, true);
        if (result != Success) {
            TS_DEBUG("Error writing to device!");
            return result;
        }
        m_bSysPagesSent = true;
        result = readSysParamReply(page);
        if (result != Success)
            return result;
        // The answer is a system-parameter report; nothing is promised about its content, so it is not compared
        // (a restore reads the parameters back once the unit has stored them).
    }
    return Success;
}

// ============================================================================================================
// Firmware
// ============================================================================================================

// Streams the image in chunks back to back (the unit answers nothing while it takes an image) and closes the
// transfer with the checksum. A failed chunk ends the transfer at once: no closing report, so the unit never
// takes a broken image for a whole one.
int CUSBConnect::sendFirmware(QByteArray image, int checksum, int chunkSize, int chunkCommand, int endCommand,
                              progressCallback progress, qint64 startMs)
{
    const int padding = (chunkSize - static_cast<int>(image.size() % chunkSize)) % chunkSize;
    image.append(padding, '\0');
    const int size = static_cast<int>(image.size());
    TS_DEBUG("size is: %d", size);

    // About a hundred progress reports per image, and at least one chunk per report for small images.
    const int step = std::max(1, (size / chunkSize) / 100);
    BYTE* data = reinterpret_cast<BYTE*>(image.data());
    int sent = 0;
    m_iWriteTotal = size;
    for (int offset = 0, chunk = 0; offset < size; offset += chunkSize, ++chunk) {
        std::memset(m_bySendBuffer, 0, sizeof m_bySendBuffer);
        const int result = SendPacket(m_bySendBuffer, chunkCommand, chunkSize, data + offset, true, true);
        if (result != Success) {
            TS_DEBUG("Error writing to device!");
            return result;
        }
        sent = offset + chunkSize;
        m_iWritten = sent;
        // Its answer is ignored: once the unit is in update mode, stopping half way would leave it unusable.
        if (chunk % step == 0 && progress)
            progress(size, sent);
    }
    if (progress)
        progress(size, sent);
    TS_DEBUG("time taken: %d secs", static_cast<int>((QDateTime::currentMSecsSinceEpoch() - startMs) / 1000));

    std::memset(m_bySendBuffer, 0, sizeof m_bySendBuffer);
    m_bySendBuffer[Protocol::OutPayload] = static_cast<BYTE>(checksum & 0xFF);
    const int result = SendPacket(m_bySendBuffer, endCommand, 0, nullptr, true, false);
    if (result != Success) {
        TS_DEBUG("Error writing to device!");
        return result;
    }
    return Success;
}

namespace {
// The whole image file, read once: what is sent is exactly what was read. Only a regular file is opened, so a pipe
// under the image's name cannot keep the worker waiting.
bool readImageFile(const QString& path, QByteArray* pBytes)
{
    const int iFd = SafeFile::openForReading(QFile::encodeName(path).constData());
    QFile file;
    if (iFd < 0 || !file.open(iFd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        TS_DEBUG("Cannot open firmware file: %s", qUtf8Printable(path));
        return false;
    }
    *pBytes = file.readAll();
    return true;
}
} // namespace

// A file that cannot be opened ends the update before the unit is touched: an empty image would still put the
// unit into update mode and leave it waiting for firmware that never comes.
int CUSBConnect::UpdateDSPFW(const QString& path, progressCallback progress)
{
    QByteArray fileBytes;
    return readImageFile(path, &fileBytes) ? UpdateDSPFW(fileBytes, progress) : FileNotFound;
}

int CUSBConnect::UpdateMicroFW(const QString& path, progressCallback progress)
{
    QByteArray fileBytes;
    return readImageFile(path, &fileBytes) ? UpdateMicroFW(fileBytes, progress) : FileNotFound;
}

int CUSBConnect::UpdateDSPFW(const QByteArray& fileBytes, progressCallback progress)
{
    m_iWritten = 0;
    m_iWriteTotal = 0;
    const qint64 startMs = QDateTime::currentMSecsSinceEpoch();
    // One byte per line: two prefix characters (normally "0x"), then hex digits; a line that does not parse
    // gives 0, and of a longer number only the low byte counts.
    QByteArray image;
    int checksum = 0;
    for (int from = 0; from < fileBytes.size();) {
        int end = fileBytes.indexOf('\n', from);
        if (end < 0)
            end = fileBytes.size();
        QByteArray line = fileBytes.mid(from, end - from);
        from = end + 1;
        while (line.endsWith('\r'))
            line.chop(1);
        bool ok = false;
        const qulonglong value = line.mid(2).toULongLong(&ok, 16);
        const int byte = ok ? static_cast<int>(value & 0xFF) : 0;
        checksum ^= byte;
        image.append(static_cast<char>(byte));
    }
    return sendFirmware(image, checksum, Protocol::DspChunkSize, Cmd::DspImageChunk, Cmd::DspImageEnd, progress,
                        startMs);
}

int CUSBConnect::UpdateMicroFW(const QByteArray& image, progressCallback progress)
{
    m_iWritten = 0;
    m_iWriteTotal = 0;
    const qint64 startMs = QDateTime::currentMSecsSinceEpoch();
    int checksum = 0;
    for (char c : image)
        checksum ^= static_cast<unsigned char>(c);
    return sendFirmware(image, checksum, Protocol::MicroChunkSize, Cmd::MicroImageChunk, Cmd::MicroImageEnd, progress,
                        startMs);
}

// ============================================================================================================
// Preset files
// ============================================================================================================

namespace {
bool sameIdentity(const SpcHeader& header)
{
    return header.hardwareProductCode == g_deviceInfo.hardwareProductCode &&
           header.hardwarePatchVersion == g_deviceInfo.hardwarePatchVersion &&
           header.iMaxPatchNameLen == g_deviceInfo.maxPresetNameLength &&
           header.iNumPatchParams == g_deviceInfo.maxPresetParamLength;
}

QByteArray local8(const QString& path)
{
    return path.toLocal8Bit();
}

// Sizes no unit can have: a name length, parameter count or patch count beyond the unit's 16-bit identity fields,
// or patches of no entries at all (a count of those would drive a loop over nothing). Checked before any of them
// sizes a buffer or a loop.
bool headerFits(const SpcHeader& header)
{
    const auto field = [](int value) { return value >= 0 && value <= 0xFFFF; };
    return field(header.iMaxPatchNameLen) && field(header.iNumPatchParams) && field(header.iNumPatches) &&
           (header.iNumPatches == 0 || qint64(header.iMaxPatchNameLen) + header.iNumPatchParams > 0);
}

// Whether every entry of `patches` records is a value the unit keeps: name codes one byte each (a unit's own names
// may hold any byte, a tab among them, and a file saved from it must load again), parameters signed 16-bit. A file
// with other values was not made from a unit, and writing it would silently cut its values down, so it is refused
// as corrupt before anything is sent.
bool recordsFit(const int* data, qint64 patches, int nameLength, int paramCount)
{
    const qint64 recordSize = qint64(nameLength) + paramCount;
    for (qint64 i = 0; i < patches * recordSize; ++i) {
        const int value = data[i];
        const bool fits = i % recordSize < nameLength ? value >= 0 && value <= 255 : value >= -32768 && value <= 32767;
        if (!fits)
            return false;
    }
    return true;
}
} // namespace

// The start every file-side operation shares: a missing file is told apart before anything else, the link's
// input buffer is cleared, and a header the file module refuses reads as a failed read.
int CUSBConnect::openPresetFile(const QString& path, SpcHeader& header)
{
    if (!QFileInfo::exists(path))
        return FileNotFound;
    std::memset(m_byReceiveBuffer, 0, sizeof m_byReceiveBuffer);
    if (SpcReadHeader(local8(path).constData(), header) != SPC_OK) {
        TS_DEBUG("Error reading backup file: %s", qUtf8Printable(path));
        return FileCorrupted;
    }
    if (!headerFits(header)) {
        TS_DEBUG("File data corrupted: %s", qUtf8Printable(path));
        return FileCorrupted;
    }
    return Success;
}

int CUSBConnect::LoadPreset(int presetNumber, QString path, presetCallback presetCb)
{
    TS_DEBUG("Loading preset from %s to preset %d", qUtf8Printable(path), presetNumber);
    clearMismatches();
    const QByteArray file = local8(path);
    SpcHeader header = {};
    const int opened = openPresetFile(path, header);
    if (opened != Success)
        return opened;
    if (!sameIdentity(header) || header.iNumPatches != 1)
        return FileVersionMismatch;

    const int nameLength = header.iMaxPatchNameLen;
    const int paramCount = header.iNumPatchParams;
    std::unique_ptr<int[]> record(newRecord());
    SpcReadRequest request = {};
    request.pPresetData = record.get();
    request.iPresetDataLen = nameLength + paramCount;
    const int spc = SpcReadPatch(file.constData(), request);
    if (spc != SPC_OK) {
        TS_DEBUG("Error reading backup file: %s %d", qUtf8Printable(path), spc);
        return FileCorrupted;
    }
    if (!recordsFit(record.get(), 1, nameLength, paramCount)) {
        TS_DEBUG("File data corrupted: %s", qUtf8Printable(path));
        return FileCorrupted;
    }
    const int result = SendPresetDataToHardware(presetNumber, record.get(), nameLength, paramCount, false);
    if (result != Success)
        return result;
    handOver(presetCb, presetNumber, record.release());
    return verified(Success);
}

int CUSBConnect::CheckPresetFiles(const QStringList& files)
{
    for (int k = 0; k < files.size(); ++k) {
        const QString& path = files.at(k);
        if (!QFileInfo::exists(path))
            return FileNotFound;
        SpcHeader header = {};
        if (SpcReadHeader(local8(path).constData(), header) != SPC_OK || !headerFits(header))
            return FileCorrupted;
        if (!sameIdentity(header) || header.iNumPatches != 1)
            return FileVersionMismatch;
        // The values are checked here too: a file the unit cannot take stops the list before its first write.
        std::unique_ptr<int[]> record(newRecord());
        SpcReadRequest request = {};
        request.pPresetData = record.get();
        request.iPresetDataLen = header.iMaxPatchNameLen + header.iNumPatchParams;
        if (SpcReadPatch(local8(path).constData(), request) != SPC_OK ||
            !recordsFit(record.get(), 1, header.iMaxPatchNameLen, header.iNumPatchParams)) {
            TS_DEBUG("File data corrupted: %s", qUtf8Printable(path));
            return FileCorrupted;
        }
    }
    return Success;
}

int CUSBConnect::LoadPresets(QList<int> destinations, QStringList files, presetCallback presetCb, bool bracket)
{
    TS_DEBUG("Loading %d presets", static_cast<int>(destinations.size()));
    const int pairs = static_cast<int>(std::min(destinations.size(), files.size()));
    clearMismatches();

    // Every file is checked before the first write, so one bad file in the list leaves the unit untouched.
    const int checked = CheckPresetFiles(files.mid(0, pairs));
    if (checked != Success)
        return checked;

    if (bracket && beginBulkWrite() != Success)
        return WriteFailed;

    for (int k = 0; k < pairs; ++k) {
        std::memset(m_byReceiveBuffer, 0, sizeof m_byReceiveBuffer);
        // A file that went bad since the check is skipped: the others still load.
        const QByteArray file = local8(files.at(k));
        SpcHeader header = {};
        if (SpcReadHeader(file.constData(), header) != SPC_OK || !sameIdentity(header) || header.iNumPatches != 1)
            continue;
        const int nameLength = header.iMaxPatchNameLen;
        const int paramCount = header.iNumPatchParams;
        std::unique_ptr<int[]> record(newRecord());
        SpcReadRequest request = {};
        request.pPresetData = record.get();
        request.iPresetDataLen = nameLength + paramCount;
        if (SpcReadPatch(file.constData(), request) != SPC_OK)
            continue;

        const int number = destinations.at(k);
        TS_DEBUG("Loading preset: %d", number);
        const int result = SendPresetDataToHardware(number, record.get(), nameLength, paramCount, bracket);
        if (result != Success) {
            if (bracket)
                endBulkWrite();
            return result;
        }
        if (handOver(presetCb, number, record.release())) {
            if (bracket)
                endBulkWrite();
            return verified(Success);
        }
    }

    if (!bracket)
        return verified(Success);
    if (endBulkWrite() != Success) {
        TS_DEBUG("Error writing to device!");
        return WriteFailed;
    }
    Settle::settle(Wait::AfterBulkEnd);
    const int result = verifyPending();
    return result != Success ? result : verified(Success);
}

// Reads every patch of a collection file without its optional blocks. The header reader has checked that the
// file holds the preset data it announces, so the buffer is never larger than the file.
int CUSBConnect::readFactoryFile(const QString& path, SpcHeader& header, std::unique_ptr<int[]>& bank)
{
    const QByteArray file = local8(path);
    header = {};
    if (SpcReadHeader(file.constData(), header) != SPC_OK) {
        TS_DEBUG("Error reading backup file: %s", qUtf8Printable(path));
        return FileCorrupted;
    }
    if (!headerFits(header)) {
        TS_DEBUG("File data corrupted: %s", qUtf8Printable(path));
        return FileCorrupted;
    }
    const qint64 entries = qint64(header.iNumPatches) * (qint64(header.iMaxPatchNameLen) + header.iNumPatchParams);
    if (entries > kMaxBankEntries) {
        TS_DEBUG("Error reading backup file: %s %d", qUtf8Printable(path), SPC_ERR_DATA_SIZE);
        return FileCorrupted;
    }
    bank.reset(new (std::nothrow) int[static_cast<size_t>(entries)]());
    if (!bank) {
        TS_DEBUG("Error Allocating memory");
        return NoRecord;
    }
    SpcReadRequest request = {};
    request.pPresetData = bank.get();
    request.iPresetDataLen = static_cast<int>(entries);
    const int spc = SpcReadCollection(file.constData(), request);
    if (spc != SPC_OK) {
        TS_DEBUG("Error reading backup file: %s %d", qUtf8Printable(path), spc);
        return FileCorrupted;
    }
    // The file holds the presets and nothing else: a longer one was not made by the writer, and every value must
    // be one a unit keeps.
    if (QFileInfo(path).size() != SPC_HEADER_SIZE + 4 * entries ||
        !recordsFit(bank.get(), header.iNumPatches, header.iMaxPatchNameLen, header.iNumPatchParams)) {
        TS_DEBUG("File data corrupted: %s", qUtf8Printable(path));
        return FileCorrupted;
    }
    return Success;
}

int CUSBConnect::CheckFactoryFile(const QString& path, bool bWithUnit)
{
    SpcHeader header = {};
    std::unique_ptr<int[]> bank;
    const int result = readFactoryFile(path, header, bank);
    if (result != Success)
        return result;
    if (bWithUnit && (header.hardwareProductCode != g_deviceInfo.hardwareProductCode ||
                      header.iMaxPatchNameLen != g_deviceInfo.maxPresetNameLength ||
                      header.iNumPatchParams != g_deviceInfo.maxPresetParamLength ||
                      header.iNumPatches != g_deviceInfo.presetCount)) {
        TS_DEBUG("Factory preset file made for another unit: %s", qUtf8Printable(path));
        return FileVersionMismatch;
    }
    return Success;
}

int CUSBConnect::GetPresetDataFromFileSystem(int* record, int presetNumber, int nameLength, int paramCount)
{
    if (presetNumber < kFactoryBase)
        return BadStorage;
    const QString path = m_strFactoryPresetFolder + QLatin1String(kFactoryFileName);
    if (!QFileInfo::exists(path))
        return FileNotFound;
    SpcHeader header = {};
    std::unique_ptr<int[]> bank;
    const int result = readFactoryFile(path, header, bank);
    if (result != Success)
        return result;
    // A number past the file's last patch is no factory preset of this file: the same answer as a number
    // below 101, and the caller's record stays as it was.
    const int index = presetNumber - kFactoryBase;
    if (index >= header.iNumPatches)
        return BadStorage;
    // The file's record size decides where a patch starts; the caller's record size how much of it fits.
    const qint64 fileRecord = qint64(header.iMaxPatchNameLen) + header.iNumPatchParams;
    const qint64 copied = std::min(fileRecord, qint64(std::max(0, nameLength)) + std::max(0, paramCount));
    if (record)
        std::copy_n(bank.get() + qint64(index) * fileRecord, copied, record);
    return Success;
}

int CUSBConnect::ReadBackUp(int storage, BackUpImage& image, progressCallback progress)
{
    image = BackUpImage();
    if (storage < 0 || storage > 1) {
        TS_DEBUG("%s", kStorageMessage);
        return BadStorage;
    }
    const int base = storage == 1 ? kFactoryBase : kUserBase;
    std::memset(m_byReceiveBuffer, 0, sizeof m_byReceiveBuffer);

    const int count = g_deviceInfo.presetCount;
    const int nameLength = g_deviceInfo.maxPresetNameLength;
    const int paramCount = g_deviceInfo.maxPresetParamLength;
    const qint64 recordSize = qint64(nameLength) + paramCount;
    if (!bankFits(count, nameLength, paramCount) || count * recordSize <= 0) {
        TS_DEBUG("Error Allocating memory");
        return NoRecord;
    }
    image.productCode = g_deviceInfo.hardwareProductCode;
    image.patchVersion = g_deviceInfo.hardwarePatchVersion;
    image.nameLength = nameLength;
    image.paramCount = paramCount;
    image.presetCount = count;
    image.presets.resize(static_cast<int>(count * recordSize));
    const int total = count + 6; // the presets, five set lists, the system parameters

    for (int n = base; n < base + count; ++n) {
        const int result =
            GetPresetDataFromHardware(image.presets.data() + qint64(n - base) * recordSize, n, nameLength, paramCount);
        if (result != Success) {
            TS_DEBUG("Error reading preset data from hardware, error: %d", result);
            return ReadFailed;
        }
        if (progress && progress(total, n - base + 1))
            return Stopped;
    }

    int setLists[kSetListEntries] = {};
    for (int j = 0; j < Protocol::SetListCount; ++j) {
        const int result = GetSetListData(j, setLists + j * Protocol::SetListSlots);
        if (result != Success) {
            TS_DEBUG("Error reading preset data from hardware, error: %d", result);
            return ReadFailed;
        }
        if (progress && progress(total, count + j))
            return Stopped;
    }

    QByteArray sysParams;
    const int sysResult = GetSysParams(sysParams);
    if (sysResult != Success && sysResult != NoSysParams) {
        TS_DEBUG("Error reading system parameters from hardware, error: %d", sysResult);
        return ReadFailed;
    }
    if (progress && progress(total, total))
        return Stopped;

    // The factory file carries the presets only: set lists and system parameters belong to the user's unit.
    const bool user = storage == 0;
    image.hasSetLists = user;
    if (user)
        image.setLists = QVector<int>(setLists, setLists + kSetListEntries);
    image.hasSysParams = user && sysResult == Success && !sysParams.isEmpty();
    if (image.hasSysParams)
        image.sysParams = sysParams;
    return Success;
}

int CUSBConnect::BackUpPresets(int storage, const QString& path, progressCallback progress)
{
    BackUpImage image;
    const int result = ReadBackUp(storage, image, progress);
    if (result != Success)
        return result;
    TS_DEBUG("File: %s", qUtf8Printable(path));
    if (image.write(path) != Success)
        return FileWriteFailed;
    TS_DEBUG("File backed up: %s", qUtf8Printable(path));
    return Success;
}

int CUSBConnect::CheckBackUp(const QString& path, BackUpImage& image)
{
    const int result = BackUpImage::read(path, image);
    if (result != Success)
        return result;
    if (image.productCode != g_deviceInfo.hardwareProductCode ||
        image.patchVersion != g_deviceInfo.hardwarePatchVersion ||
        image.nameLength != g_deviceInfo.maxPresetNameLength || image.paramCount != g_deviceInfo.maxPresetParamLength ||
        image.presetCount != g_deviceInfo.presetCount) {
        TS_DEBUG("Back-up %s was made for another unit", qUtf8Printable(path));
        return FileVersionMismatch;
    }
    return Success;
}

int CUSBConnect::RestorePresets(const QString& path, progressCallback progress, presetCallback /*presetCb*/)
{
    // No preset callback is made: the window reads the unit again after a restore.
    m_iWritten = 0;
    m_iWriteTotal = g_deviceInfo.presetCount;
    clearMismatches();
    BackUpImage image;
    const int checked = CheckBackUp(path, image);
    return checked != Success ? checked : RestoreBackUp(image, progress);
}

int CUSBConnect::RestoreBackUp(const BackUpImage& image, progressCallback progress)
{
    m_iWritten = 0;
    m_iWriteTotal = image.presetCount;
    m_iRestoreStage = RestoreStage::Presets;
    clearMismatches();
    std::memset(m_byReceiveBuffer, 0, sizeof m_byReceiveBuffer);
    const int count = image.presetCount;
    const int total = count + 6;

    int result = beginBulkWrite();
    if (result != Success)
        return result;
    for (int p = 1; p <= count; ++p) {
        std::vector<int> record(image.record(p - 1), image.record(p - 1) + image.recordSize());
        result = SendPresetDataToHardware(p, record.data(), image.nameLength, image.paramCount, true);
        if (result != Success) {
            endBulkWrite(); // a unit that still answers must not stay in bulk mode
            return result;
        }
        m_iWritten = p;
        if (progress)
            progress(total, p);
    }
    result = endBulkWrite();
    if (result != Success) {
        TS_DEBUG("Error writing to device!");
        return result;
    }
    // The unit stores the whole bank after the bracket closes; it takes nothing else meanwhile.
    Settle::settle(Wait::AfterBulkEnd);
    result = verifyPending();
    if (result != Success)
        return result;

    // A set list or the system parameters the unit did not take leave it unlike the back-up: the restore fails.
    m_iRestoreStage = RestoreStage::SetLists;
    for (int j = 0; image.hasSetLists && j < Protocol::SetListCount; ++j) {
        unsigned char bytes[Protocol::SetListSlots];
        for (int k = 0; k < Protocol::SetListSlots; ++k)
            bytes[k] = static_cast<unsigned char>(image.setLists.at(j * Protocol::SetListSlots + k) & 0xFF);
        result = SetSetListData(j, bytes);
        if (result == Success && m_bVerify) {
            // As the set-list edit does: the unit is given a second more before the list is read back.
            Settle::settle(Wait::BeforeSetListReadBack);
            result = verifySetList(j, bytes);
        }
        if (result != Success) {
            TS_DEBUG("Error writing to device: %d", result);
            return result;
        }
        if (progress)
            progress(total, count + j + 1);
    }

    // A back-up without system parameters (the unit offered none when it was taken) leaves the unit's own.
    m_iRestoreStage = RestoreStage::SysParams;
    if (!image.hasSysParams)
        return verified(Success);
    result = SendSysParams(image.sysParams);
    // The unit stores the parameters after the last page; whatever the pages' answers said, it takes nothing
    // else until then.
    if (m_bSysPagesSent)
        Settle::settle(Wait::AfterRestore);
    if (result != Success)
        return result;
    if (m_bVerify)
        result = verifySysParams(image.sysParamValues().size());
    return result != Success ? result : verified(Success);
}

// Reads the parameters back with the read request (the answer to a written page promises nothing about its
// content) and compares them with the values the pages carried.
int CUSBConnect::verifySysParams(int expected)
{
    QByteArray text;
    const int result = GetSysParams(text);
    if (result != Success) {
        TS_DEBUG("Read-back of the system parameters failed: %d", result);
        return result;
    }
    BackUpImage readBack;
    readBack.sysParams = text;
    const QVector<int> values = readBack.sysParamValues();
    // A unit with fewer parameters than the pages carry answers with fewer; each it has must be what was sent,
    // and it must have at least those the back-up held.
    bool same = values.size() >= expected;
    for (int i = 0; same && i < values.size() && i < m_sentSysParams.size(); ++i)
        same = values.at(i) == m_sentSysParams.at(i);
    if (!same) {
        TS_WARNING("The system parameters read back differently from what was written");
        m_mismatches.sysParams = true;
    }
    return Success;
}

int CUSBConnect::RestoreFactoryPresets(const QString& path, progressCallback progress)
{
    m_iWritten = 0;
    m_iWriteTotal = g_deviceInfo.presetCount;
    clearMismatches();
    const QByteArray file = local8(path);
    SpcHeader header = {};
    const int opened = openPresetFile(path, header);
    if (opened != Success)
        return opened;
    const int count = g_deviceInfo.presetCount;
    if (!sameIdentity(header) || header.iNumPatches != count)
        return FileVersionMismatch;

    std::unique_ptr<int[]> bank;
    int result = readFactoryFile(path, header, bank);
    if (result != Success)
        return result;

    result = beginBulkWrite();
    if (result != Success)
        return result;
    const qint64 recordSize = qint64(header.iMaxPatchNameLen) + header.iNumPatchParams;
    for (int p = kFactoryBase; p < kFactoryBase + count; ++p) {
        result = SendPresetDataToHardware(p, bank.get() + qint64(p - kFactoryBase) * recordSize,
                                          header.iMaxPatchNameLen, header.iNumPatchParams, true);
        if (result != Success) {
            endBulkWrite(); // a unit that still answers must not stay in bulk mode
            return result;
        }
        m_iWritten = p - kFactoryBase + 1;
        if (progress)
            progress(count, p - 100);
    }
    result = endBulkWrite();
    if (result != Success) {
        TS_DEBUG("Error writing to device!");
        return result;
    }
    Settle::settle(Wait::AfterBulkEnd);
    result = verifyPending();
    return result != Success ? result : verified(Success);
}

int CUSBConnect::GetAllFactoryPresetNames(const QString& path, progressCallback progress, nameCallback nameCb)
{
    if (!QFileInfo::exists(path))
        return FileNotFound;
    std::memset(m_byReceiveBuffer, 0, sizeof m_byReceiveBuffer);

    // No identity check: the names are listed whatever unit the file came from.
    SpcHeader header = {};
    std::unique_ptr<int[]> bank;
    const int result = readFactoryFile(path, header, bank);
    if (result != Success)
        return result;

    const qint64 recordSize = qint64(header.iMaxPatchNameLen) + header.iNumPatchParams;
    for (int i = 0; i < header.iNumPatches; ++i) {
        const int* record = bank.get() + qint64(i) * recordSize;
        QString name = PresetName::fromCodes(record, header.iMaxPatchNameLen);
        name.replace(QLatin1Char('/'), QLatin1Char('_'));
        if (progress && progress(header.iNumPatches, i + 1))
            return Success;
        if (nameCb)
            nameCb(1, kFactoryBase, i, name, header.iMaxPatchNameLen, header.iNumPatchParams,
                   header.hardwareProductCode, header.hardwarePatchVersion);
    }
    return Success;
}
