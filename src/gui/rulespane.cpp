#include "rulespane.h"

#include "creategroupdialog.h"
#include "elidingcombobox.h"
#include "messagebox.h"
#include "parameters.h"
#include "ruleeditordialog.h"
#include "rulerun.h"
#include "rules.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>

namespace
{
QToolButton* Make_Rules_Button(QWidget* parent, const QString& name, const QString& icon,
                               const QString& tool_tip)
{
    QToolButton* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon(icon));
    // An icon without text says nothing until the pointer rests on it.
    button->setToolTip(tool_tip);
    button->setFixedSize(20, 20);
    return button;
}
} // namespace

TRulesPane::TRulesPane(TRules* rules, const TParameters* parameters, TMessageBox* message_box,
                       const QFont& fixed_font, QWidget* parent)
    : QWidget(parent), d_rules(rules), d_parameters(parameters), d_message_box(message_box)
{
    setObjectName(QStringLiteral("rules_pane"));
    QGridLayout* rules_layout = new QGridLayout(this);

    d_rules_label = new QLabel(QStringLiteral("Rules:"), this);
    d_rules_label->setObjectName(QStringLiteral("rules_label"));
    rules_layout->addWidget(d_rules_label, 0, 0);

    d_rule_group_combo = new TElidingComboBox(this);
    d_rule_group_combo->setObjectName(QStringLiteral("rule_group_combo"));
    rules_layout->addWidget(d_rule_group_combo, 0, 1);

    d_add_group_button =
        Make_Rules_Button(this, QStringLiteral("add_group_button"), QStringLiteral(":/gui/gui_add.png"),
                          QStringLiteral("Create rule group"));
    d_remove_group_button =
        Make_Rules_Button(this, QStringLiteral("remove_group_button"), QStringLiteral(":/gui/gui_remove.png"),
                          QStringLiteral("Remove rule group"));
    d_edit_rules_button =
        Make_Rules_Button(this, QStringLiteral("edit_rules_button"), QStringLiteral(":/gui/gui_edit.png"),
                          QStringLiteral("Edit rules"));
    d_execute_button =
        Make_Rules_Button(this, QStringLiteral("execute_button"), QStringLiteral(":/gui/gui_play.png"),
                          QStringLiteral("Execute rules"));
    rules_layout->addWidget(d_add_group_button, 0, 2);
    rules_layout->addWidget(d_remove_group_button, 0, 3);
    rules_layout->addWidget(d_edit_rules_button, 0, 4);
    rules_layout->addWidget(d_execute_button, 0, 5);

    d_rules_text = new QPlainTextEdit(this);
    d_rules_text->setObjectName(QStringLiteral("rules_text"));
    d_rules_text->setFont(fixed_font);
    d_rules_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    d_rules_text->setReadOnly(true);
    rules_layout->addWidget(d_rules_text, 1, 0, 1, 6);

    connect(d_add_group_button, &QToolButton::clicked, this, &TRulesPane::Add_Group);
    connect(d_remove_group_button, &QToolButton::clicked, this, &TRulesPane::Remove_Group);
    connect(d_edit_rules_button, &QToolButton::clicked, this, &TRulesPane::Edit_Rules);
    connect(d_execute_button, &QToolButton::clicked, this, &TRulesPane::Execute_Requested);
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
}

void TRulesPane::Add_Report_Text(const QString& text, bool bold)
{
    if (bold)
    {
        // Rule names come from the user; escaped, a name like "<b" cannot turn the rest of the report
        // into markup.
        d_rules_text->appendHtml(QStringLiteral("<html><b>%1</b></html>").arg(text.toHtmlEscaped()));
    }
    else
    {
        d_rules_text->appendPlainText(text);
    }
}

void TRulesPane::Execute_Rules()
{
    if (d_rules_running)
    {
        return;
    }

    QTextCursor cursor = d_rules_text->textCursor();
    d_rules_text->clear();

    const std::vector<TRules::TRuleItem> rules = d_rules->Rules(d_rule_group_combo->currentText());
    const bool was_blocked = d_rules_text->blockSignals(true);

    if (!rules.empty())
    {
        d_rules_running = true;
        Add_Report_Text(TRuleRun::Header_Line(), false);
        TRuleRun(d_parameters->Get_Variables())
            .Run_Group(rules,
                       [this](const TRuleRun::TRuleResult& result)
                       {
                           for (const TRuleRun::TReportLine& line : result.lines)
                           {
                               Add_Report_Text(line.text, line.bold);
                           }
                           QCoreApplication::processEvents();
                       });
        d_rules_running = false;
    }

    d_rules_text->blockSignals(was_blocked);
    cursor.movePosition(QTextCursor::Start);
    d_rules_text->setTextCursor(cursor);
}

void TRulesPane::Add_Group()
{
    if (!d_create_group_dialog)
    {
        d_create_group_dialog = new TCreateGroupDialog(this);
        d_create_group_dialog->setObjectName(QStringLiteral("create_group_dialog"));
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
}

void TRulesPane::Remove_Group()
{
    if (!d_message_box->Ask_Question(QStringLiteral("Warning"),
                                     QStringLiteral("Delete selected group of rules?")))
    {
        return;
    }

    const QString name = d_rule_group_combo->currentText();
    const int index = d_rule_group_combo->currentIndex();
    d_rules->Remove_Group(name);
    d_rule_group_combo->removeItem(index);
}

void TRulesPane::Edit_Rules()
{
    if (!d_rule_editor_dialog)
    {
        d_rule_editor_dialog = new TRuleEditorDialog(this);
        d_rule_editor_dialog->setObjectName(QStringLiteral("rule_editor_dialog"));
    }

    d_rule_editor_dialog->Reset(d_rule_group_combo->currentText(), d_rules);
    d_rule_editor_dialog->exec();
}
