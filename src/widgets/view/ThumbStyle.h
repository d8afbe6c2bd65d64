#pragma once

#include <QProxyStyle>

// Scroll bars whose thumb reads as the thumb: a darker block on a lighter track.
// Some styles (Fusion among them) paint the thumb lighter than its track, so that
// the rest of the track looks like the thumb: standing at the bottom and right
// while the view shows the top-left, and running backwards when dragged.
class ThumbStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
};
