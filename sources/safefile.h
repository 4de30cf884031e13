#pragma once

// How the program puts files on disk and opens them, in one place. Singers keep presets and back-ups in folders
// other people may write to as well (a band's shared folder); what another user planted there must never make the
// program write somewhere else or wait for ever:
//
// - A file is written to a temporary file beside the target, created exclusively and without following a link,
//   flushed to the disk and only then renamed over the target. A target that is a symbolic link, a pipe, a device
//   or anything but a regular file is refused and left alone.
// - A replaced file keeps its permission bits; a new file gets the usual ones (0666 less the umask). The temporary
//   file is 0600 until it is complete.
// - A file is opened for reading only when it is a regular file, and opening never waits on a pipe.
//
// Plain POSIX, no Qt: the preset-file module uses it as well as the Qt code.

#include <cstddef>
#include <string>

class SafeFile
{
public:
    SafeFile() = default;
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;
    // A file never committed is removed, the target left as it was.
    ~SafeFile();

    // Creates the temporary file for pPath. False (errno set) when the target is not a regular file or the
    // temporary file cannot be made.
    bool open(const char* pPath);
    int descriptor() const { return m_iFd; }
    bool write(const void* pData, std::size_t uLen);
    // Flushes to the disk, gives the file its permission bits and renames it over the target.
    bool commit();
    // Drops the temporary file; the target stays as it was.
    void cancel();
    // errno of the first failure, 0 when none.
    int error() const { return m_iError; }

    // open, write and commit in one call.
    static bool writeWhole(const char* pPath, const void* pData, std::size_t uLen, int* pError = nullptr);
    // A descriptor open for reading pPath, or -1 (errno set) when it is not a regular file or cannot be opened.
    static int openForReading(const char* pPath);
    // Creates pPath and every missing folder above it with mode 0700; folders already there keep theirs.
    static bool makePrivateFolders(const char* pPath);

private:
    bool fail();

    std::string m_strTarget;
    std::string m_strTemp;
    int m_iFd = -1;
    int m_iError = 0;
    unsigned m_uMode = 0; // the permission bits the file gets at commit
};
