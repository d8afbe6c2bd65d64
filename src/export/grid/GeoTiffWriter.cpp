#include "export/grid/GeoTiffWriter.h"

#include "data/StepGrid.h"
#include "export/grid/GridOutputs.h"
#include "export/grid/ItemPlane.h"

#include <cpl_conv.h>
#include <cpl_error.h>
#include <gdal.h>
#include <gdal_frmts.h>
#include <ogr_srs_api.h>

#include <memory>
#include <mutex>
#include <regex>

namespace {

// GDAL's complaints while this lives go to the first failure's message, not to stderr.
class GdalErrors
{
public:
    GdalErrors() : m_pusher(&GdalErrors::keep, this) {}
    bool failed() const { return !m_message.empty(); }
    const std::string &message() const { return m_message; }

private:
    static void CPL_STDCALL keep(CPLErr type, CPLErrorNum, const char *message)
    {
        auto *self = static_cast<GdalErrors *>(CPLGetErrorHandlerUserData());
        if (type >= CE_Failure && self->m_message.empty())
            self->m_message = withoutModule(message ? message : "GDAL failed");
    }
    // libtiff puts its function's name before the reason ("_tiffSeekProc:No space left on device"),
    // which tells a user nothing.
    static std::string withoutModule(const std::string &message)
    {
        static const std::regex module("^[A-Za-z_][A-Za-z0-9_]*: *");
        return std::regex_replace(message, module, "", std::regex_constants::format_first_only);
    }
    std::string m_message;
    CPLErrorHandlerPusher m_pusher;
};

GDALDriverH geoTiffDriver()
{
    static std::once_flag registered;
    std::call_once(registered, [] { GDALRegister_GTiff(); });
    return GDALGetDriverByName("GTiff");
}

struct DatasetCloser
{
    void operator()(void *dataset) const { GDALClose(dataset); }
};
using Dataset = std::unique_ptr<void, DatasetCloser>;

struct ReferenceDeleter
{
    void operator()(void *reference) const { OSRDestroySpatialReference(reference); }
};

} // namespace

bool GeoTiffWriter::begin(const GridContent &content, GridOutputs &outputs, std::string &error)
{
    m_content = &content;
    m_outputs = &outputs;
    if (content.crs.empty())
        return true;
    const GdalErrors errors;
    const std::unique_ptr<void, ReferenceDeleter> reference(OSRNewSpatialReference(nullptr));
    char *wkt = nullptr;
    if (OSRImportFromEPSG(reference.get(), std::atoi(content.crs.c_str() + 5)) != OGRERR_NONE
        || OSRExportToWkt(reference.get(), &wkt) != OGRERR_NONE) {
        error = "GDAL knows no reference system " + content.crs
                + (errors.failed() ? " (" + errors.message() + ")." : ".");
        CPLFree(wkt);
        return false;
    }
    m_crsWkt = wkt;
    CPLFree(wkt);
    return true;
}

bool GeoTiffWriter::writeBands(void *dataset, int step, const StepGrid &grid)
{
    const SeamHeader &header = m_content->header;
    const double cellSize = header.cellSize;
    // North-up: the top-left corner, cells cellSize wide and running down.
    double transform[] = {header.originX, cellSize, 0.0, header.originY + grid.rowCount() * cellSize, 0.0, -cellSize};
    bool written = GDALSetGeoTransform(dataset, transform) == CE_None
                   && (m_crsWkt.empty() || GDALSetProjection(dataset, m_crsWkt.c_str()) == CE_None)
                   && GDALSetMetadataItem(dataset, "step", std::to_string(step).c_str(), nullptr) == CE_None;
    for (std::size_t b = 0; written && b < m_content->items.size(); ++b) {
        const int item = m_content->items[b];
        copyItemPlane(grid, item, RowOrder::TopFirst, m_plane);
        GDALRasterBandH band = GDALGetRasterBand(dataset, static_cast<int>(b) + 1);
        GDALSetDescription(band, m_content->itemLabel(item).c_str());
        written = GDALSetRasterUnitType(band, header.itemUnit(item).c_str()) == CE_None
                  && GDALRasterIO(band, GF_Write, 0, 0, grid.columnCount(), grid.rowCount(), m_plane.data(),
                                  grid.columnCount(), grid.rowCount(), GDT_Float32, 0, 0)
                         == CE_None;
    }
    return written;
}

bool GeoTiffWriter::writeStep(int step, const StepGrid &grid, std::string &error)
{
    const std::string &target = m_content->targetOf(step);
    const std::string path = m_outputs->path(target, error);
    if (path.empty())
        return false;
    const GdalErrors errors;
    // Everything the file says goes into the TIFF itself, no side file beside it.
    CPLSetThreadLocalConfigOption("GDAL_PAM_ENABLED", "NO");
    const char *const options[] = {"INTERLEAVE=BAND", "BIGTIFF=IF_SAFER", nullptr};
    bool written = false;
    {
        const Dataset dataset(GDALCreate(geoTiffDriver(), path.c_str(), grid.columnCount(), grid.rowCount(),
                                         static_cast<int>(m_content->items.size()), GDT_Float32,
                                         const_cast<char **>(options)));
        written = dataset && writeBands(dataset.get(), step, grid);
    } // closing writes the rest, and may fail too
    CPLSetThreadLocalConfigOption("GDAL_PAM_ENABLED", nullptr);
    if (written && !errors.failed())
        return true;
    error = cannotWrite(target, errors.failed() ? errors.message() : "GDAL could not write it");
    return false;
}

bool GeoTiffWriter::finish(std::string &)
{
    return true;
}
