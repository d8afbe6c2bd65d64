#include "export/TextFileWriter.h"

#include <QString>

TextFileWriter::TextFileWriter(const std::string &path) : m_file(QString::fromStdString(path)) {}

bool TextFileWriter::open()
{
    return m_file.open(QIODevice::WriteOnly);
}

bool TextFileWriter::commit()
{
    if (!m_file.isOpen())
        return false;
    // QSaveFile's commit does not notice when the last flush of its own buffer
    // fails (a full disk would leave a cut-off file in place): flush it first.
    if (!m_lines.flush() || !m_file.flush())
        m_file.cancelWriting();
    // After cancelWriting, commit only removes the temporary file and says false.
    return m_file.commit();
}
