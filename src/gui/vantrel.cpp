#include "vantrel.h"

#include "bitfieldwidget.h"
#include "comparisonview.h"
#include "edithistory.h"
#include "exportoptionsdialog.h"
#include "messagebox.h"
#include "parameterlist.h"
#include "recentfiles.h"
#include "rulespane.h"
#include "utilities.h"
#include "valueswidget.h"
#include "variablespane.h"
#include "windowsettings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QUrl>

#include <algorithm>

// The images live in the static gui library; whoever builds a window (the program or a test) needs
// them registered before the first icon is loaded.
static void Register_Resources()
{
    static const bool registered = []()
    {
        Q_INIT_RESOURCE(vantrel);
        return true;
    }();
    Q_UNUSED(registered);
}

TVantrel::TVantrel(const QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(const_cast<QWidget*>(parent), flags)
{
    Register_Resources();
    setObjectName(QStringLiteral("vantrel"));

    Create_Fonts();
    Create_Data_Path();
    setAcceptDrops(true);

    d_message_box = new TMessageBox(this);
    const QString settings_file = d_data_path + QStringLiteral("/settings.ini");
    d_settings = std::make_unique<QSettings>(settings_file, QSettings::IniFormat);
    d_window_settings.Read(*d_settings);

    d_status_bar = new QStatusBar(this);
    d_status_bar->setObjectName(QStringLiteral("status_bar"));
    setStatusBar(d_status_bar);

    Create_Rules_Dock();
    Create_Actions();
    Create_Tool_Bar();
    Create_Layout();
    Restore_Geometry();
    Restore_Splitter_Sizes();
    d_rules_pane->Load(d_window_settings.default_rule_group);
    Set_Texts();
    Make_Connections();
    // Key presses reach the focused field first; the window looks at them on the way (eventFilter).
    qApp->installEventFilter(this);
}

TVantrel::~TVantrel()
{
    qApp->removeEventFilter(this);
    // The base class deletes the widgets after this object's members are gone; a widget that signals
    // on its way out (a list losing its selection) must not reach a slot of the half-destroyed window.
    const QList<QObject*> children = findChildren<QObject*>();
    for (QObject* child : children)
    {
        child->disconnect(this);
    }
}

void TVantrel::Create_Fonts()
{
    d_bold_font = font();
    d_bold_font.setWeight(QFont::Bold);

    d_fixed_font = font();
    d_fixed_font.setFamily(QStringLiteral("Courier New"));
    d_fixed_font.setFixedPitch(true);
    d_fixed_font.setStyleHint(QFont::TypeWriter);

    d_notice_font = font();
    d_notice_font.setFamily(QStringLiteral("Verdana"));
    d_notice_font.setPointSize(8);
    d_notice_font.setItalic(true);
}

void TVantrel::Create_Data_Path()
{
    QDir directory = QDir::home();
    if (!directory.exists(Utilities::Data_Directory_Name()))
    {
        directory.mkdir(Utilities::Data_Directory_Name());
    }
    directory.cd(Utilities::Data_Directory_Name());

    d_data_path = directory.absolutePath();
    if (d_data_path.endsWith(QLatin1Char('/')))
    {
        d_data_path.chop(1);
    }

    d_rules.Set_Rule_Path(d_data_path);
}

void TVantrel::Restore_Geometry()
{
    const TWindowSettings defaults;
    QRect available(QPoint(0, 0), defaults.size);
    if (QScreen* screen = QGuiApplication::primaryScreen())
    {
        available = screen->availableGeometry();
    }

    QRect geometry(d_window_settings.position, d_window_settings.size);
    if (!geometry.intersects(available))
    {
        geometry = QRect(defaults.position, defaults.size);
    }

    // The window comes back whole: no larger than the screen, never below the size its layout needs,
    // and moved inside the screen rather than cut at its edge (a window saved in a corner of a larger
    // screen would otherwise reopen mostly out of reach).
    const QSize smallest = minimumSizeHint().boundedTo(available.size());
    geometry.setSize(geometry.size().boundedTo(available.size()).expandedTo(smallest));
    geometry.moveLeft(qBound(available.left(), geometry.left(), available.right() + 1 - geometry.width()));
    geometry.moveTop(qBound(available.top(), geometry.top(), available.bottom() + 1 - geometry.height()));

    resize(geometry.size());
    move(geometry.topLeft());
}

void TVantrel::Create_Rules_Dock()
{
    d_rules_dock = new QDockWidget(this);
    d_rules_dock->setObjectName(QStringLiteral("rules_dock"));
    // The dock can be moved and floated, so its title bar stays as the handle the user drags.
    d_rules_dock->setWindowTitle(QStringLiteral("Rules"));
    d_rules_dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    d_rules_dock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    addDockWidget(Qt::LeftDockWidgetArea, d_rules_dock);
}

void TVantrel::Create_Actions()
{
    struct TActionSetup
    {
        QAction** action;
        const char* object_name;
        const char* shortcut;
        const char* icon;
        const char* tool_tip;
    };

    const TActionSetup setups[] = {
        {&d_new_action, "new_action", "Ctrl+N", ":/menu/menu_new.png", "Clear parameter list."},
        {&d_open_action, "open_action", "Ctrl+O", ":/menu/menu_open.png", "Open parameter file."},
        {&d_execute_action, "execute_action", "Ctrl+R", ":/gui/gui_play.png", "Execute rules"},
        {&d_export_action, "export_action", "Ctrl+E", ":/menu/menu_export.png", "Export changes"},
        {&d_quit_action, "quit_action", "Ctrl+Q", ":/menu/menu_quit.png", "Close vantrel utility."},
        {&d_edit_rules_action, "edit_rules_action", nullptr, ":/gui/gui_edit.png", "Edit rules"},
        {&d_import_rules_action, "import_rules_action", nullptr, ":/menu/menu_open.png",
         "Add the rule groups of a rules file"},
        {&d_export_rule_group_action, "export_rule_group_action", nullptr, ":/menu/menu_export.png",
         "Write the selected rule group alone as a rules file"},
        {&d_save_report_action, "save_report_action", nullptr, ":/gui/gui_report.png",
         "Save the last run as PDF, HTML or text"},
    };

    for (const TActionSetup& setup : setups)
    {
        QAction* action = new QAction(this);
        action->setObjectName(QLatin1String(setup.object_name));
        action->setToolTip(QLatin1String(setup.tool_tip));
        if (setup.shortcut)
        {
            action->setShortcut(QKeySequence(QLatin1String(setup.shortcut), QKeySequence::NativeText));
        }
        action->setIcon(QIcon(QLatin1String(setup.icon)));
        *setup.action = action;
    }

    QMenu* file_menu = menuBar()->addMenu(QStringLiteral("&File"));
    file_menu->setObjectName(QStringLiteral("file_menu"));
    file_menu->addAction(d_new_action);
    file_menu->addSeparator();
    file_menu->addAction(d_open_action);
    QMenu* recent_menu = file_menu->addMenu(QStringLiteral("Open &Recent"));
    recent_menu->setObjectName(QStringLiteral("recent_menu"));
    d_recent_files = new TRecentFiles(recent_menu);
    d_recent_files->Set_Files(d_window_settings.recent_files);
    d_edit_history = new TEditHistory(&d_parameters, d_message_box, this);
    d_comparison = new TComparisonView(&d_parameters, d_edit_history, this);
    file_menu->addAction(d_comparison->Compare_Action());
    file_menu->addAction(d_comparison->Clear_Action());
    file_menu->addSeparator();
    file_menu->addAction(d_execute_action);
    file_menu->addAction(d_save_report_action);
    file_menu->addAction(d_export_action);
    file_menu->addSeparator();
    file_menu->addAction(d_quit_action);

    QMenu* edit_menu = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit_menu->setObjectName(QStringLiteral("edit_menu"));
    edit_menu->addAction(d_edit_history->Undo_Action());
    edit_menu->addAction(d_edit_history->Redo_Action());
    edit_menu->addSeparator();
    edit_menu->addAction(d_edit_history->Revert_Parameter_Action());
    edit_menu->addAction(d_edit_history->Revert_All_Action());
    edit_menu->addAction(d_comparison->Use_Reference_Action());
    edit_menu->addSeparator();
    edit_menu->addAction(d_edit_rules_action);
    edit_menu->addAction(d_import_rules_action);
    edit_menu->addAction(d_export_rule_group_action);

    d_new_action->setText(QStringLiteral("New"));
    d_open_action->setText(QStringLiteral("Open"));
    d_execute_action->setText(QStringLiteral("Execute Rules"));
    d_export_action->setText(QStringLiteral("Export Changes"));
    d_quit_action->setText(QStringLiteral("Quit"));
    d_edit_rules_action->setText(QStringLiteral("Edit Rules"));
    d_import_rules_action->setText(QStringLiteral("Import Rules\u2026"));
    d_export_rule_group_action->setText(QStringLiteral("Export Rule Group\u2026"));
    d_save_report_action->setText(QStringLiteral("Save Report\u2026"));
}

void TVantrel::Create_Tool_Bar()
{
    d_tool_bar = new QToolBar(this);
    d_tool_bar->setObjectName(QStringLiteral("tool_bar"));
    // The title labels the tool bar in the context menu of the tool and dock areas.
    d_tool_bar->setWindowTitle(QStringLiteral("Tool Bar"));
    addToolBar(Qt::TopToolBarArea, d_tool_bar);
    d_tool_bar->addAction(d_new_action);
    d_tool_bar->addAction(d_open_action);
    d_tool_bar->addAction(d_export_action);
    d_tool_bar->addAction(d_quit_action);
    d_tool_bar->addSeparator();
}

void TVantrel::Create_Layout()
{
    QWidget* central_widget = new QWidget(this);
    central_widget->setObjectName(QStringLiteral("central_widget"));
    setCentralWidget(central_widget);
    QGridLayout* central_layout = new QGridLayout(centralWidget());

    d_splitter = new QSplitter(Qt::Horizontal, centralWidget());
    d_splitter->setObjectName(QStringLiteral("splitter"));
    central_layout->addWidget(d_splitter, 0, 0);

    d_notice_label = new QLabel(centralWidget());
    d_notice_label->setObjectName(QStringLiteral("notice_label"));
    d_notice_label->setFont(d_notice_font);
    d_notice_label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    central_layout->addWidget(d_notice_label, 1, 0);

    Create_List_Side();
    Create_Detail_Side();
    d_rules_pane = new TRulesPane(&d_rules, &d_parameters, d_message_box, d_fixed_font, d_rules_dock);
    d_rules_dock->setWidget(d_rules_pane);
    d_rules_pane->Set_Save_Report_Action(d_save_report_action);

    d_new_action->setEnabled(false);
    d_export_action->setEnabled(false);
}

void TVantrel::Create_List_Side()
{
    // The list side: search, keys of the loaded parameters, and the values as rule variables.
    QWidget* list_side = new QWidget(d_splitter);
    list_side->setObjectName(QStringLiteral("list_side"));
    QGridLayout* list_layout = new QGridLayout(list_side);
    list_layout->setContentsMargins(0, 0, 4, 0);

    QLabel* search_icon_label = new QLabel(list_side);
    search_icon_label->setObjectName(QStringLiteral("search_icon_label"));
    search_icon_label->setFixedSize(24, 24);
    search_icon_label->setAlignment(Qt::AlignCenter);
    search_icon_label->setPixmap(QPixmap(QStringLiteral(":/gui/gui_search.png")));
    list_layout->addWidget(search_icon_label, 0, 0);

    d_search_edit = new QLineEdit(list_side);
    d_search_edit->setObjectName(QStringLiteral("search_edit"));
    list_layout->addWidget(d_search_edit, 0, 1);

    d_changed_only_check = new QCheckBox(QStringLiteral("Changed only"), list_side);
    d_changed_only_check->setObjectName(QStringLiteral("changed_only_check"));
    d_changed_only_check->setToolTip(QStringLiteral("List only the parameters changed since loading"));
    // The check boxes do not widen the list side: on a narrow list their texts are cut rather than
    // pushing the detail side or running into the counts beside them.
    d_changed_only_check->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    d_changed_count_label = new QLabel(list_side);
    d_changed_count_label->setObjectName(QStringLiteral("changed_count_label"));
    d_changed_count_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The comparison's filter and count have a row of their own that shows while a reference is open.
    const QPair<QWidget*, QLabel*> rows[] = {
        {d_changed_only_check, d_changed_count_label},
        {d_comparison->Differences_Only_Check(), d_comparison->Difference_Count_Label()}};
    for (int row = 0; row < 2; ++row)
    {
        QHBoxLayout* row_layout = new QHBoxLayout();
        row_layout->addWidget(rows[row].first, 1);
        rows[row].second->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        row_layout->addWidget(rows[row].second);
        list_layout->addLayout(row_layout, 1 + row, 0, 1, 2);
    }

    d_parameter_list = new TParameterList(&d_parameters, list_side);
    d_parameter_list->setObjectName(QStringLiteral("parameter_list"));
    d_parameter_list->setSelectionMode(QAbstractItemView::SingleSelection);
    d_parameter_list->setSortingEnabled(false);
    list_layout->addWidget(d_parameter_list, 3, 0, 1, 2);

    d_variables_text = new TVariablesPane(&d_parameters, list_side);
    d_variables_text->setObjectName(QStringLiteral("variables_text"));
    d_variables_text->setFont(d_fixed_font);
    list_layout->addWidget(d_variables_text, 4, 0, 1, 2);

    d_splitter->addWidget(list_side);
}

void TVantrel::Create_Detail_Side()
{
    // The detail side: what the selected parameter is and an editor that fits its value type.
    QWidget* detail_side = new QWidget(d_splitter);
    detail_side->setObjectName(QStringLiteral("detail_side"));
    QGridLayout* detail_layout = new QGridLayout(detail_side);
    detail_layout->setContentsMargins(4, 0, 0, 0);

    d_title_label = new QLabel(detail_side);
    d_title_label->setObjectName(QStringLiteral("title_label"));
    d_title_label->setFont(d_bold_font);
    d_title_label->setMinimumHeight(30);
    d_title_label->setFrameShape(QFrame::StyledPanel);
    d_title_label->setTextFormat(Qt::PlainText);
    detail_layout->addWidget(d_title_label, 0, 0);

    // A long description scrolls in its frame instead of making the window taller than the screen.
    QScrollArea* description_area = new QScrollArea(detail_side);
    description_area->setObjectName(QStringLiteral("description_scroll_area"));
    description_area->setFrameShape(QFrame::StyledPanel);
    description_area->setWidgetResizable(true);
    description_area->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::MinimumExpanding);
    d_description_label = new QLabel();
    d_description_label->setObjectName(QStringLiteral("description_label"));
    d_description_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    d_description_label->setWordWrap(true);
    d_description_label->setTextFormat(Qt::PlainText);
    description_area->setWidget(d_description_label);
    detail_layout->addWidget(description_area, 1, 0);

    d_editor_stack = new QStackedWidget(detail_side);
    d_editor_stack->setObjectName(QStringLiteral("editor_stack"));
    d_empty_page = new QFrame();
    d_empty_page->setObjectName(QStringLiteral("empty_page"));
    d_empty_page->setFrameShape(QFrame::StyledPanel);
    d_editor_stack->addWidget(d_empty_page);

    d_values_widget = new TValuesWidget();
    d_values_widget->setObjectName(QStringLiteral("values_widget"));
    d_editor_stack->addWidget(d_values_widget);

    d_bitfield_widget = new TBitfieldWidget();
    d_bitfield_widget->setObjectName(QStringLiteral("bitfield_widget"));
    d_editor_stack->addWidget(d_bitfield_widget);

    d_editor_stack->setCurrentWidget(d_empty_page);
    detail_layout->addWidget(d_editor_stack, 2, 0);
    detail_layout->addWidget(d_comparison->Detail_Box(), 3, 0);

    d_splitter->addWidget(detail_side);
}

