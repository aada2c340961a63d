#include "rulespane.h"

#include "creategroupdialog.h"
#include "elidingcombobox.h"
#include "livecheck.h"
#include "messagebox.h"
#include "parameters.h"
#include "reportfile.h"
#include "ruleeditordialog.h"
#include "ruleitemdialog.h"
#include "rulerun.h"
#include "ruletable.h"
#include "rulevariables.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QToolButton>
#include <QtConcurrent>

#include <memory>

namespace
{
QToolButton* Make_Rules_Button(QWidget* parent, const QString& name, const QString& icon,
                               const QString& tool_tip)
{
    QToolButton* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon(icon));
    // An icon without text says nothing until the pointer rests on it, nor to a screen reader.
    button->setToolTip(tool_tip);
    button->setAccessibleName(tool_tip);
    button->setFixedSize(20, 20);
    return button;
}

QString Native_Name(const QString& file_name)
{
    return QDir::toNativeSeparators(file_name).toHtmlEscaped();
}
} // namespace

TRulesPane::TRulesPane(TRules* rules, const TParameters* parameters, TLiveCheck* live_check,
                       TMessageBox* message_box, const QFont& fixed_font, QWidget* parent)
    : QWidget(parent), d_rules(rules), d_parameters(parameters), d_live_check(live_check),
      d_message_box(message_box)
{
    setObjectName(QStringLiteral("rules_pane"));
    QGridLayout* rules_layout = new QGridLayout(this);

    d_rules_label = new QLabel(tr("Rules:"), this);
    d_rules_label->setObjectName(QStringLiteral("rules_label"));
    rules_layout->addWidget(d_rules_label, 0, 0);

    d_rule_group_combo = new TElidingComboBox(this);
    d_rule_group_combo->setObjectName(QStringLiteral("rule_group_combo"));
    d_rule_group_combo->setAccessibleName(tr("Rule group"));
    rules_layout->addWidget(d_rule_group_combo, 0, 1);

    // The totals sit on a line of their own under the selector: beside it they would either widen the
    // pane at the parameter list's cost or be cut off at the pane's usual width. Without rules to count
    // they take no room at all.
    d_totals_label = new QLabel(this);
    d_totals_label->setObjectName(QStringLiteral("rule_totals_label"));
    d_totals_label->setTextFormat(Qt::PlainText);
    d_totals_label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    d_totals_label->hide();
    rules_layout->addWidget(d_totals_label, 1, 0, 1, 4);

    d_add_group_button = Make_Rules_Button(this, QStringLiteral("add_group_button"),
                                           QStringLiteral(":/gui/gui_add.png"), tr("Create rule group"));
    d_remove_group_button =
        Make_Rules_Button(this, QStringLiteral("remove_group_button"), QStringLiteral(":/gui/gui_remove.png"),
                          tr("Remove rule group"));
    d_edit_rules_button = Make_Rules_Button(this, QStringLiteral("edit_rules_button"),
                                            QStringLiteral(":/gui/gui_edit.png"), tr("Edit rules"));
    d_execute_button = Make_Rules_Button(this, QStringLiteral("execute_button"),
                                         QStringLiteral(":/gui/gui_play.png"), tr("Execute rules"));
    d_save_report_button = new QToolButton(this);
    d_save_report_button->setObjectName(QStringLiteral("save_report_button"));
    d_save_report_button->setFixedSize(20, 20);
    // The buttons sit close together, as on a tool bar.
    QHBoxLayout* button_layout = new QHBoxLayout();
    button_layout->setSpacing(2);
    for (QToolButton* button : {d_add_group_button, d_remove_group_button, d_edit_rules_button,
                                d_execute_button, d_save_report_button})
    {
        button_layout->addWidget(button);
    }
    rules_layout->addLayout(button_layout, 0, 2, 1, 2);

    // The outcomes as the values stand above, the report of the last run below; the user shares the
    // height out between them.
    d_rules_splitter = new QSplitter(Qt::Vertical, this);
    d_rules_splitter->setObjectName(QStringLiteral("rules_splitter"));
    d_rules_splitter->setChildrenCollapsible(false);
    rules_layout->addWidget(d_rules_splitter, 2, 0, 1, 4);

    d_rule_table = new TRuleTable(d_live_check, d_rules_splitter);
    d_rule_table->setObjectName(QStringLiteral("rule_table"));
    d_rule_table->setAccessibleName(tr("Rule outcomes"));
    d_rule_table->setAccessibleDescription(
        tr("The rules of the group with their outcomes as the values stand"));
    d_rules_splitter->addWidget(d_rule_table);

    d_rules_text = new QPlainTextEdit(d_rules_splitter);
    d_rules_text->setObjectName(QStringLiteral("rules_text"));
    d_rules_text->setAccessibleName(tr("Rule report"));
    d_rules_text->setAccessibleDescription(tr("The outcome of the last run of the rule group"));
    d_rules_text->setFont(fixed_font);
    d_rules_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    d_rules_text->setReadOnly(true);
    d_rules_splitter->addWidget(d_rules_text);

    connect(d_add_group_button, &QToolButton::clicked, this, &TRulesPane::Add_Group);
    connect(d_remove_group_button, &QToolButton::clicked, this, &TRulesPane::Remove_Group);
    connect(d_edit_rules_button, &QToolButton::clicked, this, &TRulesPane::Edit_Rules);
    connect(d_execute_button, &QToolButton::clicked, this, &TRulesPane::Execute_Requested);
    connect(d_rule_group_combo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TRulesPane::Follow_Group);
    connect(d_rule_table, &TRuleTable::Rule_Activated, this, &TRulesPane::Edit_Rule);
    connect(d_live_check, &TLiveCheck::Check_Started, this, &TRulesPane::Show_Totals);
    connect(d_live_check, &TLiveCheck::Results_Replaced, this, &TRulesPane::Show_Totals);
    connect(d_live_check, &TLiveCheck::Results_Changed, this, &TRulesPane::Show_Totals);
    Show_Totals();
}

