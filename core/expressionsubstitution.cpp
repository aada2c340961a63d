// How an expression's variable names are replaced by their values before it is evaluated: name by
// name in table order, each as the regular expression "(\bNAME\b)" would replace it, with the common
// kinds of name replaced without running the expression.
#include "expression.h"

#include <QHash>
#include <QMutex>
#include <QRegularExpressionMatchIterator>

namespace
{
// Patterns that have to be run are shared by every evaluator in the program. A check of many files builds
// one evaluator per file with the same names, and compiling a pattern for its first match, then freeing
// the compiled code with the evaluator, costs many times the match itself. Copies of a regular expression
// share its compiled form, and matching one from several threads at once is safe. Only patterns that
// were run are kept, and the table starts over when it has grown large.
QRegularExpression Shared_Expression(const QString& pattern)
{
    static const int MAXIMUM_SHARED_EXPRESSIONS = 10000;
    static QMutex mutex;
    static QHash<QString, QRegularExpression> shared;

    const QMutexLocker locker(&mutex);
    const auto found = shared.constFind(pattern);
    if (found != shared.constEnd())
    {
        return found.value();
    }
    if (shared.size() >= MAXIMUM_SHARED_EXPRESSIONS)
    {
        shared.clear();
    }
    QRegularExpression expression(pattern);
    shared.insert(pattern, expression);
    return expression;
}
} // namespace

// A variable's name as the pattern that replaces it: the name keeps its regular-expression meaning, so an
// element name such as XY.2 matches XY, any character, 2. Parameter keys are written that way and rules
// rely on it.
QString TExpression::Name_Pattern(const QString& upper_name)
{
    return QStringLiteral("(\\b%1\\b)").arg(upper_name);
}

// What kind of pattern a variable's name makes, so that a substitution looks only at the names that
// could match.
TExpression::TPattern TExpression::Make_Pattern(const QString& name)
{
    TPattern pattern;
    pattern.name_length = name.size();
    const QString upper_name = name.toUpper();
    pattern.upper_name = upper_name;

    bool word_only = true;
    bool word_or_point = true;
    for (const QChar character : upper_name)
    {
        if (!Is_Word_Character(character))
        {
            word_only = false;
            if (character != QLatin1Char('.'))
            {
                word_or_point = false;
            }
        }
    }
    const int first_point = upper_name.indexOf(QLatin1Char('.'));

    // Names of word characters and points always form a valid pattern; compiling it waits until a
    // rule's text could contain the name, so loading thousands of parameters stays cheap.
    if (word_only)
    {
        pattern.kind = PATTERN_WORD;
    }
    else if (word_or_point && first_point > 0)
    {
        pattern.kind = PATTERN_DOTTED;
        pattern.head_length = first_point;
    }
    else if (!QRegularExpression(Name_Pattern(upper_name)).isValid())
    {
        pattern.kind = PATTERN_INVALID;
    }
    else
    {
        pattern.kind = PATTERN_OTHER;
    }
    // Values are written with digits, points, minus signs and parentheses only (and "inf" or "nan" in
    // small letters, which no upper-case name matches).
    const QChar first = upper_name.at(0);
    pattern.matches_in_values =
        pattern.kind == PATTERN_OTHER ||
        !((first >= QLatin1Char('A') && first <= QLatin1Char('Z')) || first == QLatin1Char('_'));
    return pattern;
}

// Files a new variable's pattern under its kind: words by their upper-case name, dotted names by the text
// in front of the first point, every other valid pattern in a list of its own.
void TExpression::File_Pattern(int sequence)
{
    TPattern& pattern = d_patterns[static_cast<std::size_t>(sequence)];
    switch (pattern.kind)
    {
    case PATTERN_WORD:
        d_name_starts.set(pattern.upper_name.at(0).unicode());
        pattern.next_same_key =
            d_by_word.Insert(sequence, [this](int filed)
                             { return QStringView(d_patterns[static_cast<std::size_t>(filed)].upper_name); });
        break;
    case PATTERN_DOTTED:
        d_name_starts.set(pattern.upper_name.at(0).unicode());
        pattern.next_same_key =
            d_by_dotted_head.Insert(sequence,
                                    [this](int filed)
                                    {
                                        const TPattern& dotted = d_patterns[static_cast<std::size_t>(filed)];
                                        return QStringView(dotted.upper_name).left(dotted.head_length);
                                    });
        if (!d_dotted_head_lengths.contains(pattern.head_length))
        {
            d_dotted_head_lengths.append(pattern.head_length);
        }
        break;
    case PATTERN_OTHER:
        d_other_patterns.append(sequence);
        break;
    case PATTERN_INVALID:
        break;
    }
}