void TVantrel::Restore_Splitter_Sizes()
{
    d_splitter->setSizes({d_window_settings.list_width, d_window_settings.detail_width});
}

void TVantrel::Set_Texts()
{
    setWindowTitle(QStringLiteral("Vantrel Version 1.0"));
    d_notice_label->setText(
        QStringLiteral("Changes stay in this program until exported; nothing is sent to the controller."));
}

void TVantrel::Make_Connections()
{
    connect(d_new_action, &QAction::triggered, this, &TVantrel::File_New);
    connect(d_open_action, &QAction::triggered, this, &TVantrel::File_Load_Parameters);
    connect(d_execute_action, &QAction::triggered, this, &TVantrel::Execute_Rules);
    connect(d_export_action, &QAction::triggered, this, &TVantrel::File_Export);
    connect(d_quit_action, &QAction::triggered, this, &TVantrel::close);
    connect(d_edit_rules_action, &QAction::triggered, this, &TVantrel::Edit_Rules);
    connect(d_import_rules_action, &QAction::triggered, this, &TVantrel::Import_Rules);
    connect(d_export_rule_group_action, &QAction::triggered, this, &TVantrel::Export_Rule_Group);
    connect(d_save_report_action, &QAction::triggered, this, &TVantrel::Save_Report);
    connect(d_parameter_list, &QListWidget::itemSelectionChanged, this,
            &TVantrel::Parameter_Selection_Changed);
    connect(d_search_edit, &QLineEdit::textEdited, this, &TVantrel::Search_Changed);
    connect(d_changed_only_check, &QCheckBox::toggled, this,
            [this]() { Search_Changed(d_search_edit->text()); });
    connect(d_edit_history, &TEditHistory::Parameter_Edited, this, &TVantrel::Parameter_Edited);
    connect(d_comparison->Compare_Action(), &QAction::triggered, this, &TVantrel::File_Compare);
    connect(d_comparison->Use_Reference_Action(), &QAction::triggered, this, &TVantrel::Use_Reference_Value);
    connect(d_comparison, &TComparisonView::Comparison_Changed, this,
            [this]() { Search_Changed(d_search_edit->text()); });
    connect(d_bitfield_widget, &TBitfieldWidget::Value_Changed, this, &TVantrel::Value_Changed);
    connect(d_values_widget, qOverload<int>(&TValuesWidget::Value_Changed), this, &TVantrel::Value_Changed);
    connect(d_rules_pane, &TRulesPane::Execute_Requested, this, &TVantrel::Execute_Rules);
    connect(d_recent_files, &TRecentFiles::Open_Requested, this, &TVantrel::Open_Parameter_File);
    connect(d_recent_files, &TRecentFiles::File_Vanished, this, &TVantrel::Recent_File_Vanished);
}

