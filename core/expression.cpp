#include "expression.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace
{
bool Is_Number_Character(QChar character)
{
    return (character >= QLatin1Char('0') && character <= QLatin1Char('9')) || character == QLatin1Char('.');
}

bool Is_Operator(QChar character)
{
    switch (character.unicode())
    {
    case '+':
    case '-':
    case '*':
    case '/':
    case '^':
        return true;
    default:
        return false;
    }
}

// Operand text is at most an optional leading sign followed by digits and points; anything else that
// the C locale would still accept (group separators, exponents, blanks) never reaches this point.
bool Convert_Number(QStringView text, double* value)
{
    if (text.isEmpty())
    {
        return false;
    }
    bool ok = false;
    *value = QLocale::c().toDouble(text, &ok);
    return ok;
}

bool Starts_With_Function(QStringView text, QLatin1String name)
{
    return text.startsWith(name, Qt::CaseInsensitive);
}

} // namespace

TExpression::TExpression() = default;

TExpression::TExpression(int maximum_pattern_growth) : d_maximum_pattern_growth(maximum_pattern_growth) {}

// The regular-expression word characters: \b sits between one of these and anything else.
bool TExpression::Is_Word_Character(QChar character)
{
    const ushort code = character.unicode();
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || (code >= '0' && code <= '9') ||
           code == '_';
}

bool TExpression::Add_Variable(const TVariable& variable)
{
    if (variable.name.isEmpty())
    {
        return false;
    }

    const int sequence = static_cast<int>(d_records.size());
    d_records.push_back(variable);
    d_table_current = false;
    const int existing = d_by_name.Find_Or_Insert(
        sequence, [this](int filed) { return QStringView(d_records[static_cast<std::size_t>(filed)].name); });
    if (existing >= 0)
    {
        // A known name keeps its place in the table; only its value changes.
        d_records.pop_back();
        d_records[static_cast<std::size_t>(existing)].value = variable.value;
        d_patterns[static_cast<std::size_t>(existing)].replacement.clear();
        return true;
    }

    d_patterns.push_back(Make_Pattern(variable.name));
    d_value_matching_patterns += d_patterns.back().matches_in_values ? 1 : 0;
    File_Pattern(sequence);
    return true;
}

void TExpression::Reserve_Variables(int count)
{
    d_records.reserve(static_cast<std::size_t>(count));
    d_patterns.reserve(static_cast<std::size_t>(count));
    d_by_name.Reserve(count);
    d_by_word.Reserve(count);
    d_by_dotted_head.Reserve(count);
}

int TExpression::Find_Name(QStringView name) const
{
    return d_by_name.Find(name, [this](int filed)
                          { return QStringView(d_records[static_cast<std::size_t>(filed)].name); });
}

bool TExpression::Add_Variable(const QString& name, const double& value)
{
    TVariable variable;
    variable.name = name;
    variable.value = value;
    return Add_Variable(variable);
}

const std::vector<TExpression::TVariable>& TExpression::Table() const
{
    if (!d_table_current)
    {
        // Longest name first; names of the same length in the order they were first added.
        std::vector<int> order(d_records.size());
        for (std::size_t sequence = 0; sequence < order.size(); ++sequence)
        {
            order[sequence] = static_cast<int>(sequence);
        }
        std::stable_sort(order.begin(), order.end(),
                         [this](int first, int second) { return Table_Order_Before(first, second); });
        d_variables.clear();
        d_variables.reserve(order.size());
        for (int sequence : order)
        {
            d_variables.push_back(d_records[static_cast<std::size_t>(sequence)]);
        }
        d_table_current = true;
    }
    return d_variables;
}

int TExpression::Variable_Count() const
{
    return static_cast<int>(d_records.size());
}

QString TExpression::Variable_Name(int index) const
{
    return Variable(index).name;
}

double TExpression::Variable_Value(int index) const
{
    return Variable(index).value;
}

TExpression::TVariable TExpression::Variable(int index) const
{
    const std::vector<TVariable>& table = Table();
    Q_ASSERT(static_cast<unsigned int>(index) < d_variables.size());
    return table[static_cast<std::size_t>(index)];
}

double TExpression::Variable_Value(const QString& name, bool* ok) const
{
    const int found = Find_Name(name);
    if (ok)
    {
        *ok = found >= 0;
    }
    return found >= 0 ? d_records[static_cast<std::size_t>(found)].value : 0.0;
}

int TExpression::Variable_Sequence(const QString& name) const
{
    return Find_Name(name);
}

double TExpression::Evaluate(const QString& expression, bool* valid) const
{
    return Evaluate(expression, valid, nullptr);
}

