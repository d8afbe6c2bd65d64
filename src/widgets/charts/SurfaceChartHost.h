#pragma once

#include "charts/ChartViewState.h"
#include "charts/ChartWindow.h"
#include "widgets/charts/ChartHost.h"

class QLabel;
class Q3DSurface;
class QSurface3DSeries;

// The 3-D chart window: a Q3DSurface in a window container, the surface drawn
// over columns x rows, with its wireframe while the wires stand apart on screen,
// X and Y along the grid and the item's value up. The header (Arial 18 bold) has no text of its own; it says so when
// the surface is a sample of a large grid. The right mouse button rotates, the
// wheel zooms. Without an OpenGL context, or on the offscreen platform, the
// control cannot be created.
class SurfaceChartHost : public ChartHost, public SurfaceChartWindow
{
    Q_OBJECT

public:
    explicit SurfaceChartHost(QWidget *parent);

    bool exists() const override { return control() != nullptr; }
    bool create() override;
    void destroy() override;
    void setBatch(bool held) override;
    void saveViewState(const QString &filePath) override;
    void loadViewState(const QString &filePath) override;

    void setHorizontalTitles(const QString &xTitle, const QString &yTitle) override;
    void setAspect(const FishNetAspect &aspect) override;
    void setContent(const FishNetTable &table, const QString &valueTitle) override;

    bool paint(QPainter &painter, const QRectF &target) override;

    // The shown surface and header, for reading back; nullptr without a control.
    Q3DSurface *surface() const { return exists() ? m_surface : nullptr; }
    QLabel *header() const { return exists() ? m_header : nullptr; }
    SurfaceViewState viewState() const;
    void applyViewState(const SurfaceViewState &state);

private:
    void applyContent();
    void showWiresWhereTheyStandApart();

    QLabel *m_header = nullptr;
    Q3DSurface *m_surface = nullptr;
    QSurface3DSeries *m_series = nullptr;

    FishNetTable m_table;
    QString m_xTitle;
    QString m_yTitle;
    QString m_valueTitle;
    FishNetAspect m_aspect;
    bool m_held = false;
    bool m_changed = false;
};
