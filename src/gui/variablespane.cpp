#include "variablespane.h"

#include "utilities.h"

#include "parameterdocument.h"
#include "parameters.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
// The first line, above the variables.
QString Heading()
{
    return TVariablesPane::tr("Variable List...");
}

// How many characters a finite value takes written with six decimals, without writing it: the sign,
// the whole digits (one more where rounding carries into a new digit), the point and the decimals.
int Value_Width(double value)
{
    const double magnitude = std::fabs(value);
    const int whole_digits = magnitude < 1.0 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    return (value < 0.0 ? 1 : 0) + whole_digits + 1 + 1 + 6;
}
} // namespace

// The pane's lines, made from the records of the list each time one is drawn: line 0 is the heading,
// and the lines of each record follow in list order.
class TVariablesPane::TLinesModel : public QAbstractListModel
{
public:
    TLinesModel(const TParameterDocument* document, QObject* parent)
        : QAbstractListModel(parent), d_document(document), d_parameters(&document->Parameters())
    {
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() || d_first_lines.empty() ? 0 : d_first_lines.back();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        {
            return QVariant();
        }
        return Line(index.row());
    }

    QString Line(int line) const
    {
        if (line == 0)
        {
            return Heading();
        }
        // The record whose lines hold this one: the last whose first line is not after it.
        const auto next = std::upper_bound(d_first_lines.cbegin(), d_first_lines.cend() - 1, line);
        const size_t record = static_cast<size_t>(next - d_first_lines.cbegin()) - 1;
        std::vector<TExpression::TVariable> variables;
        TParameters::Add_Variables(d_parameters->Parameters().at(record), &variables);
        const size_t position = static_cast<size_t>(line - d_first_lines[record]);
        if (position >= variables.size())
        {
            // A record changed behind the document's back; its lines are placed anew at the next edit.
            return QString();
        }
        const TExpression::TVariable& variable = variables[position];
        // A value too small for six decimals would read as zero; it is shown as the value field shows it.
        const bool reads_as_zero = variable.value != 0.0 && std::fabs(variable.value) < 0.0000005;
        return variable.name.leftJustified(d_name_width) + QLatin1String(" = ") +
               (reads_as_zero ? Utilities::Shown_Real_Text(variable.value)
                              : QString::number(variable.value, 'f', 6));
    }

    // Places every record's lines anew: a new list, or an edit that changed a record's number of
    // variables or made a name longer than the width the names are padded to.
    void Lay_Out()
    {
        beginResetModel();
        d_first_lines.clear();
        d_widest_line = 0;
        if (d_document->Is_Loaded())
        {
            const std::vector<TParameters::TParameter>& records = d_parameters->Parameters();
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
        }
        endResetModel();
    }

    // The lines of the record at `index` after an edit of its values: false when they must be laid out
    // anew, otherwise the first and last of them (none for a record without variables).
    bool Record_Lines(int index, int* first, int* last) const
    {
        if (static_cast<size_t>(index) + 1 >= d_first_lines.size())
        {
            // A record the layout does not know yet.
            return false;
        }
        *first = d_first_lines[static_cast<size_t>(index)];
        *last = d_first_lines[static_cast<size_t>(index) + 1] - 1;
        int longest = 0;
        const int count =
            TParameters::Variable_Count(d_parameters->Parameters().at(static_cast<size_t>(index)), &longest);
        return count == *last - *first + 1 && longest < d_name_width;
    }

    void Lines_Changed(int first, int last) { emit dataChanged(this->index(first), this->index(last)); }

    // The number of characters of the longest line, counted once per layout. The widest value is the
    // largest negative one or the largest other one: only those two are measured.
    int Widest_Line() const
    {
        if (d_widest_line == 0)
        {
            double largest = 0.0;
            double most_negative = 0.0;
            for (const TParameters::TParameter& record : d_parameters->Parameters())
            {
                const auto take = [&](double value)
                {
                    // "nan" and "inf" are narrower than any number.
                    if (!std::isfinite(value))
                    {
                        return;
                    }
                    if (value < 0.0)
                    {
                        most_negative = std::min(most_negative, value);
                    }
                    else
                    {
                        largest = std::max(largest, value);
                    }
                };
                if (!record.integer_values.isEmpty())
                {
                    std::for_each(record.integer_values.cbegin(), record.integer_values.cend(), take);
                }
                else
                {
                    std::for_each(record.double_values.cbegin(), record.double_values.cend(), take);
                }
            }
            const int widest_value = std::max(Value_Width(largest), Value_Width(most_negative));
            d_widest_line = std::max(static_cast<int>(Heading().size()), d_name_width + 3 + widest_value);
        }
        return d_widest_line;
    }

