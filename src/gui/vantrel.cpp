#include "vantrel.h"

#include "bitfieldwidget.h"
#include "comparisonview.h"
#include "edithistory.h"
#include "exportoptionsdialog.h"
#include "filestate.h"
#include "loadwarningsdialog.h"
#include "messagebox.h"
#include "parameterdocument.h"
#include "parameterlist.h"
#include "recentfiles.h"
#include "ruleoutcomes.h"
#include "rulespane.h"
#include "utilities.h"
#include "valueswidget.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>

#include <memory>
#include <utility>

// The images live in the static gui library; whoever builds a window (the program or a test) needs
// them registered before the first icon is loaded.
static void Register_Resources()
{
    static const bool registered = []()
    {
        Q_INIT_RESOURCE(vantrel);
        return true;
    }();
    Q_UNUSED(registered);
}

TVantrel::TVantrel(const QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(const_cast<QWidget*>(parent), flags)
{
    Register_Resources();
    setObjectName(QStringLiteral("vantrel"));

    Create_Fonts();
    Create_Data_Path();
    setAcceptDrops(true);

    d_message_box = new TMessageBox(this);
    d_document = new TParameterDocument(this);
    const QString settings_file = d_data_path + QStringLiteral("/settings.ini");
    d_settings = std::make_unique<QSettings>(settings_file, QSettings::IniFormat);
    d_window_settings.Read(*d_settings);

    d_status_bar = new QStatusBar(this);
    d_status_bar->setObjectName(QStringLiteral("status_bar"));
    setStatusBar(d_status_bar);

    Create_Rules_Dock();
    Create_Actions();
    Create_Tool_Bar();
    Create_Layout();
    Restore_Splitter_Sizes();
    d_rules_pane->Load(d_window_settings.default_rule_group);
    Set_Texts();
    Make_Connections();
    // Last: the loaded rule groups, the texts and the style all add to the smallest size of the window.
    Restore_Geometry();
    // Key presses reach the focused field first; the window looks at them on the way (eventFilter).
    qApp->installEventFilter(this);
}

TVantrel::~TVantrel()
{
    qApp->removeEventFilter(this);
    // The base class deletes the widgets after this object's members are gone; a widget that signals
    // on its way out (a list losing its selection) must not reach a slot of the half-destroyed window.
    const QList<QObject*> children = findChildren<QObject*>();
    for (QObject* child : children)
    {
        child->disconnect(this);
    }
}

QString TVantrel::Ask_Open_File_Name()
{
    return QFileDialog::getOpenFileName(this, tr("Open Parameter File"), QString(),
                                        tr("Parameter Files (*.asc *.xml)"));
}

QString TVantrel::Ask_Save_File_Name()
{
    return QFileDialog::getSaveFileName(this, tr("Export Changes"), QString(), tr("Text file (*.txt)"));
}

QString TVantrel::Ask_File_Name(const QString& caption, const QString& filter, bool for_writing)
{
    return for_writing ? QFileDialog::getSaveFileName(this, caption, QString(), filter)
                       : QFileDialog::getOpenFileName(this, caption, QString(), filter);
}

void TVantrel::File_New()
{
    Finish_Edit_In_Progress();
    // With unsaved edits the one question is whether to save them; otherwise the list is only cleared
    // on a yes.
    if (d_file_state->Is_Modified()
            ? !d_file_state->Ask_To_Keep_Edits()
            : !d_message_box->Ask_Question(tr("Warning"), tr("Clear loaded parameter file?")))
    {
        return;
    }

    d_document->Replace_List(TParameters());
    d_file_state->Set_Loaded(QString());
    Reset_View();
}

void TVantrel::File_Load_Parameters()
{
    Finish_Edit_In_Progress();
    const QString path = Ask_Open_File_Name();
    if (path.isEmpty())
    {
        return;
    }
    Open_Parameter_File(path);
}

void TVantrel::Open_Parameter_File(const QString& path)
{
    Finish_Edit_In_Progress();
    // The file is read into a list of its own first: a file that does not read leaves the loaded list,
    // its edits and their history as they are, and only a list that read is worth the question.
    TParameters loaded;
    if (!loaded.Load_Parameter_File(path))
    {
        const QString reason = loaded.Last_Error();
        d_status_bar->showMessage(tr("ERR:  %1").arg(reason));
        d_message_box->Show_Error(
            tr("%1 was not opened.").arg(QDir::toNativeSeparators(path).toHtmlEscaped()), reason);
        return;
    }
    if (!d_file_state->Ask_To_Keep_Edits())
    {
        return;
    }

    const int warnings = loaded.Load_Warnings().size();
    const QString shown_path = QDir::toNativeSeparators(path);
    if (warnings == 0)
    {
        d_status_bar->showMessage(shown_path);
    }
    else
    {
        d_status_bar->showMessage(warnings == 1
                                      ? tr("%1 loaded with 1 warning").arg(shown_path)
                                      : tr("%1 loaded with %2 warnings").arg(shown_path).arg(warnings));
    }
    // The new list is shown whole: the search starts empty.
    Clear_Search();
    d_document->Replace_List(std::move(loaded));
    d_file_state->Set_Loaded(path);
    d_rules_pane->Clear_Report();

    d_new_action->setEnabled(true);
    d_export_action->setEnabled(true);
}

void TVantrel::List_Replaced()
{
    if (d_document->Is_Loaded())
    {
        Update_Changed_Count();
    }
    d_load_warnings_action->setEnabled(!d_document->Parameters().Load_Warnings().isEmpty());
    if (d_load_warnings_dialog)
    {
        d_load_warnings_dialog->hide();
    }
}

void TVantrel::Show_Load_Warnings()
{
    if (!d_load_warnings_dialog)
    {
        d_load_warnings_dialog = new TLoadWarningsDialog(this);
    }
    d_load_warnings_dialog->Show_Warnings(d_file_state->Path(), d_document->Parameters().Load_Warnings());
    d_load_warnings_dialog->show();
    d_load_warnings_dialog->raise();
}

// Saving under another name moves the window to that file: the title, the recent files and the rules
// report name it from then on.
void TVantrel::Loaded_File_Changed(const QString& path)
{
    Update_Title();
    d_rules_pane->Set_Parameter_File(path);
    if (!path.isEmpty())
    {
        d_recent_files->Add(path);
    }
}

void TVantrel::Update_Title()
{
    const QString title = tr("Vantrel Version 1.0");
    const QString path = d_file_state->Path();
    if (path.isEmpty())
    {
        // No file, no edits to mark (and Qt warns of a mark without its place in the title).
        setWindowModified(false);
        setWindowTitle(title);
        return;
    }
    setWindowTitle(QFileInfo(path).fileName() + QStringLiteral("[*] - ") + title);
    setWindowModified(d_file_state->Is_Modified());
}

void TVantrel::Clear_Search()
{
    d_search_edit->clear();
    d_parameter_list->Filter().Set_Search_Text(QString());
}

void TVantrel::Recent_File_Vanished(const QString& path)
{
    d_status_bar->showMessage(
        tr("%1 no longer exists; removed from the recent files.").arg(QDir::toNativeSeparators(path)));
}

void TVantrel::Reset_View()
{
    Clear_Search();
    d_rules_pane->Clear_Report();
    d_changed_count_label->clear();

    d_new_action->setEnabled(false);
    d_export_action->setEnabled(false);
}

void TVantrel::File_Export()
{
    Finish_Edit_In_Progress();
    if (!d_export_options_dialog)
    {
        d_export_options_dialog = new TExportOptionsDialog(this);
        d_export_options_dialog->Reset(d_window_settings.export_options);
    }

    if (d_export_options_dialog->exec() != QDialog::Accepted)
    {
        return;
    }

    const QString path = Ask_Save_File_Name();
    if (path.isEmpty())
    {
        return;
    }

    Utilities::TExportOptions options = d_export_options_dialog->Export_Options();
    const TParameters& parameters = d_document->Parameters();
    if (!parameters.Write_Parameter_Data(path, options))
    {
        d_status_bar->showMessage(tr("ERR:  %1").arg(parameters.Last_Error()));
        return;
    }
    const int written = options.changed_only ? parameters.Changed_Count() : parameters.Parameter_Count();
    const QString shown_path = QDir::toNativeSeparators(path);
    d_status_bar->showMessage(written == 1 ? tr("1 parameter exported to %1").arg(shown_path)
                                           : tr("%1 parameters exported to %2").arg(written).arg(shown_path));
}

void TVantrel::File_Compare()
{
    Finish_Edit_In_Progress();
    const QString path =
        Ask_File_Name(tr("Compare With Reference File"), tr("Parameter Files (*.asc *.xml)"), false);
    if (path.isEmpty())
    {
        return;
    }
    QString error;
    if (!d_comparison->Load_Reference(path, &error))
    {
        d_status_bar->showMessage(tr("ERR:  %1").arg(error));
        return;
    }
    d_status_bar->showMessage(tr("Reference: %1").arg(QDir::toNativeSeparators(path)));
}

void TVantrel::Use_Reference_Value()
{
    Finish_Edit_In_Progress();
    d_comparison->Use_Reference_Value(d_selected_parameter);
}

void TVantrel::Parameter_Selection_Changed()
{
    QString selected_key;
    if (!d_parameter_list->Selected_Key(&selected_key))
    {
        d_selected_parameter.clear();
        d_edit_history->Set_Selected(QString());
        d_comparison->Show_Parameter(QString());
        d_rule_outcomes->Show_Parameter(QString());
        d_title_label->clear();
        d_title_label->setToolTip(QString());
        d_description_label->clear();
        d_editor_stack->setCurrentWidget(d_empty_page);
        return;
    }

    d_selected_parameter = selected_key;
    d_edit_history->Set_Selected(d_selected_parameter);
    d_comparison->Show_Parameter(d_selected_parameter);
    d_rule_outcomes->Show_Parameter(d_selected_parameter);

    bool found = false;
    const TParameters::TParameter parameter =
        d_document->Parameters().Get_Parameter(d_selected_parameter, &found);
    if (!found)
    {
        // A key only the reference holds is shown as the reference has it, with nothing to edit.
        const TParameters::TParameter* reference = d_comparison->Reference_Parameter(d_selected_parameter);
        Show_Title(reference ? *reference : TParameters::TParameter());
        d_editor_stack->setCurrentWidget(d_empty_page);
        return;
    }
    Show_Title(parameter);

    // A record without a value type has nothing to edit. Leaving the previous editor on show would
    // offer the earlier parameter's values, and an edit there would be written to this one.
    TValueEditor* editor = Editor_For(parameter.type);
    if (!editor)
    {
        d_editor_stack->setCurrentWidget(d_empty_page);
        return;
    }
    editor->Show_Values(parameter);
    d_editor_stack->setCurrentWidget(editor);
}

TValueEditor* TVantrel::Editor_For(int type) const
{
    for (TValueEditor* editor : Value_Editors())
    {
        if (editor->Edits(type))
        {
            return editor;
        }
    }
    return nullptr;
}

std::array<TValueEditor*, 2> TVantrel::Value_Editors() const
{
    return {d_values_widget, d_bitfield_widget};
}

TValueEditor* TVantrel::Editor_On_Show() const
{
    return qobject_cast<TValueEditor*>(d_editor_stack->currentWidget());
}

void TVantrel::Show_Title(const TParameters::TParameter& parameter)
{
    const QString number = QStringLiteral("%1").arg(parameter.number, 3, 10, QLatin1Char('0'));
    if (!parameter.name.isEmpty())
    {
        d_title_label->setText(QStringLiteral("[%1]  %2 - %3").arg(number, parameter.key, parameter.name));
    }
    else
    {
        d_title_label->setText(QStringLiteral("[%1]  %2").arg(number, parameter.key));
    }
    d_title_label->setToolTip(d_title_label->text());
    d_description_label->setText(parameter.description);
}

void TVantrel::Value_Changed(int index)
{
    // A hidden editor holds another parameter's values; what it reports must not reach this one.
    TValueEditor* editor = Editor_On_Show();
    if (!editor || (sender() && sender() != editor) || d_selected_parameter.isEmpty())
    {
        return;
    }
    bool found = false;
    TParameters::TParameter parameter = d_document->Parameters().Get_Parameter(d_selected_parameter, &found);
    QString refusal;
    if (!found || !editor->Edits(parameter.type) || !editor->Read_Value(index, &parameter, &refusal))
    {
        // Text that is no value of the kind is refused and the stored value stays.
        if (!refusal.isEmpty())
        {
            editor->Mark_Refused(index, refusal);
            d_refusal_message = tr("ERR:  %1").arg(refusal);
            d_status_bar->showMessage(d_refusal_message);
        }
        return;
    }
    editor->Mark_Refused(index, QString());
    // A refusal still on show is answered now: the file on show is named again instead.
    if (!d_refusal_message.isEmpty() && d_status_bar->currentMessage() == d_refusal_message)
    {
        d_status_bar->showMessage(QDir::toNativeSeparators(d_file_state->Path()));
    }
    d_refusal_message.clear();
    d_edit_history->Edit(parameter);
}

void TVantrel::Keys_Changed(const QStringList& keys)
{
    Update_Changed_Count();
    if (!d_selected_parameter.isEmpty() && keys.contains(d_selected_parameter))
    {
        // An undo or a revert changes the values on show.
        Parameter_Selection_Changed();
    }
}

TParameterList::TEntryMarks TVantrel::Entry_Marks(const QString& key) const
{
    TParameterList::TEntryMarks marks;
    const TParameters::TParameter* parameter = d_document->Parameters().Find_Parameter(key);
    marks.bold = parameter && parameter->changed;
    if (marks.bold)
    {
        marks.tool_tip = tr("Changed since loading");
    }
    d_comparison->Mark_Entry(key, &marks);
    d_rule_outcomes->Mark_Entry(key, &marks);
    return marks;
}

void TVantrel::Update_Changed_Count()
{
    const int changed = d_document->Parameters().Changed_Count();
    d_changed_count_label->setText(changed == 1 ? tr("1 changed") : tr("%1 changed").arg(changed));
}

void TVantrel::Finish_Edit_In_Progress()
{
    if (TValueEditor* editor = Editor_On_Show())
    {
        editor->Finish_Editing();
    }
}

void TVantrel::Search_Changed(const QString& text)
{
    d_parameter_list->Filter().Set_Search_Text(text);
    d_parameter_list->Refill();
}

void TVantrel::Execute_Rules()
{
    // A run gives the event loop a turn between rules; a second press meanwhile must not touch the edit.
    if (d_rules_pane->Is_Running())
    {
        return;
    }
    Finish_Edit_In_Progress();
    d_rules_pane->Execute_Rules();
}

void TVantrel::Add_Group()
{
    d_rules_pane->Add_Group();
}

void TVantrel::Remove_Group()
{
    d_rules_pane->Remove_Group();
}

void TVantrel::Edit_Rules()
{
    d_rules_pane->Edit_Rules();
}

void TVantrel::Import_Rules()
{
    const QString path = Ask_File_Name(tr("Import Rules"), tr("Rules Files (*.xml)"), false);
    if (!path.isEmpty() && d_rules_pane->Import_Rules(path))
    {
        d_status_bar->showMessage(tr("Rules imported from %1").arg(QDir::toNativeSeparators(path)));
    }
}

void TVantrel::Export_Rule_Group()
{
    if (d_rules_pane->Current_Group().isEmpty())
    {
        d_status_bar->showMessage(tr("ERR:  There is no rule group to export"));
        return;
    }
    const QString path = Ask_File_Name(tr("Export Rule Group"), tr("Rules Files (*.xml)"), true);
    if (!path.isEmpty() && d_rules_pane->Export_Group(path))
    {
        d_status_bar->showMessage(tr("Rule group exported to %1").arg(QDir::toNativeSeparators(path)));
    }
}

void TVantrel::Save_Report()
{
    const QString path =
        Ask_File_Name(tr("Save Report"), tr("PDF (*.pdf);;HTML (*.html *.htm);;Text (*.txt)"), true);
    if (!path.isEmpty() && d_rules_pane->Save_Report(path))
    {
        d_status_bar->showMessage(tr("Report saved to %1").arg(QDir::toNativeSeparators(path)));
    }
}
