#include "export/grid/GridFormat.h"

#include "export/grid/CsvGridWriter.h"
#include "export/grid/EsriAsciiWriter.h"
#include "export/grid/GeoTiffWriter.h"
#include "export/grid/NetCdfWriter.h"
#include "export/grid/VtkSeriesWriter.h"

#include <QString>

namespace {

template<typename Writer> std::unique_ptr<GridWriter> make()
{
    return std::make_unique<Writer>();
}

// The extension after the last dot of the name's last part, in lower case; empty without one.
std::string extensionOf(const std::string &name)
{
    const std::size_t slash = name.find_last_of('/');
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return QString::fromStdString(name.substr(dot + 1)).toLower().toStdString();
}

std::string formatList()
{
    std::string names;
    for (const GridFormat &format : gridFormats())
        names += std::string(names.empty() ? "" : ", ") + format.name;
    return names;
}

} // namespace

const std::vector<GridFormat> &gridFormats()
{
    static const std::vector<GridFormat> formats{
        {"netcdf", "NetCDF (*.nc)", "nc", nullptr, true, false, false, false, make<NetCdfWriter>},
        {"geotiff", "GeoTIFF, a file per step (*.tif)", "tif", "tiff", true, true, false, true, make<GeoTiffWriter>},
        {"csv", "CSV, long form (*.csv)", "csv", nullptr, true, false, false, false, make<CsvGridWriter>},
        {"vtk", "VTK image series for ParaView (*.pvd)", "pvd", nullptr, true, false, false, false,
         make<VtkSeriesWriter>},
        // .asc is also the viewer's own ASCII export, so it takes the name.
        {"esri-ascii", "ESRI ASCII grid, a file per step (*.asc)", "asc", nullptr, false, true, true, false,
         make<EsriAsciiWriter>},
    };
    return formats;
}

std::variant<const GridFormat *, std::string> chooseGridFormat(const std::string &outputName,
                                                               const std::optional<std::string> &formatName)
{
    if (formatName) {
        for (const GridFormat &format : gridFormats()) {
            if (*formatName == format.name)
                return &format;
        }
        return "unknown format \"" + *formatName + "\": the formats are " + formatList() + ".";
    }
    const std::string extension = extensionOf(outputName);
    for (const GridFormat &format : gridFormats()) {
        const bool matches = extension == format.extension
                             || (format.alsoExtension && extension == format.alsoExtension);
        if (matches && format.chosenByExtension)
            return &format;
        if (matches)
            return "." + extension + " is also Sembla's own ASCII export (sembla-cli ascii); for the " + format.name
                   + " grid add --format " + format.name + ".";
    }
    return (extension.empty() ? std::string("the output name has no extension") : "unknown extension ." + extension)
           + ": convert writes .nc (NetCDF), .tif (GeoTIFF), .csv, .pvd (VTK) or, with --format esri-ascii, .asc.";
}
