#include "creategroupdialog.h"

#include "dialogparts.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>

TCreateGroupDialog::TCreateGroupDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    setObjectName(QStringLiteral("create_group_dialog"));
    setWindowTitle(tr("Create Group"));
    setModal(true);
    resize(408, 118);

    QGridLayout* layout = new QGridLayout(this);

    layout->addWidget(new QLabel(tr("Group Name:"), this), 0, 0);
    d_group_name_edit = new QLineEdit(this);
    d_group_name_edit->setObjectName(QStringLiteral("group_name_edit"));
    d_group_name_edit->setAccessibleName(tr("Group name"));
    layout->addWidget(d_group_name_edit, 0, 1);

    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), 1, 0, 1, 2);

    layout->addWidget(Utilities::Sunken_Line(this), 2, 0, 1, 2);

    d_cancel_button = Utilities::Dialog_Button(tr("Cancel"), QStringLiteral("cancel_button"), false, this);
    d_create_button = Utilities::Dialog_Button(tr("Create"), QStringLiteral("create_button"), true, this);
    d_create_button->setEnabled(false);
    layout->addLayout(Utilities::Button_Row({d_cancel_button, d_create_button}), 3, 0, 1, 2);

    connect(d_cancel_button, &QPushButton::clicked, this, &QDialog::reject);
    connect(d_create_button, &QPushButton::clicked, this, &QDialog::accept);
    connect(d_group_name_edit, &QLineEdit::textEdited, this, &TCreateGroupDialog::Validate);
}

void TCreateGroupDialog::Reset(const QStringList& names)
{
    d_group_names = names;
    d_group_name_edit->clear();
    d_create_button->setEnabled(false);
}

QString TCreateGroupDialog::Group_Name() const
{
    return d_group_name_edit->text();
}

void TCreateGroupDialog::Validate(const QString& text)
{
    // A name of blanks alone would be written as an empty Name element, which the rules file
    // reader refuses: the whole file would then fail to load at the next start.
    const bool readable = !text.trimmed().isEmpty();
    d_create_button->setEnabled(readable && !d_group_names.contains(text, Qt::CaseInsensitive));
}
