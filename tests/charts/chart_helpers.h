#pragma once

#include "data/CPlotDoc.h"
#include "data/Reporter.h"

#include <QTemporaryDir>

#include <functional>
#include <string>
#include <vector>

// Keeps every message, so a test sees what a user would have been shown.
class RecordingReporter : public Reporter
{
public:
    void report(const std::string &message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

// A seam output file made for one test: sizes, names and a value for every
// (step, column, row, item), all 0-based except the step.
struct TestSeam
{
    int steps = 1;
    int columns = 1;
    int rows = 1;
    int items = 1;
    float cellSize = 10.0f;
    float originX = 0.0f;
    float originY = 0.0f;
    std::vector<std::string> names{"Vertical Stress"};
    std::vector<std::string> units{"MPa"};
    std::function<float(int step, int ix, int iy, int k)> value = [](int, int, int, int) { return 0.0f; };
};

// A document holding a TestSeam opened from a temporary folder.
class OpenedSeam
{
public:
    explicit OpenedSeam(const TestSeam &seam);
    bool opened() const { return m_opened; }

    QTemporaryDir folder;
    RecordingReporter reporter;
    CPlotDoc document{reporter};

private:
    bool m_opened = false;
};