double TExpression::Evaluate(const QString& expression, bool* valid, TUsage* usage) const
{
    if (usage)
    {
        *usage = TUsage();
    }
    if (valid)
    {
        *valid = false;
    }
    if (expression.isEmpty())
    {
        return 0.0;
    }

    QString normalised = expression.simplified().toUpper().trimmed();
    normalised.remove(QLatin1Char(' '));

    const QString substituted = Substitute(normalised, usage);
    bool result_valid = false;
    const double result = Process_Expression(substituted, &result_valid, 0);
    if (valid)
    {
        *valid = result_valid;
    }
    return result_valid ? result : 0.0;
}

// The state of reading one expression from left to right: the operands and operators met so far, and
// where the number being read started.
struct TExpression::TReading
{
    QStringView text;
    int position = 0;
    int token_start = 0;
    // A group or a function call already worked out, waiting for the operator after it.
    bool value_waiting = false;
    double waiting_value = 0.0;
    TNumberStack number_stack;
    TOperatorStack oper_stack;

    // A group or a function call takes the place of one operand: only an operator, or a sign at the
    // very start, may stand in front of it. 5(6), (2)3 and (1)(2) are typing mistakes, not products.
    bool May_Start_Operand() const
    {
        if (value_waiting)
        {
            return false;
        }
        if (position == token_start)
        {
            return true;
        }
        return token_start == 0 && position == 1 &&
               (text.at(0) == QLatin1Char('-') || text.at(0) == QLatin1Char('+'));
    }

    bool Leading_Minus() const { return token_start == 0 && position == 1 && text.at(0) == QLatin1Char('-'); }
};

double TExpression::Process_Expression(QStringView text, bool* valid, int depth) const
{
    *valid = false;
    if (depth > MAXIMUM_NESTING)
    {
        return 0.0;
    }

    TReading reading;
    reading.text = text;
    const int size = static_cast<int>(text.size());
    while (reading.position < size)
    {
        const QChar character = text.at(reading.position);
        bool read = true;
        if (Is_Number_Character(character))
        {
            // A digit straight after a group or a call: 5(6) read backwards.
            read = !reading.value_waiting;
            ++reading.position;
        }
        else if (Is_Operator(character))
        {
            read = Read_Operator(&reading);
        }
        else if (character == QLatin1Char(')'))
        {
            read = false;
        }
        else
        {
            read = Read_Nested_Operand(&reading, depth);
        }
        if (!read)
        {
            return 0.0;
        }
    }

    if (!Push_Last_Operand(&reading))
    {
        return 0.0;
    }
    return Reduce_All(&reading.number_stack, &reading.oper_stack, valid);
}

// An operator ends the operand in front of it, which goes on the stack with the operator. A sign at
// the very start belongs to the first number instead.
bool TExpression::Read_Operator(TReading* reading) const
{
    const int position = reading->position++;
    if (position == 0)
    {
        return true;
    }
    double operand = reading->waiting_value;
    if (!reading->value_waiting &&
        !Convert_Number(reading->text.mid(reading->token_start, position - reading->token_start), &operand))
    {
        return false;
    }
    reading->number_stack.push(operand);
    Push_Operator(&reading->number_stack, &reading->oper_stack, reading->text.at(position).unicode());
    reading->token_start = position + 1;
    reading->value_waiting = false;
    return true;
}

// A group in brackets or a function call: one operand, worked out on its own.
bool TExpression::Read_Nested_Operand(TReading* reading, int depth) const
{
    if (!reading->May_Start_Operand() || depth + 1 > MAXIMUM_NESTING)
    {
        return false;
    }
    const QStringView rest = reading->text.mid(reading->position);
    int length = 0;
    bool operand_valid = false;
    double operand = rest.at(0) == QLatin1Char('(')
                         ? Process_Group(rest, &length, &operand_valid, depth + 1)
                         : Process_Function(rest, &length, &operand_valid, depth + 1);
    if (!operand_valid)
    {
        return false;
    }
    if (reading->Leading_Minus())
    {
        operand = -operand;
    }
    reading->waiting_value = operand;
    reading->value_waiting = true;
    reading->position += length + 1;
    return true;
}

// The last operand: a group or a call already worked out, else the number after the last operator.
bool TExpression::Push_Last_Operand(TReading* reading) const
{
    const int size = static_cast<int>(reading->text.size());
    double last = reading->waiting_value;
    if (!reading->value_waiting && reading->token_start < size &&
        !Convert_Number(reading->text.mid(reading->token_start), &last))
    {
        return false;
    }
    if (reading->value_waiting || reading->token_start < size)
    {
        reading->number_stack.push(last);
    }
    return true;
}

