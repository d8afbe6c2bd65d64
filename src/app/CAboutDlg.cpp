#include "app/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle("About Sembla");
    auto *icon = new QLabel;
    icon->setPixmap(QIcon(":/icons/sembla.svg").pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto *version = new QLabel("Sembla Version 2.1.1");
    version->setObjectName("versionText");
    auto *purpose = new QLabel("A viewer for the results of seam stress analyses");

    auto *texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addWidget(purpose);
    texts->addStretch();

    auto *row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addLayout(texts);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
