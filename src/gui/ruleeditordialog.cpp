#include "ruleeditordialog.h"

#include "dialogparts.h"

#include "copyrulesdialog.h"
#include "messagebox.h"
#include "ruleitemdialog.h"

#include <QAbstractItemView>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QListWidgetItem>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

TRuleEditorDialog::TRuleEditorDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    setObjectName(QStringLiteral("rule_editor_dialog"));
    setWindowTitle(tr("Rule Editor"));
    setModal(true);
    resize(471, 392);

    QGridLayout* layout = new QGridLayout(this);

    d_group_label = new QLabel(this);
    d_group_label->setObjectName(QStringLiteral("group_label"));
    d_group_label->setTextFormat(Qt::PlainText);
    layout->addWidget(d_group_label, 0, 1);

    QVBoxLayout* button_column = new QVBoxLayout();
    d_add_button = new QPushButton(tr("Add Rule"), this);
    d_add_button->setObjectName(QStringLiteral("add_button"));
    d_edit_button = new QPushButton(tr("Edit Rule"), this);
    d_edit_button->setObjectName(QStringLiteral("edit_button"));
    d_delete_button = new QPushButton(tr("Delete Rule"), this);
    d_delete_button->setObjectName(QStringLiteral("delete_button"));
    d_copy_button = new QPushButton(tr("Copy Rule"), this);
    d_copy_button->setObjectName(QStringLiteral("copy_button"));
    for (QPushButton* button : {d_add_button, d_edit_button, d_delete_button, d_copy_button})
    {
        button->setAutoDefault(false);
        button_column->addWidget(button);
    }
    button_column->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
    layout->addLayout(button_column, 1, 0);

    d_rule_list = new QListWidget(this);
    d_rule_list->setObjectName(QStringLiteral("rule_list"));
    d_rule_list->setAccessibleName(tr("Rules of the group"));
    d_rule_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    d_rule_list->setSortingEnabled(true);
    d_rule_list->sortItems(Qt::AscendingOrder);
    layout->addWidget(d_rule_list, 1, 1);

    layout->addWidget(Utilities::Sunken_Line(this), 2, 0, 1, 2);

    QPushButton* close_button =
        Utilities::Dialog_Button(tr("Close"), QStringLiteral("close_button"), false, this);
    layout->addLayout(Utilities::Button_Row({close_button}), 3, 0, 1, 2);

    d_rule_item_dialog = new TRuleItemDialog(this);

    d_message_box = new TMessageBox(this);
    d_message_box->setObjectName(QStringLiteral("rule_editor_message_box"));

    connect(d_add_button, &QPushButton::clicked, this, &TRuleEditorDialog::Add_Rule);
    connect(d_edit_button, &QPushButton::clicked, this, &TRuleEditorDialog::Edit_Rule);
    connect(d_delete_button, &QPushButton::clicked, this, &TRuleEditorDialog::Delete_Rule);
    connect(d_copy_button, &QPushButton::clicked, this, &TRuleEditorDialog::Copy_Rule);
    connect(d_rule_list, &QListWidget::itemSelectionChanged, this,
            &TRuleEditorDialog::Rule_Selection_Changed);
    connect(d_rule_list, &QListWidget::itemDoubleClicked, this, &TRuleEditorDialog::Rule_Double_Clicked);
    connect(close_button, &QPushButton::clicked, this, &QDialog::close);

    Rule_Selection_Changed();
}

void TRuleEditorDialog::Reset(const QString& group, TRules* rules)
{
    Q_ASSERT_X(rules, "src/ruleeditordialog", "rules");

    d_rule_group = group;
    d_rules = rules;
    d_group_label->setText(group);

    d_rule_list->clear();
    d_rule_list->addItems(d_rules->Rule_List(group));

    d_add_button->setEnabled(true);
    d_edit_button->setEnabled(false);
    d_delete_button->setEnabled(false);
    d_copy_button->setEnabled(false);
}

void TRuleEditorDialog::Rule_Selection_Changed()
{
    const int selected = d_rule_list->selectedItems().size();

    d_add_button->setEnabled(true);
    d_edit_button->setEnabled(selected == 1);
    d_delete_button->setEnabled(selected > 0);
    d_copy_button->setEnabled(selected > 0);
}

void TRuleEditorDialog::Rule_Double_Clicked(QListWidgetItem* item)
{
    if (item)
    {
        Edit_Rule();
    }
}

