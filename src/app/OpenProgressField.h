#pragma once

#include <QTimer>
#include <QWidget>

class CPlotDoc;
class QLabel;
class QProgressBar;

// The status bar's field of an open in progress: the share of the file read,
// the step being read, and a button that cancels the open. Shown only while
// the document is opening a file.
class OpenProgressField : public QWidget
{
    Q_OBJECT

public:
    explicit OpenProgressField(CPlotDoc &document, QWidget *parent = nullptr);

private:
    void openStarted();
    void openEnded();
    void refresh();

    CPlotDoc &m_document;
    QProgressBar *m_bar = nullptr;
    QLabel *m_text = nullptr;
    QTimer m_refresh;
};
