#pragma once

#include "export/grid/GridWriter.h"

#include <string>
#include <vector>

// A VTK image series for ParaView: per step one XML ImageData file (.vti) beside
// the .pvd, "run-7.vti" for step 7 of "run.pvd", whose cell data arrays are the
// stress items, named by the items, with the grid's origin and cell size in
// world units; the .pvd lists them with their step as the timestep.
class VtkSeriesWriter : public GridWriter
{
public:
    bool begin(const GridContent &content, GridOutputs &outputs, std::string &error) override;
    bool writeStep(int step, const StepGrid &grid, std::string &error) override;
    bool finish(std::string &error) override;

private:
    const GridContent *m_content = nullptr;
    GridOutputs *m_outputs = nullptr;
    std::vector<float> m_cells; // one array, x fastest
};

// The image file of a step beside the series file: its name without the
// extension, a hyphen, the step and ".vti".
std::string vtkStepFileName(const std::string &seriesPath, int step);
