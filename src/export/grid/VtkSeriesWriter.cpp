#include "export/grid/VtkSeriesWriter.h"

#include "data/StepGrid.h"
#include "export/grid/GridOutputs.h"
#include "export/grid/ItemPlane.h"

#include <QByteArray>
#include <QtGlobal>

namespace {

// Text inside a quoted XML attribute; bytes left as they are, so a file name that is no valid text survives.
std::string attribute(const std::string &text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

// The arrays are the machine's floats as they lie in memory.
const char *const byteOrder = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "LittleEndian" : "BigEndian";

std::string fileNameOf(const std::string &path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::string vtkStepFileName(const std::string &seriesPath, int step)
{
    const std::size_t dot = seriesPath.find_last_of('.');
    const std::size_t slash = seriesPath.find_last_of('/');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? seriesPath.substr(0, dot) : seriesPath) + "-" + std::to_string(step) + ".vti";
}

bool VtkSeriesWriter::begin(const GridContent &content, GridOutputs &outputs, std::string &)
{
    m_content = &content;
    m_outputs = &outputs;
    return true;
}

bool VtkSeriesWriter::writeStep(int step, const StepGrid &grid, std::string &error)
{
    TextLines *lines = m_outputs->text(vtkStepFileName(m_content->targets.front(), step), error);
    if (!lines)
        return false;
    const SeamHeader &header = m_content->header;
    const int columns = grid.columnCount();
    const int rows = grid.rowCount();
    const std::string extent = "0 " + std::to_string(columns) + " 0 " + std::to_string(rows) + " 0 0";
    lines->line("<?xml version=\"1.0\"?>");
    lines->text("<VTKFile type=\"ImageData\" version=\"1.0\" byte_order=\"").text(byteOrder);
    lines->text("\" header_type=\"UInt64\">").endLine();
    // The origin and the spacing as the doubles the floats are, so a reader places the cells where they are.
    const double cellSize = header.cellSize;
    lines->text("  <ImageData WholeExtent=\"").text(extent).text("\" Origin=\"").exact(double(header.originX));
    lines->text(" ").exact(double(header.originY)).text(" 0\" Spacing=\"").exact(cellSize).text(" ").exact(cellSize);
    lines->text(" 1\">").endLine();
    lines->text("    <Piece Extent=\"").text(extent).text("\">").endLine();
    lines->line("      <CellData>");
    for (const int item : m_content->items) {
        copyItemPlane(grid, item, RowOrder::BottomFirst, m_cells);
        const quint64 size = m_cells.size() * sizeof(float);
        QByteArray bytes(reinterpret_cast<const char *>(&size), sizeof size);
        bytes.append(reinterpret_cast<const char *>(m_cells.data()), static_cast<qsizetype>(size));
        lines->text("        <DataArray type=\"Float32\" Name=\"").text(attribute(m_content->itemLabel(item)));
        lines->text("\" format=\"binary\">").text(bytes.toBase64().toStdString()).text("</DataArray>").endLine();
    }
    lines->line("      </CellData>");
    lines->line("    </Piece>");
    lines->line("  </ImageData>");
    lines->line("</VTKFile>");
    return m_outputs->finishAll(error);
}

bool VtkSeriesWriter::finish(std::string &error)
{
    const std::string &series = m_content->targets.front();
    TextLines *lines = m_outputs->text(series, error);
    if (!lines)
        return false;
    lines->line("<?xml version=\"1.0\"?>");
    lines->text("<VTKFile type=\"Collection\" version=\"0.1\" byte_order=\"").text(byteOrder).text("\">").endLine();
    lines->line("  <Collection>");
    for (const int step : m_content->steps) {
        lines->text("    <DataSet timestep=\"").integer(step).text("\" part=\"0\" file=\"");
        lines->text(attribute(fileNameOf(vtkStepFileName(series, step)))).text("\"/>").endLine();
    }
    lines->line("  </Collection>");
    lines->line("</VTKFile>");
    return true;
}
