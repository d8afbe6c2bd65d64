#pragma once

#include "export/grid/GridWriter.h"

#include <vector>

// A NetCDF file (CF conventions, 64-bit offset format) through the netCDF-C
// library: dimensions step, y and x; coordinate variables of the cell centres
// and of the step numbers; one float variable per stress item, whose long_name
// is the item's name and units its unit. All steps go into the one file.
class NetCdfWriter : public GridWriter
{
public:
    ~NetCdfWriter() override;
    bool begin(const GridContent &content, GridOutputs &outputs, std::string &error) override;
    bool writeStep(int step, const StepGrid &grid, std::string &error) override;
    bool finish(std::string &error) override;

private:
    // False with the library's reason in error when status is no success.
    bool check(int status, std::string &error) const;
    bool defineVariables(std::string &error);
    bool writeCoordinates(std::string &error);

    const GridContent *m_content = nullptr;
    int m_file = -1;
    std::vector<int> m_itemVariables;
    int m_stepVariable = -1;
    int m_xVariable = -1;
    int m_yVariable = -1;
    std::size_t m_record = 0;
    std::vector<float> m_plane; // one item of one step, rows of x
};

// A name for an item's variable that every reader takes as an identifier:
// letters, digits and underscores, not starting with a digit.
std::string netCdfVariableName(const std::string &itemName, int item);
