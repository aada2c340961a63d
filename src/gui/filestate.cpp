#include "filestate.h"

#include "edithistory.h"
#include "messagebox.h"
#include "parameterdocument.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QKeySequence>
#include <QWidget>

namespace
{
QString Shown_Path(const QString& path)
{
    return QDir::toNativeSeparators(path).toHtmlEscaped();
}
} // namespace

TFileState::TFileState(TParameterDocument* document, TEditHistory* history, TMessageBox* message_box,
                       QWidget* window)
    : QObject(window), d_document(document), d_history(history), d_message_box(message_box),
      d_save_action(new QAction(QIcon(QStringLiteral(":/menu/menu_save.png")), tr("&Save"), this)),
      d_save_as_action(new QAction(QIcon(QStringLiteral(":/menu/menu_save.png")), tr("Save &As\u2026"), this))
{
    d_save_action->setObjectName(QStringLiteral("save_action"));
    d_save_action->setShortcut(QKeySequence::Save);
    d_save_action->setToolTip(tr("Write the changed values back into the parameter file"));
    d_save_as_action->setObjectName(QStringLiteral("save_as_action"));
    // Desktops without a key of their own for Save As (no KDE or GNOME theme) get the common one.
    const QList<QKeySequence> save_as_keys = QKeySequence::keyBindings(QKeySequence::SaveAs);
    d_save_as_action->setShortcuts(save_as_keys.isEmpty()
                                       ? QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}
                                       : save_as_keys);
    d_save_as_action->setToolTip(tr("Write the parameter file with its changed values to another file"));

    connect(d_history, &TEditHistory::Clean_Changed, this,
            [this]()
            {
                Update_Actions();
                emit Modified_Changed(Is_Modified());
            });
    Update_Actions();
}

QAction* TFileState::Save_Action() const
{
    return d_save_action;
}

QAction* TFileState::Save_As_Action() const
{
    return d_save_as_action;
}

void TFileState::Set_Path_Asker(TPathAsker asker)
{
    d_ask_path = std::move(asker);
}

QString TFileState::Path() const
{
    return d_path;
}

bool TFileState::Is_Modified() const
{
    return d_document->Is_Loaded() && !d_history->Is_Clean();
}

void TFileState::Set_Loaded(const QString& path)
{
    d_path = path;
    Update_Actions();
    emit Path_Changed(d_path);
    emit Modified_Changed(Is_Modified());
}

bool TFileState::Save()
{
    if (!d_document->Is_Loaded())
    {
        return false;
    }
    if (d_path.isEmpty())
    {
        return Save_As();
    }
    bool save_elsewhere = false;
    if (!Check_File_On_Disk(&save_elsewhere))
    {
        return save_elsewhere && Save_As();
    }
    return Save_To(d_path);
}

bool TFileState::Save_As()
{
    if (!d_document->Is_Loaded() || !d_ask_path)
    {
        return false;
    }
    const bool constants = d_document->Parameters().File_Format() == TParameters::FORMAT_MACHINE_CONSTANTS;
    const QString filter =
        constants ? tr("Machine Constants Files (*.asc)") : tr("Parameter Settings Files (*.xml)");
    const QString path = d_ask_path(tr("Save Parameter File As"), filter);
    if (path.isEmpty())
    {
        return false;
    }
    // The file dialog has asked before replacing another file; the loaded file itself is checked
    // against what is on disk as Save checks it.
    if (QFileInfo(path) == QFileInfo(d_path))
    {
        return Save();
    }
    return Save_To(path);
}

bool TFileState::Ask_To_Keep_Edits()
{
    if (!Is_Modified())
    {
        return true;
    }
    const QString name = QFileInfo(d_path).fileName();
    const QMessageBox::StandardButton answer =
        d_message_box->Ask_Choice(tr("Save changes to %1?").arg(name.toHtmlEscaped()),
                                  tr("The values changed since the file was last saved are lost otherwise."),
                                  {{QMessageBox::Save, tr("Save")},
                                   {QMessageBox::Discard, tr("Discard")},
                                   {QMessageBox::Cancel, tr("Cancel")}});
    if (answer == QMessageBox::Save)
    {
        return Save();
    }
    return answer == QMessageBox::Discard;
}

// The file is compared by content with what was last read or saved: another program, or a colleague
// on a shared folder, may have written it meanwhile, and overwriting that would lose their work.
bool TFileState::Check_File_On_Disk(bool* save_elsewhere)
{
    const TParameters::TFileState state = d_document->Parameters().Check_File(d_path);
    if (state == TParameters::FILE_SAME)
    {
        return true;
    }
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    if (state == TParameters::FILE_CHANGED)
    {
        answer = d_message_box->Ask_Choice(
            tr("%1 has changed on disk since it was read.").arg(Shown_Path(d_path)),
            tr("Overwrite replaces what is there now with the loaded values and yours; Save As\u2026 "
               "keeps it."),
            {{QMessageBox::Save, tr("Save As\u2026")},
             {QMessageBox::Yes, tr("Overwrite")},
             {QMessageBox::Cancel, tr("Cancel")}});
    }
    else
    {
        answer = d_message_box->Ask_Choice(
            tr("%1 no longer exists.").arg(Shown_Path(d_path)),
            tr("It was moved or deleted since it was read. Write Anew writes the loaded values and yours "
               "there again."),
            {{QMessageBox::Yes, tr("Write Anew")},
             {QMessageBox::Save, tr("Save As\u2026")},
             {QMessageBox::Cancel, tr("Cancel")}});
    }
    *save_elsewhere = answer == QMessageBox::Save;
    return answer == QMessageBox::Yes;
}

bool TFileState::Save_To(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const bool keep_backup = !d_backed_up.contains(absolute);
    QString backup;
    if (!d_document->Save(path, keep_backup, &backup))
    {
        const QString reason = d_document->Parameters().Last_Error();
        emit Status(tr("ERR:  %1").arg(reason));
        return Offer_Save_As_After_Failure(reason);
    }
    d_backed_up.insert(absolute);
    d_history->Set_Clean();
    emit Saved();
    if (path != d_path)
    {
        d_path = path;
        emit Path_Changed(d_path);
    }
    emit Status(backup.isEmpty()
                    ? tr("Saved %1").arg(QDir::toNativeSeparators(path))
                    : tr("Saved %1; the file as it was is kept as %2")
                          .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(backup)));
    Update_Actions();
    return true;
}

// Nothing is lost when a write fails: the edits stay and the window stays modified, and the user may
// write them elsewhere at once (a read-only share, a full disk).
bool TFileState::Offer_Save_As_After_Failure(const QString& reason)
{
    const QMessageBox::StandardButton answer = d_message_box->Ask_Choice(
        tr("The parameter file was not saved."), reason.toHtmlEscaped(),
        {{QMessageBox::Save, tr("Save As\u2026")}, {QMessageBox::Cancel, tr("Cancel")}});
    return answer == QMessageBox::Save && Save_As();
}

void TFileState::Update_Actions()
{
    d_save_action->setEnabled(Is_Modified());
    d_save_as_action->setEnabled(d_document->Is_Loaded());
}
