#include "support/FileHazards.h"

#include <QFile>

#include <chrono>

#include <fcntl.h>
#include <poll.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool makeMemoryDevice(const QString &path, int minor)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mknod(name.constData(), S_IFCHR | 0600, makedev(1, minor)) != 0)
        return false;
    // A file system mounted without devices lets the node be made but not opened.
    QFile device(path);
    if (device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return true;
    ::unlink(name.constData());
    return false;
}

QString fileKind(const QString &path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return "missing";
    if (S_ISFIFO(status.st_mode))
        return "fifo";
    if (S_ISCHR(status.st_mode))
        return "character device";
    if (S_ISREG(status.st_mode))
        return "regular file";
    if (S_ISLNK(status.st_mode))
        return "link";
    if (S_ISDIR(status.st_mode))
        return "folder";
    return "other";
}

std::future<QByteArray> readFifo(const QString &path)
{
    // Opened at once without waiting for a writer, and read for a limited time,
    // so that a writer that never comes fails the test instead of hanging it.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    return std::async(std::launch::async, [fd] {
        QByteArray bytes;
        if (fd < 0)
            return bytes;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        char buffer[1 << 16];
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd ready{fd, POLLIN, 0};
            // A FIFO no writer has opened yet is never ready; once one has, the
            // end of its data reads as 0 bytes.
            if (::poll(&ready, 1, 100) <= 0)
                continue;
            const ssize_t count = ::read(fd, buffer, sizeof buffer);
            if (count <= 0)
                break;
            bytes.append(buffer, count);
        }
        ::close(fd);
        return bytes;
    });
}

SmallFileSystem::SmallFileSystem(int kilobytes)
{
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    m_mounted = m_folder.isValid()
                && ::mount("tmpfs", QFile::encodeName(m_folder.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

SmallFileSystem::~SmallFileSystem()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
}

void SmallFileSystem::fill()
{
    QFile filler(path("filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'f');
    while (filler.write(block) > 0) {
    }
}

ReadOnlyMount::ReadOnlyMount(const QString &folder) : m_folder(QFile::encodeName(folder))
{
    m_bound = ::mount(m_folder.constData(), m_folder.constData(), nullptr, MS_BIND, nullptr) == 0;
    m_readOnly = m_bound
                 && ::mount(nullptr, m_folder.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

ReadOnlyMount::~ReadOnlyMount()
{
    if (m_bound)
        ::umount2(m_folder.constData(), MNT_DETACH);
}
