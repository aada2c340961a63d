#pragma once

#include <QString>
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

    bool Add_Variable(const TVariable& variable);
    bool Add_Variable(const QString& name, const double& value);

    int Variable_Count() const;
    QString Variable_Name(int index) const;
    double Variable_Value(int index) const;
    TVariable Variable(int index) const;
    double Variable_Value(const QString& name, bool* ok) const;

    double Evaluate(const QString& expression, bool* valid) const;

private:
    double Process_Expression(const QString& text, bool* valid) const;
    double Process_Function(const QString& text, int* function_length, bool* valid) const;
    int Find_Closing_Brace(const QString& text, int start) const;
    int Operator_Precidence(int oper) const;
    double Apply_Expression(std::stack<double>* number_stack, std::stack<int>* oper_stack) const;

    std::vector<TVariable> d_variables;
};
