#pragma once

#include "export/grid/GridWriter.h"

#include <string>
#include <vector>

// GeoTIFF files through GDAL, one per step: one float32 band per stress item
// (its description the item's name, its unit type the item's unit), rows from
// the top, a north-up geotransform from the origin and cell size, and the
// reference system of an EPSG code when one is given.
class GeoTiffWriter : public GridWriter
{
public:
    bool begin(const GridContent &content, GridOutputs &outputs, std::string &error) override;
    bool writeStep(int step, const StepGrid &grid, std::string &error) override;
    bool finish(std::string &error) override;

private:
    bool writeBands(void *dataset, int step, const StepGrid &grid);

    const GridContent *m_content = nullptr;
    GridOutputs *m_outputs = nullptr;
    std::string m_crsWkt; // empty: none
    std::vector<float> m_plane; // one band, rows from the top
};
