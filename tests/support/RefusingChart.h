#pragma once

#include "charts/ChartWindow.h"

// A chart window that refuses to be created while `refuse` is set and hands
// every other call to the real window behind it: the chart routines meet a
// failed creation over real hosts, without breaking Qt to get one.
template<typename Window>
class RefusingChart : public Window
{
public:
    explicit RefusingChart(Window &real) : m_real(real) {}

    bool refuse = true;

    bool exists() const override { return m_real.exists(); }
    bool create() override { return !refuse && m_real.create(); }
    void destroy() override { m_real.destroy(); }
    void setBatch(bool held) override { m_real.setBatch(held); }
    void saveViewState(const QString &filePath) override { m_real.saveViewState(filePath); }
    void loadViewState(const QString &filePath) override { m_real.loadViewState(filePath); }

protected:
    Window &m_real;
};

class RefusingLineChart : public RefusingChart<LineChartWindow>
{
public:
    using RefusingChart::RefusingChart;

    void setXTitle(const QString &title) override { m_real.setXTitle(title); }
    void setXAxis(const std::optional<AxisSpan> &span) override { m_real.setXAxis(span); }
    void setContent(const QList<QPointF> &points, const QString &header, const QString &yTitle) override
    {
        m_real.setContent(points, header, yTitle);
    }
    void setMarker(std::optional<double> x) override { m_real.setMarker(x); }
};

class RefusingSurfaceChart : public RefusingChart<SurfaceChartWindow>
{
public:
    using RefusingChart::RefusingChart;

    void setHorizontalTitles(const QString &xTitle, const QString &yTitle) override
    {
        m_real.setHorizontalTitles(xTitle, yTitle);
    }
    void setAspect(const FishNetAspect &aspect) override { m_real.setAspect(aspect); }
    void setContent(const FishNetTable &table, const QString &valueTitle) override
    {
        m_real.setContent(table, valueTitle);
    }
};
