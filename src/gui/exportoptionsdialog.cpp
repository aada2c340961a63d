#include "exportoptionsdialog.h"

#include "dialogparts.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpacerItem>
#include <QVBoxLayout>

TExportOptionsDialog::TExportOptionsDialog(const QWidget* parent, Qt::WindowFlags flags)
    : QDialog(const_cast<QWidget*>(parent), flags)
{
    setObjectName(QStringLiteral("export_options_dialog"));
    setWindowTitle(tr("Export Options"));
    resize(595, 235);

    QGridLayout* dialog_layout = new QGridLayout(this);

    QLabel* options_label = new QLabel(tr("Options:"), this);
    options_label->setObjectName(QStringLiteral("options_label"));
    options_label->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    dialog_layout->addWidget(options_label, 0, 0, 2, 1, Qt::AlignLeft | Qt::AlignTop);

    // Both radio buttons live in one container widget, which makes them exclusive.
    QWidget* scope_widget = new QWidget(this);
    scope_widget->setObjectName(QStringLiteral("scope_widget"));
    QVBoxLayout* scope_layout = new QVBoxLayout(scope_widget);
    scope_layout->setContentsMargins(0, 0, 0, 0);
    d_changed_only_radio = new QRadioButton(tr("Export changed items only"), scope_widget);
    d_changed_only_radio->setObjectName(QStringLiteral("changed_only_radio"));
    d_changed_only_radio->setChecked(true);
    scope_layout->addWidget(d_changed_only_radio);
    d_export_all_radio = new QRadioButton(tr("Export all data"), scope_widget);
    d_export_all_radio->setObjectName(QStringLiteral("export_all_radio"));
    scope_layout->addWidget(d_export_all_radio);
    dialog_layout->addWidget(scope_widget, 0, 1);

    QWidget* content_widget = new QWidget(this);
    content_widget->setObjectName(QStringLiteral("content_widget"));
    QGridLayout* content_layout = new QGridLayout(content_widget);
    content_layout->setContentsMargins(0, 0, 0, 0);
    d_original_values_check = new QCheckBox(tr("Include original values for changed items"), content_widget);
    d_original_values_check->setObjectName(QStringLiteral("original_values_check"));
    d_original_values_check->setChecked(true);
    content_layout->addWidget(d_original_values_check, 0, 0);
    d_matches_import_check = new QCheckBox(tr("Output format matches input format"), content_widget);
    d_matches_import_check->setObjectName(QStringLiteral("matches_import_check"));
    d_matches_import_check->setChecked(true);
    content_layout->addWidget(d_matches_import_check, 1, 0);
    dialog_layout->addWidget(content_widget, 1, 1);

    dialog_layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), 2, 0, 1, 2);

    QFrame* separator = Utilities::Sunken_Line(this);
    separator->setObjectName(QStringLiteral("separator_line"));
    dialog_layout->addWidget(separator, 3, 0, 1, 2);

    d_cancel_button = Utilities::Dialog_Button(tr("Cancel"), QStringLiteral("cancel_button"), false, this);
    d_continue_button =
        Utilities::Dialog_Button(tr("Continue"), QStringLiteral("continue_button"), true, this);
    dialog_layout->addLayout(Utilities::Button_Row({d_cancel_button, d_continue_button}), 4, 0, 1, 2);

    connect(d_cancel_button, &QPushButton::clicked, this, &QDialog::reject);
    connect(d_continue_button, &QPushButton::clicked, this, &QDialog::accept);
}

TExportOptionsDialog::~TExportOptionsDialog() = default;

Utilities::TExportOptions TExportOptionsDialog::Export_Options() const
{
    Utilities::TExportOptions options;
    options.changed_only = d_changed_only_radio->isChecked();
    options.original_values = d_original_values_check->isChecked();
    options.matches_import = d_matches_import_check->isChecked();
    return options;
}

void TExportOptionsDialog::Reset(const Utilities::TExportOptions& options)
{
    if (options.changed_only)
    {
        d_changed_only_radio->setChecked(true);
    }
    else
    {
        d_export_all_radio->setChecked(true);
    }
    d_original_values_check->setChecked(options.original_values);
    d_matches_import_check->setChecked(options.matches_import);
}
