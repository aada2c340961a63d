#pragma once

#include "parameters.h"

#include <QFrame>
#include <QString>

// What the window asks of an editor of a parameter's values, whatever the value type: whether it edits
// a type, to show a record's values, to read the value the user finished into a record, to mark a value
// it refused, and to finish an edit still being typed. A finished edit is told with Value_Changed, with
// the position of the value within the record.
class TValueEditor : public QFrame
{
    Q_OBJECT

public:
    using QFrame::QFrame;

    virtual bool Edits(int type) const = 0;
    // Shows the values of `parameter`, of a type the editor edits; emits nothing.
    virtual void Show_Values(const TParameters::TParameter& parameter) = 0;
    // Reads the value at `index` as the user left it into `parameter`. False when there is nothing to
    // store: no such value, a text left as it was shown (`refusal` stays empty), or a text that is no
    // value of the parameter's kind (`refusal` says why).
    virtual bool Read_Value(int index, TParameters::TParameter* parameter, QString* refusal) const = 0;
    // Marks the value at `index` as refused with the reason; an empty reason clears the mark.
    virtual void Mark_Refused(int index, const QString& reason) = 0;
    // Reports a value being typed as finished, as leaving its field does: commands that read the
    // values call it first, so that they see what the editor shows.
    virtual void Finish_Editing() = 0;

signals:
    void Value_Changed(int index);
};