    // True when an edited record's lines are wider than every line was.
    bool Widens(int index)
    {
        const int width =
            d_name_width + 3 + Widest_Value(d_parameters->Parameters().at(static_cast<size_t>(index)));
        if (d_widest_line == 0 || width <= d_widest_line)
        {
            return false;
        }
        d_widest_line = width;
        return true;
    }

private:
    static int Widest_Value(const TParameters::TParameter& record)
    {
        // The integers where a record has them, else its reals, as the variables are made.
        int widest = 0;
        for (const int value : record.integer_values)
        {
            widest = std::max(widest, Value_Width(value));
        }
        if (record.integer_values.isEmpty())
        {
            for (const double value : record.double_values)
            {
                widest = std::isfinite(value) ? std::max(widest, Value_Width(value)) : widest;
            }
        }
        return widest;
    }

    const TParameterDocument* d_document;
    const TParameters* d_parameters;
    // The line of each record's first variable, in list order, then one past the last line.
    std::vector<int> d_first_lines;
    int d_name_width = 0;
    mutable int d_widest_line = 0;
};

// Every line is as wide as the widest, so that a long line can be scrolled to rather than cut; the
// view asks for the size of one line only.
class TVariablesPane::TLineDelegate : public QStyledItemDelegate
{
public:
    TLineDelegate(const TLinesModel* model, QObject* parent) : QStyledItemDelegate(parent), d_model(model) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QFontMetrics metrics(option.font);
        const int margins = size.width() - metrics.horizontalAdvance(index.data().toString());
        size.setWidth(std::max(size.width(), margins + metrics.horizontalAdvance(QLatin1Char('0')) *
                                                           d_model->Widest_Line()));
        return size;
    }

private:
    const TLinesModel* d_model;
};

TVariablesPane::TVariablesPane(const TParameterDocument* parameter_document, QWidget* parent)
    : QListView(parent), d_parameters(&parameter_document->Parameters()),
      d_model(new TLinesModel(parameter_document, this))
{
    setModel(d_model);
    setItemDelegate(new TLineDelegate(d_model, this));
    // Every line is one line of one font: the view places them without measuring each one.
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(parameter_document, &TParameterDocument::List_Replaced, this, &TVariablesPane::List_Replaced);
    connect(parameter_document, &TParameterDocument::Keys_Changed, this, &TVariablesPane::Keys_Changed);
}

QString TVariablesPane::Text() const
{
    QStringList lines;
    for (int line = 0; line < d_model->rowCount(); ++line)
    {
        lines.append(d_model->Line(line));
    }
    return lines.join(QLatin1Char('\n'));
}

void TVariablesPane::List_Replaced()
{
    d_model->Lay_Out();
    scrollToTop();
}

void TVariablesPane::Keys_Changed(const QStringList& keys)
{
    int first = 0;
    int last = -1;
    for (const QString& key : keys)
    {
        const int index = d_parameters->Parameter_Index(key);
        if (index < 0)
        {
            continue;
        }
        if (!d_model->Record_Lines(index, &first, &last))
        {
            // Another number of values moves every line below: the lines are placed anew, seen from
            // where they were.
            const int top = verticalScrollBar()->value();
            d_model->Lay_Out();
            executeDelayedItemsLayout();
            verticalScrollBar()->setValue(top);
            return;
        }
        if (d_model->Widens(index))
        {
            scheduleDelayedItemsLayout();
        }
        if (last >= first)
        {
            d_model->Lines_Changed(first, last);
        }
    }
    // The lines of one edited parameter are brought into view; after a step over many the pane stays.
    if (keys.size() == 1 && last >= first)
    {
        scrollTo(d_model->index(last));
        scrollTo(d_model->index(first));
    }
}

void TVariablesPane::keyPressEvent(QKeyEvent* event)
{
    if (!event->matches(QKeySequence::Copy))
    {
        QListView::keyPressEvent(event);
        return;
    }
    QModelIndexList selected = selectionModel()->selectedIndexes();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList lines;
    for (const QModelIndex& index : selected)
    {
        lines.append(d_model->Line(index.row()));
    }
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}
