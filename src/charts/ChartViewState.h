#pragma once

#include <QString>

#include <optional>

// What the user has adjusted on a chart, kept in its template file while another
// plot is shown. The files are small INI texts; one that is missing, damaged or
// of the other kind of chart loads as nothing, and the chart keeps its own view.

// A 2-D chart: the axis ranges the user zoomed or panned to.
struct LineChartViewState
{
    bool zoomed = false;
    double xMin = 0.0;
    double xMax = 1.0;
    double yMin = 0.0;
    double yMax = 1.0;

    bool save(const QString &filePath) const;
    static std::optional<LineChartViewState> load(const QString &filePath);
};

// The 3-D chart: the camera's rotation, zoom and target.
struct SurfaceViewState
{
    float xRotation = 0.0f;
    float yRotation = 0.0f;
    float zoomLevel = 100.0f;
    float targetX = 0.0f;
    float targetY = 0.0f;
    float targetZ = 0.0f;

    bool save(const QString &filePath) const;
    static std::optional<SurfaceViewState> load(const QString &filePath);
};
