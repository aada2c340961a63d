#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QDateTime;
class TXmlFile;

// Every rule group the user has defined, kept in "rules.xml" in the per-user directory.
class TRules
{
    // Its words, in the window's language where a translator is installed (the command line has none).
    Q_DECLARE_TR_FUNCTIONS(TRules)

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

    // What becomes of an imported group whose name the store holds already.
    enum TClashAnswer
    {
        CLASH_REPLACE = 0,   // the imported group takes the place of the one held
        CLASH_KEEP_BOTH = 1, // the imported group is added as "NAME (2)", "NAME (3)" ...
        CLASH_SKIP = 2       // the imported group is left out
    };

    // Asked once for each clashing group: its name, and the name keeping both would give it.
    using TClashQuestion = std::function<TClashAnswer(const QString& name, const QString& kept_name)>;

    struct TRuleItemSort
    {
        bool operator()(const TRuleItem& first, const TRuleItem& second) const;
    };

    TRules();

    void Set_Rule_Path(const QString& directory);
    // Reads and writes this file instead of "rules.xml" in the rule path (a rules file named on the
    // command line).
    void Set_Rule_File_Name(const QString& file_name);
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
    // As Delete_Rule and Add_Rule, but for the one rule named exactly name (case-sensitive; the first
    // match without case only when no rule has exactly that name), so that of two rules whose names
    // differ only in case the right one is removed or replaced. Replace_Rule checks item as Add_Rule
    // does against the other rules of the group, then takes the old rule out and appends item at the
    // end; on failure nothing changes.
    bool Replace_Rule(const QString& group, const QString& old_name, const TRuleItem& item);
    void Delete_Rule_Exact(const QString& group, const QString& name);
    bool Copy_Rule(const QString& source_group, const QString& target_group, const QString& name,
                   bool overwrite);
    bool Create_Group(const QString& name);
    void Remove_Group(const QString& name);
    void Sort_Rules();

    // Reads a rules file other than the user's own into this store, as Load_Rules does, except that a
    // file of another version is an error: it is not this user's file to keep unread until the next save.
    bool Read_Rules_File(const QString& file_name);
    // Reads a rules file with the same reader as the store's own file and adds its groups in the file's
    // order. A group whose name the store holds already (compared without case, as group names are)
    // goes to `ask`. A file that does not load changes nothing: false, with the reader's reason in
    // Last_Error. The names under which groups were added or replaced go to `imported`.
    bool Import_Rules(const QString& file_name, const TClashQuestion& ask, QStringList* imported = nullptr);
    // Writes one group alone as a rules file, atomically as the store's own file is written, so that
    // Import_Rules and a rules file named on the command line read it back.
    bool Export_Group(const QString& group, const QString& file_name) const;
    // The first of "NAME (2)", "NAME (3)" ... that no group holds.
    QString Unused_Group_Name(const QString& name) const;

    QString Last_Error() const;

    static QString Operator_Keyword(TOperatorType operator_type);
    // The operator a rules file names, matched without case; false when it names none.
    static bool Operator_From_Keyword(const QString& keyword, TOperatorType* operator_type);

private:
    // What the store knows about the file on disk, so that a file it could not read is never
    // replaced without a copy being kept first.
    enum TFileState
    {
        FILE_NOT_READ = 0,   // no load from this directory yet
        FILE_MISSING = 1,    // the load found no file
        FILE_LOADED = 2,     // the file holds what this store read or wrote
        FILE_UNREADABLE = 3, // the file exists but did not load, or has another version
        FILE_KEPT = 4        // as above, and a copy of it has been made
    };

    bool Write() const;
    void Read_Version_1(TXmlFile* xml_file);
    void Check_Loaded_Texts(const QString& file_name);
    bool Keep_Unread_File() const;
    QString Unread_Copy_Name(const QDateTime& time) const;
    bool Check_Item(const TRuleItem& item) const;
    const TRule* Find_Group(const QString& name) const;
    TRule* Find_Group_Without_Case(const QString& name);
    TRule* Find_Group(const QString& name);
    static std::vector<TRuleItem>::iterator Find_Rule_Exact(std::vector<TRuleItem>* items,
                                                            const QString& name);

    QString d_rule_path;
    QString d_rule_file_name; // empty: "rules.xml" in d_rule_path
    std::vector<TRule> d_rule_groups;
    mutable bool d_modified = false;
    mutable QString d_last_error;
    mutable TFileState d_file_state = FILE_NOT_READ;
};