// Works out the operators left on the stack once the text is read; valid only when every operator
// has its two operands.
double TExpression::Reduce_All(TNumberStack* number_stack, TOperatorStack* oper_stack, bool* valid) const
{
    if (number_stack->size() != oper_stack->size() + 1)
    {
        return 0.0;
    }
    while (!oper_stack->empty())
    {
        number_stack->push(Apply_Expression(number_stack, oper_stack));
    }
    *valid = true;
    return number_stack->top();
}

// A bracketed group at the start of text: its value, and in group_length the position of its closing
// bracket.
double TExpression::Process_Group(QStringView text, int* group_length, bool* valid, int depth) const
{
    *valid = false;
    const int closing = Find_Closing_Brace(text, 0);
    if (closing < 0)
    {
        return 0.0;
    }
    *group_length = closing;
    return Process_Expression(text.mid(1, closing - 1), valid, depth);
}

// Puts an operator on the stack after working out every operator before it that binds at least as
// strongly; "^" binds to the right, so an earlier "^" waits for it.
void TExpression::Push_Operator(TNumberStack* number_stack, TOperatorStack* oper_stack, int oper) const
{
    const int precedence = Operator_Precidence(oper);
    while (!oper_stack->empty())
    {
        const int top_precedence = Operator_Precidence(oper_stack->top());
        const bool reduce = oper == '^' ? top_precedence > precedence : top_precedence >= precedence;
        if (!reduce)
        {
            break;
        }
        number_stack->push(Apply_Expression(number_stack, oper_stack));
    }
    oper_stack->push(oper);
}

double TExpression::Process_Function(QStringView text, int* function_length, bool* valid, int depth) const
{
    Q_ASSERT(function_length);
    Q_ASSERT(valid);
    *valid = false;

    const QLatin1String sumsq("SUMSQ(");
    const QLatin1String sqrt("SQRT(");
    int name_length = 0;
    bool is_sumsq = false;
    if (Starts_With_Function(text, sumsq))
    {
        name_length = sumsq.size();
        is_sumsq = true;
    }
    else if (Starts_With_Function(text, sqrt))
    {
        name_length = sqrt.size();
    }
    else
    {
        return 0.0;
    }

    const int closing = Find_Closing_Brace(text, name_length - 1);
    if (closing < 0)
    {
        return 0.0;
    }
    *function_length = closing;
    const QStringView argument = text.mid(name_length, closing - name_length);

    if (!is_sumsq)
    {
        bool argument_valid = false;
        const double value = Process_Expression(argument, &argument_valid, depth);
        if (!argument_valid)
        {
            return 0.0;
        }
        *valid = true;
        return std::sqrt(value);
    }

    // The length of a vector from its components, e.g. the probe deflection from its X, Y and Z parts.
    double sum = 0.0;
    int piece_start = 0;
    const int argument_size = static_cast<int>(argument.size());
    for (int index = 0; index <= argument_size; ++index)
    {
        if (index < argument_size && argument.at(index) != QLatin1Char(','))
        {
            continue;
        }
        bool piece_valid = false;
        const double piece =
            Process_Expression(argument.mid(piece_start, index - piece_start), &piece_valid, depth);
        if (!piece_valid)
        {
            return 0.0;
        }
        sum += piece * piece;
        piece_start = index + 1;
    }
    *valid = true;
    return std::sqrt(sum);
}

int TExpression::Find_Closing_Brace(QStringView text, int start) const
{
    const int size = static_cast<int>(text.size());
    if (size == 0 || start < 0 || start >= size)
    {
        return -1;
    }
    int depth = 0;
    for (int position = start; position < size; ++position)
    {
        const QChar character = text.at(position);
        if (character.unicode() > 0xFF)
        {
            continue;
        }
        if (character == QLatin1Char('(') && position > start)
        {
            ++depth;
        }
        else if (character == QLatin1Char(')'))
        {
            if (depth == 0)
            {
                return position;
            }
            --depth;
        }
    }
    return -1;
}

int TExpression::Operator_Precidence(int oper) const
{
    switch (oper)
    {
    case '^':
        return 3;
    case '*':
    case '/':
        return 2;
    case '+':
    case '-':
        return 1;
    default:
        return 0;
    }
}

double TExpression::Apply_Expression(TNumberStack* number_stack, TOperatorStack* oper_stack) const
{
    Q_ASSERT(number_stack->size() > 1);
    Q_ASSERT(oper_stack->size());

    const int oper = oper_stack->top();
    oper_stack->pop();
    const double right = number_stack->top();
    number_stack->pop();
    const double left = number_stack->top();
    number_stack->pop();

    switch (oper)
    {
    case '+':
        return left + right;
    case '-':
        return left - right;
    case '*':
        return left * right;
    case '/':
        return left / right;
    case '^':
        return std::pow(left, right);
    default:
        return 0.0;
    }
}
