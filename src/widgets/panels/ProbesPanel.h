#pragma once

#include "model/ProbeTable.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <string>

class ProbeTableModel;
class QPushButton;
class QTableView;

// The Probes panel: the table of the pinned probes with their values at the
// current step. Ctrl+C copies the table as tab-separated text, "Save CSV..."
// writes it as a CSV file, Delete or "Remove" asks for the selected probe's
// removal (whoever holds the probes removes it and gives the table again).
class ProbesPanel : public QWidget
{
    Q_OBJECT

public:
    // The file to save to, or empty when the user cancelled.
    using PathChooser = std::function<std::string()>;
    // Shows a failure to the user.
    using Complaint = std::function<void(const QString &message)>;

    explicit ProbesPanel(QWidget *parent = nullptr);

    // Eight probes' rows below the map, leaving the map its height.
    QSize sizeHint() const override { return {640, 170}; }

    // The defaults are a save dialog and a warning box.
    void setPathChooser(PathChooser chooser) { m_choosePath = std::move(chooser); }
    void setComplaint(Complaint complaint) { m_complain = std::move(complaint); }

    const ProbeTable &table() const;
    QTableView *view() const { return m_view; }
    // The selected probe's index, or -1.
    int selectedProbe() const;

public slots:
    void setTable(ProbeTable table);
    // The whole table to the clipboard as tab-separated text.
    void copy();
    // Asks for a file and writes the table to it; false when nothing was written.
    bool saveCsv();

signals:
    void removeRequested(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void removeSelected();
    void updateButtons();

    ProbeTableModel *m_model = nullptr;
    QTableView *m_view = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_save = nullptr;
    PathChooser m_choosePath;
    Complaint m_complain;
};