QString TVantrel::Ask_Open_File_Name()
{
    return QFileDialog::getOpenFileName(this, QStringLiteral("Open Parameter File"), QString(),
                                        QStringLiteral("Parameter Files (*.asc *.xml)"));
}

QString TVantrel::Ask_Save_File_Name()
{
    return QFileDialog::getSaveFileName(this, QStringLiteral("Export Changes"), QString(),
                                        QStringLiteral("Text file (*.txt)"));
}

QString TVantrel::Ask_File_Name(const QString& caption, const QString& filter, bool for_writing)
{
    return for_writing ? QFileDialog::getSaveFileName(this, caption, QString(), filter)
                       : QFileDialog::getOpenFileName(this, caption, QString(), filter);
}

bool TVantrel::eventFilter(QObject* watched, QEvent* event)
{
    // A text field claims keys such as Ctrl+E (end of line) before the window's shortcuts see them.
    // The window's commands win wherever the focus is in this window: the field's claim is declined.
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this)
    {
        const QKeyEvent* key_event = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers =
            key_event->modifiers() &
            (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        const QKeySequence pressed(static_cast<int>(modifiers) | key_event->key());
        for (const QAction* action :
             {d_new_action, d_open_action, d_execute_action, d_export_action, d_quit_action})
        {
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed)
            {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TVantrel::event(QEvent* event)
{
    // Menu entries and tool buttons without a status tip send an empty one when hovered; the status
    // bar keeps the result of the last open or export instead.
    if (event->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(event)->tip().isEmpty())
    {
        return true;
    }
    return QMainWindow::event(event);
}

void TVantrel::closeEvent(QCloseEvent* event)
{
    Finish_Edit_In_Progress();
    Save_Rules_At_Close();

    if (d_export_options_dialog)
    {
        d_window_settings.export_options = d_export_options_dialog->Export_Options();
        d_window_settings.export_options_shown = true;
    }
    const QList<int> sizes = d_splitter->sizes();
    if (sizes.size() >= 2)
    {
        d_window_settings.list_width = sizes.at(0);
        d_window_settings.detail_width = sizes.at(1);
    }
    d_window_settings.position = pos();
    d_window_settings.size = size();
    d_window_settings.default_rule_group = d_rules_pane->Current_Group();
    d_window_settings.recent_files = d_recent_files->Files();
    d_window_settings.Write(*d_settings);

    event->accept();
}

void TVantrel::Save_Rules_At_Close()
{
    // The rules file is written only here, once per session: a failed write would otherwise drop
    // every rule added or changed since start without the user ever knowing.
    if (d_rules.Save_Rules())
    {
        return;
    }

    d_message_box->Show_Error(QStringLiteral("The rules could not be saved to %1: %2")
                                  .arg(QDir::toNativeSeparators(d_rules.Rule_File_Name()).toHtmlEscaped(),
                                       d_rules.Last_Error().toHtmlEscaped()),
                              QString(), QMessageBox::Critical);
}

void TVantrel::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData() && event->mimeData()->hasFormat(QStringLiteral("text/uri-list")))
    {
        event->acceptProposedAction();
    }
}

void TVantrel::dropEvent(QDropEvent* event)
{
    if (!event->mimeData())
    {
        return;
    }

    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1)
    {
        return;
    }

    const QString path = urls.first().toLocalFile();
    if (path.isEmpty())
    {
        return;
    }

    event->acceptProposedAction();
    Finish_Edit_In_Progress();
    Open_Parameter_File(path);
}

