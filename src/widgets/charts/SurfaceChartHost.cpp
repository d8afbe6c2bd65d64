#include "widgets/charts/SurfaceChartHost.h"

#include "charts/ChartReadout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QtDataVisualization/Q3DCamera>
#include <QtDataVisualization/Q3DScene>
#include <QtDataVisualization/Q3DSurface>
#include <QtDataVisualization/Q3DTheme>
#include <QtDataVisualization/QSurface3DSeries>
#include <QtDataVisualization/QSurfaceDataProxy>
#include <QtDataVisualization/QValue3DAxis>

#include <algorithm>
#include <memory>

namespace {

// Software OpenGL renders a printer page slowly; larger targets are scaled up from this.
constexpr int largestRender = 2048;

QLinearGradient coldToHot()
{
    QLinearGradient gradient;
    gradient.setColorAt(0.0, QColor(0, 0, 200));
    gradient.setColorAt(0.35, QColor(0, 190, 220));
    gradient.setColorAt(0.6, QColor(120, 220, 0));
    gradient.setColorAt(0.8, QColor(250, 210, 0));
    gradient.setColorAt(1.0, QColor(220, 0, 0));
    return gradient;
}

} // namespace

SurfaceChartHost::SurfaceChartHost(QWidget *parent) : ChartHost(parent, QStringLiteral("3-D FishNet Plot"))
{
}

bool SurfaceChartHost::create()
{
    if (exists())
        return true;
    // Qt Data Visualization gets a context on the offscreen platform when an X server
    // is reachable, but crashes at its first rendering there: only a real window system will do.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return false;
    auto surface = std::make_unique<Q3DSurface>();
    // Without a context the graph cannot take a series: that is a failed creation, not a crash.
    if (!surface->hasContext())
        return false;
    surface->activeTheme()->setType(Q3DTheme::ThemeQt);
    surface->activeTheme()->setBackgroundEnabled(false);
    // The graph scales its labels down from this size; the theme's default reads too small.
    surface->activeTheme()->setFont(QFont(QStringLiteral("Arial"), 48));
    surface->setShadowQuality(QAbstract3DGraph::ShadowQualityNone);
    m_series = new QSurface3DSeries;
    m_series->setWireframeColor(QColor(30, 30, 30));
    m_series->setBaseGradient(coldToHot());
    m_series->setColorStyle(Q3DTheme::ColorStyleRangeGradient);
    surface->addSeries(m_series);
    // A click picks a point of the surface.
    connect(m_series, &QSurface3DSeries::selectedPointChanged, this, [this](const QPoint &position) {
        emit pointerReadout(ChartReadout::surfaceText(m_table, position.y(), position.x()));
    });
    for (QValue3DAxis *axis : {surface->axisX(), surface->axisY(), surface->axisZ()})
        axis->setTitleVisible(true);
    // Columns and rows are whole numbers; values of any size keep six digits, as on the 2-D charts.
    surface->axisX()->setLabelFormat(QStringLiteral("%.0f"));
    surface->axisZ()->setLabelFormat(QStringLiteral("%.0f"));
    surface->axisY()->setLabelFormat(QStringLiteral("%g"));
    Q3DCamera *camera = surface->scene()->activeCamera();
    camera->setCameraPreset(Q3DCamera::CameraPresetIsometricRight);
    // Far enough back that the axis labels of the near corner stay inside the window.
    camera->setZoomLevel(85.0f);
    camera->setTarget(QVector3D(0.0f, -0.3f, 0.0f));

    auto *control = new QWidget;
    auto *layout = new QVBoxLayout(control);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_header = new QLabel(control);
    m_header->setFont(QFont(QStringLiteral("Arial"), 18, QFont::Bold));
    m_header->setAlignment(Qt::AlignCenter);
    m_header->setAutoFillBackground(true);
    layout->addWidget(m_header);
    m_surface = surface.release();
    layout->addWidget(QWidget::createWindowContainer(m_surface, control), 1);
    // A larger window spreads the wires apart, a smaller one brings them together.
    connect(m_surface, &QWindow::widthChanged, this, &SurfaceChartHost::showWiresWhereTheyStandApart);
    connect(m_surface, &QWindow::heightChanged, this, &SurfaceChartHost::showWiresWhereTheyStandApart);

    adoptControl(control);
    m_changed = true;
    applyContent();
    return true;
}

void SurfaceChartHost::destroy()
{
    destroyControl();
    m_header = nullptr;
    m_surface = nullptr;
    m_series = nullptr;
}

void SurfaceChartHost::setBatch(bool held)
{
    m_held = held;
    if (!held)
        applyContent();
}

void SurfaceChartHost::setHorizontalTitles(const QString &xTitle, const QString &yTitle)
{
    m_xTitle = xTitle;
    m_yTitle = yTitle;
    m_changed = true;
    if (!m_held)
        applyContent();
}

