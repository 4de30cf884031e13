#include "SerialPatchCollection.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "safefile.h"

#include <sys/types.h>
#include <unistd.h>

namespace {

// Fixed header, in file order. Tags are four ASCII bytes on disk, never NUL-terminated.
constexpr std::size_t kFixedHeaderLen = 56;
constexpr std::size_t kFileTagAt = 0, kFileSizeAt = 4, kFormatTagAt = 8, kVersionTagAt = 12, kFmtChunkTagAt = 16;
constexpr std::size_t kFmtChunkSizeAt = 20, kDataOffsetAt = 24, kIdentityAt = 28, kDataTagAt = 48, kDataSizeAt = 52;
constexpr std::uint32_t kFmtChunkSize = 24;
// The data offset field always says 56, also when the marker moves the preset data to 76: readers find the data by
// looking for the marker, never by trusting this field beyond checking it.
constexpr std::uint32_t kDataOffsetField = 56;

// Written before the set-list count and the preset data when a backup carries system-parameter text.
constexpr char kSysParamsMarker[] = "sysparampresent ";
constexpr std::size_t kSysParamsMarkerLen = 16;
static_assert(sizeof(kSysParamsMarker) == kSysParamsMarkerLen + 1, "the marker is 15 letters and a space");

constexpr std::int64_t kPresetDataPlain = kFixedHeaderLen;
constexpr std::int64_t kPresetDataAfterMarker = kPresetDataPlain + kSysParamsMarkerLen + 4;
// The file size field counts the fixed header after itself plus the preset data, nothing else.
constexpr std::int64_t kHeaderAfterSizeField = kFixedHeaderLen - kFormatTagAt;
constexpr std::int64_t kMaxField = 0xFFFFFFFFLL;

// Ints are converted through a small stack buffer so the byte order on disk never depends on the host's.
constexpr std::size_t kChunkInts = 256;

// The collection writer's invariant stays checked in release builds: a header whose sizes disagree with the data
// written behind it makes a backup that every later read refuses, and the user would only learn it when restoring.
// Stopping the program at the faulty call is the cheaper failure; the check is two multiplications per file.
[[noreturn]] void invariantBroken(const char* pExpression, const char* pFile, int iLine)
{
    const char* pName = pFile;
    for (const char* p = pFile; *p != '\0'; ++p) {
        if (*p == '/' || *p == '\\')
            pName = p + 1;
    }
    std::fprintf(stderr, "ASSERT: \"%s\" in file %s, line %d\n", pExpression, pName, iLine);
    std::fflush(stderr);
    std::abort();
}

#define SPC_INVARIANT(expression)                                                                                      \
    ((expression) ? static_cast<void>(0) : invariantBroken(#expression, __FILE__, __LINE__))

// Closes the file on every path out of a reader.
struct FileCloser
{
    void operator()(FILE* pFile) const { std::fclose(pFile); }
};
using SpcFile = std::unique_ptr<FILE, FileCloser>;

// Only a regular file is read: a pipe or a device under a preset's name is refused at once, never waited on.
SpcFile openFile(const char* pPath)
{
    const int iFd = SafeFile::openForReading(pPath);
    if (iFd < 0)
        return nullptr;
    FILE* pFile = fdopen(iFd, "rb");
    if (pFile == nullptr)
        close(iFd);
    return SpcFile(pFile);
}

// A file being written, through SafeFile (a temporary file beside the target, renamed over it only once every byte
// is on the disk; a link, a pipe or a device under the target's name is refused and left alone). The writers
// below use C stdio on a second descriptor of the temporary file.
class SpcOut
{
public:
    bool open(const char* pPath)
    {
        if (!m_file.open(pPath))
            return false;
        const int iFd = dup(m_file.descriptor());
        m_pFile.reset(iFd >= 0 ? fdopen(iFd, "wb") : nullptr);
        if (!m_pFile && iFd >= 0)
            close(iFd);
        return m_pFile != nullptr;
    }
    FILE* get() const { return m_pFile.get(); }

    // SPC_ERR_CLOSE when flushing, syncing, closing or the rename fails; the old file then stays as it was.
    int commit()
    {
        const bool bFlushed = std::fflush(m_pFile.get()) == 0;
        const bool bClosed = std::fclose(m_pFile.release()) == 0;
        return bFlushed && bClosed && m_file.commit() ? SPC_OK : SPC_ERR_CLOSE;
    }

private:
    SafeFile m_file;
    SpcFile m_pFile;
};

bool seekTo(FILE* pFile, std::int64_t iOffset, int iWhence)
{
#if defined(_WIN32)
    return _fseeki64(pFile, iOffset, iWhence) == 0;
#else
    return fseeko(pFile, static_cast<off_t>(iOffset), iWhence) == 0;
#endif
}

std::int64_t tellPos(FILE* pFile)
{
#if defined(_WIN32)
    return _ftelli64(pFile);
#else
    return static_cast<std::int64_t>(ftello(pFile));
#endif
}

void putU32(unsigned char* pBytes, std::uint32_t uValue)
{
    for (int i = 0; i < 4; ++i)
        pBytes[i] = static_cast<unsigned char>(uValue >> (8 * i));
}

std::uint32_t getU32(const unsigned char* pBytes)
{
    return static_cast<std::uint32_t>(pBytes[0]) | static_cast<std::uint32_t>(pBytes[1]) << 8 |
           static_cast<std::uint32_t>(pBytes[2]) << 16 | static_cast<std::uint32_t>(pBytes[3]) << 24;
}

// Two's complement reinterpretation without relying on implementation-defined narrowing.
int toInt(std::uint32_t uValue)
{
    return uValue <= static_cast<std::uint32_t>(INT_MAX)
               ? static_cast<int>(uValue)
               : static_cast<int>(static_cast<std::int64_t>(uValue) - 0x100000000LL);
}

bool writeBytes(FILE* pFile, const void* pData, std::size_t uLen)
{
    return uLen == 0 || std::fwrite(pData, 1, uLen, pFile) == uLen;
}

bool writeU32(FILE* pFile, std::uint32_t uValue)
{
    unsigned char bytes[4];
    putU32(bytes, uValue);
    return writeBytes(pFile, bytes, sizeof(bytes));
}

bool writeInts(FILE* pFile, const int* pValues, std::int64_t iCount)
{
    unsigned char bytes[kChunkInts * 4];
    while (iCount > 0) {
        const std::size_t uChunk = static_cast<std::size_t>(std::min<std::int64_t>(iCount, kChunkInts));
        for (std::size_t i = 0; i < uChunk; ++i)
            putU32(bytes + 4 * i, static_cast<std::uint32_t>(pValues[i]));
        if (!writeBytes(pFile, bytes, uChunk * 4))
            return false;
        pValues += uChunk;
        iCount -= static_cast<std::int64_t>(uChunk);
    }
    return true;
}

bool readBytes(FILE* pFile, void* pData, std::size_t uLen)
{
    return uLen == 0 || std::fread(pData, 1, uLen, pFile) == uLen;
}

bool readU32(FILE* pFile, std::uint32_t& uValue)
{
    unsigned char bytes[4];
    if (!readBytes(pFile, bytes, sizeof(bytes)))
        return false;
    uValue = getU32(bytes);
    return true;
}

bool readInts(FILE* pFile, int* pValues, std::int64_t iCount)
{
    unsigned char bytes[kChunkInts * 4];
    while (iCount > 0) {
        const std::size_t uChunk = static_cast<std::size_t>(std::min<std::int64_t>(iCount, kChunkInts));
        if (!readBytes(pFile, bytes, uChunk * 4))
            return false;
        for (std::size_t i = 0; i < uChunk; ++i)
            pValues[i] = toInt(getU32(bytes + 4 * i));
        pValues += uChunk;
        iCount -= static_cast<std::int64_t>(uChunk);
    }
    return true;
}

// One check of the fixed header: a tag compared as text, or a word compared with a value (no code: only present).
struct FieldCheck
{
    std::size_t uAt;
    const char* pTag;
    std::uint32_t uValue;
    int iCode;
};

// Checks before the identity fields, in file order: the first field missing or wrong decides the result.
constexpr FieldCheck kLeadingChecks[] = {
    {kFileTagAt, "3dB ", 0, SPC_ERR_FILE_TAG},
    {kFileSizeAt, nullptr, 0, SPC_OK}, // counts the preset data only, so it says nothing about the optional blocks
    {kFormatTagAt, "spc ", 0, SPC_ERR_FORMAT_TAG},
    {kVersionTagAt, "0001", 0, SPC_ERR_VERSION},
    {kFmtChunkTagAt, "fmt ", 0, SPC_ERR_FMT_CHUNK_TAG},
    {kFmtChunkSizeAt, nullptr, kFmtChunkSize, SPC_ERR_FMT_CHUNK_SIZE},
    {kDataOffsetAt, nullptr, kDataOffsetField, SPC_ERR_DATA_OFFSET},
};
constexpr FieldCheck kTrailingChecks[] = {
    {kDataTagAt, "data", 0, SPC_ERR_DATA_TAG},
    {kDataSizeAt, nullptr, 0, SPC_OK},
};

int checkField(const unsigned char* pFixed, std::size_t uGot, const FieldCheck& check)
{
    if (uGot < check.uAt + 4)
        return SPC_ERR_HEADER_SHORT;
    if (check.pTag != nullptr)
        return std::memcmp(pFixed + check.uAt, check.pTag, 4) == 0 ? SPC_OK : check.iCode;
    return check.iCode == SPC_OK || getU32(pFixed + check.uAt) == check.uValue ? SPC_OK : check.iCode;
}

// Everything the header reader learns beyond the SpcHeader fields.
struct HeaderScan
{
    bool bMarker = false;            // "sysparampresent " follows the data size: preset data at 76
    std::uint32_t uSysParamsLen = 0; // announced text length (0 without marker or when unreadable)
    bool bWordRead = false;
    std::uint32_t uWord = 0; // word after the data size or the marker (the set-list count, if any)
};

// The header checks on an open file, in file order; the caller closes the file.
int scanHeader(FILE* pFile, SpcHeader& header, bool bWantWord, HeaderScan& scan)
{
    unsigned char fixed[kFixedHeaderLen];
    const std::size_t uGot = std::fread(fixed, 1, kFixedHeaderLen, pFile);
    for (const FieldCheck& check : kLeadingChecks) {
        const int iCode = checkField(fixed, uGot, check);
        if (iCode != SPC_OK)
            return iCode;
        if (check.uAt == kVersionTagAt)
            header.iVersion = SPC_VERSION;
    }
    if (uGot < kDataTagAt)
        return SPC_ERR_HEADER_SHORT;
    header.hardwareProductCode = toInt(getU32(fixed + kIdentityAt));
    header.hardwarePatchVersion = toInt(getU32(fixed + kIdentityAt + 4));
    header.iMaxPatchNameLen = toInt(getU32(fixed + kIdentityAt + 8));
    header.iNumPatchParams = toInt(getU32(fixed + kIdentityAt + 12));
    header.iNumPatches = toInt(getU32(fixed + kIdentityAt + 16));
    for (const FieldCheck& check : kTrailingChecks) {
        const int iCode = checkField(fixed, uGot, check);
        if (iCode != SPC_OK)
            return iCode;
    }
    const std::uint32_t uDataSize = getU32(fixed + kDataSizeAt);

    // Negative sizes never describe a record; in 64 bits the product cannot wrap (below 2^63).
    if (header.iMaxPatchNameLen < 0 || header.iNumPatchParams < 0 || header.iNumPatches < 0)
        return SPC_ERR_DATA_SIZE;
    const std::int64_t iPresetInts = static_cast<std::int64_t>(header.iNumPatches) *
                                     (static_cast<std::int64_t>(header.iMaxPatchNameLen) + header.iNumPatchParams);
    if (uDataSize % 4 != 0 || static_cast<std::int64_t>(uDataSize / 4) != iPresetInts)
        return SPC_ERR_DATA_SIZE;

    // A whole marker's worth of bytes must follow, even in a file without marker and with no preset data.
    const std::int64_t iAfterDataSize = tellPos(pFile);
    char marker[kSysParamsMarkerLen];
    if (!readBytes(pFile, marker, kSysParamsMarkerLen))
        return SPC_ERR_HEADER_SHORT;
    if (std::memcmp(marker, kSysParamsMarker, kSysParamsMarkerLen) == 0) {
        scan.bMarker = true;
        if (header.pSysParamsLen != nullptr)
            *header.pSysParamsLen = 0;
        if (!readU32(pFile, scan.uSysParamsLen))
            return SPC_ERR_SYS_PARAMS;
        // Lengths beyond an int cannot be handed to any caller's buffer.
        if (scan.uSysParamsLen > static_cast<std::uint32_t>(INT_MAX))
            return SPC_ERR_SYS_PARAMS;
    } else if (iAfterDataSize < 0 || !seekTo(pFile, iAfterDataSize, SEEK_SET)) {
        return SPC_ERR_SEEK;
    }
    if (header.pSysParamsLen != nullptr)
        *header.pSysParamsLen = static_cast<int>(scan.uSysParamsLen);

    if (bWantWord) {
        if (!readU32(pFile, scan.uWord))
            return SPC_ERR_SET_LIST;
        scan.bWordRead = true;
        if (header.pSetListWord != nullptr)
            *header.pSetListWord = toInt(scan.uWord);
    }

    // Callers size their buffers from these fields: refuse a header that announces more than the file holds, so a
    // hostile file of a few bytes cannot make anyone allocate gigabytes.
    if (!seekTo(pFile, 0, SEEK_END))
        return SPC_ERR_SEEK;
    const std::int64_t iFileLen = tellPos(pFile);
    const std::int64_t iDataStart = scan.bMarker ? kPresetDataAfterMarker : kPresetDataPlain;
    if (iFileLen < 0)
        return SPC_ERR_SEEK;
    if (iFileLen - iDataStart < static_cast<std::int64_t>(uDataSize))
        return SPC_ERR_DATA_SHORT;
    if (iFileLen - iDataStart - static_cast<std::int64_t>(uDataSize) < static_cast<std::int64_t>(scan.uSysParamsLen))
        return SPC_ERR_SYS_PARAMS;
    return SPC_OK;
}

int readHeaderFile(const char* pPath, SpcHeader& header, bool bWantWord, HeaderScan& scan)
{
    SpcFile file = openFile(pPath);
    if (!file)
        return SPC_ERR_OPEN;
    return scanHeader(file.get(), header, bWantWord, scan);
}

// Whether a record of iPresetInts ints still fits the 32-bit data size and file size fields.
bool presetSizeFits(std::int64_t iPresetInts)
{
    return iPresetInts >= 0 && kHeaderAfterSizeField + iPresetInts * 4 <= kMaxField;
}

// Fixed header; SPC_ERR_VERSION after the first 12 bytes when the version is not the format's.
int writeHeader(FILE* pFile, int iVersion, const int (&identity)[5], std::int64_t iPresetInts)
{
    const std::uint32_t uDataSize = static_cast<std::uint32_t>(iPresetInts * 4);
    unsigned char fixed[kFixedHeaderLen];
    std::memcpy(fixed + kFileTagAt, "3dB ", 4);
    putU32(fixed + kFileSizeAt, static_cast<std::uint32_t>(kHeaderAfterSizeField) + uDataSize);
    std::memcpy(fixed + kFormatTagAt, "spc 0001fmt ", 12);
    putU32(fixed + kFmtChunkSizeAt, kFmtChunkSize);
    putU32(fixed + kDataOffsetAt, kDataOffsetField);
    for (std::size_t i = 0; i < 5; ++i)
        putU32(fixed + kIdentityAt + 4 * i, static_cast<std::uint32_t>(identity[i]));
    std::memcpy(fixed + kDataTagAt, "data", 4);
    putU32(fixed + kDataSizeAt, uDataSize);

    if (!writeBytes(pFile, fixed, kVersionTagAt))
        return SPC_ERR_WRITE;
    if (iVersion != SPC_VERSION)
        return SPC_ERR_VERSION;
    return writeBytes(pFile, fixed + kVersionTagAt, kFixedHeaderLen - kVersionTagAt) ? SPC_OK : SPC_ERR_WRITE;
}

} // namespace

int SpcWritePatch(const char* pPath, int iVersion, const SpcPatchFile& file)
{
    // A record that cannot be described in the 32-bit fields is refused before the file is touched.
    const std::int64_t iRecordInts = static_cast<std::int64_t>(file.iMaxPatchNameLen) + file.iNumPatchParams;
    if (file.iMaxPatchNameLen < 0 || file.iNumPatchParams < 0 || !presetSizeFits(iRecordInts) ||
        (iRecordInts > 0 && file.pPatchData == nullptr))
        return SPC_ERR_WRITE;

    SpcOut out;
    if (!out.open(pPath))
        return SPC_ERR_OPEN;
    const int fields[5] = {file.hardwareProductCode, file.hardwarePatchVersion, file.iMaxPatchNameLen,
                           file.iNumPatchParams, 1};
    const int iCode = writeHeader(out.get(), iVersion, fields, iRecordInts);
    if (iCode != SPC_OK)
        return iCode;
    if (!writeInts(out.get(), file.pPatchData, iRecordInts))
        return SPC_ERR_WRITE;
    return out.commit();
}

int SpcWriteCollection(const char* pPath, int iVersion, const SpcCollectionFile& file)
{
    const std::int64_t iPresetDataLen = file.iPresetDataLen;
    const std::int64_t iNumPatches = file.iNumPatches;
    const std::int64_t iMaxPatchNameLen = file.iMaxPatchNameLen;
    const std::int64_t iNumPatchParams = file.iNumPatchParams;
    SPC_INVARIANT(iPresetDataLen == iNumPatches * (iMaxPatchNameLen + iNumPatchParams));

    if (iNumPatches < 0 || iMaxPatchNameLen < 0 || iNumPatchParams < 0 || !presetSizeFits(iPresetDataLen) ||
        (iPresetDataLen > 0 && file.pPresetData == nullptr) ||
        (file.pSetListData != nullptr && file.iSetListCount < 0) ||
        (file.pSysParams != nullptr && file.iSysParamsLen < 0))
        return SPC_ERR_WRITE;

    SpcOut out;
    if (!out.open(pPath))
        return SPC_ERR_OPEN;
    const int fields[5] = {file.hardwareProductCode, file.hardwarePatchVersion, file.iMaxPatchNameLen,
                           file.iNumPatchParams, file.iNumPatches};
    const int iCode = writeHeader(out.get(), iVersion, fields, iPresetDataLen);
    if (iCode != SPC_OK)
        return iCode;

    const bool bSysParams = file.pSysParams != nullptr && file.iSysParamsLen != 0;
    if (bSysParams && (!writeBytes(out.get(), kSysParamsMarker, kSysParamsMarkerLen) ||
                       !writeU32(out.get(), static_cast<std::uint32_t>(file.iSysParamsLen))))
        return SPC_ERR_WRITE;
    if (file.pSetListData != nullptr) {
        if (!writeU32(out.get(), static_cast<std::uint32_t>(file.iSetListCount)) ||
            !writeInts(out.get(), file.pPresetData, iPresetDataLen) ||
            !writeInts(out.get(), file.pSetListData, file.iSetListCount))
            return SPC_ERR_WRITE;
    } else if (!writeInts(out.get(), file.pPresetData, iPresetDataLen)) {
        return SPC_ERR_WRITE;
    }
    if (bSysParams && !writeBytes(out.get(), file.pSysParams, static_cast<std::size_t>(file.iSysParamsLen)))
        return SPC_ERR_WRITE;
    return out.commit();
}

int SpcReadHeader(const char* pPath, SpcHeader& header)
{
    HeaderScan scan;
    return readHeaderFile(pPath, header, header.pSetListWord != nullptr, scan);
}

int SpcReadPatch(const char* pPath, SpcReadRequest& request)
{
    SpcHeader header{};
    HeaderScan scan;
    const int iCode = readHeaderFile(pPath, header, false, scan);
    if (header.iVersion == SPC_VERSION)
        request.iVersion = SPC_VERSION;
    if (iCode != SPC_OK)
        return iCode;
    if (header.iNumPatches != 1)
        return SPC_ERR_NOT_SINGLE_PATCH;
    // A null buffer holds nothing, whatever count comes with it.
    const std::int64_t iRecordInts = static_cast<std::int64_t>(header.iMaxPatchNameLen) + header.iNumPatchParams;
    if (iRecordInts != request.iPresetDataLen || (iRecordInts > 0 && request.pPresetData == nullptr))
        return SPC_ERR_SIZE_MISMATCH;

    SpcFile file = openFile(pPath);
    if (!file)
        return SPC_ERR_OPEN;
    if (!seekTo(file.get(), kPresetDataPlain, SEEK_SET))
        return SPC_ERR_SEEK;
    if (!readInts(file.get(), request.pPresetData, iRecordInts))
        return SPC_ERR_DATA_SHORT;
    return SPC_OK;
}

int SpcReadCollection(const char* pPath, SpcReadRequest& request)
{
    SpcHeader header{};
    HeaderScan scan;
    // A missing set-list block (12) or unusable system-parameter block (13) still lets the presets be read;
    // the code is handed back at the end so the caller knows what it did not get.
    const int iHeaderCode = readHeaderFile(pPath, header, true, scan);
    if (header.iVersion == SPC_VERSION)
        request.iVersion = SPC_VERSION;
    if (iHeaderCode != SPC_OK && iHeaderCode != SPC_ERR_SET_LIST && iHeaderCode != SPC_ERR_SYS_PARAMS)
        return iHeaderCode;
    const std::int64_t iPresetInts = static_cast<std::int64_t>(header.iNumPatches) *
                                     (static_cast<std::int64_t>(header.iMaxPatchNameLen) + header.iNumPatchParams);
    if (iPresetInts != request.iPresetDataLen || (iPresetInts > 0 && request.pPresetData == nullptr))
        return SPC_ERR_SIZE_MISMATCH;

    SpcFile file = openFile(pPath);
    if (!file)
        return SPC_ERR_OPEN;
    if (!seekTo(file.get(), scan.bMarker ? kPresetDataAfterMarker : kPresetDataPlain, SEEK_SET))
        return SPC_ERR_SEEK;

    if (request.pSetListData != nullptr) {
        // The file does not say whether a set-list count is there: the word after the header is taken for one
        // when it equals the expected count. A file without set lists whose first preset integer happens to
        // equal that count is therefore read one integer late.
        const bool bCountMatches =
            scan.bWordRead && static_cast<std::int64_t>(scan.uWord) == static_cast<std::int64_t>(request.iSetListCount);
        std::uint32_t uSkipped = 0;
        if (bCountMatches && !readU32(file.get(), uSkipped))
            return SPC_ERR_SET_LIST;
        if (!readInts(file.get(), request.pPresetData, iPresetInts))
            return SPC_ERR_DATA_SHORT;
        if (!bCountMatches)
            return SPC_ERR_SET_LIST;
        if (!readInts(file.get(), request.pSetListData, request.iSetListCount))
            return SPC_ERR_SET_LIST;
    } else if (!readInts(file.get(), request.pPresetData, iPresetInts)) {
        return SPC_ERR_DATA_SHORT;
    }

    if (request.pSysParams != nullptr) {
        const std::int64_t iExpected = request.iSysParamsLen;
        if (iExpected != static_cast<std::int64_t>(scan.uSysParamsLen)) {
            if (iExpected != 0)
                return SPC_ERR_SYS_PARAMS;
        } else if (iExpected != 0 &&
                   !readBytes(file.get(), request.pSysParams, static_cast<std::size_t>(request.iSysParamsLen))) {
            return SPC_ERR_SYS_PARAMS;
        }
    }
    return iHeaderCode;
}

int SpcFormatInt(int iValue, char* pBuffer, int iBufferSize)
{
    if (pBuffer == nullptr || iBufferSize <= 0)
        return -1;
    const int iLen = std::snprintf(pBuffer, static_cast<std::size_t>(iBufferSize), "%d\n", iValue);
    if (iLen < 0 || iLen >= iBufferSize) {
        pBuffer[0] = '\0';
        return -1;
    }
    return iLen;
}

bool SpcParseInt(const char* pText, int iTextLen, int* pValue)
{
    if (pText == nullptr || pValue == nullptr || iTextLen <= 0)
        return false;
    int i = 0;
    while (i < iTextLen && std::strchr(" \t\n\v\f\r", pText[i]) != nullptr && pText[i] != '\0')
        ++i;
    bool bNegative = false;
    if (i < iTextLen && (pText[i] == '+' || pText[i] == '-')) {
        bNegative = pText[i] == '-';
        ++i;
    }
    if (i >= iTextLen || pText[i] < '0' || pText[i] > '9')
        return false;
    // Accumulated in 64 bits and stopped as soon as it leaves the int range, so no length of digits can wrap it.
    const std::int64_t iLimit = bNegative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
    std::int64_t iMagnitude = 0;
    for (; i < iTextLen && pText[i] >= '0' && pText[i] <= '9'; ++i) {
        iMagnitude = iMagnitude * 10 + (pText[i] - '0');
        if (iMagnitude > iLimit)
            return false;
    }
    *pValue = static_cast<int>(bNegative ? -iMagnitude : iMagnitude);
    return true;
}
