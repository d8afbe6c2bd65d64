#pragma once

#include <QStyle>

#include <functional>

class QDialog;
class QRadioButton;
class QLineEdit;
class QScrollBar;
class QWidget;

// Shows the dialog and waits until it has the keyboard focus, so that focus
// changes deliver their events. False when the window never became active.
bool showActive(QDialog &dialog);

// The user replaces the box's text by typing (the box takes the focus first).
void typeInto(QLineEdit *box, const QString &text);

// A mouse click on one part of a horizontal scroll bar: SC_ScrollBarSubLine
// and SC_ScrollBarAddLine are the arrows, SC_ScrollBarSubPage and
// SC_ScrollBarAddPage the trough left and right of the thumb.
void clickBar(QScrollBar *bar, QStyle::SubControl part);

// A mouse click on the radio button's indicator (a wide button takes clicks
// only on its indicator and caption).
void clickRadio(QRadioButton *button);

// Runs `action` once the event loop runs, e.g. to close a modal dialog that
// exec() is about to open.
void whenIdle(std::function<void()> action);