void SurfaceChartHost::setAspect(const FishNetAspect &aspect)
{
    m_aspect = aspect;
    m_changed = true;
    if (!m_held)
        applyContent();
}

void SurfaceChartHost::setContent(const FishNetTable &table, const QString &valueTitle)
{
    m_table = table;
    m_valueTitle = valueTitle;
    m_changed = true;
    if (!m_held)
        applyContent();
}

void SurfaceChartHost::applyContent()
{
    if (!exists() || !m_changed)
        return;
    m_changed = false;
    m_surface->axisX()->setTitle(m_xTitle);
    m_surface->axisZ()->setTitle(m_yTitle);
    m_surface->axisY()->setTitle(m_valueTitle);
    // The grid's X runs along the graph's X, its Y along the graph's depth (Z).
    m_surface->setHorizontalAspectRatio(m_aspect.xPercent / m_aspect.yPercent);

    // The proxy takes rows of constant depth: one per grid row, one item per column.
    auto *rows = new QSurfaceDataArray;
    rows->reserve(m_table.rows);
    for (int j = 0; j < m_table.rows; ++j) {
        auto *row = new QSurfaceDataRow(m_table.columns);
        for (int i = 0; i < m_table.columns; ++i)
            (*row)[i].setPosition(QVector3D(static_cast<float>(m_table.gridColumn(i)),
                                            static_cast<float>(m_table.height(i, j)),
                                            static_cast<float>(m_table.gridRow(j))));
        rows->append(row);
    }
    m_series->dataProxy()->resetArray(rows);
    showWiresWhereTheyStandApart();

    const QString note = m_table.samplingNote();
    m_header->setText(note);
    m_header->setVisible(!note.isEmpty());
}

void SurfaceChartHost::showWiresWhereTheyStandApart()
{
    // Until the window system has sized the surface, the control's size stands for it.
    const QSize size = m_surface->size().isEmpty() ? control()->size() : m_surface->size();
    const bool apart = wiresStandApart(m_table, size.width(), size.height());
    m_series->setDrawMode(apart ? QSurface3DSeries::DrawSurfaceAndWireframe : QSurface3DSeries::DrawSurface);
}

SurfaceViewState SurfaceChartHost::viewState() const
{
    SurfaceViewState state;
    if (!exists())
        return state;
    const Q3DCamera *camera = m_surface->scene()->activeCamera();
    state.xRotation = camera->xRotation();
    state.yRotation = camera->yRotation();
    state.zoomLevel = camera->zoomLevel();
    state.targetX = camera->target().x();
    state.targetY = camera->target().y();
    state.targetZ = camera->target().z();
    return state;
}

void SurfaceChartHost::applyViewState(const SurfaceViewState &state)
{
    if (!exists())
        return;
    Q3DCamera *camera = m_surface->scene()->activeCamera();
    camera->setXRotation(state.xRotation);
    camera->setYRotation(state.yRotation);
    camera->setZoomLevel(state.zoomLevel);
    camera->setTarget(QVector3D(state.targetX, state.targetY, state.targetZ));
}

void SurfaceChartHost::saveViewState(const QString &filePath)
{
    if (exists())
        viewState().save(filePath);
}

void SurfaceChartHost::loadViewState(const QString &filePath)
{
    if (const auto state = SurfaceViewState::load(filePath))
        applyViewState(*state);
}

bool SurfaceChartHost::paint(QPainter &painter, const QRectF &target)
{
    if (!exists() || target.isEmpty())
        return false;
    // The header band keeps its share of the chart's height, as on screen.
    const QSize size = chartSize();
    const bool hasHeader = !m_header->text().isEmpty();
    const double headerShare
        = hasHeader && size.height() > 0 ? double(m_header->sizeHint().height()) / size.height() : 0.0;
    const QRectF headerRect(target.topLeft(), QSizeF(target.width(), target.height() * headerShare));
    const QRectF surfaceRect(headerRect.bottomLeft(), QSizeF(target.width(), target.height() - headerRect.height()));

    QSize renderSize = surfaceRect.size().toSize();
    if (std::max(renderSize.width(), renderSize.height()) > largestRender)
        renderSize.scale(largestRender, largestRender, Qt::KeepAspectRatio);
    if (renderSize.isEmpty())
        return false;
    const QImage image = m_surface->renderToImage(0, renderSize);
    if (image.isNull())
        return false;
    painter.drawImage(surfaceRect, image);
    if (hasHeader) {
        painter.save();
        QFont font = m_header->font();
        font.setPixelSize(std::max(1, int(headerRect.height() * 0.6)));
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(headerRect, Qt::AlignCenter | Qt::TextSingleLine, m_header->text());
        painter.restore();
    }
    return true;
}
