#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <cstdio>
#include <memory>
#include <string>

// A file written whole or not at all. A regular file, or a name where nothing
// stands yet, is written to a temporary file beside it and renamed into place
// by commit(): a failed write leaves no empty or partial file and keeps the
// file it was to replace. A FIFO, a device or a socket under the name is
// written through instead and never replaced, so "-o /dev/null" leaves
// /dev/null the device it is. Paths are the system's bytes, so a folder whose
// name is no valid text takes files too.
class OutputFile
{
public:
    explicit OutputFile(std::string path);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // False when the file cannot be created or opened; errorString() says why.
    bool open();
    // Where the bytes go once open.
    QIODevice &device();
    // All of the bytes to the device; false when the device refuses some.
    bool write(const QByteArray &bytes);
    // Ends the writing without taking the name yet: every byte flushed and the
    // file closed, so that a set of files can be finished before any is renamed.
    // On false the temporary file is gone.
    bool finish();
    // True when every byte reached the target and a regular file took its name
    // (finishing first when that is not done yet). On false errorString() gives
    // the reason; the temporary file is gone and whatever stood under the name
    // is untouched.
    bool commit();
    // Gives the file up: the temporary file is removed, a FIFO or device closed.
    void cancel();
    // The reason of the first failure, as the system gives it.
    QString errorString() const { return m_error; }
    // True when the target is written through rather than replaced.
    bool writesThrough() const { return m_writesThrough; }
    // The file the bytes go to until commit(): for a library that writes a file
    // by its path, once finish() has closed this one's handle of it.
    const std::string &temporaryPath() const { return m_temporary; }

    // Opens, writes the bytes and commits; on failure error reads
    // "Cannot write PATH (reason)."
    static bool writeWhole(const std::string &path, const QByteArray &bytes, QString &error);

private:
    // The open file as a device to write to.
    class Stream : public QIODevice
    {
    public:
        explicit Stream(OutputFile &owner) : m_owner(owner) {}

    protected:
        qint64 readData(char *, qint64) override { return -1; }
        qint64 writeData(const char *data, qint64 size) override;

    private:
        OutputFile &m_owner;
    };
    struct Closer
    {
        void operator()(std::FILE *file) const { std::fclose(file); }
    };

    void keepError(int error);
    std::FILE *createTemporary();
    void removeTemporary();

    std::string m_path;
    bool m_writesThrough = false;
    std::string m_temporary;
    std::unique_ptr<std::FILE, Closer> m_file;
    bool m_finished = false;
    Stream m_stream{*this};
    QString m_error;
};
