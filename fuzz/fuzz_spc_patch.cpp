// SpcReadPatch against arbitrary file contents, with the record size taken from the header (as the preset loader
// does) and with sizes that do not fit. Every buffer is exactly as large as announced, so an overrun shows.

#include "FuzzInputFile.h"
#include "SerialPatchCollection.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t uSize)
{
    const char* pPath = FuzzInputFile::write(pData, uSize);
    if (pPath == nullptr)
        return 0;

    SpcHeader header{};
    const int iCode = SpcReadHeader(pPath, header);
    FuzzInputFile::checkAnnouncedSize(iCode, header.iNumPatches, header.iMaxPatchNameLen, header.iNumPatchParams,
                                      uSize);
    // A header with no patches announces no data, so its record size is not bounded by the file: the preset loader
    // refuses such a file (one patch required) before it sizes anything, and so does this harness.
    const int64_t iAnnounced = static_cast<int64_t>(header.iMaxPatchNameLen) + header.iNumPatchParams;
    const int iRecord = iCode == 0 && iAnnounced <= static_cast<int64_t>(uSize / 4) ? static_cast<int>(iAnnounced) : 7;

    for (int iExpected : {iRecord, iRecord + 1, 0, 7}) {
        std::vector<int> buffer(static_cast<size_t>(iExpected));
        SpcReadRequest request{0, buffer.data(), iExpected, nullptr, 0, nullptr, 0};
        SpcReadPatch(pPath, request);
    }
    return 0;
}
