#pragma once

#include "view/Canvas.h"

#include <optional>

// A canvas that keeps every call, for tests to read what a drawing did.
class RecordingCanvas : public Canvas
{
public:
    struct Text
    {
        LogicalRect rect;
        int flags = 0;
        QString text;
        FontSpec font;
        QColor color;
    };
    struct Fill
    {
        LogicalRect rect;
        QColor color;
    };
    struct Rectangle
    {
        LogicalRect rect;
        QColor pen;
        QColor brush;
    };
    struct Polyline
    {
        std::vector<QPoint> points;
        QColor pen;
    };
    struct Image
    {
        LogicalRect rect;
        QImage image;
    };

    // A screen canvas of this many dots per inch, or an exact (paper) one.
    explicit RecordingCanvas(bool screen = false, double dpi = 100.0);

    // The font asked for by the selection-th selectFont call (0-based) cannot be made.
    void refuseFont(int selection) { m_refusedFont = selection; }
    void setReady(bool ready) { m_ready = ready; }

    bool isReady() const override { return m_ready; }
    bool isScreen() const override { return m_screen; }
    QTransform deviceTransform() const override;

    void setTextColor(const QColor &color) override { m_textColor = color; }
    bool selectFont(const FontSpec &font) override;
    void drawText(const LogicalRect &rect, int flags, const QString &text) override;
    void fillRect(const LogicalRect &rect, const QColor &color) override;
    void drawRectangle(const LogicalRect &rect, const QColor &pen, const QColor &brush) override;
    void drawPolyline(const std::vector<QPoint> &points, const QColor &pen) override;
    void drawImage(const LogicalRect &rect, const QImage &image) override;

    // Fills made in this colour.
    int fillCount(const QColor &color) const;
    // Drawing calls recorded (texts, fills, rectangles, lines, images).
    int callCount() const { return m_calls; }

    std::vector<Text> texts;
    std::vector<Fill> fills;
    std::vector<Rectangle> rectangles;
    std::vector<Polyline> polylines;
    std::vector<Image> images;

private:
    bool m_screen;
    double m_dpi;
    bool m_ready = true;
    std::optional<int> m_refusedFont;
    int m_fontSelections = 0;
    QColor m_textColor;
    FontSpec m_font;
    int m_calls = 0;
};
