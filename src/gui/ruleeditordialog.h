#pragma once

#include "rules.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class TCopyRulesDialog;
class TMessageBox;
class TParameters;
class TRuleItemDialog;

// Lists the rules of one group and adds, edits, deletes and copies them in the rule store.
class TRuleEditorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TRuleEditorDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    void Reset(const QString& group, TRules* rules);
    // The list the rule item dialog shows the expressions against; null for none.
    void Set_Parameters(const TParameters* parameters);

private slots:
    void Rule_Selection_Changed();
    void Rule_Double_Clicked(QListWidgetItem* item);
    void Add_Rule();
    void Edit_Rule();
    void Delete_Rule();
    void Copy_Rule();

private:
    QLabel* d_group_label = nullptr;
    QListWidget* d_rule_list = nullptr;
    QPushButton* d_add_button = nullptr;
    QPushButton* d_copy_button = nullptr;
    QPushButton* d_delete_button = nullptr;
    QPushButton* d_edit_button = nullptr;
    TRuleItemDialog* d_rule_item_dialog = nullptr;
    TCopyRulesDialog* d_copy_rules_dialog = nullptr;
    TMessageBox* d_message_box = nullptr;
    QString d_rule_group;
    TRules* d_rules = nullptr;
};
