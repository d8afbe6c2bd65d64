#include "support/TestMount.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

std::unique_ptr<TestMount> TestMount::smallDisk(const QString &folder, int kilobytes)
{
#ifdef Q_OS_LINUX
    const QByteArray path = QFile::encodeName(folder);
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    if (::mount("tmpfs", path.constData(), "tmpfs", 0, options.constData()) == 0)
        return std::unique_ptr<TestMount>(new TestMount(folder));
#else
    Q_UNUSED(folder);
    Q_UNUSED(kilobytes);
#endif
    return nullptr;
}

std::unique_ptr<TestMount> TestMount::readOnly(const QString &folder)
{
#ifdef Q_OS_LINUX
    const QByteArray path = QFile::encodeName(folder);
    if (::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) != 0)
        return nullptr;
    std::unique_ptr<TestMount> mount(new TestMount(folder));
    if (::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        return nullptr; // the bind goes with the object
    return mount;
#else
    Q_UNUSED(folder);
    return nullptr;
#endif
}

TestMount::~TestMount()
{
#ifdef Q_OS_LINUX
    ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
#endif
}