void TVantrel::File_New()
{
    Finish_Edit_In_Progress();
    if (!d_message_box->Ask_Question(QStringLiteral("Warning"),
                                     QStringLiteral("Clear loaded parameter file?")))
    {
        return;
    }

    d_parameters.Reset();
    d_edit_history->Clear();
    Reset_View();
}

void TVantrel::File_Load_Parameters()
{
    Finish_Edit_In_Progress();
    const QString path = Ask_Open_File_Name();
    if (path.isEmpty())
    {
        return;
    }
    Open_Parameter_File(path);
}

void TVantrel::Open_Parameter_File(const QString& path)
{
    d_parameters.Reset();
    d_edit_history->Clear();
    if (!d_parameters.Load_Parameter_File(path))
    {
        d_status_bar->showMessage(QStringLiteral("ERR:  %1").arg(d_parameters.Last_Error()));
        Reset_View();
        return;
    }

    d_status_bar->showMessage(QDir::toNativeSeparators(path));
    d_recent_files->Add(path);
    d_rules_pane->Set_Parameter_File(path);

    d_parameter_list->clear();
    Parameter_Selection_Changed();
    d_search_edit->clear();
    d_selected_parameter.clear();

    d_comparison->Compare_With_Loaded();
    Fill_List(QString());
    d_variables_text->Show_Variables();
    d_rules_pane->Clear_Report();

    d_new_action->setEnabled(true);
    d_export_action->setEnabled(true);
}

