#include "parameterlist.h"

#include "parameters.h"

#include <limits>

TParameterList::TParameterList(const TParameters* parameters, QWidget* parent)
    : QListWidget(parent), d_parameters(parameters)
{
    setUniformItemSizes(true);
}

int TParameterList::Order(int row) const
{
    const int index = d_parameters->Parameter_Index(item(row)->text());
    return index < 0 ? std::numeric_limits<int>::max() : index;
}

QListWidgetItem* TParameterList::Item(const QString& key) const
{
    const int index = d_parameters->Parameter_Index(key);
    if (index < 0)
    {
        // A key of the reference alone: those are few and listed last.
        const QList<QListWidgetItem*> items = findItems(key, Qt::MatchExactly | Qt::MatchCaseSensitive);
        return items.isEmpty() ? nullptr : items.first();
    }
    // The loaded keys are listed in list order.
    int first = 0;
    int end = count();
    while (first < end)
    {
        const int middle = first + (end - first) / 2;
        if (Order(middle) < index)
        {
            first = middle + 1;
        }
        else
        {
            end = middle;
        }
    }
    return first < count() && Order(first) == index ? item(first) : nullptr;
}
