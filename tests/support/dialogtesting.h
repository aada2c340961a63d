#pragma once

// Answers modal dialogs in widget tests. A modal dialog runs its own event loop, so the answer is
// given from a timer once the dialog is up.

#include <QApplication>
#include <QDialog>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

namespace Testing
{
// Looks for the dialog every 10 ms, at most tries more times, and answers it once.
inline void Poll_For_Dialog(const std::function<void(QDialog*)>& answer, const QString& name,
                            const std::shared_ptr<bool>& answered, int tries)
{
    QDialog* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog && dialog->isVisible() && (name.isEmpty() || dialog->objectName() == name))
    {
        *answered = true;
        answer(dialog);
        return;
    }
    if (tries > 0)
    {
        QTimer::singleShot(10, [answer, name, answered, tries]()
                           { Poll_For_Dialog(answer, name, answered, tries - 1); });
    }
}

// Answers the next modal dialog (with a name: the next one of that objectName); the answer must close
// it. The flag tells whether the dialog ever came up.
inline std::shared_ptr<bool> Answer_Next_Dialog(const std::function<void(QDialog*)>& answer,
                                                const QString& name = QString(), int tries = 3000)
{
    auto answered = std::make_shared<bool>(false);
    QTimer::singleShot(0,
                       [answer, name, answered, tries]() { Poll_For_Dialog(answer, name, answered, tries); });
    return answered;
}
} // namespace Testing
