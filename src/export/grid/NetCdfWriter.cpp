#include "export/grid/NetCdfWriter.h"

#include "data/StepGrid.h"
#include "export/grid/GridOutputs.h"
#include "export/grid/ItemPlane.h"

#include <netcdf.h>

#include <cctype>
#include <set>

namespace {

bool putText(int file, int variable, const char *name, const std::string &value)
{
    return nc_put_att_text(file, variable, name, value.size(), value.data()) == NC_NOERR;
}

} // namespace

std::string netCdfVariableName(const std::string &itemName, int item)
{
    std::string name;
    for (const char c : itemName) {
        const bool word = std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80;
        if (word)
            name += c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    while (!name.empty() && name.back() == '_')
        name.pop_back();
    if (name.empty())
        return "item_" + std::to_string(item);
    return std::isdigit(static_cast<unsigned char>(name.front())) ? "item_" + name : name;
}

NetCdfWriter::~NetCdfWriter()
{
    if (m_file >= 0)
        nc_close(m_file);
}

bool NetCdfWriter::check(int status, std::string &error) const
{
    if (status == NC_NOERR)
        return true;
    error = cannotWrite(m_content->targets.front(), nc_strerror(status));
    return false;
}

bool NetCdfWriter::begin(const GridContent &content, GridOutputs &outputs, std::string &error)
{
    m_content = &content;
    const std::string path = outputs.path(content.targets.front(), error);
    if (path.empty())
        return false;
    int file = -1;
    if (!check(nc_create(path.c_str(), NC_CLOBBER | NC_64BIT_OFFSET, &file), error))
        return false;
    m_file = file;
    int oldFill = 0;
    // Every value is written, so the library need not fill the records first.
    if (!check(nc_set_fill(m_file, NC_NOFILL, &oldFill), error) || !defineVariables(error)
        || !check(nc_enddef(m_file), error))
        return false;
    return writeCoordinates(error);
}

bool NetCdfWriter::defineVariables(std::string &error)
{
    const SeamHeader &header = m_content->header;
    int stepDim = -1, yDim = -1, xDim = -1;
    // Steps are records, so the file grows step by step in the order it is written.
    if (!check(nc_def_dim(m_file, "step", NC_UNLIMITED, &stepDim), error)
        || !check(nc_def_dim(m_file, "y", static_cast<std::size_t>(header.rowCount), &yDim), error)
        || !check(nc_def_dim(m_file, "x", static_cast<std::size_t>(header.columnCount), &xDim), error)
        || !check(nc_def_var(m_file, "step", NC_INT, 1, &stepDim, &m_stepVariable), error)
        || !check(nc_def_var(m_file, "y", NC_DOUBLE, 1, &yDim, &m_yVariable), error)
        || !check(nc_def_var(m_file, "x", NC_DOUBLE, 1, &xDim, &m_xVariable), error))
        return false;
    bool named = putText(m_file, NC_GLOBAL, "Conventions", "CF-1.8")
                 && putText(m_file, NC_GLOBAL, "source", "seam stress analysis, converted by Sembla")
                 && putText(m_file, m_stepVariable, "long_name", "step")
                 && putText(m_file, m_xVariable, "long_name", "x of the cell centres")
                 && putText(m_file, m_xVariable, "axis", "X")
                 && putText(m_file, m_yVariable, "long_name", "y of the cell centres")
                 && putText(m_file, m_yVariable, "axis", "Y");
    const int dims[] = {stepDim, yDim, xDim};
    std::set<std::string> taken{"step", "x", "y"};
    for (const int item : m_content->items) {
        std::string name = netCdfVariableName(header.itemName(item), item);
        for (int n = 2; taken.count(name); ++n)
            name = netCdfVariableName(header.itemName(item), item) + "_" + std::to_string(n);
        taken.insert(name);
        int variable = -1;
        if (!check(nc_def_var(m_file, name.c_str(), NC_FLOAT, 3, dims, &variable), error))
            return false;
        named = named && putText(m_file, variable, "long_name", m_content->itemLabel(item))
                && putText(m_file, variable, "units", header.itemUnit(item));
        m_itemVariables.push_back(variable);
    }
    if (!named)
        error = cannotWrite(m_content->targets.front(), "the attributes were refused");
    return named;
}

bool NetCdfWriter::writeCoordinates(std::string &error)
{
    const SeamHeader &header = m_content->header;
    std::vector<double> xs(static_cast<std::size_t>(header.columnCount));
    for (int ix = 0; ix < header.columnCount; ++ix)
        xs[ix] = m_content->centreX(ix);
    std::vector<double> ys(static_cast<std::size_t>(header.rowCount));
    for (int iy = 0; iy < header.rowCount; ++iy)
        ys[iy] = m_content->centreY(iy);
    return check(nc_put_var_double(m_file, m_xVariable, xs.data()), error)
           && check(nc_put_var_double(m_file, m_yVariable, ys.data()), error);
}

bool NetCdfWriter::writeStep(int step, const StepGrid &grid, std::string &error)
{
    const std::size_t record[] = {m_record};
    const std::size_t one[] = {1};
    if (!check(nc_put_vara_int(m_file, m_stepVariable, record, one, &step), error))
        return false;
    const std::size_t start[] = {m_record, 0, 0};
    const std::size_t count[] = {1, static_cast<std::size_t>(grid.rowCount()),
                                 static_cast<std::size_t>(grid.columnCount())};
    for (std::size_t i = 0; i < m_itemVariables.size(); ++i) {
        copyItemPlane(grid, m_content->items[i], RowOrder::BottomFirst, m_plane);
        if (!check(nc_put_vara_float(m_file, m_itemVariables[i], start, count, m_plane.data()), error))
            return false;
    }
    ++m_record;
    return true;
}

bool NetCdfWriter::finish(std::string &error)
{
    const int file = m_file;
    m_file = -1;
    return check(nc_close(file), error);
}
