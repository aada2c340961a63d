#pragma once

#include "utilities.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;

// Asks which parameters and values the change report holds and in which layout.
class TExportOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TExportOptionsDialog(const QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~TExportOptionsDialog() override;

    Utilities::TExportOptions Export_Options() const;
    void Reset(const Utilities::TExportOptions& options);

private:
    QCheckBox* d_original_values_check = nullptr;
    QCheckBox* d_matches_import_check = nullptr;
    QPushButton* d_cancel_button = nullptr;
    QPushButton* d_continue_button = nullptr;
    QRadioButton* d_export_all_radio = nullptr;
    QRadioButton* d_changed_only_radio = nullptr;
};
