// Why an expression does not evaluate, told in words the person writing a rule can act on: a name that no
// parameter gives, a bracket left open, two operators together. The evaluation itself only says valid or
// not; this reading is made afterwards, and only for a text that did not evaluate.
#include "expression.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
// The reasons are looked up in the window's language; without a translator (vantrel-cli) they stay English.
QString Text(const char* text)
{
    return QCoreApplication::translate("TExpression", text);
}

enum TTokenKind
{
    TOKEN_NUMBER,
    TOKEN_NAME,
    TOKEN_OPERATOR,
    TOKEN_OPEN,
    TOKEN_CLOSE,
    TOKEN_COMMA,
    TOKEN_OTHER
};

struct TToken
{
    TTokenKind kind = TOKEN_OTHER;
    QString text;
};

bool Is_Digit(QChar character)
{
    return character >= QLatin1Char('0') && character <= QLatin1Char('9');
}

bool Is_Number_Start(QChar character)
{
    return Is_Digit(character) || character == QLatin1Char('.');
}

bool Is_Operator_Character(QChar character)
{
    return character == QLatin1Char('+') || character == QLatin1Char('-') || character == QLatin1Char('*') ||
           character == QLatin1Char('/') || character == QLatin1Char('^');
}

std::vector<TToken> Tokens(const QString& text)
{
    std::vector<TToken> tokens;
    int position = 0;
    const int size = static_cast<int>(text.size());
    while (position < size)
    {
        const QChar character = text.at(position);
        TToken token;
        int end = position + 1;
        if (Is_Number_Start(character))
        {
            token.kind = TOKEN_NUMBER;
            while (end < size && Is_Number_Start(text.at(end)))
            {
                ++end;
            }
        }
        else if (TExpression::Is_Word_Character(character))
        {
            // An element name goes on after its point: KEY.2.
            token.kind = TOKEN_NAME;
            while (end < size && (TExpression::Is_Word_Character(text.at(end)) ||
                                  (text.at(end) == QLatin1Char('.') && end + 1 < size &&
                                   TExpression::Is_Word_Character(text.at(end + 1)))))
            {
                ++end;
            }
        }
        else if (Is_Operator_Character(character))
        {
            token.kind = TOKEN_OPERATOR;
        }
        else if (character == QLatin1Char('('))
        {
            token.kind = TOKEN_OPEN;
        }
        else if (character == QLatin1Char(')'))
        {
            token.kind = TOKEN_CLOSE;
        }
        else if (character == QLatin1Char(','))
        {
            token.kind = TOKEN_COMMA;
        }
        token.text = text.mid(position, end - position);
        tokens.push_back(token);
        position = end;
    }
    return tokens;
}

bool Is_Function(const std::vector<TToken>& tokens, std::size_t index)
{
    const TToken& token = tokens[index];
    return token.kind == TOKEN_NAME &&
           (token.text == QLatin1String("SQRT") || token.text == QLatin1String("SUMSQ")) &&
           index + 1 < tokens.size() && tokens[index + 1].kind == TOKEN_OPEN;
}

// The brackets of the text as typed: values written in for names only add pairs that close.
QString Bracket_Reason(const QString& normalised)
{
    int depth = 0;
    int deepest = 0;
    for (const QChar character : normalised)
    {
        if (character == QLatin1Char('('))
        {
            deepest = std::max(deepest, ++depth);
        }
        else if (character == QLatin1Char(')') && --depth < 0)
        {
            return Text(
                QT_TRANSLATE_NOOP("TExpression", "A closing bracket has no opening bracket before it."));
        }
    }
    if (depth > 0)
    {
        return depth == 1 ? Text(QT_TRANSLATE_NOOP("TExpression", "A bracket is not closed."))
                          : Text(QT_TRANSLATE_NOOP("TExpression", "%1 brackets are not closed.")).arg(depth);
    }
    if (deepest > TExpression::MAXIMUM_NESTING)
    {
        return Text(QT_TRANSLATE_NOOP("TExpression", "Brackets are nested more than %1 deep."))
            .arg(TExpression::MAXIMUM_NESTING);
    }
    return QString();
}

