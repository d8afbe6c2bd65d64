#include "widgets/view/ThumbStyle.h"

#include <QPainter>
#include <QStyleOptionSlider>

void ThumbStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                    const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar || bar->minimum == bar->maximum || !(bar->state & State_Enabled))
        return;
    const QRect thumb = subControlRect(control, option, SC_ScrollBarSlider, widget).adjusted(2, 2, -2, -2);
    if (thumb.isEmpty())
        return;
    const bool pressed = (bar->activeSubControls & SC_ScrollBarSlider) && (bar->state & State_Sunken);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(Qt::NoPen);
    painter->setBrush(bar->palette.color(pressed ? QPalette::Dark : QPalette::Mid));
    painter->drawRoundedRect(thumb, 3, 3);
    painter->restore();
}