void TRuleEditorDialog::Add_Rule()
{
    Q_ASSERT_X(d_rules, "src/ruleeditordialog", "d_rules");

    const QStringList names = d_rules->Rule_List(d_rule_group);
    d_rule_item_dialog->Reset(TRuleItemDialog::MODE_ADD, TRules::TRuleItem(), names);
    if (d_rule_item_dialog->exec() != QDialog::Accepted)
    {
        return;
    }

    const TRules::TRuleItem item = d_rule_item_dialog->Rule_Item();
    if (!d_rules->Add_Rule(d_rule_group, item))
    {
        d_message_box->Show_Error(tr("Cannot add new rule entry."), d_rules->Last_Error());
        return;
    }
    d_rule_list->addItem(item.name);
}

void TRuleEditorDialog::Set_Parameters(const TParameters* parameters)
{
    d_rule_item_dialog->Set_Parameters(parameters);
}

void TRuleEditorDialog::Edit_Rule()
{
    Q_ASSERT_X(d_rules, "src/ruleeditordialog", "d_rules");

    const QStringList names = d_rules->Rule_List(d_rule_group);

    QListWidgetItem* current = d_rule_list->currentItem();
    if (!current)
    {
        d_message_box->Show_Error(tr("Cannot edit existing rule."), tr("No rule selected"));
        return;
    }

    bool found = false;
    TRules::TRuleItem rule = d_rules->Rule(d_rule_group, current->text(), &found);
    if (!found)
    {
        d_message_box->Show_Error(tr("Cannot edit existing rule."), d_rules->Last_Error());
        return;
    }
    // The store looks names up without case; a hand-made file may hold "Speed" and "SPEED", and the
    // entry the user opened is the one whose name matches exactly.
    for (const TRules::TRuleItem& stored : d_rules->Rules(d_rule_group))
    {
        if (stored.name == current->text())
        {
            rule = stored;
            break;
        }
    }

    const QString old_name = rule.name;
    d_rule_item_dialog->Reset(TRuleItemDialog::MODE_EDIT, rule, names);
    if (d_rule_item_dialog->exec() != QDialog::Accepted)
    {
        return;
    }

    const TRules::TRuleItem new_rule = d_rule_item_dialog->Rule_Item();
    if (!d_rules->Replace_Rule(d_rule_group, old_name, new_rule))
    {
        // The store refused the change and still holds the rule as it was, in its place.
        d_message_box->Show_Error(tr("Cannot add new rule entry."), d_rules->Last_Error());
        return;
    }

    delete d_rule_list->takeItem(d_rule_list->row(current));
    QListWidgetItem* entry = new QListWidgetItem(new_rule.name);
    d_rule_list->addItem(entry);
    d_rule_list->setCurrentItem(entry, QItemSelectionModel::ClearAndSelect);
}

void TRuleEditorDialog::Delete_Rule()
{
    Q_ASSERT_X(d_rules, "src/ruleeditordialog", "d_rules");

    const QList<QListWidgetItem*> selected = d_rule_list->selectedItems();
    if (selected.isEmpty())
    {
        return;
    }

    if (!d_message_box->Ask_Question(tr("Warning"), tr("Delete selected rules?")))
    {
        return;
    }

    for (QListWidgetItem* item : selected)
    {
        // Exactly the rule the entry shows, also where a hand-made file holds its twin in other case.
        d_rules->Delete_Rule_Exact(d_rule_group, item->text());
        delete d_rule_list->takeItem(d_rule_list->row(item));
    }
}

void TRuleEditorDialog::Copy_Rule()
{
    Q_ASSERT_X(d_rules, "src/ruleeditordialog", "d_rules");

    if (!d_copy_rules_dialog)
    {
        d_copy_rules_dialog = new TCopyRulesDialog(this);
    }

    QStringList groups = d_rules->Rule_Groups();
    if (groups.size() > 1)
    {
        groups.removeOne(d_rule_group);
    }
    d_copy_rules_dialog->Reset(groups);
    if (d_copy_rules_dialog->exec() != QDialog::Accepted)
    {
        return;
    }

    const bool overwrite = d_message_box->Ask_Question(
        tr("Overwrite Existing Rules"),
        tr("Do you want to overwrite existing rules in target group (if they exist)?"));

    const QString target = d_copy_rules_dialog->Target_Group();
    for (const QListWidgetItem* item : d_rule_list->selectedItems())
    {
        // A rule already in the target without overwrite, or a vanished target, is skipped silently.
        d_rules->Copy_Rule(d_rule_group, target, item->text(), overwrite);
    }
}
