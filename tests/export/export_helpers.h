#pragma once

#include "support/DxfReadBack.h"
#include "support/TestFiles.h"
#include "support/TestSeam.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// The lines joined, each ending in CR LF.
QByteArray crlfLines(std::initializer_list<const char *> lines);

// While it lives, no file of this process can grow beyond the limit: writes past
// it fail with EFBIG instead of the signal that would end the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};
