#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The window's words in the user's language: the program's own .qm files and Qt's for its standard
// dialogs and buttons. Without them the window shows its English source texts.
namespace Translations
{
// Where the program's .qm files are looked for: share/vantrel/translations beside the folder of the
// running program (an installed program and one run from the build tree alike), then the installed
// data folder.
QStringList Folders();
// Installs the translators of the first of `ui_languages` (as QLocale::uiLanguages() lists them) that
// the program speaks; English, the language of the source texts, ends the search. The translators
// belong to `application`. Returns the language installed ("de"), or "en" when the window stays English.
QString Install(QCoreApplication* application, const QStringList& ui_languages,
                const QStringList& folders = Folders());
} // namespace Translations
