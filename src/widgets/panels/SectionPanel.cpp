#include "widgets/panels/SectionPanel.h"

#include "charts/ChartReadout.h"
#include "charts/ChartTexts.h"
#include "widgets/charts/LineChartHost.h"

#include <QButtonGroup>
#include <QChart>
#include <QXYSeries>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

SectionPanel::SectionPanel(QWidget *parent) : QWidget(parent)
{
    m_row = new QRadioButton(tr("Row"), this);
    m_column = new QRadioButton(tr("Column"), this);
    m_row->setToolTip(tr("The row through the cell: Parallel to X"));
    m_column->setToolTip(tr("The column through the cell: Parallel to Y"));
    m_row->setChecked(true);
    auto *directions = new QButtonGroup(this);
    directions->addButton(m_row);
    directions->addButton(m_column);
    m_follow = new QCheckBox(tr("Follow Pointer"), this);

    auto *choices = new QHBoxLayout;
    choices->addWidget(m_row);
    choices->addWidget(m_column);
    choices->addStretch(1);
    choices->addWidget(m_follow);
    m_chartArea = new QWidget(this);
    m_chartArea->setMinimumSize(240, 160);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(m_chartArea, 1);

    m_chart = std::make_unique<LineChartHost>(m_chartArea, tr("Section"), [this](int index, const QPointF &point) {
        return ChartReadout::crossSectionText(direction(), index, point);
    });
    m_chart->create();
    // A dock is a fraction of the plot window: the Cross Section Plot's 14-point
    // title would take the chart's height and cut off its location.
    m_chart->chart()->setTitleFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    m_chart->setXTitle(ChartTexts::crossSectionXTitle);
    connect(m_chart.get(), &ChartHost::pointerReadout, this, &SectionPanel::pointerReadout);

    connect(m_row, &QRadioButton::toggled, this, [this] { emit directionChanged(direction()); });
    connect(m_follow, &QCheckBox::toggled, this, &SectionPanel::followPointerChanged);
}

SectionPanel::~SectionPanel() = default;

CrossSectionDirection SectionPanel::direction() const
{
    return m_row->isChecked() ? CrossSectionDirection::ParallelToX : CrossSectionDirection::ParallelToY;
}

bool SectionPanel::followsPointer() const
{
    return m_follow->isChecked();
}

void SectionPanel::showSection(const SectionContent &content)
{
    // A marker on every point shows a section of a few cells; on a long one the
    // markers merge into the line and only cost their drawing, a frame's worth
    // on 1000 cells.
    constexpr int mostMarkedPoints = 100;
    if (QChart *chart = m_chart->chart(); chart && !chart->series().isEmpty())
        static_cast<QXYSeries *>(chart->series().constFirst())
            ->setPointsVisible(content.points.size() <= mostMarkedPoints);
    m_chart->setBatch(true);
    m_chart->setXAxis(content.axis);
    m_chart->setContent(content.points, content.title, content.valueTitle);
    m_chart->setBatch(false);
}

void SectionPanel::setDirection(CrossSectionDirection direction)
{
    (direction == CrossSectionDirection::ParallelToX ? m_row : m_column)->setChecked(true);
}

void SectionPanel::setFollowPointer(bool follow)
{
    m_follow->setChecked(follow);
}
