#pragma once

// The file readers take paths, so every fuzz input is written to one temporary file per process first.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace FuzzInputFile {

// Memory-backed /dev/shm first: rewriting a file on a disk-backed /tmp costs ten times the reading being tested.
inline std::string makeTemporaryFile()
{
    const char* pTmpDir = std::getenv("TMPDIR");
    for (const char* pDir : {"/dev/shm", pTmpDir, "/tmp"}) {
        if (pDir == nullptr || *pDir == '\0')
            continue;
        std::string name = std::string(pDir) + "/tessitra-fuzz-XXXXXX";
        const int fd = mkstemp(&name[0]);
        if (fd >= 0) {
            close(fd);
            return name;
        }
    }
    std::abort();
}

inline const std::string& path()
{
    static const std::string s_path = makeTemporaryFile();
    static const int s_removeAtExit = std::atexit([] { unlink(s_path.c_str()); });
    static_cast<void>(s_removeAtExit);
    return s_path;
}

// Returns the path holding exactly the input, or nullptr when it could not be written.
inline const char* write(const uint8_t* pData, size_t uSize)
{
    FILE* pFile = std::fopen(path().c_str(), "wb");
    if (pFile == nullptr)
        return nullptr;
    const bool bWritten = uSize == 0 || std::fwrite(pData, 1, uSize, pFile) == uSize;
    return std::fclose(pFile) == 0 && bWritten ? path().c_str() : nullptr;
}

// A header that read as SPC_OK promises that the file holds all the preset data it announces: callers size their
// buffers from it. Breaking that promise is a finding.
inline void checkAnnouncedSize(int iCode, int iNumPatches, int iMaxPatchNameLen, int iNumPatchParams, size_t uSize)
{
    if (iCode != 0)
        return;
    if (iNumPatches < 0 || iMaxPatchNameLen < 0 || iNumPatchParams < 0 || uSize < 56)
        __builtin_trap();
    // Below 2^31 * 2^32, so the product cannot wrap in 64 bits.
    const int64_t iDataInts =
        static_cast<int64_t>(iNumPatches) * (static_cast<int64_t>(iMaxPatchNameLen) + iNumPatchParams);
    if (iDataInts > static_cast<int64_t>((uSize - 56) / 4))
        __builtin_trap();
}

} // namespace FuzzInputFile
