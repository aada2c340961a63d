#pragma once

#include <QDialog>
#include <QList>

class QAction;
class QTableWidget;

// Every keyboard shortcut of the window, read from its actions when the dialog opens, so that the list
// is never older than the commands it names.
class TShortcutsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TShortcutsDialog(QWidget* parent);

    // Lists the commands of these actions that have a shortcut, in the order given.
    void Show_Actions(const QList<QAction*>& actions);

    // A command's name as a menu shows it, without the mnemonic's marker.
    static QString Command_Text(const QAction* action);

private:
    QTableWidget* d_table;
};
