#pragma once

// Serial patch collection files: the one binary format the librarian keeps presets in on disk.
//
//   preset file   (.tarp / .tscp)      one patch, no optional blocks          SpcWritePatch / SpcReadPatch
//   backup file   (.tarb / .tscb)      all user presets, 100 set-list entries, SpcWriteCollection /
//                                      the system-parameter text                SpcReadCollection
//   FactoryPresets.dat                 all factory presets, no optional blocks
//
// Plain procedural code over int records: no Qt, no allocation, no logging. Paths are in the local 8-bit
// encoding. Every number on disk is 32-bit little-endian whatever the host. Layout:
//
//   0 "3dB "  4 file size (48 + preset bytes)  8 "spc "  12 "0001"  16 "fmt "  20 24  24 data offset (always 56)
//   28 product code  32 patch version  36 name length  40 parameter count  44 patch count  48 "data"
//   52 data size (patches * (name length + parameter count) * 4)
//   [ "sysparampresent " + text length ]   only with system-parameter text; moves the preset data to 76
//   [ set-list count ]                     only with set-list data
//   preset data, [ set-list data ], [ system-parameter text ]
//
// The file size and data size fields count the preset data only, never the optional blocks.

#include <cstdint>

static_assert(sizeof(int) == 4, "records hold 32-bit ints");

// Result codes of all five operations; callers pass them on or translate them into the user's texts.
enum SpcResult : int
{
    SPC_OK = 0,
    SPC_ERR_VERSION = 1,           // writer asked for a version other than 1, or the file's version tag is not "0001"
    SPC_ERR_OPEN = 2,              // the file cannot be opened
    SPC_ERR_WRITE = 3,             // a write fell short (or the record cannot be laid out in 32-bit fields)
    SPC_ERR_HEADER_SHORT = 4,      // a tag or header field could not be read, or < 16 bytes follow the data size
    SPC_ERR_FILE_TAG = 5,          // first tag is not "3dB "
    SPC_ERR_FORMAT_TAG = 6,        // second tag is not "spc "
    SPC_ERR_FMT_CHUNK_TAG = 7,     // format-chunk tag is not "fmt "
    SPC_ERR_DATA_TAG = 8,          // data tag is not "data"
    SPC_ERR_FMT_CHUNK_SIZE = 9,    // format-chunk size is not 24
    SPC_ERR_DATA_SIZE = 10,        // data size disagrees with the patch count and record size (or those are negative)
    SPC_ERR_DATA_SHORT = 11,       // the preset data is shorter than announced
    SPC_ERR_SET_LIST = 12,         // set-list word unreadable, count differs from the expected one, or data short
    SPC_ERR_SYS_PARAMS = 13,       // system-parameter length unreadable, differs from the expected one, or text short
    SPC_ERR_DATA_OFFSET = 14,      // data offset field is not 56
    SPC_ERR_SEEK = 15,             // seeking to the preset data failed
    SPC_ERR_SIZE_MISMATCH = 16,    // the file's patch (or total preset) size differs from what the caller expects
    SPC_ERR_NOT_SINGLE_PATCH = 17, // the single-patch reader found a patch count other than 1
    SPC_ERR_CLOSE = 18,            // flushing or closing the written file, or putting it in place, failed
};

// Only version the format has; writers refuse any other, readers report it.
constexpr int SPC_VERSION = 1;
// Bytes before the preset data of a file without optional blocks (a preset file, FactoryPresets.dat).
constexpr int SPC_HEADER_SIZE = 56;

// Single-patch writer input.
struct SpcPatchFile
{
    int hardwareProductCode;
    int hardwarePatchVersion;
    int iMaxPatchNameLen;
    int iNumPatchParams;
    const int* pPatchData; // iMaxPatchNameLen + iNumPatchParams ints
};

// Collection writer input. A null pSetListData writes no set-list block; a null pSysParams or a zero
// iSysParamsLen writes no system-parameter block.
struct SpcCollectionFile
{
    int hardwareProductCode;
    int hardwarePatchVersion;
    int iMaxPatchNameLen;
    int iNumPatchParams;
    int iNumPatches;
    const int* pPresetData;
    int iPresetDataLen; // must equal iNumPatches * (iMaxPatchNameLen + iNumPatchParams)
    const int* pSetListData;
    int iSetListCount;
    const char* pSysParams;
    int iSysParamsLen;
};

// Reader input and output. SpcReadPatch uses the first three fields only. The caller owns every buffer; a null
// preset buffer holds nothing, so any non-zero expected count with it is refused with SPC_ERR_SIZE_MISMATCH.
struct SpcReadRequest
{
    int iVersion;       // out: 1 once the version tag has been accepted
    int* pPresetData;   // iPresetDataLen ints
    int iPresetDataLen; // expected preset integer count
    int* pSetListData;  // may be null: the file is then read as having no set-list block
    int iSetListCount;  // expected set-list count
    char* pSysParams;   // may be null: the system-parameter block is not read
    int iSysParamsLen;  // expected system-parameter byte length
};

// Header reader outputs. The last two are optional: leave them null when not wanted. pSetListWord asks for the
// 32-bit word after the data size (or after the marker), which is the set-list count when the file has one;
// pSysParamsLen receives the system-parameter text length, 0 when the file has no marker.
struct SpcHeader
{
    int iVersion;
    int hardwareProductCode;
    int hardwarePatchVersion;
    int iMaxPatchNameLen;
    int iNumPatchParams;
    int iNumPatches;
    int* pSetListWord;
    int* pSysParamsLen;
};

// Writers: write a temporary file beside pPath ("<pPath>.tmp<n>") and rename it over pPath once every byte is
// flushed to the disk; the file keeps the permission bits of the one it replaces. A link, a pipe or a device at
// pPath is refused with SPC_ERR_OPEN and left alone. A failure (or a crash, or a kill) leaves an existing file at
// pPath as it was, and a failed write removes its temporary file. Readers open regular files only (SPC_ERR_OPEN
// otherwise), so a pipe under a preset's name never makes them wait.
int SpcWritePatch(const char* pPath, int iVersion, const SpcPatchFile& file);
int SpcWriteCollection(const char* pPath, int iVersion, const SpcCollectionFile& file);

// Readers. Besides the format's own checks, SpcReadHeader refuses a header that announces more preset data
// (SPC_ERR_DATA_SHORT) or system-parameter text (SPC_ERR_SYS_PARAMS) than the file holds, so a caller may size
// its buffers from a header that read as SPC_OK without trusting a hostile file.
int SpcReadHeader(const char* pPath, SpcHeader& header);
int SpcReadPatch(const char* pPath, SpcReadRequest& request);
int SpcReadCollection(const char* pPath, SpcReadRequest& request);

// Text helpers for the system-parameter exchange.
// Longest "%d\n" text of an int, with its terminating NUL: "-2147483648\n".
constexpr int SPC_INT_TEXT_SIZE = 13;
// Writes iValue as "%d\n" with a terminating NUL; returns the text length without the NUL, or -1 (and an empty
// text when there is room for one) when iBufferSize cannot hold it.
int SpcFormatInt(int iValue, char* pBuffer, int iBufferSize);
// Parses one decimal int from the first iTextLen bytes of pText as "%d" does: leading white space (line feeds
// included), an optional sign, then digits. Returns false, leaving *pValue alone, when no digit follows or the
// number does not fit in an int.
bool SpcParseInt(const char* pText, int iTextLen, int* pValue);
