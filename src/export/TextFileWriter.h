#pragma once

#include "export/OutputFile.h"
#include "export/TextLines.h"

#include <string>

// An output text file that appears under its name only when it is complete: the
// lines go to a temporary file beside it, renamed into place by commit(). A
// failed or abandoned export leaves no half-written file and keeps the file it
// was to replace. A FIFO or a device under the name is written through instead
// (OutputFile).
class TextFileWriter
{
public:
    explicit TextFileWriter(const std::string &path);

    // False when the file cannot be created; nothing is written then.
    bool open();
    TextLines &lines() { return m_lines; }
    // True when every line reached the target and a regular file took its name;
    // on false the temporary file is gone and whatever stood under the name is
    // untouched.
    bool commit();

private:
    OutputFile m_file;
    TextLines m_lines{m_file.device()};
};
