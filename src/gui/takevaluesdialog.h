#pragma once

#include "valuetransfer.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;
class QPushButton;
class QTableWidget;

// The preview of values taken from another file or from the reference: each parameter whose values
// differ, with its current and its new values and a check box, all ticked; apart from them the
// parameters that cannot be taken, with the reason; and how many hold the same values already.
class TTakeValuesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TTakeValuesDialog(QWidget* parent = nullptr);

    // Shows the plan of taking the values of the file named.
    void Reset(const TValueTransfer& plan, const QString& source_name);
    // The keys of the ticked rows, in the plan's order.
    QStringList Ticked_Keys() const;

private:
    void Update_Take_Button();

    QLabel* d_source_label = nullptr;
    QTableWidget* d_table = nullptr;
    QLabel* d_refused_label = nullptr;
    QTableWidget* d_refused_table = nullptr;
    QLabel* d_same_label = nullptr;
    QPushButton* d_cancel_button = nullptr;
    QPushButton* d_take_button = nullptr;
};
