// SpcReadCollection against arbitrary file contents, in the ways the callers read collections: a factory file
// without optional blocks, a backup with 100 set-list entries and the text length from the header, and
// mismatching expectations. Every buffer is exactly as large as announced, so an overrun shows.

#include "FuzzInputFile.h"
#include "SerialPatchCollection.h"

#include <vector>

namespace {
struct Variant
{
    int iPresetLen;
    bool bSetLists;
    int iSetListCount;
    bool bSysParams;
    int iSysParamsLen;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t uSize)
{
    const char* pPath = FuzzInputFile::write(pData, uSize);
    if (pPath == nullptr)
        return 0;

    int iWord = 0;
    int iSysParamsLen = 0;
    SpcHeader header{0, 0, 0, 0, 0, 0, &iWord, &iSysParamsLen};
    const int iCode = SpcReadHeader(pPath, header);
    FuzzInputFile::checkAnnouncedSize(iCode, header.iNumPatches, header.iMaxPatchNameLen, header.iNumPatchParams,
                                      uSize);
    // Callers size buffers from a header only when it read cleanly; otherwise try a small unit's sizes. The size is
    // worked out in 64 bits: a name length and parameter count near 2^31 each overflow an int even with no patch.
    const bool bGood = iCode == 0;
    const int64_t iBankInts = static_cast<int64_t>(header.iNumPatches) *
                              (static_cast<int64_t>(header.iMaxPatchNameLen) + header.iNumPatchParams);
    const int iBank = bGood ? static_cast<int>(iBankInts) : 21; // a clean header promises at most the file's size
    const int iText = bGood ? iSysParamsLen : 11;

    const Variant variants[] = {
        {iBank, false, 0, false, 0},     // factory presets
        {iBank, true, 100, true, iText}, // restore of a backup
        {iBank, true, 100, true, 0},     {iBank, true, 3, false, 0}, {iBank + 1, true, 100, true, iText + 1},
        {0, false, 0, true, 5},
    };
    for (const Variant& variant : variants) {
        std::vector<int> presets(static_cast<size_t>(variant.iPresetLen));
        std::vector<int> setLists(static_cast<size_t>(variant.iSetListCount));
        std::vector<char> sysParams(static_cast<size_t>(variant.iSysParamsLen));
        SpcReadRequest request{0,
                               presets.data(),
                               variant.iPresetLen,
                               variant.bSetLists ? setLists.data() : nullptr,
                               variant.iSetListCount,
                               variant.bSysParams ? sysParams.data() : nullptr,
                               variant.iSysParamsLen};
        SpcReadCollection(pPath, request);
    }
    return 0;
}