void TRulesPane::Follow_Group()
{
    const QString group = Current_Group();
    d_live_check->Set_Group(group, d_rules->Rules(group));
}

void TRulesPane::Set_Parameter_File(const QString& file_name)
{
    d_parameter_file = file_name;
}

void TRulesPane::Set_Edited_Values_Source(const TEditedValuesSource& source)
{
    d_edited_values_source = source;
}

void TRulesPane::Set_Save_Report_Action(QAction* action)
{
    d_save_report_action = action;
    d_save_report_button->setDefaultAction(action);
    action->setEnabled(d_last_run.has_value());
}

void TRulesPane::Show_Totals()
{
    // The totals count the table's outcomes; while a whole check runs the table says so instead.
    const TLiveRules* results = d_live_check->Results();
    const QString text = results && results->Rule_Count() > 0 ? results->Totals().Text() : QString();
    d_totals_label->setText(text);
    // Cut short in a narrow pane, the whole text is still at hand.
    d_totals_label->setToolTip(text);
    d_totals_label->setVisible(!text.isEmpty());
}

void TRulesPane::Set_Last_Run(const std::optional<TRunReport>& run)
{
    d_last_run = run;
    if (d_save_report_action)
    {
        d_save_report_action->setEnabled(d_last_run.has_value());
    }
}

