#pragma once

#include "charts/ProbeSection.h"
#include "model/PlotEnums.h"

#include <QWidget>

#include <memory>

class LineChartHost;
class QCheckBox;
class QRadioButton;

// The Section panel: the row or column through a probe (or the cell under the
// pointer with "Follow Pointer") at the current step, as the Cross Section Plot
// draws it. It shows what it is given; whoever holds the grid computes the
// section (ProbeSection) when the step, the probe, the pointer or the
// direction changes.
class SectionPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SectionPanel(QWidget *parent = nullptr);

    // Room for the distance labels of a long section when the dock first opens.
    QSize sizeHint() const override { return {480, 300}; }
    ~SectionPanel() override;

    CrossSectionDirection direction() const;
    bool followsPointer() const;
    LineChartHost &chart() { return *m_chart; }

public slots:
    // Cheap enough for every pointer move: the series' points are replaced at once.
    void showSection(const SectionContent &content);
    void setDirection(CrossSectionDirection direction);
    void setFollowPointer(bool follow);

signals:
    void directionChanged(CrossSectionDirection direction);
    void followPointerChanged(bool follow);
    // What the status bar says of the point under the pointer; empty when none.
    void pointerReadout(const QString &text);

private:
    QRadioButton *m_row = nullptr;
    QRadioButton *m_column = nullptr;
    QCheckBox *m_follow = nullptr;
    QWidget *m_chartArea = nullptr;
    std::unique_ptr<LineChartHost> m_chart;
};
