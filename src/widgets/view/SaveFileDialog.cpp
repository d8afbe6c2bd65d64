#include "widgets/view/SaveFileDialog.h"

#include "data/LocalFileNames.h"

#include <QFileDialog>
#include <QFileInfo>

std::string askForOutputPath(QWidget *parent, const OutputFileRequest &request)
{
    const QString suffix = QString::fromStdString(request.defaultSuffix);
    QFileDialog dialog(parent, "Save As");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(QString::fromStdString(request.filter).split(";;"));
    dialog.setDefaultSuffix(suffix);
    const std::string proposed = request.defaultName + "." + request.defaultSuffix;
    const QString defaultName = LocalFileNames::display(proposed);
    dialog.setDirectory(QFileInfo(defaultName).absolutePath());
    dialog.selectFile(QFileInfo(defaultName).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return LocalFileNames::chosenPath(dialog.selectedFiles().front(), proposed);
}
