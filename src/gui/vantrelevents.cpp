// How the main window answers the desktop: its shortcuts over text fields, closing, and dropped files.
#include "vantrel.h"

#include "exportoptionsdialog.h"
#include "filestate.h"
#include "messagebox.h"
#include "recentfiles.h"
#include "recoveryjournal.h"
#include "rulespane.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QUrl>

bool TVantrel::eventFilter(QObject* watched, QEvent* event)
{
    // A text field claims keys such as Ctrl+E (end of line) before the window's shortcuts see them.
    // The window's commands win wherever the focus is in this window: the field's claim is declined.
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this)
    {
        const QKeyEvent* key_event = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers =
            key_event->modifiers() &
            (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        const QKeySequence pressed(static_cast<int>(modifiers) | key_event->key());
        for (const QAction* action :
             {d_new_action, d_open_action, d_file_state->Save_Action(), d_file_state->Save_As_Action(),
              d_execute_action, d_export_action, d_quit_action, d_find_action})
        {
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed)
            {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TVantrel::event(QEvent* event)
{
    // Menu entries and tool buttons without a status tip send an empty one when hovered; the status
    // bar keeps the result of the last open or export instead.
    if (event->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(event)->tip().isEmpty())
    {
        return true;
    }
    return QMainWindow::event(event);
}

void TVantrel::closeEvent(QCloseEvent* event)
{
    Finish_Edit_In_Progress();
    if (!d_file_state->Ask_To_Keep_Edits())
    {
        event->ignore();
        return;
    }
    // Saved or let go: nothing is left to recover at the next start.
    d_recovery->Forget();
    Save_Rules_At_Close();

    if (d_export_options_dialog)
    {
        d_window_settings.export_options = d_export_options_dialog->Export_Options();
        d_window_settings.export_options_shown = true;
    }
    const QList<int> sizes = d_splitter->sizes();
    if (sizes.size() >= 2)
    {
        d_window_settings.list_width = sizes.at(0);
        d_window_settings.detail_width = sizes.at(1);
    }
    d_window_settings.position = pos();
    d_window_settings.size = size();
    d_window_settings.search_names = d_search_names_check->isChecked();
    d_window_settings.default_rule_group = d_rules_pane->Current_Group();
    d_window_settings.recent_files = d_recent_files->Files();
    d_window_settings.Write(*d_settings);

    event->accept();
}

void TVantrel::Save_Rules_At_Close()
{
    // The rules file is written only here, once per session: a failed write would otherwise drop
    // every rule added or changed since start without the user ever knowing.
    if (d_rules.Save_Rules())
    {
        return;
    }

    d_message_box->Show_Error(tr("The rules could not be saved to %1: %2")
                                  .arg(QDir::toNativeSeparators(d_rules.Rule_File_Name()).toHtmlEscaped(),
                                       d_rules.Last_Error().toHtmlEscaped()),
                              QString(), QMessageBox::Critical);
}

void TVantrel::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData() && event->mimeData()->hasFormat(QStringLiteral("text/uri-list")))
    {
        event->acceptProposedAction();
    }
}

void TVantrel::dropEvent(QDropEvent* event)
{
    if (!event->mimeData())
    {
        return;
    }

    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1)
    {
        return;
    }

    const QString path = urls.first().toLocalFile();
    if (path.isEmpty())
    {
        return;
    }

    event->acceptProposedAction();
    Open_Parameter_File(path);
}