void TVantrel::Recent_File_Vanished(const QString& path)
{
    d_status_bar->showMessage(QStringLiteral("%1 no longer exists; removed from the recent files.")
                                  .arg(QDir::toNativeSeparators(path)));
}

void TVantrel::Reset_View()
{
    d_parameter_list->clear();
    // Emptying the list does not always report a selection change; the detail pane must not keep
    // showing a parameter that is no longer loaded.
    Parameter_Selection_Changed();
    d_search_edit->clear();
    d_selected_parameter.clear();
    d_variables_text->Clear_Variables();
    d_rules_pane->Clear_Report();
    d_rules_pane->Set_Parameter_File(QString());
    d_changed_count_label->clear();
    d_comparison->Loaded_List_Cleared();

    d_new_action->setEnabled(false);
    d_export_action->setEnabled(false);
}

void TVantrel::File_Export()
{
    Finish_Edit_In_Progress();
    if (!d_export_options_dialog)
    {
        d_export_options_dialog = new TExportOptionsDialog(this);
        d_export_options_dialog->Reset(d_window_settings.export_options);
    }

    if (d_export_options_dialog->exec() != QDialog::Accepted)
    {
        return;
    }

    const QString path = Ask_Save_File_Name();
    if (path.isEmpty())
    {
        return;
    }

    Utilities::TExportOptions options = d_export_options_dialog->Export_Options();
    if (!d_parameters.Write_Parameter_Data(path, options))
    {
        d_status_bar->showMessage(QStringLiteral("ERR:  %1").arg(d_parameters.Last_Error()));
    }
}

