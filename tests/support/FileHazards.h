#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <future>

// Output hazards made from outside, for the tests of files written whole or
// not at all. Each maker returns false where the system refuses (not root, a
// file system without devices, no mount allowed), so the test can skip.

bool makeFifo(const QString &path);
// A character device node of the kernel's memory devices: 3 is a null
// device (takes everything), 7 a full one (refuses every write: no space).
bool makeMemoryDevice(const QString &path, int minor);
// "fifo", "character device", "regular file", "link", "folder", "missing" or "other"; links not followed.
QString fileKind(const QString &path);

// Everything a FIFO is sent, read on another thread until the writer closes it
// (or 20 seconds pass without one).
std::future<QByteArray> readFifo(const QString &path);

// A file system of a few kilobytes mounted on a fresh folder while this lives.
class SmallFileSystem
{
public:
    explicit SmallFileSystem(int kilobytes = 64);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool mounted() const { return m_mounted; }
    // Takes up every block with a file named "filler", so that any write fails.
    void fill();
    QString path(const QString &name) const { return m_folder.filePath(name); }
    QString root() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
};

// A folder bound read-only over itself while this lives, as a results share or
// a read-only mount is.
class ReadOnlyMount
{
public:
    explicit ReadOnlyMount(const QString &folder);
    ~ReadOnlyMount();
    ReadOnlyMount(const ReadOnlyMount &) = delete;
    ReadOnlyMount &operator=(const ReadOnlyMount &) = delete;

    bool mounted() const { return m_readOnly; }

private:
    QByteArray m_folder;
    bool m_bound = false;
    bool m_readOnly = false;
};
