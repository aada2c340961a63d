// The rules file: how the store is read from and written to its XML file, and how an unreadable file
// is kept aside before it is written over.
#include "rules.h"

#include "xmlfile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace
{
const char* const RULES_IDENTIFICATION = "Rules";
const int RULES_FILE_VERSION = 1;

// The element names of the rules file, for its reader and its writer alike.
const QString RULE_GROUP_TAG = QStringLiteral("Rule_Group");
const QString RULE_ITEM_TAG = QStringLiteral("Rule_Item");
const QString NAME_TAG = QStringLiteral("Name");
const QString LEFT_TAG = QStringLiteral("Left_Expression");
const QString RIGHT_TAG = QStringLiteral("Right_Expression");
const QString OPERATOR_TAG = QStringLiteral("Operator");
} // namespace

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
        bool fits = TXmlFile::Is_Xml_Text(group.name);
        for (const TRuleItem& item : group.rule_items)
        {
            fits = fits && TXmlFile::Is_Xml_Text(item.name) && TXmlFile::Is_Xml_Text(item.left_expression) &&
                   TXmlFile::Is_Xml_Text(item.right_expression);
        }
        if (!fits)
        {
            d_rule_groups.clear();
            throw TXmlFileException(
                TRules::tr("ERR:  Rules file '%1' holds a character that the rules file cannot store")
                    .arg(file_name),
                TXmlFileException::XML_ERROR);
        }
    }
}

void TRules::Read_Version_1(TXmlFile* xml_file)
{
    Q_ASSERT_X(xml_file != nullptr, "src/rules", "xml_file");

    d_rule_groups.clear();

    QDomElement group_element = xml_file->GetNode(xml_file->Root_Node(), RULE_GROUP_TAG, true);
    while (!group_element.isNull())
    {
        TRule group;

        QDomElement name_element = xml_file->GetNode(&group_element, NAME_TAG, false);
        group.name = xml_file->ReadTextNode(&name_element, false);

        QDomElement item_element = xml_file->GetNode(&group_element, RULE_ITEM_TAG, true);
        while (!item_element.isNull())
        {
            TRuleItem item;

            QDomElement item_name = xml_file->GetNode(&item_element, NAME_TAG, false);
            item.name = xml_file->ReadTextNode(&item_name, false);

            QDomElement left = xml_file->GetNode(&item_element, LEFT_TAG, true);
            if (!left.isNull())
            {
                item.left_expression = xml_file->ReadTextNode(&left, false);
            }

            QDomElement right = xml_file->GetNode(&item_element, RIGHT_TAG, true);
            if (!right.isNull())
            {
                item.right_expression = xml_file->ReadTextNode(&right, false);
            }

            QDomElement operator_element = xml_file->GetNode(&item_element, OPERATOR_TAG, false);
            const QString keyword = xml_file->ReadTextNode(&operator_element, false);

            const bool recognised = Operator_From_Keyword(keyword, &item.operator_type);
            if (!recognised)
            {
                throw TXmlFileException(TRules::tr("Operator type not recognized"),
                                        TXmlFileException::XML_ERROR);
            }

            group.rule_items.push_back(std::move(item));
            item_element = xml_file->GetSiblingNode(&item_element, RULE_ITEM_TAG, true);
        }

        d_rule_groups.push_back(std::move(group));
        group_element = xml_file->GetSiblingNode(&group_element, RULE_GROUP_TAG, true);
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
        d_last_error = TRules::tr("No directory is set for the rules file");
        return false;
    }

    const QString file_name = Rule_File_Name();

    try
    {
        TXmlFile xml_file;
        xml_file.Set_File_Name(file_name);
        xml_file.Reset(QString::fromLatin1(RULES_IDENTIFICATION), RULES_FILE_VERSION);

        // The document is built in full before the file is touched, so a text that cannot be
        // written leaves the file on disk as it was.
        for (const TRule& group : d_rule_groups)
        {
            QDomElement group_element = xml_file.CreateNode(xml_file.Root_Node(), RULE_GROUP_TAG);
            QDomElement group_name = xml_file.CreateNode(&group_element, NAME_TAG);
            xml_file.WriteTextNode(&group_name, group.name);

            for (const TRuleItem& item : group.rule_items)
            {
                QDomElement item_element = xml_file.CreateNode(&group_element, RULE_ITEM_TAG);
                QDomElement item_name = xml_file.CreateNode(&item_element, NAME_TAG);
                xml_file.WriteTextNode(&item_name, item.name);

                const QString left = item.left_expression.simplified();
                if (!left.isEmpty())
                {
                    QDomElement element = xml_file.CreateNode(&item_element, LEFT_TAG);
                    xml_file.WriteTextNode(&element, left);
                }

                const QString right = item.right_expression.simplified();
                if (!right.isEmpty())
                {
                    QDomElement element = xml_file.CreateNode(&item_element, RIGHT_TAG);
                    xml_file.WriteTextNode(&element, right);
                }

                QDomElement operator_element = xml_file.CreateNode(&item_element, OPERATOR_TAG);
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
        d_last_error = TRules::tr("The rules file '%1' could not be read and was kept; a copy of it "
                                  "could not be made as '%2' (%3), so it was not overwritten")
                           .arg(file_name, copy_name, source.errorString());
        return false;
    }

    d_file_state = FILE_KEPT;
    return true;
}