void TVantrel::File_Compare()
{
    Finish_Edit_In_Progress();
    const QString path = Ask_File_Name(QStringLiteral("Compare With Reference File"),
                                       QStringLiteral("Parameter Files (*.asc *.xml)"), false);
    if (path.isEmpty())
    {
        return;
    }
    QString error;
    if (!d_comparison->Load_Reference(path, &error))
    {
        d_status_bar->showMessage(QStringLiteral("ERR:  %1").arg(error));
        return;
    }
    d_status_bar->showMessage(QStringLiteral("Reference: %1").arg(QDir::toNativeSeparators(path)));
}

void TVantrel::Use_Reference_Value()
{
    Finish_Edit_In_Progress();
    d_comparison->Use_Reference_Value(d_selected_parameter);
}

void TVantrel::Parameter_Selection_Changed()
{
    const QList<QListWidgetItem*> selected = d_parameter_list->selectedItems();
    if (selected.size() != 1)
    {
        d_selected_parameter.clear();
        d_edit_history->Set_Selected(QString());
        d_comparison->Show_Parameter(QString());
        d_title_label->clear();
        d_description_label->clear();
        d_editor_stack->setCurrentWidget(d_empty_page);
        return;
    }

    d_selected_parameter = selected.first()->text();
    d_edit_history->Set_Selected(d_selected_parameter);
    d_comparison->Show_Parameter(d_selected_parameter);

    bool found = false;
    const TParameters::TParameter parameter = d_parameters.Get_Parameter(d_selected_parameter, &found);
    if (!found)
    {
        // A key only the reference holds is shown as the reference has it, with nothing to edit.
        const TParameters::TParameter* reference = d_comparison->Reference_Parameter(d_selected_parameter);
        Show_Title(reference ? *reference : TParameters::TParameter());
        d_editor_stack->setCurrentWidget(d_empty_page);
        return;
    }
    Show_Title(parameter);

    const TParameters::TValueKind kind = TParameters::Value_Kind(parameter.type);
    if (parameter.type == TParameters::TYPE_INTEGER_BIT_PATTERN)
    {
        d_bitfield_widget->Reset();
        d_bitfield_widget->Set_Integer(parameter.integer_values.value(0));
        d_editor_stack->setCurrentWidget(d_bitfield_widget);
        return;
    }
    if (kind == TParameters::KIND_NONE)
    {
        // A record without a value type has nothing to edit. Leaving the previous editor on show
        // would offer the earlier parameter's values, and an edit there would be written to this one.
        d_editor_stack->setCurrentWidget(d_empty_page);
        return;
    }
    const int count = TParameters::Value_Count(parameter);
    d_values_widget->Reset(count);
    for (int index = 0; index < count; ++index)
    {
        if (kind == TParameters::KIND_REAL)
        {
            d_values_widget->Set_Float(index, parameter.double_values.at(index));
        }
        else
        {
            d_values_widget->Set_Text(index, TParameters::Value_Text(parameter, index));
        }
    }
    d_editor_stack->setCurrentWidget(d_values_widget);
}