// Names left in the text once the variables are written in: no parameter gives them.
QString Name_Reason(const std::vector<TToken>& tokens)
{
    for (std::size_t index = 0; index < tokens.size(); ++index)
    {
        const TToken& token = tokens[index];
        if (token.kind == TOKEN_OTHER)
        {
            return Text(QT_TRANSLATE_NOOP("TExpression",
                                          "The character \"%1\" has no meaning in an expression."))
                .arg(token.text);
        }
        if (token.kind != TOKEN_NAME || Is_Function(tokens, index))
        {
            continue;
        }
        // "SQRT 16" reads as the name SQRT16.
        for (const QLatin1String function : {QLatin1String("SQRT"), QLatin1String("SUMSQ")})
        {
            if (token.text.startsWith(function) &&
                std::all_of(token.text.begin() + function.size(), token.text.end(), Is_Digit))
            {
                return Text(QT_TRANSLATE_NOOP("TExpression",
                                              "%1 takes its argument in brackets, as in %1(4)."))
                    .arg(function);
            }
        }
        // The text holds no blanks: a name after a number stands straight after it, as in 1E5.
        const bool after_number = index > 0 && tokens[index - 1].kind == TOKEN_NUMBER;
        if (after_number && token.text.startsWith(QLatin1Char('E')) &&
            std::all_of(token.text.begin() + 1, token.text.end(), Is_Digit))
        {
            return Text(QT_TRANSLATE_NOOP("TExpression",
                                          "Numbers are written without an exponent: %1%2 cannot be read."))
                .arg(tokens[index - 1].text, token.text);
        }
        // A key that starts with digits reads as a number and a name: name it whole.
        const QString name = after_number ? tokens[index - 1].text + token.text : token.text;
        return Text(QT_TRANSLATE_NOOP("TExpression", "Unknown name: %1.")).arg(name);
    }
    return QString();
}

// What a group, a function's argument or the whole text may hold next, read from left to right.
class TStructure
{
public:
    explicit TStructure(const std::vector<TToken>& tokens) : d_tokens(tokens) {}

    QString Reason()
    {
        d_levels.push_back(TLevel());
        for (std::size_t index = 0; index < d_tokens.size(); ++index)
        {
            QString reason = Read(index);
            if (!reason.isEmpty())
            {
                return reason;
            }
            if (Is_Function(d_tokens, index))
            {
                ++index; // its bracket opened the level
            }
        }
        return End_Of_Level();
    }

private:
    enum TState
    {
        STATE_START,
        STATE_SIGN,
        STATE_OPERAND,
        STATE_OPERATOR
    };

    enum TLevelKind
    {
        LEVEL_TEXT,
        LEVEL_GROUP,
        LEVEL_SQRT,
        LEVEL_SUMSQ
    };

    struct TLevel
    {
        TLevelKind kind = LEVEL_TEXT;
        TState state = STATE_START;
        QString last_operator;
    };

    QString Read(std::size_t index)
    {
        const TToken& token = d_tokens[index];
        TLevel& level = d_levels.back();
        switch (token.kind)
        {
        case TOKEN_NUMBER:
        case TOKEN_NAME:
        case TOKEN_OPEN:
        {
            if (level.state == STATE_OPERAND)
            {
                return Text(QT_TRANSLATE_NOOP("TExpression", "An operator is missing between two values."));
            }
            if (token.kind == TOKEN_NUMBER &&
                (token.text.count(QLatin1Char('.')) > 1 || token.text == QLatin1String(".")))
            {
                return Text(QT_TRANSLATE_NOOP("TExpression", "The number %1 cannot be read."))
                    .arg(token.text);
            }
            level.state = STATE_OPERAND;
            if (token.kind != TOKEN_NUMBER)
            {
                TLevel opened;
                opened.kind = token.kind == TOKEN_OPEN              ? LEVEL_GROUP
                              : token.text == QLatin1String("SQRT") ? LEVEL_SQRT
                                                                    : LEVEL_SUMSQ;
                d_levels.push_back(opened);
            }
            return QString();
        }
        case TOKEN_OPERATOR:
            if (level.state == STATE_START)
            {
                if (token.text == QLatin1String("+") || token.text == QLatin1String("-"))
                {
                    level.state = STATE_SIGN;
                    level.last_operator = token.text;
                    return QString();
                }
                return Text(QT_TRANSLATE_NOOP("TExpression", "Nothing stands before the operator %1."))
                    .arg(token.text);
            }
            if (level.state != STATE_OPERAND)
            {
                return Text(
                           QT_TRANSLATE_NOOP(
                               "TExpression",
                               "The operators %1 and %2 stand together; write a negative number in brackets, "
                               "as in 2*(-3)."))
                    .arg(level.last_operator, token.text);
            }
            level.state = STATE_OPERATOR;
            level.last_operator = token.text;
            return QString();
        case TOKEN_CLOSE:
        {
            QString reason = End_Of_Level();
            if (reason.isEmpty())
            {
                d_levels.pop_back();
            }
            return reason;
        }
        case TOKEN_COMMA:
            if (level.kind != LEVEL_SUMSQ)
            {
                return Text(
                    QT_TRANSLATE_NOOP("TExpression", "A comma separates the values of SUMSQ( ) only."));
            }
            if (level.state == STATE_START)
            {
                return Text(QT_TRANSLATE_NOOP("TExpression", "A value of SUMSQ( ) is missing."));
            }
            if (Inside_Outer_Sumsq())
            {
                return Text(QT_TRANSLATE_NOOP("TExpression",
                                              "SUMSQ( ) with several values cannot stand inside SUMSQ( )."));
            }
            {
                QString reason = End_Of_Piece(level);
                if (!reason.isEmpty())
                {
                    return reason;
                }
            }
            level.state = STATE_START;
            return QString();
        case TOKEN_OTHER:
            break;
        }
        return Text(QT_TRANSLATE_NOOP("TExpression", "The expression cannot be evaluated."));
    }

