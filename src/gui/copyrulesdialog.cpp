#include "copyrulesdialog.h"

#include "dialogparts.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>

TCopyRulesDialog::TCopyRulesDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    setObjectName(QStringLiteral("copy_rules_dialog"));
    setWindowTitle(tr("Copy Rules"));
    setModal(true);
    resize(408, 118);

    QGridLayout* layout = new QGridLayout(this);

    layout->addWidget(new QLabel(tr("Target Group:"), this), 0, 0);
    d_target_group_combo = new QComboBox(this);
    d_target_group_combo->setObjectName(QStringLiteral("target_group_combo"));
    d_target_group_combo->setAccessibleName(tr("Target group"));
    d_target_group_combo->setAccessibleDescription(tr("The rule group the selected rules are copied into"));
    d_target_group_combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(d_target_group_combo, 0, 1);

    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), 1, 0, 1, 2);

    layout->addWidget(Utilities::Sunken_Line(this), 2, 0, 1, 2);

    d_cancel_button = Utilities::Dialog_Button(tr("Cancel"), QStringLiteral("cancel_button"), false, this);
    d_copy_button = Utilities::Dialog_Button(tr("Copy"), QStringLiteral("copy_button"), true, this);
    layout->addLayout(Utilities::Button_Row({d_cancel_button, d_copy_button}), 3, 0, 1, 2);

    connect(d_cancel_button, &QPushButton::clicked, this, &QDialog::reject);
    connect(d_copy_button, &QPushButton::clicked, this, &QDialog::accept);
}

void TCopyRulesDialog::Reset(const QStringList& groups)
{
    d_target_group_combo->clear();
    d_target_group_combo->addItems(groups);
    d_target_group_combo->setCurrentIndex(groups.isEmpty() ? -1 : 0);
}

QString TCopyRulesDialog::Target_Group() const
{
    return d_target_group_combo->currentText();
}
