#include "rules.h"

#include "xmlfile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace
{
const char* const RULES_IDENTIFICATION = "Rules";
const int RULES_FILE_VERSION = 1;

const int OPERATOR_COUNT = 6;

bool Same_Without_Case(const QString& first, const QString& second)
{
    return first.compare(second, Qt::CaseInsensitive) == 0;
}

// Whatever the store holds must go into the rules file and come back unchanged.
bool Fits_Xml(const QString& text)
{
    return TXmlFile::Is_Xml_Text(text);
}

bool Valid_Operator(int value)
{
    return value >= 0 && value < OPERATOR_COUNT;
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
    const int value = static_cast<int>(operator_type);
    if (!Valid_Operator(value))
    {
        return QString();
    }
    // The keyword of value 1 is spelled as every rules file written so far holds it; it must stay so.
    switch (operator_type)
    {
    case OPERATOR_LESS_THAN:
        return QStringLiteral("OPERATOR_LESS_THAN");
    case OPERATOR_EQUAL:
        return QStringLiteral("OPEATOR_EQUAL");
    case OPERATOR_GREATER_THAN:
        return QStringLiteral("OPERATOR_GREATER_THAN");
    case OPERATOR_NOT_LESS_THAN:
        return QStringLiteral("OPERATOR_NOT_LESS_THAN");
    case OPERATOR_NOT_EQUAL:
        return QStringLiteral("OPERATOR_NOT_EQUAL");
    case OPERATOR_NOT_GREATER_THAN:
        return QStringLiteral("OPERATOR_NOT_GREATER_THAN");
    }
    return QString();
}

bool TRules::Load_Rules()
{
    const QString file_name = Rule_File_Name();
    const bool file_exists = QFileInfo::exists(file_name) || QFileInfo(file_name).isSymLink();

    try
    {
        TXmlFile xml_file;
        int version = 0;

        xml_file.Set_File_Name(file_name);
        xml_file.Open(QString::fromLatin1(RULES_IDENTIFICATION), &version, true);

        if (version == RULES_FILE_VERSION)
        {
            Read_Version_1(&xml_file);
            Check_Loaded_Texts(file_name);
            d_file_state = FILE_LOADED;
        }
        else
        {
            // A file of another version is left unread; its content must survive the next save.
            d_file_state = FILE_UNREADABLE;
        }
    }
    catch (const TXmlFileException& exception)
    {
        d_last_error = exception.ErrorText();
        d_file_state = file_exists ? FILE_UNREADABLE : FILE_MISSING;
        return false;
    }

    Sort_Rules();
    d_modified = false;
    return true;
}

void TRules::Check_Loaded_Texts(const QString& file_name)
{
    // The XML layer reads a character XML forbids (a reference such as &#1; in a hand-edited file) as
    // text, but a rules file holding one could never be written back: the next save would fail on it.
    // Such a file counts as unreadable, so it is kept beside itself before the store writes over it.
    for (const TRule& group : d_rule_groups)
    {
        bool fits = Fits_Xml(group.name);
        for (const TRuleItem& item : group.rule_items)
        {
            fits = fits && Fits_Xml(item.name) && Fits_Xml(item.left_expression) &&
                   Fits_Xml(item.right_expression);
        }
        if (!fits)
        {
            d_rule_groups.clear();
            throw TXmlFileException(
                QStringLiteral("ERR:  Rules file '%1' holds a character that the rules file cannot store")
                    .arg(file_name),
                TXmlFileException::XML_ERROR);
        }
    }
}

void TRules::Read_Version_1(TXmlFile* xml_file)
{
    Q_ASSERT_X(xml_file != nullptr, "src/rules", "xml_file");

    d_rule_groups.clear();

    const QString rule_group_tag = QStringLiteral("Rule_Group");
    const QString rule_item_tag = QStringLiteral("Rule_Item");
    const QString name_tag = QStringLiteral("Name");
    const QString left_tag = QStringLiteral("Left_Expression");
    const QString right_tag = QStringLiteral("Right_Expression");
    const QString operator_tag = QStringLiteral("Operator");

    QDomElement group_element = xml_file->GetNode(xml_file->Root_Node(), rule_group_tag, true);
    while (!group_element.isNull())
    {
        TRule group;

        QDomElement name_element = xml_file->GetNode(&group_element, name_tag, false);
        group.name = xml_file->ReadTextNode(&name_element, false);

        QDomElement item_element = xml_file->GetNode(&group_element, rule_item_tag, true);
        while (!item_element.isNull())
        {
            TRuleItem item;

            QDomElement item_name = xml_file->GetNode(&item_element, name_tag, false);
            item.name = xml_file->ReadTextNode(&item_name, false);

            QDomElement left = xml_file->GetNode(&item_element, left_tag, true);
            if (!left.isNull())
            {
                item.left_expression = xml_file->ReadTextNode(&left, false);
            }

            QDomElement right = xml_file->GetNode(&item_element, right_tag, true);
            if (!right.isNull())
            {
                item.right_expression = xml_file->ReadTextNode(&right, false);
            }

            QDomElement operator_element = xml_file->GetNode(&item_element, operator_tag, false);
            const QString keyword = xml_file->ReadTextNode(&operator_element, false);

            bool recognised = false;
            for (int value = 0; value < OPERATOR_COUNT; ++value)
            {
                const TOperatorType operator_type = static_cast<TOperatorType>(value);
                // Matched without case but not trimmed: " OPEATOR_EQUAL" is not a keyword.
                if (Same_Without_Case(keyword, Operator_Keyword(operator_type)))
                {
                    item.operator_type = operator_type;
                    recognised = true;
                    break;
                }
            }
            if (!recognised)
            {
                throw TXmlFileException(QStringLiteral("Operator type not recognized"),
                                        TXmlFileException::XML_ERROR);
            }

            group.rule_items.push_back(std::move(item));
            item_element = xml_file->GetSiblingNode(&item_element, rule_item_tag, true);
        }

        d_rule_groups.push_back(std::move(group));
        group_element = xml_file->GetSiblingNode(&group_element, rule_group_tag, true);
    }
}

bool TRules::Save_Rules() const
{
    if (!d_modified)
    {
        return true;
    }
    return Write();
}

bool TRules::Is_Modified() const
{
    return d_modified;
}

bool TRules::Write() const
{
    if (d_rule_path.isEmpty() && d_rule_file_name.isEmpty())
    {
        // Without a directory the name would be "/rules.xml": never write there.
        d_last_error = QStringLiteral("No directory is set for the rules file");
        return false;
    }

    const QString file_name = Rule_File_Name();

    try
    {
        TXmlFile xml_file;
        xml_file.Set_File_Name(file_name);
        xml_file.Reset(QString::fromLatin1(RULES_IDENTIFICATION), RULES_FILE_VERSION);

        const QString rule_group_tag = QStringLiteral("Rule_Group");
        const QString rule_item_tag = QStringLiteral("Rule_Item");
        const QString name_tag = QStringLiteral("Name");

        // The document is built in full before the file is touched, so a text that cannot be
        // written leaves the file on disk as it was.
        for (const TRule& group : d_rule_groups)
        {
            QDomElement group_element = xml_file.CreateNode(xml_file.Root_Node(), rule_group_tag);
            QDomElement group_name = xml_file.CreateNode(&group_element, name_tag);
            xml_file.WriteTextNode(&group_name, group.name);

            for (const TRuleItem& item : group.rule_items)
            {
                QDomElement item_element = xml_file.CreateNode(&group_element, rule_item_tag);
                QDomElement item_name = xml_file.CreateNode(&item_element, name_tag);
                xml_file.WriteTextNode(&item_name, item.name);

                const QString left = item.left_expression.simplified();
                if (!left.isEmpty())
                {
                    QDomElement element =
                        xml_file.CreateNode(&item_element, QStringLiteral("Left_Expression"));
                    xml_file.WriteTextNode(&element, left);
                }

                const QString right = item.right_expression.simplified();
                if (!right.isEmpty())
                {
                    QDomElement element =
                        xml_file.CreateNode(&item_element, QStringLiteral("Right_Expression"));
                    xml_file.WriteTextNode(&element, right);
                }

                QDomElement operator_element = xml_file.CreateNode(&item_element, QStringLiteral("Operator"));
                xml_file.WriteTextNode(&operator_element, Operator_Keyword(item.operator_type));
            }
        }

        if (!Keep_Unread_File())
        {
            return false;
        }

        xml_file.WriteXmlFile(false);
    }
    catch (const TXmlFileException& exception)
    {
        d_last_error = exception.ErrorText();
        return false;
    }

    d_file_state = FILE_LOADED;
    d_modified = false;
    return true;
}

QString TRules::Unread_Copy_Name(const QDateTime& time) const
{
    return QStringLiteral("%1.unreadable-%2")
        .arg(Rule_File_Name(), time.toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

bool TRules::Keep_Unread_File() const
{
    if (d_file_state == FILE_LOADED || d_file_state == FILE_KEPT)
    {
        return true;
    }

    const QString file_name = Rule_File_Name();
    const QFileInfo file_info(file_name);
    if (!file_info.exists() && !file_info.isSymLink())
    {
        // Nothing on disk that the write could destroy.
        return true;
    }

    // The file on disk holds rules that this store never read (it did not load, has another
    // version, or was never opened): keep it beside itself, under a name nobody has used yet,
    // before the first write replaces it.
    const QString base_name = Unread_Copy_Name(QDateTime::currentDateTime());
    QString copy_name = base_name;
    for (int counter = 1; QFileInfo::exists(copy_name) || QFileInfo(copy_name).isSymLink(); ++counter)
    {
        copy_name = QStringLiteral("%1-%2").arg(base_name).arg(counter);
    }

    QFile source(file_name);
    if (!source.copy(copy_name))
    {
        d_last_error = QStringLiteral("The rules file '%1' could not be read and was kept; a copy of it "
                                      "could not be made as '%2' (%3), so it was not overwritten")
                           .arg(file_name, copy_name, source.errorString());
        return false;
    }

    d_file_state = FILE_KEPT;
    return true;
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
    d_last_error = QStringLiteral("Rule not found");

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
        d_last_error = QStringLiteral("Rule name is empty");
        return false;
    }
    if (!Fits_Xml(item.name) || !Fits_Xml(item.left_expression) || !Fits_Xml(item.right_expression))
    {
        d_last_error = QStringLiteral("Rule item holds a character that the rules file cannot store");
        return false;
    }
    if (!Valid_Operator(static_cast<int>(item.operator_type)))
    {
        d_last_error = QStringLiteral("Operator type not recognized");
        return false;
    }
    return true;
}

bool TRules::Add_Rule(const QString& group, const TRuleItem& item)
{
    TRule* rule_group = Find_Group(group);
    if (!rule_group)
    {
        d_last_error = QStringLiteral("Source rule group not found");
        return false;
    }

    for (const TRuleItem& existing : rule_group->rule_items)
    {
        if (Same_Without_Case(existing.name, item.name))
        {
            d_last_error = QStringLiteral("Rule item already exists");
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
        d_last_error = QStringLiteral("Source rule group not found");
        return false;
    }

    std::vector<TRuleItem>& items = rule_group->rule_items;
    const auto old_rule = Find_Rule_Exact(&items, old_name);
    if (old_rule == items.end())
    {
        d_last_error = QStringLiteral("Rule not found");
        return false;
    }

    // The rule being replaced may keep its name, or change only its case; any other rule of the
    // group, a twin from a hand-made file included, still holds its name against the new one.
    for (auto iter = items.begin(); iter != items.end(); ++iter)
    {
        if (iter != old_rule && Same_Without_Case(iter->name, item.name))
        {
            d_last_error = QStringLiteral("Rule item already exists");
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
        d_last_error = QStringLiteral("Rule group not found");
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
            d_last_error = QStringLiteral("Group name already exists");
            return false;
        }
    }

    // The rules file cannot give back a group whose name is blank or holds control characters;
    // such a group would make the next start lose every group after it.
    if (name.trimmed().isEmpty())
    {
        d_last_error = QStringLiteral("Group name is empty");
        return false;
    }
    if (!Fits_Xml(name))
    {
        d_last_error = QStringLiteral("Group name holds a character that the rules file cannot store");
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