int TExpression::Find_Word(QStringView word) const
{
    return d_by_word.Find(word, [this](int filed)
                          { return QStringView(d_patterns[static_cast<std::size_t>(filed)].upper_name); });
}

int TExpression::Find_Dotted_Head(QStringView head) const
{
    return d_by_dotted_head.Find(head,
                                 [this](int filed)
                                 {
                                     const TPattern& dotted = d_patterns[static_cast<std::size_t>(filed)];
                                     return QStringView(dotted.upper_name).left(dotted.head_length);
                                 });
}

QString TExpression::Replacement_Text(double value)
{
    const QString number = QString::number(value, 'f', 16);
    // In parentheses a negative value can follow an operator: 2*(-3.0...) rather than 2*-3.0...
    return value < 0.0 ? QStringLiteral("(%1)").arg(number) : number;
}

const QString& TExpression::Replacement(int sequence) const
{
    const TPattern& pattern = d_patterns[static_cast<std::size_t>(sequence)];
    if (pattern.replacement.isEmpty())
    {
        pattern.replacement = Replacement_Text(d_records[static_cast<std::size_t>(sequence)].value);
    }
    return pattern.replacement;
}

bool TExpression::Table_Order_Before(int first_sequence, int second_sequence) const
{
    const int first_length = d_patterns[static_cast<std::size_t>(first_sequence)].name_length;
    const int second_length = d_patterns[static_cast<std::size_t>(second_sequence)].name_length;
    if (first_length != second_length)
    {
        return first_length > second_length;
    }
    return first_sequence < second_sequence;
}

// Every variable whose pattern could match somewhere in the text and that comes after the given one in
// table order, in table order. A name made of word characters can only match a whole word token; a
// name of word characters and points can only match where a word token starts with its first part.
// Every other name is always a candidate.
QVector<int> TExpression::Candidates(const QString& text, int after_sequence) const
{
    QVector<int> candidates;
    const auto take = [&](int sequence)
    {
        if (after_sequence < 0 || Table_Order_Before(after_sequence, sequence))
        {
            candidates.append(sequence);
        }
    };
    // A chain of the names filed under one word or head, from the last one filed.
    const auto take_chain = [&](int sequence)
    {
        for (; sequence >= 0; sequence = d_patterns[static_cast<std::size_t>(sequence)].next_same_key)
        {
            take(sequence);
        }
    };

    const int size = text.size();
    int position = 0;
    while (position < size)
    {
        if (!Is_Word_Character(text.at(position)))
        {
            ++position;
            continue;
        }
        const int start = position;
        while (position < size && Is_Word_Character(text.at(position)))
        {
            ++position;
        }
        if (!d_name_starts.test(text.at(start).unicode()))
        {
            continue;
        }
        const int token_length = position - start;
        const QStringView token = QStringView(text).mid(start, token_length);

        take_chain(Find_Word(token));
        for (const int head_length : d_dotted_head_lengths)
        {
            if (head_length <= token_length)
            {
                take_chain(Find_Dotted_Head(token.left(head_length)));
            }
        }
    }
    for (const int sequence : d_other_patterns)
    {
        take(sequence);
    }

    std::sort(candidates.begin(), candidates.end(),
              [this](int first, int second) { return Table_Order_Before(first, second); });
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    return candidates;
}

// For a name of word characters only, "(\bNAME\b)" matches exactly the word tokens equal to the name,
// so replacing those tokens gives the regular expression's result without running it.
bool TExpression::Replace_Word(QString* text, const QString& word, const QString& replacement)
{
    const int size = text->size();
    QString result;
    int copied = 0;
    int position = 0;
    while (position < size)
    {
        if (!Is_Word_Character(text->at(position)))
        {
            ++position;
            continue;
        }
        const int start = position;
        while (position < size && Is_Word_Character(text->at(position)))
        {
            ++position;
        }
        if (position - start == word.size() && QStringView(*text).mid(start, position - start) == word)
        {
            result += QStringView(*text).mid(copied, start - copied);
            result += replacement;
            copied = position;
        }
    }
    if (copied == 0)
    {
        return false;
    }
    result += QStringView(*text).mid(copied);
    *text = result;
    return true;
}

