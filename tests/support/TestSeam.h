#pragma once

#include "data/CPlotDoc.h"
#include "support/RecordingReporter.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <string>
#include <vector>

// A seam output file made for one test: sizes, names and a value for every
// (step, column, row, item), all 0-based except the step. Items without a name
// of their own are called "Item k" with the unit "U k".
struct TestSeam
{
    using Value = std::function<float(int step, int ix, int iy, int k)>;

    // Set in a chain, so that a seam reads as one expression:
    //   TestSeam().sized(3, 4, 2, 2).cells(10.0f, 100.0f, 200.0f).valued(...)
    TestSeam &sized(int stepCount, int columnCount, int rowCount, int itemCount = 1);
    TestSeam &cells(float size, float x = 0.0f, float y = 0.0f);
    TestSeam &named(std::vector<std::string> itemNames, std::vector<std::string> itemUnits);
    TestSeam &valued(Value itemValue);

    int steps = 1;
    int columns = 1;
    int rows = 1;
    int items = 1;
    float cellSize = 10.0f;
    float originX = 0.0f;
    float originY = 0.0f;
    std::vector<std::string> names{"Vertical Stress"};
    std::vector<std::string> units{"MPa"};
    Value value = [](int, int, int, int) { return 0.0f; };
};

// Writes the file in the seam output format, every value exact to the float32.
bool writeSeamFile(const std::string &path, const TestSeam &seam);

// A document holding a TestSeam opened from a temporary folder, the file named
// run.f1 there unless told otherwise.
class OpenedSeam
{
public:
    explicit OpenedSeam(const TestSeam &seam, const QString &fileName = "run.f1");
    bool opened() const { return m_opened; }
    // A path in the temporary folder.
    std::string path(const QString &name) const;

    QTemporaryDir folder;
    RecordingReporter reporter;
    CPlotDoc document{reporter};

private:
    bool m_opened = false;
};
