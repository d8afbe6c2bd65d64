#include "export/grid/EsriAsciiWriter.h"

#include "data/StepGrid.h"
#include "export/grid/GridOutputs.h"

bool EsriAsciiWriter::begin(const GridContent &content, GridOutputs &outputs, std::string &)
{
    m_content = &content;
    m_outputs = &outputs;
    return true;
}

bool EsriAsciiWriter::writeStep(int step, const StepGrid &grid, std::string &error)
{
    TextLines *lines = m_outputs->text(m_content->targetOf(step), error);
    if (!lines)
        return false;
    const SeamHeader &header = m_content->header;
    // The corner and the cell size as the doubles the floats are, so a reader places the cells where they are.
    lines->text("ncols ").integer(grid.columnCount()).endLine();
    lines->text("nrows ").integer(grid.rowCount()).endLine();
    lines->text("xllcorner ").exact(double(header.originX)).endLine();
    lines->text("yllcorner ").exact(double(header.originY)).endLine();
    lines->text("cellsize ").exact(double(header.cellSize)).endLine();
    const int item = m_content->items.front();
    for (int iy = grid.rowCount() - 1; iy >= 0; --iy) {
        for (int ix = 0; ix < grid.columnCount(); ++ix) {
            if (ix > 0)
                lines->text(" ");
            lines->exact(grid.values[ix][iy][item]);
        }
        lines->endLine();
    }
    return m_outputs->finishAll(error);
}

bool EsriAsciiWriter::finish(std::string &)
{
    return true;
}
