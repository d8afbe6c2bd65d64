#include "app/CExportGridDlg.h"

#include "export/grid/GridFormat.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>

CExportGridDlg::CExportGridDlg(const SeamHeader &header, const GridExportChoices &initial, QWidget *parent)
    : QDialog(parent), m_header(header)
{
    setWindowTitle("Export Grid");
    m_format = new QComboBox;
    m_format->setObjectName("format");
    for (const GridFormat &format : gridFormats())
        m_format->addItem(format.title);
    m_format->setCurrentIndex(initial.format);
    m_steps = new QLineEdit(QString::fromStdString(initial.steps));
    m_steps->setObjectName("steps");
    m_steps->setToolTip("As 7, 3-9 or 1,5,9-12");
    m_items = new QListWidget;
    m_items->setObjectName("items");
    for (int k = 0; k < header.itemCount; ++k) {
        auto *item = new QListWidgetItem(QString::fromStdString(header.itemName(k)), m_items);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool ticked = k < static_cast<int>(initial.items.size()) && initial.items[k];
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    m_crs = new QLineEdit(QString::fromStdString(initial.crs));
    m_crs->setObjectName("crs");
    m_crs->setPlaceholderText("EPSG:32632");
    const auto enableCrs = [this] { m_crs->setEnabled(choices().crsApplies()); };
    connect(m_format, &QComboBox::currentIndexChanged, this, enableCrs);
    enableCrs();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CExportGridDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QFormLayout(this);
    layout->addRow("&Format:", m_format);
    layout->addRow("&Steps:", m_steps);
    layout->addRow("Stress &items:", m_items);
    layout->addRow("&Reference system:", m_crs);
    layout->addRow(buttons);
}

GridExportChoices CExportGridDlg::choices() const
{
    GridExportChoices choices;
    choices.format = m_format->currentIndex();
    choices.steps = m_steps->text().trimmed().toStdString();
    for (int k = 0; k < m_items->count(); ++k)
        choices.items.push_back(m_items->item(k)->checkState() == Qt::Checked);
    choices.crs = m_crs->text().trimmed().toStdString();
    return choices;
}

void CExportGridDlg::accept()
{
    if (const auto message = choices().check(m_header)) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(*message));
        return;
    }
    QDialog::accept();
}
