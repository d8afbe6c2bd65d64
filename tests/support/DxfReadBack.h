#pragma once

#include <QJsonObject>
#include <QString>

#include <string>

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
