#include "windowsettings.h"

#include <QSettings>

namespace
{
const QString KEY_POSITION = QStringLiteral("Mainwindow_Position");
const QString KEY_SIZE = QStringLiteral("Mainwindow_Size");
const QString KEY_SPLITTER_0 = QStringLiteral("Splitter_Size_0");
const QString KEY_SPLITTER_1 = QStringLiteral("Splitter_Size_1");
const QString KEY_SEARCH_NAMES = QStringLiteral("Search_Names_And_Descriptions");
const QString KEY_DEFAULT_RULE_GROUP = QStringLiteral("Default_Rule_Group");
const QString KEY_EXPORT_CHANGED_ONLY = QStringLiteral("Export_Changed_Only");
const QString KEY_EXPORT_ORIGINAL_VALUES = QStringLiteral("Export_Original_Values");
const QString KEY_EXPORT_MATCHES_IMPORT = QStringLiteral("Export_Matches_Import");
const QString KEY_RECENT_FILES = QStringLiteral("Recent_Files");
} // namespace

void TWindowSettings::Read(const QSettings& settings)
{
    const TWindowSettings defaults;
    position = settings.value(KEY_POSITION, defaults.position).toPoint();
    size = settings.value(KEY_SIZE, defaults.size).toSize();
    list_width = settings.value(KEY_SPLITTER_0, defaults.list_width).toInt();
    detail_width = settings.value(KEY_SPLITTER_1, defaults.detail_width).toInt();
    search_names = settings.value(KEY_SEARCH_NAMES, defaults.search_names).toBool();
    default_rule_group = settings.value(KEY_DEFAULT_RULE_GROUP, QString()).toString();
    export_options.changed_only = settings.value(KEY_EXPORT_CHANGED_ONLY, true).toBool();
    export_options.original_values = settings.value(KEY_EXPORT_ORIGINAL_VALUES, true).toBool();
    export_options.matches_import = settings.value(KEY_EXPORT_MATCHES_IMPORT, true).toBool();
    export_options_shown = false;
    recent_files = settings.value(KEY_RECENT_FILES).toStringList();
}

void TWindowSettings::Write(QSettings& settings) const
{
    if (export_options_shown)
    {
        settings.setValue(KEY_EXPORT_CHANGED_ONLY, export_options.changed_only);
        settings.setValue(KEY_EXPORT_ORIGINAL_VALUES, export_options.original_values);
        settings.setValue(KEY_EXPORT_MATCHES_IMPORT, export_options.matches_import);
    }
    settings.setValue(KEY_SPLITTER_0, list_width);
    settings.setValue(KEY_SPLITTER_1, detail_width);
    settings.setValue(KEY_POSITION, position);
    settings.setValue(KEY_SIZE, size);
    settings.setValue(KEY_SEARCH_NAMES, search_names);
    settings.setValue(KEY_DEFAULT_RULE_GROUP, default_rule_group);
    settings.setValue(KEY_RECENT_FILES, recent_files);
    settings.sync();
}
