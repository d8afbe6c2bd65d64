#pragma once

#include "charts/ProbeHistories.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

class QChart;
class QLineSeries;
class QValueAxis;
class ZoomPanChartView;

// The History panel: every probe's history as its own line in the probe's
// colour, against the step number, with a dashed line at the current step as
// the History Plot draws it. It shows what it is given; the histories are read
// by whoever holds the document.
class HistoryPanel : public QWidget
{
    Q_OBJECT

public:
    explicit HistoryPanel(QWidget *parent = nullptr);

    // Room for the axis labels and the legend of eight probes when the dock first opens.
    QSize sizeHint() const override { return {480, 300}; }

    QChart *chart() const { return m_chart; }
    // The probes' lines, in the order given.
    const QList<QLineSeries *> &probeSeries() const { return m_series; }
    QLineSeries *stepLine() const { return m_stepLine; }

public slots:
    // Replaces every line; the step axis spans the longest history.
    void setHistories(const std::vector<ProbeHistory> &histories, const QString &title, const QString &valueTitle);
    // The current-step line; none for a step outside the histories.
    void setStep(int step);

private:
    void showStepLine();

    QChart *m_chart = nullptr;
    ZoomPanChartView *m_view = nullptr;
    QValueAxis *m_axisX = nullptr;
    QValueAxis *m_axisY = nullptr;
    QList<QLineSeries *> m_series;
    QLineSeries *m_stepLine = nullptr;
    int m_stepCount = 0;
    int m_step = 0;
};
