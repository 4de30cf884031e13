// SpcReadHeader against arbitrary file contents, with and without the optional outputs.

#include "FuzzInputFile.h"
#include "SerialPatchCollection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t uSize)
{
    const char* pPath = FuzzInputFile::write(pData, uSize);
    if (pPath == nullptr)
        return 0;

    SpcHeader plain{};
    const int iCode = SpcReadHeader(pPath, plain);
    FuzzInputFile::checkAnnouncedSize(iCode, plain.iNumPatches, plain.iMaxPatchNameLen, plain.iNumPatchParams, uSize);

    int iWord = 0;
    int iSysParamsLen = 0;
    SpcHeader full{0, 0, 0, 0, 0, 0, &iWord, &iSysParamsLen};
    const int iFullCode = SpcReadHeader(pPath, full);
    FuzzInputFile::checkAnnouncedSize(iFullCode, full.iNumPatches, full.iMaxPatchNameLen, full.iNumPatchParams, uSize);
    // The system-parameter text a good header announces lies inside the file too.
    if (iFullCode == 0 && (iSysParamsLen < 0 || static_cast<size_t>(iSysParamsLen) > uSize))
        __builtin_trap();
    return 0;
}
