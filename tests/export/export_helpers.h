#pragma once

#include "support/TestSeam.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// The lines joined, each ending in CR LF.
QByteArray crlfLines(std::initializer_list<const char *> lines);
QByteArray fileBytes(const std::string &path);
void writeBytes(const std::string &path, const QByteArray &bytes);
// The names in a folder, sorted: files, folders, links, FIFOs and devices.
QStringList entriesOf(const QString &folder);

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

// A DXF file read back by ezdxf, as a CAD program would read it: the audit's
// error count ("auditErrors"), entity counts by type and by layer ("types",
// "layers"), the texts and their insertion points ("texts", "textPoints"), the
// handles of TEXT and SOLID entities in file order ("handles"), the colours and
// corners of the SOLIDs ("colours", "solids") and the vertices of every
// polyline ("polylines").
struct DxfReadBack
{
    bool readerAvailable = false;
    QString failure; // why the file could not be read at all
    QJsonObject result;
};
DxfReadBack readBackDxf(const std::string &path);

// Reads the DXF back into the QJsonObject `json`: skips when ezdxf is not there,
// fails when it cannot read the file or its audit finds errors.
#define READ_BACK_DXF(path, json)                                                                                \
    QJsonObject json;                                                                                            \
    {                                                                                                            \
        const DxfReadBack readBack = readBackDxf(path);                                                          \
        if (!readBack.readerAvailable)                                                                           \
            QSKIP("ezdxf is not installed for /usr/bin/python3");                                                \
        QVERIFY2(readBack.failure.isEmpty(), qPrintable(readBack.failure));                                      \
        json = readBack.result;                                                                                  \
        QCOMPARE(json.value("auditErrors").toInt(-1), 0);                                                        \
    }
