#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TXmlFile;

// Every rule group the user has defined, kept in "rules.xml" in the per-user directory.
class TRules
{
public:
    enum TOperatorType
    {
        OPERATOR_LESS_THAN = 0,
        OPERATOR_EQUAL = 1,
        OPERATOR_GREATER_THAN = 2,
        OPERATOR_NOT_LESS_THAN = 3,
        OPERATOR_NOT_EQUAL = 4,
        OPERATOR_NOT_GREATER_THAN = 5
    };

    struct TRuleItem
    {
        QString name;
        QString left_expression;
        QString right_expression;
        TOperatorType operator_type = OPERATOR_LESS_THAN;
    };

    struct TRule
    {
        QString name;
        std::vector<TRuleItem> rule_items;
    };

    struct TRuleItemSort
    {
        bool operator()(const TRuleItem& first, const TRuleItem& second) const;
    };

    TRules();

    void Set_Rule_Path(const QString& directory);
    QString Rule_File_Name() const;
    bool Load_Rules();
    bool Save_Rules() const;
    bool Is_Modified() const;

    QStringList Rule_Groups() const;
    QStringList Rule_List(const QString& group) const;
    std::vector<TRuleItem> Rules(const QString& group) const;
    TRuleItem Rule(const QString& group, const QString& name, bool* ok) const;

    bool Add_Rule(const QString& group, const TRuleItem& item);
    void Delete_Rule(const QString& group, const QString& name);
    bool Copy_Rule(const QString& source_group, const QString& target_group, const QString& name,
                   bool overwrite);
    bool Create_Group(const QString& name);
    void Remove_Group(const QString& name);
    void Sort_Rules();

    QString Last_Error() const;

    static QString Operator_Keyword(TOperatorType operator_type);

private:
    bool Write() const;
    void Read_Version_1(TXmlFile* xml_file);

    QString d_rule_path;
    std::vector<TRule> d_rule_groups;
    mutable bool d_modified = false;
    mutable QString d_last_error;
};
