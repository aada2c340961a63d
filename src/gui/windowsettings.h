#pragma once

#include "utilities.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

class QSettings;

// What the window keeps between sessions in "settings.ini": where it stood, how the list and the detail
// side shared its width, whether the search looks in names and descriptions, the rule group on show, the
// export choices and the recent files.
struct TWindowSettings
{
    QPoint position{30, 30};
    QSize size{1008, 519};
    int list_width = 300;
    int detail_width = 700;
    // The search text is also looked for in parameter names and descriptions.
    bool search_names = false;
    QString default_rule_group;
    Utilities::TExportOptions export_options;
    // The export choices are written only once the user has had them on show; until then the stored
    // keys (or their absence) stay as they are.
    bool export_options_shown = false;
    QStringList recent_files;

    void Read(const QSettings& settings);
    void Write(QSettings& settings) const;
};
