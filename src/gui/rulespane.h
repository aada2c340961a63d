#pragma once

#include "rules.h"
#include "runreport.h"

#include <QDateTime>
#include <QMessageBox>
#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QToolButton;
class QSplitter;
class TCreateGroupDialog;
class TLiveCheck;
class TMessageBox;
class TParameters;
class TRuleEditorDialog;
class TRuleItemDialog;
class TRuleTable;

// The rules pane: the rule group on show, the buttons that add, remove, edit and run groups, the table
// of the group's rules with their outcomes as the values stand, the totals of those outcomes, and the
// report of the last run. The rule store, the parameter list and its live check belong to the window;
// the pane tells the live check which group and rules are on show.
class TRulesPane : public QWidget
{
    Q_OBJECT

public:
    TRulesPane(TRules* rules, const TParameters* parameters, TLiveCheck* live_check, TMessageBox* message_box,
               const QFont& fixed_font, QWidget* parent = nullptr);

    // Loads the rule store and shows the group the user had on show last time, if it still exists.
    void Load(const QString& default_group);
    QString Current_Group() const;
    // Drops the report, the totals and the run that Save Report would save.
    void Clear_Report();
    bool Is_Running() const;
    // The file whose values the runs check, named in a saved report.
    void Set_Parameter_File(const QString& file_name);
    // Which parameters a run checks with values that are not those of the file on disk; the saved
    // report lists them. Asked when a run starts.
    using TEditedValuesSource = std::function<std::vector<TRunReport::TEditedValue>()>;
    void Set_Edited_Values_Source(const TEditedValuesSource& source);
    // The button beside the run button triggers this action; the pane enables it while there is a run
    // to save.
    void Set_Save_Report_Action(QAction* action);

    // Adds the groups of a rules file, asking about each whose name is taken; the selector shows the
    // first group imported. False, with the reason shown, when the file does not load.
    bool Import_Rules(const QString& file_name);
    // Writes the selected group alone as a rules file; false, with the reason shown, when it cannot.
    bool Export_Group(const QString& file_name);
    // Saves the last run as PDF, HTML or text by the file name; false, with the reason shown, when it
    // cannot.
    bool Save_Report(const QString& file_name);

    // The button that gives each answer to the question about an imported group whose name is taken.
    static QMessageBox::StandardButton Clash_Button(TRules::TClashAnswer answer);

signals:
    // The run button asks the window, which first takes in the value being edited.
    void Execute_Requested();

public slots:
    void Add_Group();
    void Remove_Group();
    void Edit_Rules();
    void Execute_Rules();
    // Opens the rule at this position of the group on show in the rule item dialog.
    void Edit_Rule(int rule);

private:
    struct TRunStart
    {
        QString group;
        QDateTime time;
        std::vector<TRules::TRuleItem> rules;
        std::vector<TRunReport::TEditedValue> edited;
    };

    void Add_Report_Lines(const std::vector<TRuleRun::TReportLine>& lines);
    void Run_Finished(const TRunStart& start, const TRuleRun::TGroupResult& run);
    // The live check follows the group on show and its rules as the store holds them.
    void Follow_Group();
    void Show_Totals();
    void Set_Last_Run(const std::optional<TRunReport>& run);
    TRules::TClashAnswer Ask_Clash(const QString& name, const QString& kept_name);
    void Fill_Group_Combo(const QString& current);

    TRules* d_rules;
    const TParameters* d_parameters;
    TLiveCheck* d_live_check;
    TMessageBox* d_message_box;
    QLabel* d_rules_label = nullptr;
    QComboBox* d_rule_group_combo = nullptr;
    QToolButton* d_add_group_button = nullptr;
    QToolButton* d_remove_group_button = nullptr;
    QToolButton* d_edit_rules_button = nullptr;
    QToolButton* d_execute_button = nullptr;
    QToolButton* d_save_report_button = nullptr;
    QLabel* d_totals_label = nullptr;
    QAction* d_save_report_action = nullptr;
    QPlainTextEdit* d_rules_text = nullptr;
    QSplitter* d_rules_splitter = nullptr;
    TRuleTable* d_rule_table = nullptr;
    TRuleEditorDialog* d_rule_editor_dialog = nullptr;
    TCreateGroupDialog* d_create_group_dialog = nullptr;
    TRuleItemDialog* d_rule_item_dialog = nullptr;
    // A large run goes to another core while the window answers input; a second run started meanwhile
    // would clear the report under the first one.
    bool d_rules_running = false;
    // Set when the report is cleared (a new file loaded) while a run is under way: that run's result
    // belongs to values no longer loaded and is not kept.
    bool d_report_cleared = false;
    QString d_parameter_file;
    TEditedValuesSource d_edited_values_source;
    std::optional<TRunReport> d_last_run;
};
