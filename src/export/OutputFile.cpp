#include "export/OutputFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Something that exists under the name and is neither a regular file nor a
// folder: a FIFO, a character or block device, a socket (links followed).
bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

} // namespace

OutputFile::OutputFile(const QString &path) : m_path(path)
{
    if (isSpecialFile(path)) {
        m_file = std::make_unique<QFile>(path);
    } else {
        auto saveFile = std::make_unique<QSaveFile>(path);
        m_saveFile = saveFile.get();
        m_file = std::move(saveFile);
    }
}

OutputFile::~OutputFile() = default;

bool OutputFile::open()
{
    // Written through unbuffered: every write reaches the FIFO or device as it
    // is made, and a refused one says so at once.
    const QIODevice::OpenMode mode =
        m_saveFile ? QIODevice::WriteOnly : QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (m_file->open(mode))
        return true;
    keepError();
    return false;
}

QIODevice &OutputFile::device()
{
    return *m_file;
}

bool OutputFile::write(const QByteArray &bytes)
{
    // A write the disk takes only part of says so without a reason; the next
    // one, refused outright, gives it.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = m_file->write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            keepError();
            return false;
        }
        written += step;
    }
    return true;
}

void OutputFile::keepError()
{
    if (!m_error.isEmpty())
        return;
    m_error = m_file->errorString();
    if (m_error.isEmpty() || m_error == QLatin1String("Unknown error"))
        m_error = QStringLiteral("the data could not be written");
}

bool OutputFile::commit()
{
    if (!m_file->isOpen())
        return false;
    // A failed write leaves its reason on the file until closing clears it, and
    // QSaveFile's commit does not notice when the last flush of its own buffer
    // fails: both are looked at before the file is closed.
    const bool flushed = m_file->flush();
    if (!flushed || m_file->error() != QFileDevice::NoError) {
        keepError();
        if (m_saveFile)
            m_saveFile->cancelWriting();
    }
    if (m_saveFile) {
        // After cancelWriting, commit only removes the temporary file and says false.
        if (m_saveFile->commit())
            return m_error.isEmpty();
    } else {
        m_file->close();
        if (m_error.isEmpty() && m_file->error() == QFileDevice::NoError)
            return true;
    }
    keepError();
    return false;
}

void OutputFile::cancel()
{
    if (!m_file->isOpen())
        return;
    if (m_saveFile) {
        // A save file is never closed by hand: after cancelWriting its commit
        // only removes the temporary file.
        m_saveFile->cancelWriting();
        m_saveFile->commit();
    } else {
        m_file->close();
    }
}

bool OutputFile::writeWhole(const QString &path, const QByteArray &bytes, QString &error)
{
    OutputFile file(path);
    if (file.open() && file.write(bytes) && file.commit())
        return true;
    file.cancel();
    file.keepError();
    error = "Cannot write " + path + " (" + file.errorString() + ").";
    return false;
}
