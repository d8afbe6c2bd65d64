#pragma once

#include <QImage>
#include <QMimeData>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <memory>

class QPainter;

// What the 2-D and 3-D chart hosts share: the control widget over the parent,
// which fills the parent and follows its size, and drawing into a painter for
// printing, images and the clipboard. The parent owns the control; a control
// the parent deleted first counts as destroyed.
class ChartHost : public QObject
{
    Q_OBJECT

public:
    // pictureName describes the chart in the SVG copy ("Cross Section Plot").
    ChartHost(QWidget *parent, const QString &pictureName);
    ~ChartHost() override;

    // The control, or nullptr before the first creation and after a destroy.
    QWidget *control() const { return m_control; }
    // The size the chart has on screen, which printing and copies keep.
    QSize chartSize() const;

    // Draws the chart into target; false when there is no control to draw.
    virtual bool paint(QPainter &painter, const QRectF &target) = 0;

    // Draws the chart as large as the printable area (device units of the painter)
    // allows, its proportions kept and centred along the other axis.
    bool print(QPainter &painter, const QRect &printable);
    // The chart at its screen size; a null image without a control.
    QImage toImage();
    // The chart for the clipboard as SVG and as a bitmap; nullptr without a control.
    std::unique_ptr<QMimeData> clipboardData();

signals:
    // What the status bar says of the chart point under the pointer (or picked); empty when none.
    void pointerReadout(const QString &text);

protected:
    // Takes the new control as a child of the parent, sized to it and shown.
    void adoptControl(QWidget *control);
    void destroyControl();
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_parent;
    QPointer<QWidget> m_control;
    QString m_pictureName;
};
