#pragma once

#include <QListWidget>

class TParameters;

// The list of parameter keys: the keys of the loaded list in list order, as far as the filters let them
// through, then keys only a reference file holds. All entries are one line of one font size, so the view
// lays out a list of any length without measuring each entry.
class TParameterList : public QListWidget
{
    Q_OBJECT

public:
    // The list shows keys of `parameters`, which outlives it.
    explicit TParameterList(const TParameters* parameters, QWidget* parent = nullptr);

    // The entry of a key, or null when it is not listed; found by halving the list, not by reading it.
    QListWidgetItem* Item(const QString& key) const;

private:
    // The place of a row's key in the loaded list; keys the list does not hold come after all others.
    int Order(int row) const;

    const TParameters* d_parameters;
};
