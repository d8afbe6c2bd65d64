#pragma once

#include "data/SeamHeader.h"
#include "export/grid/GridExportChoices.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;

// The Export Grid dialog: the format, the steps, the stress items and, for a
// GeoTIFF, the reference system. OK keeps the dialog up with a message while
// the choices do not fit the file.
class CExportGridDlg : public QDialog
{
    Q_OBJECT

public:
    CExportGridDlg(const SeamHeader &header, const GridExportChoices &initial, QWidget *parent = nullptr);

    GridExportChoices choices() const;

    void accept() override;

private:
    const SeamHeader &m_header;
    QComboBox *m_format = nullptr;
    QLineEdit *m_steps = nullptr;
    QListWidget *m_items = nullptr;
    QLineEdit *m_crs = nullptr;
};
