#pragma once

#include <QListView>
#include <QString>

class TParameterDocument;
class TParameters;

// The values of the loaded list as rule variables: a heading, then one line per variable in list order
// ("NAME = value", the names padded to one width). The lines are made from the records as they are
// drawn, so the pane is whole the moment a list is loaded, however long, and holds no text of its own.
// After an edit the pane stays where it is unless the edited lines are out of view; then it scrolls
// just far enough to show them.
class TVariablesPane : public QListView
{
    Q_OBJECT

public:
    // The pane follows the list of `parameter_document`, which outlives it.
    explicit TVariablesPane(const TParameterDocument* parameter_document, QWidget* parent = nullptr);

    // The lines on the pane, each after the first one after a line break; empty while nothing is loaded.
    QString Text() const;

protected:
    // Copy takes the selected lines as text.
    void keyPressEvent(QKeyEvent* event) override;

private:
    class TLineDelegate;
    class TLinesModel;

    void List_Replaced();
    void Keys_Changed(const QStringList& keys);

    const TParameters* d_parameters;
    TLinesModel* d_model;
};
