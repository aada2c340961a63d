#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QPushButton;

// Asks for the name of a new rule group; "Create" is offered only for a free, readable name.
class TCreateGroupDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TCreateGroupDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    void Reset(const QStringList& names);
    QString Group_Name() const;

private slots:
    void Validate(const QString& text);

private:
    QLineEdit* d_group_name_edit = nullptr;
    QPushButton* d_cancel_button = nullptr;
    QPushButton* d_create_button = nullptr;
    QStringList d_group_names;
};
