#pragma once

#include "sequenceindex.h"

#include <QRegularExpression>
#include <QString>
#include <QStringView>
#include <QVector>
#include <bitset>
#include <optional>
#include <stack>
#include <vector>

// Evaluates arithmetic expressions over named variables: + - * / ^, parentheses, SQRT and SUMSQ.
// Every failure comes back as the value 0 with the validity flag false; nothing is shown or thrown.
class TExpression
{
public:
    struct TVariable
    {
        QString name;
        double value = 0.0;
    };

    TExpression();
    // An evaluator whose names may each add at most `maximum_pattern_growth` characters rather than
    // MAXIMUM_PATTERN_GROWTH, so that a fuzzer meets the same refusals on texts it can afford to build.
    explicit TExpression(int maximum_pattern_growth);

    bool Add_Variable(const TVariable& variable);
    bool Add_Variable(const QString& name, const double& value);
    // Room for this many variables in all, so that filling the table of a big file allocates once.
    void Reserve_Variables(int count);

    int Variable_Count() const;
    QString Variable_Name(int index) const;
    double Variable_Value(int index) const;
    TVariable Variable(int index) const;
    double Variable_Value(const QString& name, bool* ok) const;

    double Evaluate(const QString& expression, bool* valid) const;
    // Why an expression does not evaluate, in words that say what to change ("Unknown name: DEA_TAP.",
    // "A bracket is not closed."); empty for an expression that evaluates.
    QString Invalid_Reason(const QString& expression) const;

    // Which variables an evaluation wrote into the expression, by the order in which their names were
    // first added, and whether a change of any value can change which names are found: true only when
    // some name can match inside the digits of a value written in (it starts with a digit, or it is no
    // plain word), so that a rule can be checked again after an edit of exactly the values it uses.
    struct TUsage
    {
        std::vector<int> variables;
        bool value_dependent = false;
    };
    double Evaluate(const QString& expression, bool* valid, TUsage* usage) const;
    // The order in which a name was first added, or -1 for a name the table does not hold.
    int Variable_Sequence(const QString& name) const;

    // Replaces every variable name in an already normalised expression (no white space, upper case) by
    // its value, longest name first, exactly as Evaluate does before it scans the text. Public so that
    // the substitution can be checked on its own. A name is read as a pattern, so a key such as "A|" can
    // match everywhere and every value written in brings more matches: once one such name adds more
    // than MAXIMUM_PATTERN_GROWTH characters the substitution stops and gives the empty text, which is
    // not valid. A name that starts with a letter or "_" and is otherwise made of word characters and
    // points never matches inside a value written in, so what it adds is bounded by the expression
    // itself and is never cut short, however long the text becomes.
    QString Substitute(const QString& normalised, TUsage* usage = nullptr) const;
    static constexpr int MAXIMUM_PATTERN_GROWTH = 100000;
    // The regular-expression word characters: \b sits between one of these and anything else.
    static bool Is_Word_Character(QChar character);

    // Parenthesised groups and function calls nested deeper than this make the text invalid, so that no
    // expression can exhaust the stack.
    static constexpr int MAXIMUM_NESTING = 256;

private:
    // How a variable's pattern can be ruled out without running it on the expression text.
    enum TPatternKind
    {
        PATTERN_WORD,   // only word characters: matches exactly the word tokens equal to the name
        PATTERN_DOTTED, // word characters and "." (any character): a match starts with a token that
                        // begins with the characters in front of the first "."
        PATTERN_OTHER,  // anything else: always run
        PATTERN_INVALID // not a valid regular expression: never replaces anything
    };

