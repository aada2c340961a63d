#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QPushButton;

// Picks the rule group that the selected rules of the rule editor are copied into.
class TCopyRulesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TCopyRulesDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    void Reset(const QStringList& groups);
    QString Target_Group() const;

private:
    QComboBox* d_target_group_combo = nullptr;
    QPushButton* d_cancel_button = nullptr;
    QPushButton* d_copy_button = nullptr;
};