void TVantrel::Show_Title(const TParameters::TParameter& parameter)
{
    const QString number = QStringLiteral("%1").arg(parameter.number, 3, 10, QLatin1Char('0'));
    if (!parameter.name.isEmpty())
    {
        d_title_label->setText(QStringLiteral("[%1]  %2 - %3").arg(number, parameter.key, parameter.name));
    }
    else
    {
        d_title_label->setText(QStringLiteral("[%1]  %2").arg(number, parameter.key));
    }
    d_description_label->setText(parameter.description);
}

void TVantrel::Value_Changed(int index)
{
    bool found = false;
    TParameters::TParameter parameter = d_parameters.Get_Parameter(d_selected_parameter, &found);
    const bool bit_pattern = parameter.type == TParameters::TYPE_INTEGER_BIT_PATTERN;
    if (bit_pattern)
    {
        index = 0;
    }
    // A record without values shows no editor, so a signal here comes from a hidden editor: it holds
    // another parameter's values and must not reach this one.
    if (d_selected_parameter.isEmpty() || !found || index < 0 || index >= TParameters::Value_Count(parameter))
    {
        return;
    }
    // Only text the user changed is read: a field left as it was shown keeps the stored value bit for
    // bit, even where the shown text rounds it.
    if (!bit_pattern && !d_values_widget->Is_Edited(index))
    {
        return;
    }

    // Text that is no value of the kind is refused and the stored value stays.
    const QString text = bit_pattern ? d_bitfield_widget->Text() : d_values_widget->Text(index);
    QString refusal;
    if (!TParameters::Set_Value_Text(&parameter, index, text, &refusal))
    {
        Refuse_Value(index, refusal);
        return;
    }
    if (bit_pattern)
    {
        // A typed value moves the boxes as a click moves the value.
        d_bitfield_widget->Set_Integer(parameter.integer_values.at(0));
    }
    else
    {
        d_values_widget->Mark_Refused(index, QString());
    }
    d_edit_history->Edit(parameter);
}

void TVantrel::Parameter_Edited(const QString& key)
{
    d_variables_text->Update_Parameter(key);
    Update_Changed_Count();
    d_comparison->Compare_Key(key);
    QListWidgetItem* item = d_parameter_list->Item(key);
    if (item)
    {
        Mark_Item(item);
    }
    // An undo or a redo can move a key into or out of what the filters let through.
    const bool listed = (!d_changed_only_check->isChecked() || d_parameters.Get_Parameter(key).changed) &&
                        d_comparison->Is_Listed(key) &&
                        key.contains(d_search_edit->text(), Qt::CaseInsensitive);
    if (listed == !item)
    {
        Search_Changed(d_search_edit->text());
    }
    else if (key == d_selected_parameter)
    {
        // An undo or a revert changes the values on show.
        Parameter_Selection_Changed();
    }
}

void TVantrel::Mark_Item(QListWidgetItem* item)
{
    const TParameters::TParameter* parameter = d_parameters.Find_Parameter(item->text());
    const bool changed = parameter && parameter->changed;
    // An entry is only touched where its mark changes: every touch is announced to the list's view.
    if (item->font().bold() != changed)
    {
        QFont font = item->font();
        font.setBold(changed);
        item->setFont(font);
    }
    d_comparison->Mark_Item(item, changed ? QStringLiteral("Changed since loading") : QString());
}

