#include "rules.h"

#include "ruleoperator.h"
#include "xmlfile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace
{
bool Same_Without_Case(const QString& first, const QString& second)
{
    return first.compare(second, Qt::CaseInsensitive) == 0;
}

// Whatever the store holds must go into the rules file and come back unchanged.
bool Fits_Xml(const QString& text)
{
    return TXmlFile::Is_Xml_Text(text);
}

} // namespace

bool TRules::TRuleItemSort::operator()(const TRuleItem& first, const TRuleItem& second) const
{
    // QString's ordering is by UTF-16 code unit, so capitals come before small letters.
    return first.name < second.name;
}

TRules::TRules() = default;

void TRules::Set_Rule_Path(const QString& directory)
{
    d_rule_path = directory;
    // A new directory holds a file this store has not read.
    d_file_state = FILE_NOT_READ;
}

void TRules::Set_Rule_File_Name(const QString& file_name)
{
    d_rule_file_name = file_name;
    d_file_state = FILE_NOT_READ;
}

QString TRules::Rule_File_Name() const
{
    if (!d_rule_file_name.isEmpty())
    {
        return d_rule_file_name;
    }
    return QStringLiteral("%1/rules.xml").arg(d_rule_path);
}

QString TRules::Operator_Keyword(TOperatorType operator_type)
{
    const TRuleOperator* rule_operator = TRuleOperator::Of(operator_type);
    return rule_operator ? rule_operator->keyword : QString();
}

bool TRules::Operator_From_Keyword(const QString& keyword, TOperatorType* operator_type)
{
    for (const TRuleOperator& rule_operator : TRuleOperator::All())
    {
        // Matched without case but not trimmed: " OPEATOR_EQUAL" is not a keyword.
        if (Same_Without_Case(keyword, rule_operator.keyword))
        {
            *operator_type = rule_operator.type;
            return true;
        }
    }
    return false;
}

QStringList TRules::Rule_Groups() const
{
    QStringList names;
    names.reserve(static_cast<int>(d_rule_groups.size()));
    for (const TRule& group : d_rule_groups)
    {
        names.append(group.name);
    }
    return names;
}

const TRules::TRule* TRules::Find_Group(const QString& name) const
{
    for (const TRule& group : d_rule_groups)
    {
        if (group.name == name)
        {
            return &group;
        }
    }
    return nullptr;
}

TRules::TRule* TRules::Find_Group(const QString& name)
{
    return const_cast<TRule*>(static_cast<const TRules*>(this)->Find_Group(name));
}

QStringList TRules::Rule_List(const QString& group) const
{
    QStringList names;
    const TRule* rule_group = Find_Group(group);
    if (rule_group)
    {
        names.reserve(static_cast<int>(rule_group->rule_items.size()));
        for (const TRuleItem& item : rule_group->rule_items)
        {
            names.append(item.name);
        }
    }
    return names;
}

std::vector<TRules::TRuleItem> TRules::Rules(const QString& group) const
{
    const TRule* rule_group = Find_Group(group);
    if (!rule_group)
    {
        return std::vector<TRuleItem>();
    }
    return rule_group->rule_items;
}

TRules::TRuleItem TRules::Rule(const QString& group, const QString& name, bool* ok) const
{
    const TRule* rule_group = Find_Group(group);
    if (rule_group)
    {
        for (const TRuleItem& item : rule_group->rule_items)
        {
            if (Same_Without_Case(item.name, name))
            {
                if (ok)
                {
                    *ok = true;
                }
                return item;
            }
        }
    }

    if (ok)
    {
        *ok = false;
    }
    d_last_error = TRules::tr("Rule not found");

    TRuleItem missing;
    missing.name = name;
    return missing;
}

bool TRules::Check_Item(const TRuleItem& item) const
{
    // The rules file must be able to carry every rule back: a name the reader cannot find again
    // would make the whole file fail to load at the next start.
    if (item.name.trimmed().isEmpty())
    {
        d_last_error = TRules::tr("Rule name is empty");
        return false;
    }
    if (!Fits_Xml(item.name) || !Fits_Xml(item.left_expression) || !Fits_Xml(item.right_expression))
    {
        d_last_error = TRules::tr("Rule item holds a character that the rules file cannot store");
        return false;
    }
    if (!TRuleOperator::Of(item.operator_type))
    {
        d_last_error = TRules::tr("Operator type not recognized");
        return false;
    }
    return true;
}

bool TRules::Add_Rule(const QString& group, const TRuleItem& item)
{
    TRule* rule_group = Find_Group(group);
    if (!rule_group)
    {
        d_last_error = TRules::tr("Source rule group not found");
        return false;
    }

    for (const TRuleItem& existing : rule_group->rule_items)
    {
        if (Same_Without_Case(existing.name, item.name))
        {
            d_last_error = TRules::tr("Rule item already exists");
            return false;
        }
    }

    if (!Check_Item(item))
    {
        return false;
    }

    rule_group->rule_items.push_back(item);
    d_modified = true;
    return true;
}

