#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QToolButton;
class TCreateGroupDialog;
class TMessageBox;
class TParameters;
class TRuleEditorDialog;
class TRules;

// The rules pane: the rule group on show, the buttons that add, remove, edit and run groups, and the
// report of the last run. The rule store and the parameter list belong to the window.
class TRulesPane : public QWidget
{
    Q_OBJECT

public:
    TRulesPane(TRules* rules, const TParameters* parameters, TMessageBox* message_box,
               const QFont& fixed_font, QWidget* parent = nullptr);

    // Loads the rule store and shows the group the user had on show last time, if it still exists.
    void Load(const QString& default_group);
    QString Current_Group() const;
    void Clear_Report();
    bool Is_Running() const;

signals:
    // The run button asks the window, which first takes in the value being edited.
    void Execute_Requested();

public slots:
    void Add_Group();
    void Remove_Group();
    void Edit_Rules();
    void Execute_Rules();

private:
    void Add_Report_Text(const QString& text, bool bold);

    TRules* d_rules;
    const TParameters* d_parameters;
    TMessageBox* d_message_box;
    QLabel* d_rules_label = nullptr;
    QComboBox* d_rule_group_combo = nullptr;
    QToolButton* d_add_group_button = nullptr;
    QToolButton* d_remove_group_button = nullptr;
    QToolButton* d_edit_rules_button = nullptr;
    QToolButton* d_execute_button = nullptr;
    QPlainTextEdit* d_rules_text = nullptr;
    TRuleEditorDialog* d_rule_editor_dialog = nullptr;
    TCreateGroupDialog* d_create_group_dialog = nullptr;
    // A run hands control to the event loop between two rules; a second run started from there
    // would clear the report under the first one and interleave their lines.
    bool d_rules_running = false;
};
