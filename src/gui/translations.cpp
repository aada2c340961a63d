#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace
{
QString Qt_Translations_Folder()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

// Loads `file_name` (vantrel_de_DE, falling back to vantrel_de) from the first folder that has it.
QTranslator* Load(QCoreApplication* application, const QString& file_name, const QStringList& folders)
{
    for (const QString& folder : folders)
    {
        QTranslator* translator = new QTranslator(application);
        if (translator->load(file_name, folder))
        {
            return translator;
        }
        delete translator;
    }
    return nullptr;
}
} // namespace

QStringList Translations::Folders()
{
    QStringList folders;
    folders << QDir::cleanPath(QCoreApplication::applicationDirPath() +
                               QStringLiteral("/../share/vantrel/translations"));
    const QString installed = QStringLiteral(VANTREL_TRANSLATIONS_INSTALL_DIR);
    if (!folders.contains(QDir::cleanPath(installed)))
    {
        folders << installed;
    }
    return folders;
}

QString Translations::Install(QCoreApplication* application, const QStringList& ui_languages,
                              const QStringList& folders)
{
    for (const QString& ui_language : ui_languages)
    {
        const QLocale locale(ui_language);
        if (ui_language.isEmpty() || locale.language() == QLocale::C || locale.language() == QLocale::English)
        {
            break;
        }
        QTranslator* translator = Load(application, QStringLiteral("vantrel_") + locale.name(), folders);
        if (!translator)
        {
            continue;
        }
        QCoreApplication::installTranslator(translator);
        // Qt's own words (the standard buttons, the file dialog) follow the window's language when Qt
        // speaks it; the window is still the user's language without them.
        if (QTranslator* qt_translator =
                Load(application, QStringLiteral("qtbase_") + locale.name(), {Qt_Translations_Folder()}))
        {
            QCoreApplication::installTranslator(qt_translator);
        }
        return locale.name().section(QLatin1Char('_'), 0, 0);
    }
    return QStringLiteral("en");
}
