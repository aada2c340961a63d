#include "shortcutsdialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QTableWidget>
#include <QVBoxLayout>

TShortcutsDialog::TShortcutsDialog(QWidget* parent) : QDialog(parent), d_table(new QTableWidget(0, 2, this))
{
    setObjectName(QStringLiteral("shortcuts_dialog"));
    setWindowTitle(tr("Keyboard Shortcuts"));
    setModal(true);

    d_table->setObjectName(QStringLiteral("shortcuts_table"));
    d_table->setHorizontalHeaderLabels({tr("Command"), tr("Shortcut")});
    d_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    d_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    d_table->verticalHeader()->hide();
    d_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    d_table->setAccessibleName(tr("Keyboard shortcuts"));

    QDialogButtonBox* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("shortcuts_buttons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(d_table);
    layout->addWidget(buttons);
    resize(460, 420);
}

QString TShortcutsDialog::Command_Text(const QAction* action)
{
    // The undo stack names its actions after the next step ("Undo edit of DEA_TAPS"); such an action
    // carries the command's lasting name.
    const QVariant lasting = action->property("command_name");
    QString text = lasting.isValid() ? lasting.toString() : action->text();
    // "&&" stands for an ampersand; a lone "&" marks the mnemonic.
    text.replace(QLatin1String("&&"), QStringLiteral("\x1f"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x1f'), QLatin1Char('&'));
    return text;
}

void TShortcutsDialog::Show_Actions(const QList<QAction*>& actions)
{
    d_table->setRowCount(0);
    for (const QAction* action : actions)
    {
        QStringList keys;
        for (const QKeySequence& shortcut : action->shortcuts())
        {
            if (!shortcut.isEmpty())
            {
                keys << shortcut.toString(QKeySequence::NativeText);
            }
        }
        if (keys.isEmpty())
        {
            continue;
        }
        const int row = d_table->rowCount();
        d_table->insertRow(row);
        d_table->setItem(row, 0, new QTableWidgetItem(Command_Text(action)));
        d_table->setItem(row, 1, new QTableWidgetItem(keys.join(QStringLiteral(", "))));
    }
}