void TVantrel::Update_Changed_Count()
{
    const int changed = d_parameters.Changed_Count();
    d_changed_count_label->setText(changed == 1 ? QStringLiteral("1 changed")
                                                : QStringLiteral("%1 changed").arg(changed));
}

void TVantrel::Fill_List(const QString& filter)
{
    QStringList keys = d_parameters.Get_Parameter_List(filter);
    const bool changed_only = d_changed_only_check->isChecked();
    if (changed_only)
    {
        keys.erase(std::remove_if(keys.begin(), keys.end(),
                                  [this](const QString& key)
                                  { return !d_parameters.Find_Parameter(key)->changed; }),
                   keys.end());
    }
    d_comparison->Filter_Keys(&keys, filter, changed_only);
    d_parameter_list->addItems(keys);
    if (d_parameters.Changed_Count() > 0 || d_comparison->Is_Listing())
    {
        // The new entries are laid out on the next turn of the event loop, with their marks: the
        // marks need not be announced to the view one entry at a time.
        const QSignalBlocker blocker(d_parameter_list->model());
        for (int row = 0; row < d_parameter_list->count(); ++row)
        {
            Mark_Item(d_parameter_list->item(row));
        }
    }
    Update_Changed_Count();
}

void TVantrel::Refuse_Value(int index, const QString& reason)
{
    if (d_editor_stack->currentWidget() == d_bitfield_widget)
    {
        d_bitfield_widget->Mark_Refused(reason);
    }
    else
    {
        d_values_widget->Mark_Refused(index, reason);
    }
    d_status_bar->showMessage(QStringLiteral("ERR:  %1").arg(reason));
}

void TVantrel::Finish_Edit_In_Progress()
{
    if (d_editor_stack->currentWidget() == d_values_widget)
    {
        d_values_widget->Finish_Editing();
    }
    else if (d_editor_stack->currentWidget() == d_bitfield_widget)
    {
        d_bitfield_widget->Finish_Editing();
    }
}

void TVantrel::Search_Changed(const QString& text)
{
    const QString kept_key = d_selected_parameter;

    d_parameter_list->clear();
    Parameter_Selection_Changed();
    Fill_List(text);

    // An empty key means nothing was on show; it must not pick a record whose key happens to be empty.
    const QList<QListWidgetItem*> matches =
        kept_key.isEmpty() ? QList<QListWidgetItem*>()
                           : d_parameter_list->findItems(kept_key, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (matches.size() == 1)
    {
        d_parameter_list->setCurrentItem(matches.first());
        matches.first()->setSelected(true);
    }
    else
    {
        d_selected_parameter.clear();
    }
}

void TVantrel::Execute_Rules()
{
    // A run gives the event loop a turn between rules; a second press meanwhile must not touch the edit.
    if (d_rules_pane->Is_Running())
    {
        return;
    }
    Finish_Edit_In_Progress();
    d_rules_pane->Execute_Rules();
}

void TVantrel::Add_Group()
{
    d_rules_pane->Add_Group();
}

void TVantrel::Remove_Group()
{
    d_rules_pane->Remove_Group();
}

void TVantrel::Edit_Rules()
{
    d_rules_pane->Edit_Rules();
}

void TVantrel::Import_Rules()
{
    const QString path =
        Ask_File_Name(QStringLiteral("Import Rules"), QStringLiteral("Rules Files (*.xml)"), false);
    if (!path.isEmpty() && d_rules_pane->Import_Rules(path))
    {
        d_status_bar->showMessage(
            QStringLiteral("Rules imported from %1").arg(QDir::toNativeSeparators(path)));
    }
}

void TVantrel::Export_Rule_Group()
{
    if (d_rules_pane->Current_Group().isEmpty())
    {
        d_status_bar->showMessage(QStringLiteral("ERR:  There is no rule group to export"));
        return;
    }
    const QString path =
        Ask_File_Name(QStringLiteral("Export Rule Group"), QStringLiteral("Rules Files (*.xml)"), true);
    if (!path.isEmpty() && d_rules_pane->Export_Group(path))
    {
        d_status_bar->showMessage(
            QStringLiteral("Rule group exported to %1").arg(QDir::toNativeSeparators(path)));
    }
}

void TVantrel::Save_Report()
{
    const QString path =
        Ask_File_Name(QStringLiteral("Save Report"),
                      QStringLiteral("PDF (*.pdf);;HTML (*.html *.htm);;Text (*.txt)"), true);
    if (!path.isEmpty() && d_rules_pane->Save_Report(path))
    {
        d_status_bar->showMessage(QStringLiteral("Report saved to %1").arg(QDir::toNativeSeparators(path)));
    }
}
