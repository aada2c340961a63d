#include "variablespane.h"

#include "parameterdocument.h"
#include "parameters.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

namespace
{
// About as many lines as the pane writes in a few milliseconds: a real controller list is written at
// once, a big one in slices with the user's input handled between them.
const int SLICE_LINES = 2000;
} // namespace

TVariablesPane::TVariablesPane(const TParameterDocument* parameter_document, QWidget* parent)
    : QPlainTextEdit(parent), d_document(parameter_document), d_parameters(&parameter_document->Parameters()),
      d_fill_timer(new QTimer(this))
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setReadOnly(true);
    // Lines are rewritten in place after every edit; the pane itself takes nothing back.
    document()->setUndoRedoEnabled(false);
    d_fill_timer->setInterval(0);
    connect(d_fill_timer, &QTimer::timeout, this, &TVariablesPane::Fill_Slice);
    connect(d_document, &TParameterDocument::List_Replaced, this, &TVariablesPane::List_Replaced);
    connect(d_document, &TParameterDocument::Keys_Changed, this,
            [this](const QStringList& keys)
            {
                for (const QString& key : keys)
                {
                    Update_Parameter(key);
                }
            });
}

void TVariablesPane::List_Replaced()
{
    if (d_document->Is_Loaded())
    {
        Show_Variables();
    }
    else
    {
        Clear_Variables();
    }
}

bool TVariablesPane::Is_Filling() const
{
    return d_fill_timer->isActive();
}

void TVariablesPane::Show_Variables()
{
    d_fill_timer->stop();
    const std::vector<TParameters::TParameter>& records = d_parameters->Parameters();
    d_first_lines.clear();
    d_first_lines.reserve(records.size() + 1);
    int line = 1;
    int longest = 0;
    for (const TParameters::TParameter& record : records)
    {
        d_first_lines.push_back(line);
        int record_longest = 0;
        line += TParameters::Variable_Count(record, &record_longest);
        longest = std::max(longest, record_longest);
    }
    d_first_lines.push_back(line);
    // The names are padded to one width, one blank more than the longest.
    d_name_width = longest + 1;
    d_filled_records = 0;

    setPlainText(QStringLiteral("Variable List..."));
    Fill_Slice();
}

void TVariablesPane::Fill_Slice()
{
    const int record_count = static_cast<int>(d_parameters->Parameters().size());
    if (record_count + 1 != static_cast<int>(d_first_lines.size()))
    {
        // The list was replaced without the pane being told; it is written anew by Show_Variables.
        d_fill_timer->stop();
        return;
    }
    int end_record = d_filled_records;
    const int end_line = d_first_lines.at(static_cast<size_t>(d_filled_records)) + SLICE_LINES;
    while (end_record < record_count && d_first_lines.at(static_cast<size_t>(end_record)) < end_line)
    {
        ++end_record;
    }
    if (end_record > d_filled_records)
    {
        // Appended through a cursor of its own, the slice moves neither the view nor the user's selection.
        QTextCursor cursor(document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(Lines(d_filled_records, end_record));
        d_filled_records = end_record;
    }
    if (d_filled_records < record_count)
    {
        d_fill_timer->start();
    }
    else
    {
        d_fill_timer->stop();
    }
}

// The lines of the records from first_record up to end_record, each after a line break.
QString TVariablesPane::Lines(int first_record, int end_record) const
{
    const std::vector<TParameters::TParameter>& records = d_parameters->Parameters();
    std::vector<TExpression::TVariable> variables;
    for (int record = first_record; record < end_record; ++record)
    {
        TParameters::Add_Variables(records.at(static_cast<size_t>(record)), &variables);
    }
    QString text;
    text.reserve(static_cast<int>(variables.size()) * (d_name_width + 24));
    for (const TExpression::TVariable& variable : variables)
    {
        text += QLatin1Char('\n') + variable.name.leftJustified(d_name_width) + QLatin1String(" = ") +
                QString::number(variable.value, 'f', 6);
    }
    return text;
}

void TVariablesPane::Update_Parameter(const QString& key)
{
    const int index = d_parameters->Parameter_Index(key);
    if (index < 0 || index >= d_filled_records)
    {
        // Lines still to be written are written from the current values.
        return;
    }
    const int first_line = d_first_lines.at(static_cast<size_t>(index));
    const int line_count = d_first_lines.at(static_cast<size_t>(index) + 1) - first_line;
    int longest = 0;
    if (TParameters::Variable_Count(d_parameters->Parameters().at(static_cast<size_t>(index)), &longest) !=
            line_count ||
        longest >= d_name_width)
    {
        // Another number of values moves every line below: the list is written anew, seen from where it
        // was.
        const int top = verticalScrollBar()->value();
        Show_Variables();
        verticalScrollBar()->setValue(top);
        return;
    }

    const QStringList lines = Lines(index, index + 1).split(QLatin1Char('\n')).mid(1);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (int line = 0; line < line_count; ++line)
    {
        const QTextBlock block = document()->findBlockByNumber(first_line + line);
        if (block.text() != lines.at(line))
        {
            cursor.setPosition(block.position());
            cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
            cursor.insertText(lines.at(line));
        }
    }
    cursor.endEditBlock();
    if (line_count > 0)
    {
        Scroll_Into_View(first_line, first_line + line_count - 1);
    }
}

void TVariablesPane::Scroll_Into_View(int first_line, int last_line)
{
    // Without wrapping every variable is one line, and the scroll bar counts lines: its value is the
    // top line on show and its page step the number of whole lines in view.
    QScrollBar* scroll_bar = verticalScrollBar();
    const int top = scroll_bar->value();
    const int shown = std::max(1, scroll_bar->pageStep());
    int new_top = top;
    if (last_line >= top + shown)
    {
        new_top = last_line - shown + 1;
    }
    // Where the lines are more than the pane shows, their start stays in view.
    new_top = std::min(new_top, first_line);
    if (new_top != top)
    {
        scroll_bar->setValue(new_top);
    }
}

void TVariablesPane::Clear_Variables()
{
    d_fill_timer->stop();
    d_first_lines.clear();
    d_filled_records = 0;
    d_name_width = 0;
    clear();
}
