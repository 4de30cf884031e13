// The collection-file readers against arbitrary file contents: the header alone, the single-patch reader as the
// preset loader uses it, and the collection reader as restores and the factory file use it. Every buffer is
// exactly as large as announced, so an overrun shows; a header read as good must not promise more than the file.

#include "SerialPatchCollection.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

namespace {
// The readers take paths: every input goes to one temporary file per process, in memory-backed /dev/shm.
const char* writeInput(const uint8_t* pData, size_t uSize)
{
    static const std::string s_path = [] {
        std::atexit([] { unlink(s_path.c_str()); });
        return "/dev/shm/tessitra-fuzz-" + std::to_string(getpid());
    }();
    FILE* pFile = std::fopen(s_path.c_str(), "wb");
    if (pFile == nullptr)
        return nullptr;
    const bool bWritten = uSize == 0 || std::fwrite(pData, 1, uSize, pFile) == uSize;
    return std::fclose(pFile) == 0 && bWritten ? s_path.c_str() : nullptr;
}

template <typename T> std::vector<T> buffer(int64_t iSize)
{
    return std::vector<T>(static_cast<size_t>(iSize < 0 ? 0 : iSize));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t uSize)
{
    const char* pPath = writeInput(pData, uSize);
    if (pPath == nullptr)
        return 0;
    int iWord = 0, iSysParamsLen = 0;
    SpcHeader header{0, 0, 0, 0, 0, 0, &iWord, &iSysParamsLen};
    const bool bGood = SpcReadHeader(pPath, header) == 0;
    const int64_t iRecord = static_cast<int64_t>(header.iMaxPatchNameLen) + header.iNumPatchParams;
    const int64_t iBank = header.iNumPatches * iRecord;
    if (bGood && (header.iNumPatches < 0 || header.iMaxPatchNameLen < 0 || header.iNumPatchParams < 0 || uSize < 56 ||
                  iBank > static_cast<int64_t>((uSize - 56) / 4) || iSysParamsLen < 0 ||
                  static_cast<size_t>(iSysParamsLen) > uSize))
        __builtin_trap();

    // A header with no patches announces no data, so its record size is not bounded by the file: the preset
    // loader refuses such a file before it sizes anything, and so does this harness.
    const int iOne = bGood && iRecord <= static_cast<int64_t>(uSize / 4) ? static_cast<int>(iRecord) : 7;
    for (int iExpected : {iOne, iOne + 1, 0}) {
        std::vector<int> record = buffer<int>(iExpected);
        SpcReadRequest request{0, record.data(), iExpected, nullptr, 0, nullptr, 0};
        SpcReadPatch(pPath, request);
    }
    // A factory file, a backup with 100 set-list entries and the header's text length, and mismatches.
    const int iPresets = bGood ? static_cast<int>(iBank) : 21, iText = bGood ? iSysParamsLen : 11;
    const int variants[][3] = {{iPresets, 0, -1}, {iPresets, 100, iText},         {iPresets, 100, 0},
                               {iPresets, 3, -1}, {iPresets + 1, 100, iText + 1}, {0, 0, 5}};
    for (const auto& v : variants) {
        std::vector<int> presets = buffer<int>(v[0]), setLists = buffer<int>(v[1]);
        std::vector<char> text = buffer<char>(v[2]);
        SpcReadRequest request({0, presets.data(), v[0], v[1] ? setLists.data() : nullptr, v[1],
                                v[2] >= 0 ? text.data() : nullptr, v[2] < 0 ? 0 : v[2]});
        SpcReadCollection(pPath, request);
    }
    return 0;
}
