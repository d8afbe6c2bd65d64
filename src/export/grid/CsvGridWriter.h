#pragma once

#include "export/grid/GridWriter.h"

class TextLines;

// The long form of every cell and step, as pandas reads it: a header row
// "step,column,row,x,y" and one column per stress item named by the item; then
// a row per step and cell (columns and rows 1-based, x and y the cell's
// centre), columns outermost as in the ASCII grid export. Numbers read back
// exactly.
class CsvGridWriter : public GridWriter
{
public:
    bool begin(const GridContent &content, GridOutputs &outputs, std::string &error) override;
    bool writeStep(int step, const StepGrid &grid, std::string &error) override;
    bool finish(std::string &error) override;

private:
    const GridContent *m_content = nullptr;
    GridOutputs *m_outputs = nullptr;
    TextLines *m_lines = nullptr;
};

// A field of a CSV file: as it is, or quoted when it holds a quote, a comma or a line end.
std::string csvField(const std::string &text);
