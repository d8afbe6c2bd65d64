#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QFileDevice;
class QIODevice;
class QSaveFile;

// A file written whole or not at all. A regular file, or a name where nothing
// stands yet, is written to a temporary file beside it and renamed into place
// by commit(): a failed write leaves no empty or partial file and keeps the
// file it was to replace. A FIFO, a device or a socket under the name is
// written through instead and never replaced, so "-o /dev/null" leaves
// /dev/null the device it is.
class OutputFile
{
public:
    explicit OutputFile(const QString &path);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // False when the file cannot be created or opened; errorString() says why.
    bool open();
    // Where the bytes go once open.
    QIODevice &device();
    // All of the bytes to the device; false when the device refuses some.
    bool write(const QByteArray &bytes);
    // True when every byte reached the target and a regular file took its name.
    // On false errorString() gives the reason; the temporary file is gone and
    // whatever stood under the name is untouched.
    bool commit();
    // Gives the file up: the temporary file is removed, a FIFO or device closed.
    void cancel();
    // The reason of the first failure, as the system gives it.
    QString errorString() const { return m_error; }
    // True when the target is written through rather than replaced.
    bool writesThrough() const { return m_saveFile == nullptr; }

    // Opens, writes the bytes and commits; on failure error reads
    // "Cannot write PATH (reason)."
    static bool writeWhole(const QString &path, const QByteArray &bytes, QString &error);

private:
    void keepError();

    QString m_path;
    std::unique_ptr<QFileDevice> m_file;
    QSaveFile *m_saveFile = nullptr;
    QString m_error;
};
