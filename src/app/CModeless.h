#pragma once

#include <QDialog>

// The "PLEASE WAIT" box of the exports: shown and painted when constructed,
// gone when destroyed. The exports run on the UI thread, so it is painted
// at once rather than when the event loop next runs.
class CModeless : public QDialog
{
    Q_OBJECT

public:
    explicit CModeless(QWidget *parent);
};