    // A variable's substitution, prepared once when the variable is added. Indexed by the order in which
    // names were first added, which together with the name length gives the table order without having
    // to track positions that move when a longer name is inserted.
    struct TPattern
    {
        int name_length = 0;
        TPatternKind kind = PATTERN_OTHER;
        QString upper_name;
        // PATTERN_DOTTED: the length of the text before the first ".".
        int head_length = 0;
        // The variable filed before this one under the same word or dotted head, or -1.
        int next_same_key = -1;
        // Made (or taken from the patterns all evaluators share) when it is first run: most names are
        // replaced as words without one.
        mutable std::optional<QRegularExpression> expression;
        // The value as it is written into the text, made when the name is first found there: a rule
        // names a few of the thousands of parameters an evaluator holds.
        mutable QString replacement;
        // Whether the pattern can match inside the digits, points and signs of a value written in.
        bool matches_in_values = true;
    };

    // On a vector rather than the default deque: most expressions are short, and a deque allocates its
    // first block before anything is pushed.
    using TNumberStack = std::stack<double, std::vector<double>>;
    using TOperatorStack = std::stack<int, std::vector<int>>;
    struct TReading;
    double Process_Expression(QStringView text, bool* valid, int depth) const;
    bool Read_Operator(TReading* reading) const;
    bool Read_Nested_Operand(TReading* reading, int depth) const;
    bool Push_Last_Operand(TReading* reading) const;
    double Process_Function(QStringView text, int* function_length, bool* valid, int depth) const;
    double Process_Group(QStringView text, int* group_length, bool* valid, int depth) const;
    void Push_Operator(TNumberStack* number_stack, TOperatorStack* oper_stack, int oper) const;
    double Reduce_All(TNumberStack* number_stack, TOperatorStack* oper_stack, bool* valid) const;
    int Find_Closing_Brace(QStringView text, int start) const;
    int Operator_Precidence(int oper) const;
    double Apply_Expression(TNumberStack* number_stack, TOperatorStack* oper_stack) const;

    static QString Name_Pattern(const QString& upper_name);
    static TPattern Make_Pattern(const QString& name);
    void File_Pattern(int sequence);
    static QString Replacement_Text(double value);
    const QString& Replacement(int sequence) const;
    static const QRegularExpression& Expression(const TPattern& pattern);
    bool Table_Order_Before(int first_sequence, int second_sequence) const;
    QVector<int> Candidates(const QString& text, int after_sequence) const;
    static bool Replace_Word(QString* text, const QString& word, const QString& replacement);
    static bool Replace_Dotted(QString* text, const QString& name, const QString& replacement);
    static bool Replace_Pattern(const QString& text, const QRegularExpression& expression,
                                const QString& replacement, int maximum_growth, QString* result);

    const std::vector<TVariable>& Table() const;

    // The table in its order (longest name first, then first added) is built when it is read, so that
    // adding the hundreds of thousands of variables of a big parameter file stays linear.
    mutable std::vector<TVariable> d_variables;
    mutable bool d_table_current = true;
    std::vector<TVariable> d_records; // by first-add sequence number, like d_patterns

    int Find_Name(QStringView name) const;
    int Find_Word(QStringView word) const;
    int Find_Dotted_Head(QStringView head) const;

    int d_maximum_pattern_growth = MAXIMUM_PATTERN_GROWTH;
    std::vector<TPattern> d_patterns; // by first-add sequence number
    TSequenceIndex d_by_name;         // exact name -> sequence number
    // Upper-case name -> the last of its sequence numbers (PATTERN_WORD), chained by next_same_key.
    TSequenceIndex d_by_word;
    // Text before the first "." -> the last of its sequence numbers (PATTERN_DOTTED), chained likewise.
    TSequenceIndex d_by_dotted_head;
    QVector<int> d_dotted_head_lengths; // distinct head lengths of the dotted names
    QVector<int> d_other_patterns;      // sequence numbers of PATTERN_OTHER
    // The first characters of the word names and dotted heads: a word token starting with any other
    // character (the digits of a value written in, mostly) can match none of them.
    std::bitset<128> d_name_starts;
    // How many names can match inside a value written in.
    int d_value_matching_patterns = 0;
};
