#include "filechange.h"

#include "valuetransfer.h"

#include <QDir>
#include <QRegularExpression>

TFileChange::TFileChange(const QString& file_name) : d_file_name(file_name) {}

bool TFileChange::Load()
{
    d_parameters.Reset();
    d_changes.clear();
    if (!d_parameters.Load_Parameter_File(d_file_name))
    {
        d_error = d_parameters.Last_Error();
        return false;
    }
    return true;
}

const TParameters& TFileChange::Parameters() const
{
    return d_parameters;
}

bool TFileChange::Set(const QString& assignment)
{
    const int equals = assignment.indexOf(QLatin1Char('='));
    if (equals <= 0)
    {
        d_error = QStringLiteral("'%1' is no KEY=VALUE").arg(assignment);
        return false;
    }
    const QString name = assignment.left(equals);
    const QString text = assignment.mid(equals + 1);

    // The whole name as a key first: keys of settings files may hold dots themselves.
    bool found = false;
    TParameters::TParameter record = d_parameters.Get_Parameter(name, &found);
    int index = 0;
    if (found && TParameters::Value_Count(record) != 1)
    {
        d_error = QStringLiteral("%1 holds %2 values: name one as %1.1 to %1.%2")
                      .arg(name)
                      .arg(TParameters::Value_Count(record));
        return false;
    }
    if (!found)
    {
        static const QRegularExpression position(QStringLiteral("^(.+)\\.([0-9]{1,9})$"));
        const QRegularExpressionMatch match = position.match(name);
        if (match.hasMatch())
        {
            record = d_parameters.Get_Parameter(match.captured(1), &found);
            index = match.captured(2).toInt() - 1;
        }
    }
    if (!found)
    {
        d_error = QStringLiteral("%1 holds no parameter %2").arg(QDir::toNativeSeparators(d_file_name), name);
        return false;
    }

    const TParameters::TParameter before = record;
    QString refusal;
    if (!TParameters::Set_Value_Text(&record, index, text, &refusal))
    {
        // The model ends some reasons with a full stop; here they go on.
        if (refusal.endsWith(QLatin1Char('.')))
        {
            refusal.chop(1);
        }
        d_error = QStringLiteral("%1: %2").arg(name, refusal);
        return false;
    }
    d_parameters.Edit_Parameter(record);
    d_changes.append(QStringLiteral("%1: %2 -> %3")
                         .arg(name, TParameters::Value_Text(before, index),
                              TParameters::Value_Text(d_parameters.Get_Parameter(record.key), index)));
    return true;
}

bool TFileChange::Take(const TParameters::TParameter& values)
{
    bool found = false;
    const TParameters::TParameter before = d_parameters.Get_Parameter(values.key, &found);
    if (!found)
    {
        d_error =
            QStringLiteral("%1 holds no parameter %2").arg(QDir::toNativeSeparators(d_file_name), values.key);
        return false;
    }
    d_parameters.Edit_Parameter(values);
    d_changes.append(values.key + QStringLiteral(": ") +
                     TValueTransfer::Change_Text(before, d_parameters.Get_Parameter(values.key)));
    return true;
}

QStringList TFileChange::Changes() const
{
    return d_changes;
}

bool TFileChange::Save(const QString& output_file_name)
{
    const bool in_place = output_file_name.isEmpty();
    if (!d_parameters.Save_Parameter_File(in_place ? d_file_name : output_file_name, in_place,
                                          &d_backup_file_name))
    {
        d_error = d_parameters.Last_Error();
        return false;
    }
    return true;
}

QString TFileChange::Backup_File_Name() const
{
    return d_backup_file_name;
}

QString TFileChange::Error() const
{
    return d_error;
}
