#include "app/CModeless.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

CModeless::CModeless(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setModal(false);
    auto *frame = new QFrame;
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto *text = new QLabel("PLEASE WAIT");
    text->setAlignment(Qt::AlignCenter);
    auto *inner = new QVBoxLayout(frame);
    inner->addWidget(text);
    inner->setContentsMargins(36, 18, 36, 18);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    show();
    // Map and paint the box now; the export that follows keeps the event loop busy.
    // A termination signal waits for the export to end rather than close its file under it.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
    repaint();
}
