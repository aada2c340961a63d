// Rule groups travel between colleagues as rules files: a group is exported alone and imported into
// another user's store beside the groups held there.
#include "rules.h"

namespace
{
bool Same_Without_Case(const QString& first, const QString& second)
{
    return first.compare(second, Qt::CaseInsensitive) == 0;
}
} // namespace

TRules::TRule* TRules::Find_Group_Without_Case(const QString& name)
{
    for (TRule& group : d_rule_groups)
    {
        if (Same_Without_Case(group.name, name))
        {
            return &group;
        }
    }
    return nullptr;
}

QString TRules::Unused_Group_Name(const QString& name) const
{
    const QStringList names = Rule_Groups();
    for (int counter = 2;; ++counter)
    {
        QString candidate = QStringLiteral("%1 (%2)").arg(name).arg(counter);
        if (!names.contains(candidate, Qt::CaseInsensitive))
        {
            return candidate;
        }
    }
}

bool TRules::Read_Rules_File(const QString& file_name)
{
    Set_Rule_File_Name(file_name);
    if (!Load_Rules())
    {
        return false;
    }
    if (d_file_state != FILE_LOADED)
    {
        d_last_error =
            TRules::tr("ERR:  Rules file '%1' has a file version this program does not read").arg(file_name);
        return false;
    }
    return true;
}

bool TRules::Import_Rules(const QString& file_name, const TClashQuestion& ask, QStringList* imported)
{
    // The file is read into a store of its own: whatever fails on the way leaves this one untouched.
    TRules source;
    if (!source.Read_Rules_File(file_name))
    {
        d_last_error = source.Last_Error();
        return false;
    }

    for (TRule& group : source.d_rule_groups)
    {
        TRule* held = Find_Group_Without_Case(group.name);
        if (!held)
        {
            if (imported)
            {
                imported->append(group.name);
            }
            d_rule_groups.push_back(std::move(group));
            d_modified = true;
            continue;
        }

        const QString kept_name = Unused_Group_Name(group.name);
        switch (ask ? ask(group.name, kept_name) : CLASH_SKIP)
        {
        case CLASH_REPLACE:
            // In the place of the held group, so the selector keeps its order.
            *held = std::move(group);
            if (imported)
            {
                imported->append(held->name);
            }
            d_modified = true;
            break;
        case CLASH_KEEP_BOTH:
            group.name = kept_name;
            if (imported)
            {
                imported->append(group.name);
            }
            d_rule_groups.push_back(std::move(group));
            d_modified = true;
            break;
        case CLASH_SKIP:
            break;
        }
    }
    return true;
}

bool TRules::Export_Group(const QString& group, const QString& file_name) const
{
    const TRule* found = Find_Group(group);
    if (!found)
    {
        d_last_error = TRules::tr("Rule group not found");
        return false;
    }
    if (file_name.isEmpty())
    {
        d_last_error = TRules::tr("No file name is given for the exported rule group");
        return false;
    }

    // A store holding only this group writes it. The user chose the file to replace, so the copy the
    // store keeps of a rules file it never read is not wanted here.
    TRules single;
    single.d_rule_file_name = file_name;
    single.d_rule_groups.push_back(*found);
    single.d_file_state = FILE_LOADED;
    if (!single.Write())
    {
        d_last_error = single.d_last_error;
        return false;
    }
    return true;
}
