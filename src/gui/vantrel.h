#pragma once

#include "parameterlist.h"
#include "parameters.h"
#include "rules.h"
#include "windowsettings.h"

#include <QFont>
#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>

class QAction;
class QCheckBox;
class TEditHistory;
class QCloseEvent;
class QDockWidget;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QSettings;
class QSplitter;
class QStackedWidget;
class QStatusBar;
class QToolBar;
class TBitfieldWidget;
class TComparisonView;
class TExportOptionsDialog;
class TFileState;
class TLoadWarningsDialog;
class THelpMenu;
class TMessageBox;
class TParameterDocument;
class TRecentFiles;
class TRecoveryJournal;
class TRuleOutcomes;
class TRulesPane;
class TValueEditor;
class TValueTaking;
class TValuesWidget;
class TVariablesPane;

// The one main window: the loaded controller parameter list, the value editors, the rules pane and the
// commands that open, edit, check and export the parameters.
class TVantrel : public QMainWindow
{
    Q_OBJECT

    // The window tests reach the model it owns to check edits and to plant records no file gives.
    friend class TVantrelTestAccess;

public:
    explicit TVantrel(const QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~TVantrel() override;

    // Opens a parameter file as the Open command does: the program's argument and the recent files
    // come here as well as the file dialog and a drop.
    void Open_Parameter_File(const QString& path);
    // At start: offers to restore the unsaved edits a session that ended without saving left in the
    // recovery journal, for a file that still holds the bytes they were made on.
    void Offer_Recovery();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    // The file dialogs, behind virtuals so that a test can answer them without a desktop.
    virtual QString Ask_Open_File_Name();
    virtual QString Ask_Save_File_Name();
    // The file dialogs of the rule and report commands: a caption, a filter, and whether a file is
    // written (the dialog then asks before replacing one).
    virtual QString Ask_File_Name(const QString& caption, const QString& filter, bool for_writing);

private slots:
    void File_New();
    void File_Load_Parameters();
    void File_Export();
    void File_Compare();
    void Use_Reference_Value();
    void Parameter_Selection_Changed();
    void Search_Changed(const QString& text);
    void Value_Changed(int index);
    void Add_Group();
    void Remove_Group();
    void Edit_Rules();
    void Execute_Rules();
    void Import_Rules();
    void Export_Rule_Group();
    void Save_Report();
    void Recent_File_Vanished(const QString& path);
    void Show_Load_Warnings();

private:
    void Create_Fonts();
    void Create_Data_Path();
    void Restore_Geometry();
    void Create_Rules_Dock();
    void Create_Actions();
    void Create_Menus();
    void Create_Tool_Bar();
    void Create_Layout();
    void Create_List_Side();
    void Create_Detail_Side();
    void Restore_Splitter_Sizes();
    void Set_Texts();
    void Make_Connections();

    // The two editors, the editor for a value type (null for a record without values to edit), and
    // the editor on show.
    std::array<TValueEditor*, 2> Value_Editors() const;
    TValueEditor* Editor_For(int type) const;
    TValueEditor* Editor_On_Show() const;
    // Every command that reads or replaces the model first takes in what is typed in the value editor.
    void Finish_Edit_In_Progress();
    // The document's news: values of these keys changed, or another list is loaded.
    void Keys_Changed(const QStringList& keys);
    void List_Replaced();
    void Show_Title(const TParameters::TParameter& parameter);
    // How the list draws a key: bold when changed, with its standing against a reference.
    TParameterList::TEntryMarks Entry_Marks(const QString& key) const;
    void Update_Changed_Count();
    // Empties the search field and lists every key again at the next fill.
    void Clear_Search();
    void Reset_View();
    void Save_Rules_At_Close();
    // The title names the file on show, with the mark of unsaved edits.
    void Update_Title();
    void Loaded_File_Changed(const QString& path);

    QAction* d_new_action = nullptr;
    QAction* d_open_action = nullptr;
    QAction* d_export_action = nullptr;
    QAction* d_execute_action = nullptr;
    QAction* d_quit_action = nullptr;
    QAction* d_edit_rules_action = nullptr;
    QAction* d_import_rules_action = nullptr;
    QAction* d_export_rule_group_action = nullptr;
    QAction* d_save_report_action = nullptr;
    QAction* d_load_warnings_action = nullptr;
    QAction* d_find_action = nullptr;
    QLabel* d_description_label = nullptr;
    QLabel* d_title_label = nullptr;
    QLineEdit* d_search_edit = nullptr;
    QCheckBox* d_search_names_check = nullptr;
    QCheckBox* d_changed_only_check = nullptr;
    QLabel* d_changed_count_label = nullptr;
    TEditHistory* d_edit_history = nullptr;
    TComparisonView* d_comparison = nullptr;
    TValueTaking* d_value_taking = nullptr;
    TRuleOutcomes* d_rule_outcomes = nullptr;
    TParameterList* d_parameter_list = nullptr;
    TVariablesPane* d_variables_text = nullptr;
    QStackedWidget* d_editor_stack = nullptr;
    QStatusBar* d_status_bar = nullptr;
    QFrame* d_empty_page = nullptr;
    QSplitter* d_splitter = nullptr;
    TBitfieldWidget* d_bitfield_widget = nullptr;
    TValuesWidget* d_values_widget = nullptr;
    TExportOptionsDialog* d_export_options_dialog = nullptr;
    TLoadWarningsDialog* d_load_warnings_dialog = nullptr;
    // The path of the loaded file, its save and the unsaved-edits question.
    TFileState* d_file_state = nullptr;
    TRecoveryJournal* d_recovery = nullptr;
    TMessageBox* d_message_box = nullptr;
    TRecentFiles* d_recent_files = nullptr;
    THelpMenu* d_help_menu = nullptr;
    std::unique_ptr<QSettings> d_settings;
    TWindowSettings d_window_settings;
    TRulesPane* d_rules_pane = nullptr;
    TRules d_rules;
    QString d_data_path;
    // The loaded parameter list and its one edit path; the views follow its signals.
    TParameterDocument* d_document = nullptr;
    QString d_selected_parameter;
    // Why the last entry in a value field was refused, as the status bar shows it.
    QString d_refusal_message;

    QFont d_bold_font;
    QFont d_fixed_font;
    QFont d_notice_font;
    QDockWidget* d_rules_dock = nullptr;
    QToolBar* d_tool_bar = nullptr;
    QLabel* d_notice_label = nullptr;
};
