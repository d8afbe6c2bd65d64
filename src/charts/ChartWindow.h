#pragma once

#include "charts/FishNetData.h"
#include "charts/StepAxis.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <optional>

// What the chart routines need of a chart window. The window keeps what it was
// given even while it has no control, so a control created or created again
// shows it; the widget hosts build the controls over Qt Charts and Q3DSurface.
class ChartWindow
{
public:
    virtual ~ChartWindow() = default;

    // The control exists: created, and not destroyed since.
    virtual bool exists() const = 0;
    // Builds the control over the parent, showing what the window holds; false when it cannot.
    virtual bool create() = 0;
    virtual void destroy() = 0;
    // While held, changes collect and the control does not repaint; releasing shows them.
    virtual void setBatch(bool held) = 0;
    // The user-adjustable view (zoom and pan, or camera). Saving or loading a view
    // that cannot be kept changes nothing else.
    virtual void saveViewState(const QString &filePath) = 0;
    virtual void loadViewState(const QString &filePath) = 0;
};

// A 2-D line chart of one series.
class LineChartWindow : public ChartWindow
{
public:
    virtual void setXTitle(const QString &title) = 0;
    // The X axis as given; without one it spans the data in round numbers.
    virtual void setXAxis(const std::optional<AxisSpan> &span) = 0;
    virtual void setContent(const QList<QPointF> &points, const QString &header, const QString &yTitle) = 0;
    // A vertical line across the data at x (the History Plot's current step); none without one.
    virtual void setMarker(std::optional<double> x) = 0;
};

// A 3-D surface with its wireframe over columns x rows.
class SurfaceChartWindow : public ChartWindow
{
public:
    virtual void setHorizontalTitles(const QString &xTitle, const QString &yTitle) = 0;
    virtual void setAspect(const FishNetAspect &aspect) = 0;
    virtual void setContent(const FishNetTable &table, const QString &valueTitle) = 0;
};