    // The evaluator splits a SUMSQ argument at every comma, also at those of a SUMSQ inside it.
    bool Inside_Outer_Sumsq() const
    {
        return std::any_of(d_levels.begin(), d_levels.end() - 1,
                           [](const TLevel& level) { return level.kind == LEVEL_SUMSQ; });
    }

    static QString End_Of_Piece(const TLevel& level)
    {
        if (level.state == STATE_SIGN || level.state == STATE_OPERATOR)
        {
            return Text(QT_TRANSLATE_NOOP("TExpression", "Nothing follows the operator %1."))
                .arg(level.last_operator);
        }
        return QString();
    }

    QString End_Of_Level() const
    {
        const TLevel& level = d_levels.back();
        if (level.state == STATE_START)
        {
            switch (level.kind)
            {
            case LEVEL_TEXT:
                return Text(QT_TRANSLATE_NOOP("TExpression", "The expression is empty."));
            case LEVEL_GROUP:
                return Text(QT_TRANSLATE_NOOP("TExpression", "Empty brackets hold no value."));
            case LEVEL_SQRT:
                return Text(QT_TRANSLATE_NOOP("TExpression", "SQRT( ) needs a value in its brackets."));
            case LEVEL_SUMSQ:
                return Text(QT_TRANSLATE_NOOP("TExpression", "A value of SUMSQ( ) is missing."));
            }
        }
        return End_Of_Piece(level);
    }

    const std::vector<TToken>& d_tokens;
    std::vector<TLevel> d_levels;
};
} // namespace

QString TExpression::Invalid_Reason(const QString& expression) const
{
    bool valid = false;
    Evaluate(expression, &valid);
    if (valid)
    {
        return QString();
    }
    QString normalised = expression.simplified().toUpper();
    normalised.remove(QLatin1Char(' '));
    if (normalised.isEmpty())
    {
        return Text(QT_TRANSLATE_NOOP("TExpression", "The expression is empty."));
    }
    QString brackets = Bracket_Reason(normalised);
    if (!brackets.isEmpty())
    {
        return brackets;
    }

    TUsage usage;
    const QString substituted = Substitute(normalised, &usage);
    if (substituted.isEmpty())
    {
        return Text(QT_TRANSLATE_NOOP(
            "TExpression", "The names in the expression grow too long when their values are written in."));
    }
    // A value that is no finite number is written in as a word, which no reading takes.
    for (const int sequence : usage.variables)
    {
        const TVariable& variable = d_records[static_cast<std::size_t>(sequence)];
        if (!std::isfinite(variable.value))
        {
            return Text(QT_TRANSLATE_NOOP("TExpression", "The value of %1 is not a finite number."))
                .arg(variable.name);
        }
    }

    const std::vector<TToken> tokens = Tokens(substituted);
    QString name = Name_Reason(tokens);
    if (!name.isEmpty())
    {
        return name;
    }
    const QString structure = TStructure(tokens).Reason();
    return structure.isEmpty() ? Text(QT_TRANSLATE_NOOP("TExpression", "The expression cannot be evaluated."))
                               : structure;
}
