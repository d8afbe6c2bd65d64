#include "export/TextFileWriter.h"

TextFileWriter::TextFileWriter(const std::string &path) : m_file(path) {}

bool TextFileWriter::open()
{
    return m_file.open();
}

bool TextFileWriter::commit()
{
    if (!m_lines.flush()) {
        m_file.cancel();
        return false;
    }
    return m_file.commit();
}
