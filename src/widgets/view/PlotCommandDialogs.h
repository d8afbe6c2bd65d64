#pragma once

class CPlotDoc;
class QWidget;
struct PlotSettings;

// The four plot commands of the Plot menu: each opens its options dialog over
// the settings, and its OK makes the choices current. Each returns whether the
// settings changed (a dialog confirmed), so the view knows to draw.
class PlotCommandDialogs
{
public:
    PlotCommandDialogs(CPlotDoc &document, PlotSettings &settings, QWidget *parent);

    bool coloredSquare();
    bool crossSection();
    bool history();
    bool fishNet();

private:
    template<typename Dialog, typename Choice, typename Prepare>
    bool run(const Choice &initial, Prepare prepare);

    CPlotDoc &m_document;
    PlotSettings &m_settings;
    QWidget *m_parent;
};
