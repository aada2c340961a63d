#pragma once

#include <QDialog>

class QLabel;

// What this program is: its version, the Qt it runs on, its licence, and the folder where the settings
// and the rules are kept.
class TAboutDialog : public QDialog
{
    Q_OBJECT

public:
    TAboutDialog(const QString& data_path, QWidget* parent);

    QString Text() const;

private:
    QLabel* d_text_label;
};
