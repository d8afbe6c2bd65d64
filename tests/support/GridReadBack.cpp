#include "support/GridReadBack.h"

#include <QJsonDocument>
#include <QProcess>

#include <map>

namespace {

struct Reader
{
    const char *module; // what must import for the reader to be there
    const char *script; // sys.argv[1] the item name, then the files
};

const char *const bitsOf = R"(
import json, struct, sys
def bits(value):
    return struct.unpack('<I', struct.pack('<f', value))[0]
cells, units, crs = [], {}, None
)";

const char *const printAll = R"(
print(json.dumps({"cells": cells, "units": units, "crs": crs}))
)";

const std::map<QString, Reader> readers{
    {"netcdf", {"netCDF4", R"(
import netCDF4
ds = netCDF4.Dataset(sys.argv[2])
ds.set_auto_mask(False)
xs, ys, steps = ds['x'][:], ds['y'][:], ds['step'][:]
for var in ds.variables.values():
    if var.dimensions != ('step', 'y', 'x'):
        continue
    units[var.long_name] = var.units
    data = var[:]
    for s, step in enumerate(steps):
        for j, y in enumerate(ys):
            for i, x in enumerate(xs):
                cells.append([int(step), var.long_name, float(x), float(y), bits(data[s, j, i])])
)"}},
    {"geotiff", {"osgeo.gdal", R"(
from osgeo import gdal, osr
gdal.UseExceptions()
for given in sys.argv[2:]:
    step, path = given.split('=', 1)
    ds = gdal.Open(path)
    gt = ds.GetGeoTransform()
    srs = ds.GetSpatialRef()
    crs = srs.GetAuthorityCode(None) if srs else None
    for b in range(1, ds.RasterCount + 1):
        band = ds.GetRasterBand(b)
        name = band.GetDescription() or sys.argv[1]
        units[name] = band.GetUnitType()
        data = band.ReadAsArray()
        for row in range(ds.RasterYSize):
            for col in range(ds.RasterXSize):
                x = gt[0] + (col + 0.5) * gt[1] + (row + 0.5) * gt[2]
                y = gt[3] + (col + 0.5) * gt[4] + (row + 0.5) * gt[5]
                cells.append([int(step), name, x, y, bits(data[row, col])])
)"}},
    {"csv", {"pandas", R"(
import numpy, pandas
frame = pandas.read_csv(sys.argv[2], float_precision='round_trip')
for name in frame.columns[5:]:
    values = frame[name].to_numpy().astype(numpy.float32)
    for i, row in enumerate(frame.itertuples(index=False)):
        cells.append([int(row[0]), name, float(row[3]), float(row[4]), bits(values[i])])
)"}},
    {"vtk", {"vtk", R"(
import os, xml.etree.ElementTree as tree
import vtk
series = sys.argv[2]
for entry in tree.parse(series).getroot().iter('DataSet'):
    reader = vtk.vtkXMLImageDataReader()
    reader.SetFileName(os.path.join(os.path.dirname(series), entry.get('file')))
    reader.Update()
    image = reader.GetOutput()
    data = image.GetCellData()
    for a in range(data.GetNumberOfArrays()):
        array = data.GetArray(a)
        for c in range(image.GetNumberOfCells()):
            b = image.GetCell(c).GetBounds()
            cells.append([int(float(entry.get('timestep'))), array.GetName(), (b[0] + b[1]) / 2, (b[2] + b[3]) / 2,
                          bits(array.GetValue(c))])
)"}},
};

} // namespace

GridReadBack readBackGrid(const QString &format, const QStringList &files, const QString &item)
{
    GridReadBack back;
    const QString reader = format == "esri-ascii" ? "geotiff" : format;
    const auto found = readers.find(reader);
    if (found == readers.end()) {
        back.failure = "no reader for " + format;
        return back;
    }
    const QString python = "/usr/bin/python3";
    if (QProcess::execute(python, {"-c", QString("import ") + found->second.module}) != 0)
        return back;
    back.readerAvailable = true;
    QProcess process;
    const QString script = QString(bitsOf) + found->second.script + printAll;
    process.start(python, QStringList{"-c", script, item} + files);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        back.failure = "the " + format + " reader could not read " + files.join(", ") + ": "
                       + QString::fromLocal8Bit(process.readAllStandardError());
        return back;
    }
    QJsonParseError error;
    back.result = QJsonDocument::fromJson(process.readAllStandardOutput(), &error).object();
    if (error.error != QJsonParseError::NoError)
        back.failure = "unreadable answer from the " + format + " reader: " + error.errorString();
    return back;
}
