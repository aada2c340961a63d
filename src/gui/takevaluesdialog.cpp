#include "takevaluesdialog.h"

#include "dialogparts.h"
#include "parametercomparison.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{
QTableWidget* Table(const QString& name, const QStringList& headers, QWidget* parent)
{
    QTableWidget* table = new QTableWidget(0, headers.size(), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QTableWidgetItem* Cell(const QString& text)
{
    QTableWidgetItem* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QString Values(const TParameters::TParameter& record)
{
    return TParameterComparison::Values_Text(TParameterComparison::Values_Of(record));
}
} // namespace

TTakeValuesDialog::TTakeValuesDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("take_values_dialog"));
    setWindowTitle(tr("Take Values"));
    setModal(true);
    resize(640, 480);

    QVBoxLayout* layout = new QVBoxLayout(this);
    d_source_label = new QLabel(this);
    d_source_label->setObjectName(QStringLiteral("take_values_source_label"));
    layout->addWidget(d_source_label);
    d_table =
        Table(QStringLiteral("take_values_table"), {tr("Key"), tr("Current Values"), tr("New Values")}, this);
    d_table->setAccessibleName(tr("Values to take"));
    d_table->setAccessibleDescription(tr("Only the ticked parameters take the new values"));
    layout->addWidget(d_table, 3);
    d_refused_label = new QLabel(tr("These cannot be taken:"), this);
    layout->addWidget(d_refused_label);
    d_refused_table = Table(QStringLiteral("take_values_refused_table"), {tr("Key"), tr("Reason")}, this);
    d_refused_table->setAccessibleName(tr("Values that cannot be taken"));
    layout->addWidget(d_refused_table, 1);
    d_same_label = new QLabel(this);
    d_same_label->setObjectName(QStringLiteral("take_values_same_label"));
    layout->addWidget(d_same_label);
    layout->addWidget(Utilities::Sunken_Line(this));
    d_cancel_button = Utilities::Dialog_Button(tr("Cancel"), QStringLiteral("cancel_button"), false, this);
    d_take_button = Utilities::Dialog_Button(QString(), QStringLiteral("take_values_button"), true, this);
    layout->addLayout(Utilities::Button_Row({d_cancel_button, d_take_button}));

    connect(d_cancel_button, &QPushButton::clicked, this, &QDialog::reject);
    connect(d_take_button, &QPushButton::clicked, this, &QDialog::accept);
    connect(d_table, &QTableWidget::itemChanged, this, &TTakeValuesDialog::Update_Take_Button);
}

void TTakeValuesDialog::Reset(const TValueTransfer& plan, const QString& source_name)
{
    d_source_label->setText(tr("Values from %1").arg(source_name));
    const QSignalBlocker blocker(d_table);
    d_table->setRowCount(0);
    d_refused_table->setRowCount(0);
    for (const TValueTransfer::TItem& item : plan.Items())
    {
        if (item.standing == TValueTransfer::STANDING_DIFFERENT)
        {
            const int row = d_table->rowCount();
            d_table->insertRow(row);
            QTableWidgetItem* key = Cell(item.key);
            key->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            key->setCheckState(Qt::Checked);
            d_table->setItem(row, 0, key);
            d_table->setItem(row, 1, Cell(Values(item.current)));
            d_table->setItem(row, 2, Cell(Values(item.taken)));
        }
        else if (item.standing != TValueTransfer::STANDING_SAME)
        {
            const int row = d_refused_table->rowCount();
            d_refused_table->insertRow(row);
            d_refused_table->setItem(row, 0, Cell(item.key));
            const QString reason = item.standing == TValueTransfer::STANDING_MISFIT
                                       ? tr("Does not fit: %1").arg(item.reason)
                                   : item.source.key.isEmpty() ? tr("Not in the file the values come from.")
                                                               : tr("Not in the loaded file.");
            d_refused_table->setItem(row, 1, Cell(reason));
        }
    }
    d_table->resizeColumnsToContents();
    d_refused_table->resizeColumnToContents(0);
    const bool refused = d_refused_table->rowCount() > 0;
    d_refused_label->setVisible(refused);
    d_refused_table->setVisible(refused);
    d_same_label->setText(tr("%1 are the same already.").arg(plan.Count(TValueTransfer::STANDING_SAME)));
    Update_Take_Button();
}

QStringList TTakeValuesDialog::Ticked_Keys() const
{
    QStringList keys;
    for (int row = 0; row < d_table->rowCount(); ++row)
    {
        if (d_table->item(row, 0)->checkState() == Qt::Checked)
        {
            keys.append(d_table->item(row, 0)->text());
        }
    }
    return keys;
}

void TTakeValuesDialog::Update_Take_Button()
{
    const int ticked = Ticked_Keys().size();
    d_take_button->setText(tr("Take %1 Values").arg(ticked));
    d_take_button->setEnabled(ticked > 0);
}
