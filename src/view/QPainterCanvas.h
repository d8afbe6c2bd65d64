#pragma once

#include "view/Canvas.h"
#include "view/CellFills.h"

#include <QFont>
#include <QPointF>

class QPainter;

// The canvas on a QPainter under the page transform:
// device = (x, -y) * dpi / 100 + offset, so one logical unit is 0.01 inch and
// y grows upward. The painter's state is saved on construction and restored on
// destruction, so the drawing leaves the painter as it found it.
class QPainterCanvas : public Canvas
{
public:
    enum class Fills {
        EachRun,       // one painter fill per fillRect, as printing has always had them
        MergedByColour // gathered by CellFills and filled one colour at a time, before
                       // the next other drawing and at the end: a lean PDF
    };

    QPainterCanvas(QPainter &painter, double dpi, QPointF offset = {}, Fills fills = Fills::EachRun);
    ~QPainterCanvas() override;
    QPainterCanvas(const QPainterCanvas &) = delete;
    QPainterCanvas &operator=(const QPainterCanvas &) = delete;

    bool isReady() const override;
    // True for raster and OpenGL painting (windows, images, pixmaps); false for
    // printers, previews, PDF and SVG.
    bool isScreen() const override;
    QTransform deviceTransform() const override;

    void setTextColor(const QColor &color) override;
    bool selectFont(const FontSpec &font) override;
    void drawText(const LogicalRect &rect, int flags, const QString &text) override;
    void fillRect(const LogicalRect &rect, const QColor &color) override;
    void drawRectangle(const LogicalRect &rect, const QColor &pen, const QColor &brush) override;
    void drawPolyline(const std::vector<QPoint> &points, const QColor &pen) override;
    void drawImage(const LogicalRect &rect, const QImage &image) override;

private:
    void paintGatheredFills();
    // Paints in device pixels, between the page transform's pixel edges.
    template<typename Paint> void inPixels(Paint paint);

    QPainter &m_painter;
    Fills m_fillMode;
    CellFills m_fills;
    bool m_saved = false;
    // On a raster device cells and images land on whole pixels, where the
    // cursor readout finds them (ScreenPixels).
    bool m_onPixels = false;
    QColor m_textColor = Qt::black;
    QFont m_font;
};
