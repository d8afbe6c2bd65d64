#include "data/FileIdentity.h"

#include <sys/stat.h>
#include <sys/types.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
using Status = struct _stat64;
int statusOfStream(std::FILE *file, Status &status)
{
    return _fstat64(_fileno(file), &status);
}
// No symbolic links to worry about for the cache's plain names here: the file's own status.
int statusOfName(const std::string &name, Status &status)
{
    return _stat64(name.c_str(), &status);
}
bool isRegular(const Status &status)
{
    return (status.st_mode & _S_IFMT) == _S_IFREG;
}
#else
using Status = struct stat;
int statusOfStream(std::FILE *file, Status &status)
{
    return ::fstat(::fileno(file), &status);
}
int statusOfName(const std::string &name, Status &status)
{
    return ::lstat(name.c_str(), &status);
}
bool isRegular(const Status &status)
{
    return S_ISREG(status.st_mode);
}
#endif

// Nanoseconds where the system keeps them: a file removed and written anew at
// once may get the old inode back, but not the old times to the nanosecond.
long long nanoseconds(long long seconds, long long fraction)
{
    return seconds * 1000000000LL + fraction;
}

FileIdentity identityOf(const Status &status)
{
    FileIdentity identity;
    identity.device = static_cast<unsigned long long>(status.st_dev);
    identity.inode = static_cast<unsigned long long>(status.st_ino);
    identity.size = static_cast<unsigned long long>(status.st_size);
#if defined(__APPLE__)
    identity.modified = nanoseconds(status.st_mtimespec.tv_sec, status.st_mtimespec.tv_nsec);
    identity.changed = nanoseconds(status.st_ctimespec.tv_sec, status.st_ctimespec.tv_nsec);
#elif defined(_WIN32)
    identity.modified = nanoseconds(status.st_mtime, 0);
    identity.changed = nanoseconds(status.st_ctime, 0);
#else
    identity.modified = nanoseconds(status.st_mtim.tv_sec, status.st_mtim.tv_nsec);
    identity.changed = nanoseconds(status.st_ctim.tv_sec, status.st_ctim.tv_nsec);
#endif
    return identity;
}

} // namespace

bool FileIdentity::operator==(const FileIdentity &other) const
{
    return device == other.device && inode == other.inode && size == other.size && modified == other.modified
           && changed == other.changed;
}

std::optional<FileIdentity> FileIdentity::of(std::FILE *file)
{
    Status status{};
    if (!file || statusOfStream(file, status) != 0 || !isRegular(status))
        return std::nullopt;
    return identityOf(status);
}

std::optional<FileIdentity> FileIdentity::ofName(const std::string &name)
{
    Status status{};
    if (statusOfName(name, status) != 0 || !isRegular(status))
        return std::nullopt;
    return identityOf(status);
}
