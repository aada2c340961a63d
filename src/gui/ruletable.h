#pragma once

#include <QTableView>
#include <vector>

class TLiveCheck;

// The rules of the group on show with their outcomes against the loaded values as they stand: name, left
// value, operator, right value and outcome, one row per rule in run order. The table follows the live
// check: it is filled anew when the check's results are replaced, only the rows of the rules an edit
// changed are drawn again, and while a whole check runs on another core it is empty and says so.
class TRuleTable : public QTableView
{
    Q_OBJECT

public:
    enum TColumn
    {
        COLUMN_NAME = 0,
        COLUMN_LEFT = 1,
        COLUMN_OPERATOR = 2,
        COLUMN_RIGHT = 3,
        COLUMN_OUTCOME = 4,
        COLUMN_COUNT = 5
    };

    explicit TRuleTable(const TLiveCheck* check, QWidget* parent = nullptr);

    // What the empty table says in its middle: "checking…" while a whole check runs, else nothing.
    QString Notice() const;

signals:
    // The user double-clicked the rule at this position of the group.
    void Rule_Activated(int rule);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Return or Enter opens the current rule, as a double-click does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    class TModel;

    TModel* d_model;
    const TLiveCheck* d_check;
};
