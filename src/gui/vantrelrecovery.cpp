// How the main window takes back the unsaved edits of a session that ended without saving.
#include "vantrel.h"

#include "edithistory.h"
#include "filestate.h"
#include "messagebox.h"
#include "parameterdocument.h"
#include "recoveryjournal.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

void TVantrel::Offer_Recovery()
{
    const QString folder = d_data_path + QStringLiteral("/recovery");
    for (const TRecoveryJournal::TEntry& entry : TRecoveryJournal::Journals(folder))
    {
        const QString shown_file = QDir::toNativeSeparators(entry.parameter_file);
        if (!TRecoveryJournal::Fits_File(entry))
        {
            // Applied to other bytes the edits could land on values someone else changed: the journal
            // stays for the user to look at, and nothing is taken from it.
            QString kept;
            TRecoveryJournal::Keep_Aside(entry, &kept);
            d_status_bar->showMessage(
                tr("The unsaved edits of %1 were not restored: the file has changed since. "
                   "They are kept in %2")
                    .arg(shown_file, QDir::toNativeSeparators(kept)));
            continue;
        }
        if (d_file_state->Is_Modified())
        {
            // One file at a time; the others are offered at the next start.
            return;
        }
        const int count = static_cast<int>(entry.records.size());
        const QString question =
            count == 1 ? tr("Restore 1 unsaved edit of %1?").arg(shown_file.toHtmlEscaped())
                       : tr("Restore %1 unsaved edits of %2?").arg(count).arg(shown_file.toHtmlEscaped());
        if (!d_message_box->Ask_Question(question.arg(shown_file.toHtmlEscaped()),
                                         tr("A session that ended without saving left them. They are taken "
                                            "as one step that Undo takes "
                                            "back.")))
        {
            TRecoveryJournal::Remove(entry);
            continue;
        }
        Open_Parameter_File(entry.parameter_file);
        if (QFileInfo(d_file_state->Path()) != QFileInfo(entry.parameter_file))
        {
            return;
        }
        // The journal holds values only; each is taken into the record as loaded, where it still fits.
        std::vector<TParameters::TParameter> restored;
        for (const TParameters::TParameter& values : entry.records)
        {
            bool found = false;
            TParameters::TParameter record = d_document->Parameters().Get_Parameter(values.key, &found);
            if (found && record.integer_values.size() == values.integer_values.size() &&
                record.double_values.size() == values.double_values.size() &&
                record.text_values.size() == values.text_values.size())
            {
                record.integer_values = values.integer_values;
                record.double_values = values.double_values;
                record.text_values = values.text_values;
                restored.push_back(record);
            }
        }
        d_edit_history->Edit(restored, tr("restored edits"));
        d_status_bar->showMessage(tr("Unsaved edits of %1 restored").arg(shown_file));
    }
}
