#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// Grid files read back by the programs engineers read them with, under
// /usr/bin/python3: netCDF4 for NetCDF, GDAL for GeoTIFF and ESRI ASCII,
// pandas for CSV, VTK's XML reader for the .vti files a .pvd lists. The
// answer: "cells", one [step, item name, x, y, float32 bits] per value with x
// and y as the reader places the cell's centre; "units", the unit of each
// item where the format keeps one; "crs", the EPSG code of a GeoTIFF.
struct GridReadBack
{
    bool readerAvailable = false;
    QString failure; // why the files could not be read at all
    QJsonObject result;
};

// format: a --format name. files: the one file, or for a file per step
// "STEP=PATH" each; item: the name of the one item of an ESRI ASCII grid.
GridReadBack readBackGrid(const QString &format, const QStringList &files, const QString &item = {});

// Reads the files back into the QJsonObject `json`: skips when the reader is
// not installed, fails when it cannot read them.
#define READ_BACK_GRID(format, files, item, json)                                                                \
    QJsonObject json;                                                                                            \
    {                                                                                                            \
        const GridReadBack readBack = readBackGrid(format, files, item);                                         \
        if (!readBack.readerAvailable)                                                                           \
            QSKIP(qPrintable("the reader of " + QString(format) + " is not installed for /usr/bin/python3"));    \
        QVERIFY2(readBack.failure.isEmpty(), qPrintable(readBack.failure));                                      \
        json = readBack.result;                                                                                  \
    }
