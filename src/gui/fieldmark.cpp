#include "fieldmark.h"

#include <QLineEdit>
#include <QString>

void Utilities::Mark_Refused_Field(QLineEdit* field, const QString& reason)
{
    field->setToolTip(reason);
    field->setStyleSheet(reason.isEmpty() ? QString()
                                          : QStringLiteral("QLineEdit { border: 2px solid red; }"));
}
