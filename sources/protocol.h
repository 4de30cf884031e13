#pragma once

// Framing, command codes and settle times of the HID protocol spoken with the unit.
// Both ends of the link (CUSBConnect and the virtual unit) take their numbers from here.
namespace Protocol {

constexpr int OutputReportSize = 65; // report ID + 64 bytes
constexpr int InputReportSize = 64;  // the report ID never reaches us
constexpr int MaxPayload = 56;
constexpr unsigned char Magic0 = 0xDB;
constexpr unsigned char Magic1 = 0x03;

// Offsets inside an output report (byte 0 is the report ID).
constexpr int OutMagic = 1;
constexpr int OutCommand = 3;
constexpr int OutLength = 5;
constexpr int OutSequence = 7;
constexpr int OutPayload = 9;

// Offsets inside an input report.
constexpr int InCommand = 2;
constexpr int InLength = 4;
constexpr int InPayload = 8;

namespace Cmd {
constexpr int DspImageChunk = 2;
constexpr int DspImageEnd = 3;
constexpr int MicroImageChunk = 4;
constexpr int MicroImageEnd = 5;
constexpr int SelectPreset = 6;
constexpr int PresetData = 7;
constexpr int PresetDataReply = 7;
constexpr int ReadPresetData = 8;
constexpr int DeviceInfoReply = 9;
constexpr int GetDeviceInfo = 10;
constexpr int SelectSetList = 11;
constexpr int ReadSetList = 12;
constexpr int SetListData = 13;
constexpr int ReadPresetName = 14;
constexpr int PresetNameReply = 15;
constexpr int BeginBulkWrite = 16;
constexpr int EndBulkWrite = 17;
constexpr int SysParams = 18;
constexpr int SysParamsReply = 19;
} // namespace Cmd

// Page selectors carried in byte 0 of a SysParams request.
namespace SysPage {
constexpr unsigned char ReadFirst = 3;
constexpr unsigned char ReadNext = 4;
constexpr unsigned char WriteFirst = 5;
constexpr unsigned char WriteNext = 6;
constexpr int Pages = 8;
constexpr int ValuesPerPage = 25;
} // namespace SysPage

constexpr int DspChunkSize = 54;
constexpr int MicroChunkSize = 56;
constexpr int SetListSlots = 20;
constexpr int SetListCount = 5; // favourites + A..D

// Read timeout of every input report.
constexpr int ReadTimeoutMs = 2000;

// Settle times: the unit needs these pauses before it has an answer ready or has stored what it got.
namespace Settle {
constexpr int AfterIdentityRequest = 300;
constexpr int BeforePresetDataReport = 100;
constexpr int BeforePresetNameReport = 20;
constexpr int AfterFastRecordWrite = 300;
constexpr int AfterRecordWrite = 3000;
constexpr int BeforeBulkBegin = 100;
constexpr int AfterBulkEnd = 3000;
constexpr int BeforeSetListReply = 300;
constexpr int AfterSetListWrite = 3000;
constexpr int BeforeSysParamReply = 300;
// Device-operation level waits.
constexpr int BeforeSetListRead = 1000;
constexpr int BeforeSetListReadBack = 1000;
constexpr int BeforeLoadPresetFile = 1000;
constexpr int BeforeCopyPreset = 3000;
constexpr int AfterRestore = 5000;
} // namespace Settle

} // namespace Protocol