// For a name of word characters and points, "(\bNAME\b)" matches where a word starts with the name, each
// point standing for any one character but a line feed, and a word boundary follows the last character
// matched. Replaced here without running the expression, which an element name such as AX_LIMIT.2 would
// otherwise cost on every evaluation. Only for text without surrogates: there a point would stand for a
// pair of code units.
bool TExpression::Replace_Dotted(QString* text, const QString& name, const QString& replacement)
{
    const int size = text->size();
    const int length = name.size();
    const QChar* data = text->constData();
    QString result;
    int copied = 0;
    for (int start = 0; start + length <= size; ++start)
    {
        if (data[start] != name.at(0) || (start > 0 && Is_Word_Character(data[start - 1])))
        {
            continue;
        }
        bool matched = true;
        for (int index = 0; index < length && matched; ++index)
        {
            const QChar wanted = name.at(index);
            matched = wanted == QLatin1Char('.') ? data[start + index] != QLatin1Char('\n')
                                                 : data[start + index] == wanted;
        }
        const int end = start + length;
        if (!matched || Is_Word_Character(data[end - 1]) == (end < size && Is_Word_Character(data[end])))
        {
            continue;
        }
        result += QStringView(*text).mid(copied, start - copied);
        result += replacement;
        copied = end;
        // Matches do not overlap: the next one starts after this one.
        start = end - 1;
    }
    if (copied == 0)
    {
        return false;
    }
    result += QStringView(*text).mid(copied);
    *text = result;
    return true;
}

// What text.replace(expression, replacement) gives, match by match as QString builds it. Unless
// `maximum_growth` is negative, it gives up as soon as the text has grown by more than that whatever the
// matches still to come do (each of them can take away no more than the text it covers), so that a name
// matching at every position is refused before the long text is written.
bool TExpression::Replace_Pattern(const QString& text, const QRegularExpression& expression,
                                  const QString& replacement, int maximum_growth, QString* result)
{
    result->clear();
    QRegularExpressionMatchIterator matches = expression.globalMatch(text);
    const int size = text.size();
    qint64 growth = 0;
    int copied = 0;
    while (matches.hasNext())
    {
        const QRegularExpressionMatch match = matches.next();
        const int start = match.capturedStart();
        const int end = match.capturedEnd();
        growth += replacement.size() - (end - start);
        if (maximum_growth >= 0 && growth - (size - end) > maximum_growth)
        {
            return false;
        }
        *result += QStringView(text).mid(copied, start - copied);
        *result += replacement;
        copied = end;
    }
    *result += QStringView(text).mid(copied);
    return true;
}

const QRegularExpression& TExpression::Expression(const TPattern& pattern)
{
    if (!pattern.expression)
    {
        pattern.expression = Shared_Expression(Name_Pattern(pattern.upper_name));
    }
    return *pattern.expression;
}

// Exactly the sequential replacement in table order, name by name; the candidate list only skips
// names that provably match nowhere in the current text, and is rebuilt whenever a replacement
// changed the text (a replaced value brings digits and points that a later pattern may match).
QString TExpression::Substitute(const QString& normalised, TUsage* usage) const
{
    QString text = normalised;
    const auto used = [this, usage](int sequence)
    {
        if (usage)
        {
            usage->variables.push_back(sequence);
            usage->value_dependent = d_value_matching_patterns > 0;
        }
    };
    // Values written in are plain ASCII, so whether the text holds a surrogate never changes below.
    const bool surrogates =
        std::any_of(text.cbegin(), text.cend(), [](QChar character) { return character.isSurrogate(); });
    QVector<int> candidates = Candidates(text, -1);
    int next = 0;
    while (next < candidates.size())
    {
        const int sequence = candidates.at(next);
        const TPattern& pattern = d_patterns[static_cast<std::size_t>(sequence)];
        if (pattern.kind == PATTERN_WORD || (pattern.kind == PATTERN_DOTTED && !surrogates))
        {
            const int size_before = text.size();
            const QString& replacement = Replacement(sequence);
            if (pattern.kind == PATTERN_WORD ? Replace_Word(&text, pattern.upper_name, replacement)
                                             : Replace_Dotted(&text, pattern.upper_name, replacement))
            {
                if (pattern.matches_in_values && text.size() - size_before > d_maximum_pattern_growth)
                {
                    return QString();
                }
                used(sequence);
                candidates = Candidates(text, sequence);
                next = 0;
                continue;
            }
        }
        else if (pattern.kind != PATTERN_INVALID && Expression(pattern).match(text).hasMatch())
        {
            QString replaced;
            if (!Replace_Pattern(text, *pattern.expression, Replacement(sequence),
                                 pattern.matches_in_values ? d_maximum_pattern_growth : -1, &replaced))
            {
                return QString();
            }
            if (replaced != text)
            {
                if (pattern.matches_in_values && replaced.size() - text.size() > d_maximum_pattern_growth)
                {
                    return QString();
                }
                text = replaced;
                used(sequence);
                candidates = Candidates(text, sequence);
                next = 0;
                continue;
            }
        }
        ++next;
    }
    return text;
}
