#include "safefile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The process's umask without changing it (umask() would, for a moment, for every thread): Linux reports it in
// /proc. Where it cannot be read, a new file is private rather than readable by others.
mode_t currentUmask()
{
    mode_t mask = 077;
    if (FILE* pStatus = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned value = 0;
        while (std::fgets(line, sizeof line, pStatus) != nullptr) {
            if (std::sscanf(line, "Umask: %o", &value) == 1) {
                mask = static_cast<mode_t>(value & 0777);
                break;
            }
        }
        std::fclose(pStatus);
    }
    return mask;
}
} // namespace

SafeFile::~SafeFile()
{
    cancel();
}

bool SafeFile::fail()
{
    if (m_iError == 0)
        m_iError = errno != 0 ? errno : EIO;
    return false;
}

bool SafeFile::open(const char* pPath)
{
    cancel();
    m_iError = 0;
    if (pPath == nullptr || *pPath == '\0') {
        errno = ENOENT;
        return fail();
    }
    m_strTarget = pPath;
    // A link is not followed and a pipe or device is not written into: only a regular file is ever replaced.
    struct stat info;
    if (lstat(pPath, &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            errno = S_ISLNK(info.st_mode) ? ELOOP : EINVAL;
            return fail();
        }
        m_uMode = info.st_mode & 07777;
    } else if (errno == ENOENT) {
        m_uMode = 0666 & ~currentUmask();
    } else {
        return fail();
    }
    // Exclusive and without following a link: a name planted beside the target is passed over, never opened.
    for (int i = 0; i < 100 && m_iFd < 0; ++i) {
        const std::string temp = m_strTarget + ".tmp" + std::to_string(i);
        m_iFd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (m_iFd >= 0)
            m_strTemp = temp;
        else if (errno != EEXIST)
            break;
    }
    return m_iFd >= 0 || fail();
}

bool SafeFile::write(const void* pData, std::size_t uLen)
{
    if (m_iFd < 0)
        return fail();
    const char* pBytes = static_cast<const char*>(pData);
    while (uLen > 0) {
        const ssize_t iWritten = ::write(m_iFd, pBytes, uLen);
        if (iWritten < 0 && errno == EINTR)
            continue;
        if (iWritten <= 0)
            return fail();
        pBytes += iWritten;
        uLen -= static_cast<std::size_t>(iWritten);
    }
    return true;
}

bool SafeFile::commit()
{
    if (m_iFd < 0 || m_iError != 0)
        return fail();
    bool bOk = fchmod(m_iFd, static_cast<mode_t>(m_uMode)) == 0 && fsync(m_iFd) == 0;
    bOk = ::close(m_iFd) == 0 && bOk;
    m_iFd = -1;
    // rename() replaces whatever has the target's name by then, a link included, and never writes through it.
    if (!bOk || std::rename(m_strTemp.c_str(), m_strTarget.c_str()) != 0) {
        fail();
        cancel();
        return false;
    }
    m_strTemp.clear();
    return true;
}

void SafeFile::cancel()
{
    if (m_iFd >= 0)
        ::close(m_iFd);
    m_iFd = -1;
    if (!m_strTemp.empty())
        std::remove(m_strTemp.c_str());
    m_strTemp.clear();
}

bool SafeFile::writeWhole(const char* pPath, const void* pData, std::size_t uLen, int* pError)
{
    SafeFile file;
    const bool bOk = file.open(pPath) && file.write(pData, uLen) && file.commit();
    if (pError != nullptr)
        *pError = file.error();
    return bOk;
}

int SafeFile::openForReading(const char* pPath)
{
    if (pPath == nullptr) {
        errno = ENOENT;
        return -1;
    }
    // Non-blocking, so a pipe under the name is seen for what it is instead of waiting for a writer.
    const int iFd = ::open(pPath, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (iFd < 0)
        return -1;
    struct stat info;
    if (fstat(iFd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(iFd);
        errno = EINVAL;
        return -1;
    }
    fcntl(iFd, F_SETFL, fcntl(iFd, F_GETFL) & ~O_NONBLOCK);
    return iFd;
}

bool SafeFile::makePrivateFolders(const char* pPath)
{
    if (pPath == nullptr || *pPath == '\0')
        return false;
    const std::string path = pPath;
    for (std::size_t at = path.find('/', 1);; at = path.find('/', at + 1)) {
        const std::string part = path.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (at == std::string::npos)
            break;
    }
    struct stat info;
    return stat(pPath, &info) == 0 && S_ISDIR(info.st_mode);
}
