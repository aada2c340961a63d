#include "parameterdocument.h"

#include <QThreadPool>

#include <memory>
#include <utility>

namespace
{
// Frees a replaced list on another core: for a long list the freeing takes a third as long as the
// reading. The records hold only implicitly shared Qt data, whose reference counts may be dropped from
// any thread.
void Discard_In_Background(std::shared_ptr<TParameters> discarded)
{
    QThreadPool::globalInstance()->start([discarded = std::move(discarded)]() mutable { discarded.reset(); });
}
} // namespace

TParameterDocument::TParameterDocument(QObject* parent) : QObject(parent) {}

const TParameters& TParameterDocument::Parameters() const
{
    return d_parameters;
}

bool TParameterDocument::Is_Loaded() const
{
    return d_parameters.File_Format() != TParameters::FORMAT_NOT_SET;
}

void TParameterDocument::Replace_List(TParameters parameters)
{
    auto replaced = std::make_shared<TParameters>(std::move(d_parameters));
    d_parameters = std::move(parameters);
    // The list entries and the undo steps hold keys and values of the replaced records too: they let go
    // while the views follow the new list, so that the records carry the last references when freed.
    emit List_Replaced();
    Discard_In_Background(std::move(replaced));
}

bool TParameterDocument::Edit(const std::vector<TParameters::TParameter>& edited)
{
    QStringList keys;
    keys.reserve(static_cast<int>(edited.size()));
    for (const TParameters::TParameter& parameter : edited)
    {
        if (d_parameters.Edit_Parameter(parameter))
        {
            keys.append(parameter.key);
        }
    }
    if (keys.isEmpty())
    {
        return false;
    }
    emit Keys_Changed(keys);
    return true;
}

bool TParameterDocument::Edit(const TParameters::TParameter& edited)
{
    return Edit(std::vector<TParameters::TParameter>{edited});
}

bool TParameterDocument::Save(const QString& file_name, bool keep_backup, QString* backup_file_name)
{
    return d_parameters.Save_Parameter_File(file_name, keep_backup, backup_file_name);
}
