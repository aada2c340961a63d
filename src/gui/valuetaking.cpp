#include "valuetaking.h"

#include "comparisonview.h"
#include "edithistory.h"
#include "filebytes.h"
#include "messagebox.h"
#include "parameterdocument.h"
#include "takevaluesdialog.h"
#include "utilities.h"
#include "valuetransfer.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QStatusBar>

TValueTaking::TValueTaking(TParameterDocument* document, TEditHistory* edit_history,
                           const TComparisonView* comparison, TMessageBox* message_box,
                           QStatusBar* status_bar, TWindowSteps steps, QWidget* parent)
    : QObject(parent), d_document(document), d_edit_history(edit_history), d_comparison(comparison),
      d_message_box(message_box), d_status_bar(status_bar), d_steps(std::move(steps)), d_parent(parent)
{
    d_take_values_action = new QAction(tr("Take Values From File…"), this);
    d_take_values_action->setObjectName(QStringLiteral("take_values_action"));
    d_take_values_action->setToolTip(tr("Take values of another parameter file, whole or partial"));
    d_use_all_reference_action = new QAction(tr("Use All Reference Values"), this);
    d_use_all_reference_action->setObjectName(QStringLiteral("use_all_reference_action"));
    d_use_all_reference_action->setToolTip(tr("Take every differing value of the reference"));
    d_save_changed_action = new QAction(tr("Save Changed Parameters As…"), this);
    d_save_changed_action->setObjectName(QStringLiteral("save_changed_action"));
    d_save_changed_action->setToolTip(
        tr("Write the changed parameters as a partial file that other machines can take"));

    connect(d_take_values_action, &QAction::triggered, this, &TValueTaking::Take_Values_From_File);
    connect(d_use_all_reference_action, &QAction::triggered, this, &TValueTaking::Use_All_Reference_Values);
    connect(d_save_changed_action, &QAction::triggered, this, &TValueTaking::Save_Changed_Parameters);
    connect(d_document, &TParameterDocument::Keys_Changed, this, &TValueTaking::Update_Actions);
    connect(d_document, &TParameterDocument::List_Replaced, this, &TValueTaking::Update_Actions);
    connect(d_comparison, &TComparisonView::Comparison_Changed, this, &TValueTaking::Update_Actions);
    Update_Actions();
}

QAction* TValueTaking::Take_Values_Action() const
{
    return d_take_values_action;
}

QAction* TValueTaking::Use_All_Reference_Action() const
{
    return d_use_all_reference_action;
}

QAction* TValueTaking::Save_Changed_Action() const
{
    return d_save_changed_action;
}

void TValueTaking::Take_Values_From_File()
{
    d_steps.finish_edit();
    const QString path =
        d_steps.ask_file_name(tr("Take Values From File"), tr("Parameter Files (*.asc *.xml)"), false);
    if (path.isEmpty() || !d_document->Is_Loaded())
    {
        return;
    }
    TParameters source;
    if (!source.Load_Parameter_File(path))
    {
        Show_Error(tr("Values were not taken from %1.").arg(QDir::toNativeSeparators(path).toHtmlEscaped()),
                   source.Last_Error());
        return;
    }
    Preview_And_Take(source, path);
}

void TValueTaking::Use_All_Reference_Values()
{
    d_steps.finish_edit();
    if (const TParameters* reference = d_comparison->Reference())
    {
        Preview_And_Take(*reference, d_comparison->Reference_Path());
    }
}

void TValueTaking::Preview_And_Take(const TParameters& source, const QString& path)
{
    const TValueTransfer plan(d_document->Parameters(), source);
    const QString name = QFileInfo(path).fileName();
    TTakeValuesDialog dialog(d_parent);
    dialog.Reset(plan, name);
    if (dialog.exec() != QDialog::Accepted)
    {
        return;
    }
    const std::vector<TParameters::TParameter> taken = plan.Taken(dialog.Ticked_Keys());
    if (taken.empty())
    {
        return;
    }
    d_edit_history->Edit(taken, tr("values from %1").arg(name));
    d_status_bar->showMessage(
        tr("%1 values taken from %2").arg(taken.size()).arg(QDir::toNativeSeparators(path)));
}

void TValueTaking::Save_Changed_Parameters()
{
    d_steps.finish_edit();
    const TParameters& parameters = d_document->Parameters();
    QStringList keys;
    for (const TParameters::TParameter& record : parameters.Parameters())
    {
        if (record.changed)
        {
            keys.append(record.key);
        }
    }
    if (keys.isEmpty())
    {
        return;
    }
    const bool constants = parameters.File_Format() == TParameters::FORMAT_MACHINE_CONSTANTS;
    const QString path = d_steps.ask_file_name(
        tr("Save Changed Parameters As"),
        constants ? tr("Machine Constants Files (*.asc)") : tr("Parameter Settings Files (*.xml)"), true);
    if (path.isEmpty())
    {
        return;
    }
    QByteArray content;
    if (!parameters.Partial_Content(keys, &content))
    {
        Show_Error(tr("Cannot save the changed parameters."), parameters.Last_Error());
        return;
    }
    QString error;
    if (!Utilities::Save_File(
            path, [&content](QIODevice* device) { return FileBytes::Write_All(device, content); }, &error))
    {
        Show_Error(tr("Cannot save the changed parameters."), error);
        return;
    }
    d_status_bar->showMessage(
        tr("%1 changed parameters saved to %2").arg(keys.size()).arg(QDir::toNativeSeparators(path)));
}

void TValueTaking::Show_Error(const QString& text, const QString& reason)
{
    // As Open shows a file it cannot read: the reason in the status bar, and a message box.
    d_status_bar->showMessage(tr("ERR:  %1").arg(reason));
    d_message_box->Show_Error(text, reason);
}

void TValueTaking::Update_Actions()
{
    const bool loaded = d_document->Is_Loaded();
    d_take_values_action->setEnabled(loaded);
    d_use_all_reference_action->setEnabled(loaded && d_comparison->Reference() != nullptr);
    d_save_changed_action->setEnabled(loaded && d_document->Parameters().Changed_Count() > 0);
}
