#include "app/OpenProgressField.h"

#include "app/OpenProgress.h"
#include "data/CPlotDoc.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

namespace {
constexpr int refreshInterval = 100; // ms
}

OpenProgressField::OpenProgressField(CPlotDoc &document, QWidget *parent) : QWidget(parent), m_document(document)
{
    m_text = new QLabel(this);
    m_bar = new QProgressBar(this);
    m_bar->setMaximumWidth(200);
    m_bar->setTextVisible(false);
    auto *cancel = new QToolButton(this);
    cancel->setObjectName("cancelReading");
    cancel->setText("Cancel");
    cancel->setToolTip("Stops reading the file (Esc)");
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    layout->addWidget(cancel);
    connect(cancel, &QToolButton::clicked, &m_document, &CPlotDoc::cancelOpen);
    connect(&m_document, &CPlotDoc::openStarted, this, &OpenProgressField::openStarted);
    connect(&m_document, &CPlotDoc::openEnded, this, &OpenProgressField::openEnded);
    m_refresh.setInterval(refreshInterval);
    connect(&m_refresh, &QTimer::timeout, this, &OpenProgressField::refresh);
    hide();
}

void OpenProgressField::openStarted()
{
    refresh();
    show();
    m_refresh.start();
}

void OpenProgressField::openEnded()
{
    m_refresh.stop();
    hide();
}

void OpenProgressField::refresh()
{
    const OpenWatch *watch = m_document.openWatch();
    if (!watch)
        return;
    const OpenProgress progress = OpenProgress::of(*watch);
    m_text->setText(progress.text);
    if (progress.perMille < 0) {
        m_bar->setRange(0, 0); // a pipe: how much is left is not known
    } else {
        m_bar->setRange(0, 1000);
        m_bar->setValue(progress.perMille);
    }
}
