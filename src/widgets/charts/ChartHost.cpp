#include "widgets/charts/ChartHost.h"

#include "charts/ChartPrintMapping.h"

#include <QBuffer>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

ChartHost::ChartHost(QWidget *parent, const QString &pictureName)
    : m_parent(parent), m_pictureName(pictureName)
{
    if (parent)
        parent->installEventFilter(this);
}

ChartHost::~ChartHost()
{
    destroyControl();
}

QSize ChartHost::chartSize() const
{
    return m_control ? m_control->size() : QSize();
}

void ChartHost::adoptControl(QWidget *control)
{
    m_control = control;
    if (m_parent) {
        control->setParent(m_parent);
        control->setGeometry(m_parent->rect());
    }
    control->show();
}

void ChartHost::destroyControl()
{
    delete m_control;
}

bool ChartHost::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_parent && event->type() == QEvent::Resize && m_control)
        m_control->setGeometry(m_parent->rect());
    return QObject::eventFilter(watched, event);
}

bool ChartHost::print(QPainter &painter, const QRect &printable)
{
    const QRect target = chartPrintRect(chartSize(), printable.size());
    if (target.isEmpty())
        return false;
    return paint(painter, target.translated(printable.topLeft()));
}

QImage ChartHost::toImage()
{
    const QSize size = chartSize();
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (!paint(painter, QRectF(QPointF(0, 0), size)))
        return {};
    return image;
}

std::unique_ptr<QMimeData> ChartHost::clipboardData()
{
    const QImage bitmap = toImage();
    if (bitmap.isNull())
        return nullptr;

    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(bitmap.size());
    generator.setViewBox(QRect(QPoint(0, 0), bitmap.size()));
    generator.setTitle(QStringLiteral("Sembla"));
    generator.setDescription(m_pictureName);
    {
        QPainter painter;
        if (!painter.begin(&generator) || !paint(painter, QRectF(QPointF(0, 0), bitmap.size())))
            return nullptr;
    }

    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("image/svg+xml"), svg.data());
    data->setImageData(bitmap);
    return data;
}
