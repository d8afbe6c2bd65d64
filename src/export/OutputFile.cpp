#include "export/OutputFile.h"

#include "data/LocalFileNames.h"

#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

// Something that exists under the name and is neither a regular file nor a
// folder: a FIFO, a character or block device, a socket (links followed).
bool isSpecialFile(const std::string &path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)
           && !std::filesystem::is_directory(status);
}

int lastError()
{
    return errno != 0 ? errno : EIO;
}

} // namespace

OutputFile::OutputFile(std::string path) : m_path(std::move(path)), m_writesThrough(isSpecialFile(m_path)) {}

OutputFile::~OutputFile()
{
    cancel();
}

std::FILE *OutputFile::createTemporary()
{
    // Beside the target, so the rename stays on its file system; a name taken
    // by anything, even a link, is passed over.
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = m_path + ".";
        for (int i = 0; i < 6; ++i)
            name += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
        errno = 0;
        if (std::FILE *file = std::fopen(name.c_str(), "wbx")) {
            m_temporary = name;
            return file;
        }
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

void OutputFile::removeTemporary()
{
    if (!m_temporary.empty())
        std::remove(m_temporary.c_str());
    m_temporary.clear();
}

bool OutputFile::open()
{
    errno = 0;
    m_file.reset(m_writesThrough ? std::fopen(m_path.c_str(), "wb") : createTemporary());
    if (!m_file) {
        keepError(lastError());
        return false;
    }
    // Written through unbuffered: every write reaches the FIFO or device as it
    // is made, and a refused one says so at once.
    if (m_writesThrough)
        std::setvbuf(m_file.get(), nullptr, _IONBF, 0);
    m_stream.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return true;
}

QIODevice &OutputFile::device()
{
    return m_stream;
}

qint64 OutputFile::Stream::writeData(const char *data, qint64 size)
{
    if (!m_owner.m_file)
        return -1;
    errno = 0;
    const std::size_t written = std::fwrite(data, 1, static_cast<std::size_t>(size), m_owner.m_file.get());
    if (written < static_cast<std::size_t>(size)) {
        m_owner.keepError(lastError());
        if (written == 0)
            return -1;
    }
    return static_cast<qint64>(written);
}

bool OutputFile::write(const QByteArray &bytes)
{
    return m_stream.write(bytes) == bytes.size() && m_error.isEmpty();
}

void OutputFile::keepError(int error)
{
    if (m_error.isEmpty())
        m_error = QString::fromLocal8Bit(std::strerror(error));
}

bool OutputFile::finish()
{
    if (!m_file)
        return m_finished;
    errno = 0;
    if (std::fflush(m_file.get()) != 0 || std::ferror(m_file.get()))
        keepError(lastError());
    errno = 0;
    if (std::fclose(m_file.release()) != 0)
        keepError(lastError());
    m_stream.close();
    m_finished = m_error.isEmpty();
    if (!m_finished)
        removeTemporary();
    return m_finished;
}

bool OutputFile::commit()
{
    if (!finish())
        return false;
    m_finished = false;
    if (m_writesThrough)
        return true;
    std::error_code error;
    // A file replaced keeps the permissions it had.
    const auto status = std::filesystem::status(m_path, error);
    if (!error && std::filesystem::is_regular_file(status))
        std::filesystem::permissions(m_temporary, status.permissions(), error);
    std::filesystem::rename(m_temporary, m_path, error);
    if (error) {
        keepError(error.value());
        removeTemporary();
        return false;
    }
    m_temporary.clear();
    return true;
}

void OutputFile::cancel()
{
    m_file.reset();
    m_finished = false;
    m_stream.close();
    removeTemporary();
}

bool OutputFile::writeWhole(const std::string &path, const QByteArray &bytes, QString &error)
{
    OutputFile file(path);
    if (file.open() && file.write(bytes) && file.commit())
        return true;
    file.cancel();
    error = "Cannot write " + LocalFileNames::display(path) + " (" + file.errorString() + ").";
    return false;
}
