#pragma once

#include <QPlainTextEdit>
#include <vector>

class QTimer;
class TParameterDocument;
class TParameters;

// The values of the loaded list as rule variables: a heading, then one line per variable in list order
// ("NAME = value"). A big list is written in slices from the event loop, so that opening it never waits
// for the pane, and an edit rewrites only the lines of the parameter it changed, so that the user's place
// in the pane stays where it is.
class TVariablesPane : public QPlainTextEdit
{
    Q_OBJECT

public:
    // The pane follows the list of `parameter_document`, which outlives it.
    explicit TVariablesPane(const TParameterDocument* parameter_document, QWidget* parent = nullptr);

    // True while lines of the list are still to be written.
    bool Is_Filling() const;

private:
    // Lists every variable of a newly loaded list, from the top; nothing when none is loaded.
    void List_Replaced();
    void Show_Variables();
    // Rewrites the lines of the parameter `key` from its current values. The pane stays where it is
    // unless those lines are out of view; then it scrolls just far enough to show them.
    void Update_Parameter(const QString& key);
    void Clear_Variables();
    void Fill_Slice();
    QString Lines(int first_record, int end_record) const;
    void Scroll_Into_View(int first_line, int last_line);

    const TParameterDocument* d_document;
    const TParameters* d_parameters;
    QTimer* d_fill_timer = nullptr;
    // The line of each parameter's first variable, in list order, and one past the last line; line 0
    // is the heading.
    std::vector<int> d_first_lines;
    // The parameters whose lines are written; the rest follow from the event loop.
    int d_filled_records = 0;
    int d_name_width = 0;
};
