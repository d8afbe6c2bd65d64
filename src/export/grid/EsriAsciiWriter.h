#pragma once

#include "export/grid/GridWriter.h"

// The ESRI ASCII grid of one stress item, a file per step: the header of
// ncols, nrows, the lower-left corner and the cell size, then the rows from
// the top, each value the shortest decimal that reads back as the same float.
class EsriAsciiWriter : public GridWriter
{
public:
    bool begin(const GridContent &content, GridOutputs &outputs, std::string &error) override;
    bool writeStep(int step, const StepGrid &grid, std::string &error) override;
    bool finish(std::string &error) override;

private:
    const GridContent *m_content = nullptr;
    GridOutputs *m_outputs = nullptr;
};