void TRulesPane::Load(const QString& default_group)
{
    // A missing rules file is a first start, not an error: the store simply begins empty.
    d_rules->Load_Rules();
    d_rule_group_combo->addItems(d_rules->Rule_Groups());

    if (!default_group.isEmpty())
    {
        const int index =
            d_rule_group_combo->findText(default_group, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
        {
            d_rule_group_combo->setCurrentIndex(index);
        }
    }
    Follow_Group();
}

QString TRulesPane::Current_Group() const
{
    return d_rule_group_combo->currentText();
}

bool TRulesPane::Is_Running() const
{
    return d_rules_running;
}

void TRulesPane::Clear_Report()
{
    d_rules_text->clear();
    d_report_cleared = true;
    Set_Last_Run(std::nullopt);
}

void TRulesPane::Add_Report_Lines(const std::vector<TRuleRun::TReportLine>& lines)
{
    // One edit for many lines: the pane is laid out and painted once, not after every line. The text
    // goes in as text with a format, so a rule name like "<b" stays what the user typed.
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCursor cursor(d_rules_text->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    for (const TRuleRun::TReportLine& line : lines)
    {
        if (!d_rules_text->document()->isEmpty())
        {
            cursor.insertBlock();
        }
        cursor.insertText(line.text, line.bold ? bold : plain);
    }
    cursor.endEditBlock();
}

void TRulesPane::Execute_Rules()
{
    if (d_rules_running)
    {
        return;
    }

    d_rules_text->clear();
    Set_Last_Run(std::nullopt);

    TRunStart start;
    start.group = d_rule_group_combo->currentText();
    start.rules = d_rules->Rules(start.group);
    if (start.rules.empty())
    {
        return;
    }

    d_rules_running = true;
    d_report_cleared = false;
    start.time = QDateTime::currentDateTime();
    start.edited =
        d_edited_values_source ? d_edited_values_source() : std::vector<TRunReport::TEditedValue>();

    // The live check keeps the group on show evaluated through every edit: its results are the run.
    TRuleRun::TGroupResult current;
    if (d_live_check->Current_Run(start.group, start.rules, &current))
    {
        Run_Finished(start, current);
        return;
    }

    // The run reads copies of the records and the rules: the user may edit either while it runs. The
    // records hold implicitly shared values, so the copy costs a reference each.
    const std::vector<TParameters::TParameter>& records = d_parameters->Parameters();
    auto copy = std::make_shared<std::vector<TParameters::TParameter>>(records);
    auto run = [copy, rules = start.rules]()
    {
        // The evaluator holds only the variables the rules can read: the report is the same.
        return TRuleRun(TRuleVariables(rules).Variables(*copy)).Run_Group(rules);
    };

    // A run as small as the checks the live check makes at once is made at once too; a larger one goes
    // to another core, and the window answers input until its report is written whole.
    const qint64 work = static_cast<qint64>(records.size()) + 100 * static_cast<qint64>(start.rules.size());
    if (work <= d_live_check->Largest_Check_In_Place())
    {
        Run_Finished(start, run());
        return;
    }
    auto* watcher = new QFutureWatcher<TRuleRun::TGroupResult>(this);
    connect(watcher, &QFutureWatcher<TRuleRun::TGroupResult>::finished, this,
            [this, watcher, start]()
            {
                watcher->deleteLater();
                Run_Finished(start, watcher->result());
            });
    watcher->setFuture(QtConcurrent::run(run));
}

void TRulesPane::Run_Finished(const TRunStart& start, const TRuleRun::TGroupResult& run)
{
    d_rules_running = false;
    // A report cleared meanwhile (another file opened) belongs to values no longer loaded.
    if (d_report_cleared)
    {
        return;
    }
    const bool was_blocked = d_rules_text->blockSignals(true);
    Add_Report_Lines(run.Report_Lines());
    d_rules_text->blockSignals(was_blocked);
    // The report is shown from its top.
    QTextCursor cursor = d_rules_text->textCursor();
    cursor.movePosition(QTextCursor::Start);
    d_rules_text->setTextCursor(cursor);
    Set_Last_Run(TRunReport(d_parameter_file, start.group, start.time, start.rules, run, start.edited));
}

void TRulesPane::Add_Group()
{
    if (!d_create_group_dialog)
    {
        d_create_group_dialog = new TCreateGroupDialog(this);
    }

    d_create_group_dialog->Reset(d_rules->Rule_Groups());
    if (d_create_group_dialog->exec() != QDialog::Accepted)
    {
        return;
    }

    const QString name = d_create_group_dialog->Group_Name();
    if (!d_rules->Create_Group(name))
    {
        return;
    }

    d_rule_group_combo->addItem(name);
    const int index = d_rule_group_combo->findText(name, Qt::MatchFixedString);
    if (index >= 0)
    {
        d_rule_group_combo->setCurrentIndex(index);
    }
    Follow_Group();
}

void TRulesPane::Remove_Group()
{
    if (!d_message_box->Ask_Question(tr("Warning"), tr("Delete selected group of rules?")))
    {
        return;
    }

    const QString name = d_rule_group_combo->currentText();
    const int index = d_rule_group_combo->currentIndex();
    d_rules->Remove_Group(name);
    d_rule_group_combo->removeItem(index);
    Follow_Group();
}

void TRulesPane::Edit_Rules()
{
    if (!d_rule_editor_dialog)
    {
        d_rule_editor_dialog = new TRuleEditorDialog(this);
        d_rule_editor_dialog->Set_Parameters(d_parameters);
    }

    d_rule_editor_dialog->Reset(d_rule_group_combo->currentText(), d_rules);
    d_rule_editor_dialog->exec();
    Follow_Group();
}

void TRulesPane::Edit_Rule(int rule)
{
    const std::vector<TRules::TRuleItem>& rules = d_live_check->Rules();
    if (rule < 0 || rule >= static_cast<int>(rules.size()))
    {
        return;
    }
    // The dialog edits a copy: the table is filled anew from the store once it closes.
    const QString group = d_live_check->Group();
    const TRules::TRuleItem old_rule = rules[static_cast<std::size_t>(rule)];
    if (!d_rule_item_dialog)
    {
        d_rule_item_dialog = new TRuleItemDialog(this);
        d_rule_item_dialog->Set_Parameters(d_parameters);
    }
    d_rule_item_dialog->Reset(TRuleItemDialog::MODE_EDIT, old_rule, d_rules->Rule_List(group));
    if (d_rule_item_dialog->exec() != QDialog::Accepted)
    {
        return;
    }
    if (!d_rules->Replace_Rule(group, old_rule.name, d_rule_item_dialog->Rule_Item()))
    {
        d_message_box->Show_Error(
            tr("The rule \"%1\" could not be changed.").arg(old_rule.name.toHtmlEscaped()),
            d_rules->Last_Error());
        return;
    }
    Follow_Group();
}

QMessageBox::StandardButton TRulesPane::Clash_Button(TRules::TClashAnswer answer)
{
    switch (answer)
    {
    case TRules::CLASH_REPLACE:
        return QMessageBox::Yes;
    case TRules::CLASH_KEEP_BOTH:
        return QMessageBox::Apply;
    case TRules::CLASH_SKIP:
        break;
    }
    return QMessageBox::Ignore;
}

TRules::TClashAnswer TRulesPane::Ask_Clash(const QString& name, const QString& kept_name)
{
    // Keeping both loses nothing, so it is the default; Escape leaves the imported group out.
    const QMessageBox::StandardButton button = d_message_box->Ask_Choice(
        tr("A rule group named \"%1\" exists already.").arg(name.toHtmlEscaped()),
        tr("Replace it with the imported group, keep both (the imported one as \"%1\") or "
           "skip the imported group?")
            .arg(kept_name.toHtmlEscaped()),
        {{Clash_Button(TRules::CLASH_KEEP_BOTH), tr("Keep Both")},
         {Clash_Button(TRules::CLASH_REPLACE), tr("Replace")},
         {Clash_Button(TRules::CLASH_SKIP), tr("Skip")}});
    for (const TRules::TClashAnswer answer : {TRules::CLASH_REPLACE, TRules::CLASH_KEEP_BOTH})
    {
        if (button == Clash_Button(answer))
        {
            return answer;
        }
    }
    return TRules::CLASH_SKIP;
}

void TRulesPane::Fill_Group_Combo(const QString& current)
{
    d_rule_group_combo->clear();
    d_rule_group_combo->addItems(d_rules->Rule_Groups());
    const int index = d_rule_group_combo->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
    {
        d_rule_group_combo->setCurrentIndex(index);
    }
}

bool TRulesPane::Import_Rules(const QString& file_name)
{
    QStringList imported;
    if (!d_rules->Import_Rules(
            file_name,
            [this](const QString& name, const QString& kept_name) { return Ask_Clash(name, kept_name); },
            &imported))
    {
        d_message_box->Show_Error(tr("The rules could not be imported from %1: %2")
                                      .arg(Native_Name(file_name), d_rules->Last_Error().toHtmlEscaped()),
                                  QString());
        return false;
    }
    if (!imported.isEmpty())
    {
        Fill_Group_Combo(imported.first());
    }
    // A group replaced by the import may be the one on show.
    Follow_Group();
    return true;
}

bool TRulesPane::Export_Group(const QString& file_name)
{
    const QString group = Current_Group();
    if (!d_rules->Export_Group(group, file_name))
    {
        d_message_box->Show_Error(
            tr("The rule group \"%1\" could not be exported to %2: %3")
                .arg(group.toHtmlEscaped(), Native_Name(file_name), d_rules->Last_Error().toHtmlEscaped()),
            QString());
        return false;
    }
    return true;
}

bool TRulesPane::Save_Report(const QString& file_name)
{
    if (!d_last_run)
    {
        return false;
    }
    QString error;
    if (!ReportFile::Save(*d_last_run, file_name, &error))
    {
        d_message_box->Show_Error(
            tr("The report could not be saved to %1: %2").arg(Native_Name(file_name), error.toHtmlEscaped()),
            QString());
        return false;
    }
    return true;
}
