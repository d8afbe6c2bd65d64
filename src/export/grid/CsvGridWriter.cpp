#include "export/grid/CsvGridWriter.h"

#include "data/StepGrid.h"
#include "export/grid/GridOutputs.h"

std::string csvField(const std::string &text)
{
    if (text.find_first_of("\",\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

bool CsvGridWriter::begin(const GridContent &content, GridOutputs &outputs, std::string &error)
{
    m_content = &content;
    m_outputs = &outputs;
    m_lines = outputs.text(content.targets.front(), error);
    if (!m_lines)
        return false;
    m_lines->text("step,column,row,x,y");
    for (const int item : content.items)
        m_lines->text(",").text(csvField(content.itemLabel(item)));
    m_lines->endLine();
    return true;
}

bool CsvGridWriter::writeStep(int step, const StepGrid &grid, std::string &error)
{
    const auto &values = grid.values;
    for (int ix = 0; ix < grid.columnCount(); ++ix) {
        const double x = m_content->centreX(ix);
        for (int iy = 0; iy < grid.rowCount(); ++iy) {
            m_lines->integer(step).text(",").integer(ix + 1).text(",").integer(iy + 1).text(",");
            m_lines->exact(x).text(",").exact(m_content->centreY(iy));
            for (const int item : m_content->items)
                m_lines->text(",").exact(values[ix][iy][item]);
            m_lines->endLine();
        }
    }
    return m_outputs->healthy(error);
}

bool CsvGridWriter::finish(std::string &)
{
    return true;
}
