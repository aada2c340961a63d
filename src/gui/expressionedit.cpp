#include "expressionedit.h"

#include "expression.h"
#include "variablenames.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStringListModel>

#include <utility>

TExpressionEdit::TExpressionEdit(QWidget* parent)
    : QLineEdit(parent), d_completer(new QCompleter(this)), d_completions(new QStringListModel(this))
{
    // The list holds only the names that fit what is typed; the completer shows it as it is.
    d_completer->setModel(d_completions);
    d_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    d_completer->setCaseSensitivity(Qt::CaseInsensitive);
    d_completer->setWidget(this);
    d_completer->popup()->setObjectName(QStringLiteral("completion_popup"));
    d_completer->popup()->setAccessibleName(tr("Names that complete the expression"));
    connect(this, &QLineEdit::textEdited, this, &TExpressionEdit::Offer_Completions);
    connect(d_completer, qOverload<const QString&>(&QCompleter::activated), this,
            &TExpressionEdit::Insert_Completion);
}

void TExpressionEdit::Set_Names_Source(TNamesSource source)
{
    d_names_source = std::move(source);
}

QCompleter* TExpressionEdit::Completer() const
{
    return d_completer;
}

void TExpressionEdit::keyPressEvent(QKeyEvent* event)
{
    // While the list is open, the keys that choose or close it are the completer's.
    if (d_completer->popup()->isVisible())
    {
        switch (event->key())
        {
        case Qt::Key_Enter:
        case Qt::Key_Return:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            event->ignore();
            return;
        default:
            break;
        }
    }
    QLineEdit::keyPressEvent(event);
}

int TExpressionEdit::Name_Start() const
{
    const QString typed = text();
    int start = cursorPosition();
    while (start > 0 &&
           (TExpression::Is_Word_Character(typed.at(start - 1)) || typed.at(start - 1) == QLatin1Char('.')))
    {
        --start;
    }
    // A number is no name, and "2." is a number still being typed.
    if (start == cursorPosition() || !TExpression::Is_Word_Character(typed.at(start)) ||
        typed.at(start).isDigit())
    {
        return -1;
    }
    return start;
}

void TExpressionEdit::Offer_Completions()
{
    if (d_inserting)
    {
        return;
    }
    const int start = Name_Start();
    const TVariableNames* names = d_names_source && start >= 0 ? d_names_source() : nullptr;
    const QString prefix = names ? text().mid(start, cursorPosition() - start) : QString();
    const QStringList offered = names ? names->Completions(prefix, MOST_COMPLETIONS) : QStringList();
    // A name typed out in full needs no list.
    if (offered.isEmpty() ||
        (offered.size() == 1 && offered.first().compare(prefix, Qt::CaseInsensitive) == 0))
    {
        d_completer->popup()->hide();
        return;
    }
    d_completions->setStringList(offered);
    d_completer->setCompletionPrefix(prefix);
    QRect place = cursorRect();
    place.setWidth(d_completer->popup()->sizeHintForColumn(0) +
                   d_completer->popup()->verticalScrollBar()->sizeHint().width());
    d_completer->complete(place);
    d_completer->popup()->setCurrentIndex(QModelIndex());
}

void TExpressionEdit::Insert_Completion(const QString& name)
{
    const int start = Name_Start();
    if (start < 0)
    {
        return;
    }
    const int end = cursorPosition();
    QString completed = text();
    completed.replace(start, end - start, name);
    setText(completed);
    setCursorPosition(start + name.size());
    // Chosen from the list is typed by the user: whoever follows the user's edits hears of it, without
    // the list opening again on the name just chosen.
    d_inserting = true;
    emit textEdited(completed);
    d_inserting = false;
}