void TRules::Delete_Rule(const QString& group, const QString& name)
{
    TRule* rule_group = Find_Group(group);
    if (!rule_group)
    {
        return;
    }

    std::vector<TRuleItem>& items = rule_group->rule_items;
    for (auto iter = items.begin(); iter != items.end(); ++iter)
    {
        if (Same_Without_Case(iter->name, name))
        {
            items.erase(iter);
            d_modified = true;
            return;
        }
    }
}

std::vector<TRules::TRuleItem>::iterator TRules::Find_Rule_Exact(std::vector<TRuleItem>* items,
                                                                 const QString& name)
{
    const auto exact = std::find_if(items->begin(), items->end(),
                                    [&name](const TRuleItem& item) { return item.name == name; });
    if (exact != items->end())
    {
        return exact;
    }
    return std::find_if(items->begin(), items->end(),
                        [&name](const TRuleItem& item) { return Same_Without_Case(item.name, name); });
}

bool TRules::Replace_Rule(const QString& group, const QString& old_name, const TRuleItem& item)
{
    TRule* rule_group = Find_Group(group);
    if (!rule_group)
    {
        d_last_error = TRules::tr("Source rule group not found");
        return false;
    }

    std::vector<TRuleItem>& items = rule_group->rule_items;
    const auto old_rule = Find_Rule_Exact(&items, old_name);
    if (old_rule == items.end())
    {
        d_last_error = TRules::tr("Rule not found");
        return false;
    }

    // The rule being replaced may keep its name, or change only its case; any other rule of the
    // group, a twin from a hand-made file included, still holds its name against the new one.
    for (auto iter = items.begin(); iter != items.end(); ++iter)
    {
        if (iter != old_rule && Same_Without_Case(iter->name, item.name))
        {
            d_last_error = TRules::tr("Rule item already exists");
            return false;
        }
    }

    if (!Check_Item(item))
    {
        return false;
    }

    // As an added rule, the changed one is checked last until the next load sorts the group.
    items.erase(old_rule);
    items.push_back(item);
    d_modified = true;
    return true;
}

void TRules::Delete_Rule_Exact(const QString& group, const QString& name)
{
    TRule* rule_group = Find_Group(group);
    if (!rule_group)
    {
        return;
    }

    std::vector<TRuleItem>& items = rule_group->rule_items;
    const auto found = Find_Rule_Exact(&items, name);
    if (found != items.end())
    {
        items.erase(found);
        d_modified = true;
    }
}

bool TRules::Copy_Rule(const QString& source_group, const QString& target_group, const QString& name,
                       bool overwrite)
{
    const TRule* source = nullptr;
    for (const TRule& group : d_rule_groups)
    {
        if (Same_Without_Case(group.name, source_group))
        {
            source = &group;
            break;
        }
    }

    const TRuleItem* found = nullptr;
    if (source)
    {
        for (const TRuleItem& item : source->rule_items)
        {
            if (Same_Without_Case(item.name, name))
            {
                found = &item;
                break;
            }
        }
    }

    if (!found)
    {
        d_last_error = TRules::tr("Rule group not found");
        return false;
    }

    // A copy, not a reference: Delete_Rule below may remove the very rule being copied.
    const TRuleItem copy = *found;

    if (overwrite)
    {
        // Check first, so an overwrite that cannot complete does not leave the target without its rule.
        if (Find_Group(target_group) && !Check_Item(copy))
        {
            return false;
        }
        Delete_Rule(target_group, name);
    }
    return Add_Rule(target_group, copy);
}

bool TRules::Create_Group(const QString& name)
{
    for (const TRule& group : d_rule_groups)
    {
        if (Same_Without_Case(group.name, name))
        {
            d_last_error = TRules::tr("Group name already exists");
            return false;
        }
    }

    // The rules file cannot give back a group whose name is blank or holds control characters;
    // such a group would make the next start lose every group after it.
    if (name.trimmed().isEmpty())
    {
        d_last_error = TRules::tr("Group name is empty");
        return false;
    }
    if (!Fits_Xml(name))
    {
        d_last_error = TRules::tr("Group name holds a character that the rules file cannot store");
        return false;
    }

    TRule group;
    group.name = name;
    d_rule_groups.push_back(std::move(group));
    d_modified = true;
    return true;
}

void TRules::Remove_Group(const QString& name)
{
    for (auto iter = d_rule_groups.begin(); iter != d_rule_groups.end(); ++iter)
    {
        if (Same_Without_Case(iter->name, name))
        {
            d_rule_groups.erase(iter);
            d_modified = true;
            return;
        }
    }
}

void TRules::Sort_Rules()
{
    for (TRule& group : d_rule_groups)
    {
        std::sort(group.rule_items.begin(), group.rule_items.end(), TRuleItemSort());
    }
}

QString TRules::Last_Error() const
{
    return d_last_error;
}
