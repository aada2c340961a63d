// How the main window builds its widgets, menus, tool bar and connections, and restores its size.
#include "vantrel.h"

#include "bitfieldwidget.h"
#include "comparisonview.h"
#include "edithistory.h"
#include "filestate.h"
#include "helpmenu.h"
#include "messagebox.h"
#include "parameterdocument.h"
#include "parameterlist.h"
#include "recentfiles.h"
#include "recoveryjournal.h"
#include "ruleoutcomes.h"
#include "rulespane.h"
#include "utilities.h"
#include "valueswidget.h"
#include "valuetaking.h"
#include "variablespane.h"
#include "verticalscrollarea.h"
#include "windowsettings.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDockWidget>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>

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
    // screen would otherwise reopen mostly out of reach). The smallest size is the finished layout's:
    // the style's sizes come with polishing, and showing would otherwise grow the window past the edge.
    ensurePolished();
    layout()->activate();
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
    d_rules_dock->setWindowTitle(tr("Rules"));
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
        {&d_new_action, "new_action", "Ctrl+N", ":/menu/menu_new.png", QT_TR_NOOP("Clear parameter list.")},
        {&d_open_action, "open_action", "Ctrl+O", ":/menu/menu_open.png", QT_TR_NOOP("Open parameter file.")},
        {&d_execute_action, "execute_action", "Ctrl+R", ":/gui/gui_play.png", QT_TR_NOOP("Execute rules")},
        {&d_export_action, "export_action", "Ctrl+E", ":/menu/menu_export.png", QT_TR_NOOP("Export changes")},
        {&d_quit_action, "quit_action", "Ctrl+Q", ":/menu/menu_quit.png",
         QT_TR_NOOP("Close vantrel utility.")},
        {&d_edit_rules_action, "edit_rules_action", nullptr, ":/gui/gui_edit.png", QT_TR_NOOP("Edit rules")},
        {&d_import_rules_action, "import_rules_action", nullptr, ":/menu/menu_open.png",
         QT_TR_NOOP("Add the rule groups of a rules file")},
        {&d_export_rule_group_action, "export_rule_group_action", nullptr, ":/menu/menu_export.png",
         QT_TR_NOOP("Write the selected rule group alone as a rules file")},
        {&d_save_report_action, "save_report_action", nullptr, ":/gui/gui_report.png",
         QT_TR_NOOP("Save the last run as PDF, HTML or text")},
    };

    for (const TActionSetup& setup : setups)
    {
        QAction* action = new QAction(this);
        action->setObjectName(QLatin1String(setup.object_name));
        action->setToolTip(tr(setup.tool_tip));
        if (setup.shortcut)
        {
            action->setShortcut(QKeySequence(QLatin1String(setup.shortcut), QKeySequence::NativeText));
        }
        action->setIcon(QIcon(QLatin1String(setup.icon)));
        *setup.action = action;
    }
    // The search is reached by the platform's find keys, wherever the focus is in the window.
    d_find_action = new QAction(this);
    d_find_action->setObjectName(QStringLiteral("find_action"));
    d_find_action->setShortcuts(QKeySequence::Find);
    d_find_action->setIcon(QIcon(QStringLiteral(":/gui/gui_search.png")));
    d_find_action->setToolTip(tr("Put the cursor in the search field"));

    Create_Menus();

    d_new_action->setText(tr("New"));
    d_open_action->setText(tr("Open"));
    d_execute_action->setText(tr("Execute Rules"));
    d_export_action->setText(tr("Export Changes"));
    d_quit_action->setText(tr("Quit"));
    d_edit_rules_action->setText(tr("Edit Rules"));
    d_import_rules_action->setText(tr("Import Rules\u2026"));
    d_export_rule_group_action->setText(tr("Export Rule Group\u2026"));
    d_save_report_action->setText(tr("Save Report\u2026"));
    d_find_action->setText(tr("Find Parameter"));
}

// The File and Edit menus; the recent files, the edit history and the comparison own the actions they
// add, so they are made here, where their menus are.
void TVantrel::Create_Menus()
{
    QMenu* file_menu = menuBar()->addMenu(tr("&File"));
    file_menu->setObjectName(QStringLiteral("file_menu"));
    file_menu->addAction(d_new_action);
    file_menu->addSeparator();
    file_menu->addAction(d_open_action);
    QMenu* recent_menu = file_menu->addMenu(tr("Open &Recent"));
    recent_menu->setObjectName(QStringLiteral("recent_menu"));
    d_recent_files = new TRecentFiles(recent_menu);
    d_recent_files->Set_Files(d_window_settings.recent_files);
    d_edit_history = new TEditHistory(d_document, d_message_box, this);
    d_file_state = new TFileState(d_document, d_edit_history, d_message_box, this);
    d_recovery = new TRecoveryJournal(d_document, d_data_path + QStringLiteral("/recovery"), this);
    d_file_state->Set_Path_Asker([this](const QString& caption, const QString& filter)
                                 { return Ask_File_Name(caption, filter, true); });
    file_menu->addAction(d_file_state->Save_Action());
    file_menu->addAction(d_file_state->Save_As_Action());
    d_load_warnings_action = file_menu->addAction(tr("Show &Load Warnings…"));
    d_load_warnings_action->setObjectName(QStringLiteral("load_warnings_action"));
    d_load_warnings_action->setToolTip(tr("List what the read of the loaded file cut or left out"));
    d_load_warnings_action->setEnabled(false);
    // The comparison follows the document before the list does: the list's decisions read its standings.
    d_comparison = new TComparisonView(d_document, d_edit_history, this);
    d_value_taking = new TValueTaking(d_document, d_edit_history, d_comparison, d_message_box, d_status_bar,
                                      {[this]() { Finish_Edit_In_Progress(); },
                                       [this](const QString& caption, const QString& filter, bool for_writing)
                                       { return Ask_File_Name(caption, filter, for_writing); }},
                                      this);
    file_menu->insertAction(d_load_warnings_action, d_value_taking->Save_Changed_Action());
    file_menu->addAction(d_comparison->Compare_Action());
    file_menu->addAction(d_comparison->Clear_Action());
    file_menu->addSeparator();
    file_menu->addAction(d_execute_action);
    file_menu->addAction(d_save_report_action);
    file_menu->addAction(d_export_action);
    file_menu->addSeparator();
    file_menu->addAction(d_quit_action);

    QMenu* edit_menu = menuBar()->addMenu(tr("&Edit"));
    edit_menu->setObjectName(QStringLiteral("edit_menu"));
    edit_menu->addAction(d_edit_history->Undo_Action());
    edit_menu->addAction(d_edit_history->Redo_Action());
    edit_menu->addSeparator();
    edit_menu->addAction(d_edit_history->Revert_Parameter_Action());
    edit_menu->addAction(d_edit_history->Revert_All_Action());
    edit_menu->addAction(d_comparison->Use_Reference_Action());
    edit_menu->addAction(d_value_taking->Use_All_Reference_Action());
    edit_menu->addAction(d_value_taking->Take_Values_Action());
    edit_menu->addSeparator();
    edit_menu->addAction(d_find_action);
    edit_menu->addSeparator();
    edit_menu->addAction(d_edit_rules_action);
    edit_menu->addAction(d_import_rules_action);
    edit_menu->addAction(d_export_rule_group_action);

    QMenu* help_menu = menuBar()->addMenu(tr("&Help"));
    help_menu->setObjectName(QStringLiteral("help_menu"));
    d_help_menu = new THelpMenu(this, help_menu, d_data_path);
}

void TVantrel::Create_Tool_Bar()
{
    d_tool_bar = new QToolBar(this);
    d_tool_bar->setObjectName(QStringLiteral("tool_bar"));
    // The title labels the tool bar in the context menu of the tool and dock areas.
    d_tool_bar->setWindowTitle(tr("Tool Bar"));
    addToolBar(Qt::TopToolBarArea, d_tool_bar);
    d_tool_bar->addAction(d_new_action);
    d_tool_bar->addAction(d_open_action);
    d_tool_bar->addAction(d_file_state->Save_Action());
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

    // The outcomes follow the document before the list does: the list's decisions read them.
    d_rule_outcomes = new TRuleOutcomes(d_document, centralWidget());
    Create_List_Side();
    Create_Detail_Side();
    d_rules_pane = new TRulesPane(&d_rules, &d_document->Parameters(), d_rule_outcomes->Live_Check(),
                                  d_message_box, d_fixed_font, d_rules_dock);
    d_rules_dock->setWidget(d_rules_pane);
    d_rules_pane->Set_Save_Report_Action(d_save_report_action);
    d_rules_pane->Set_Edited_Values_Source([this]()
                                           { return TRunReport::Changed_Values(d_document->Parameters()); });

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
    d_search_edit->setAccessibleName(tr("Search parameters"));
    d_search_edit->setAccessibleDescription(
        tr("Lists the parameters whose key contains this text, or whose number it is"));
    list_layout->addWidget(d_search_edit, 0, 1);

    // How far the search reaches sits right under its field, in a row of its own like the filters: beside
    // the field its text would leave the field no room on a narrow list side.
    d_search_names_check = new QCheckBox(tr("Names and descriptions"), list_side);
    d_search_names_check->setObjectName(QStringLiteral("search_names_check"));
    d_search_names_check->setToolTip(tr("Also look for the search text in parameter names and descriptions"));
    d_search_names_check->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    d_search_names_check->setChecked(d_window_settings.search_names);

    d_changed_only_check = new QCheckBox(tr("Changed only"), list_side);
    d_changed_only_check->setObjectName(QStringLiteral("changed_only_check"));
    d_changed_only_check->setToolTip(tr("List only the parameters changed since loading"));
    // The check boxes do not widen the list side: on a narrow list their texts are cut rather than
    // pushing the detail side or running into the counts beside them.
    d_changed_only_check->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    d_changed_count_label = new QLabel(list_side);
    d_changed_count_label->setObjectName(QStringLiteral("changed_count_label"));
    d_changed_count_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Each filter has a row of its own, so that none is cut on a narrow list side; the comparison's
    // filter and count show while a reference is open.
    const QPair<QWidget*, QLabel*> rows[] = {
        {d_search_names_check, nullptr},
        {d_changed_only_check, d_changed_count_label},
        {d_rule_outcomes->Failing_Only_Check(), nullptr},
        {d_comparison->Differences_Only_Check(), d_comparison->Difference_Count_Label()}};
    int grid_row = 1; // under the search field
    for (const QPair<QWidget*, QLabel*>& row : rows)
    {
        QHBoxLayout* row_layout = new QHBoxLayout();
        row_layout->addWidget(row.first, 1);
        if (row.second)
        {
            row.second->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
            row_layout->addWidget(row.second);
        }
        list_layout->addLayout(row_layout, grid_row++, 0, 1, 2);
    }

    d_parameter_list = new TParameterList(d_document, list_side);
    d_parameter_list->setObjectName(QStringLiteral("parameter_list"));
    d_parameter_list->setAccessibleName(tr("Parameters"));
    d_parameter_list->setSelectionMode(QAbstractItemView::SingleSelection);
    d_parameter_list->Set_Marker([this](const QString& key) { return Entry_Marks(key); });
    d_comparison->Join_Listing(&d_parameter_list->Filter());
    d_rule_outcomes->Join_Listing(&d_parameter_list->Filter());
    d_parameter_list->Filter().Set_Search_Names(d_search_names_check->isChecked());
    list_layout->addWidget(d_parameter_list, grid_row++, 0, 1, 2);

    d_variables_text = new TVariablesPane(d_document, list_side);
    d_variables_text->setObjectName(QStringLiteral("variables_text"));
    d_variables_text->setAccessibleName(tr("Rule variables"));
    d_variables_text->setAccessibleDescription(tr("The names rule expressions can use, with their values"));
    d_variables_text->setFont(d_fixed_font);
    list_layout->addWidget(d_variables_text, grid_row, 0, 1, 2);

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
    // A long title is cut at the side's edge (whole in its tool tip) rather than widening the detail side:
    // that would narrow the list side on selecting a parameter, and re-lay out every line of the
    // variable pane.
    d_title_label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    detail_layout->addWidget(d_title_label, 0, 0);

    // Below the title the side scrolls up and down once its parts need more height than the window
    // gives them, so that the reference values or the rules reading a parameter, appearing, never make
    // the window taller.
    TVerticalScrollArea* detail_area = new TVerticalScrollArea(detail_side);
    detail_area->setObjectName(QStringLiteral("detail_scroll_area"));
    detail_area->setAccessibleName(tr("Parameter details"));
    QWidget* detail_parts = new QWidget();
    detail_parts->setObjectName(QStringLiteral("detail_parts"));
    QGridLayout* parts_layout = new QGridLayout(detail_parts);
    parts_layout->setContentsMargins(0, 0, 0, 0);
    detail_area->setWidget(detail_parts);
    detail_layout->addWidget(detail_area, 1, 0);

    // A long description scrolls in its frame instead of making the window taller than the screen.
    QScrollArea* description_area = new QScrollArea(detail_parts);
    description_area->setObjectName(QStringLiteral("description_scroll_area"));
    description_area->setAccessibleName(tr("Parameter description"));
    description_area->setFrameShape(QFrame::StyledPanel);
    description_area->setWidgetResizable(true);
    description_area->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::MinimumExpanding);
    d_description_label = new QLabel();
    d_description_label->setObjectName(QStringLiteral("description_label"));
    d_description_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    d_description_label->setWordWrap(true);
    d_description_label->setTextFormat(Qt::PlainText);
    description_area->setWidget(d_description_label);
    parts_layout->addWidget(description_area, 0, 0);

    d_editor_stack = new QStackedWidget(detail_parts);
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
    parts_layout->addWidget(d_editor_stack, 1, 0);
    parts_layout->addWidget(d_comparison->Detail_Box(), 2, 0);
    parts_layout->addWidget(d_rule_outcomes->Detail_Box(), 3, 0);

    d_splitter->addWidget(detail_side);
}

void TVantrel::Restore_Splitter_Sizes()
{
    d_splitter->setSizes({d_window_settings.list_width, d_window_settings.detail_width});
}

void TVantrel::Set_Texts()
{
    Update_Title();
    d_notice_label->setText(tr("Save writes only the changed values; nothing is sent to the controller."));
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
    connect(d_parameter_list, &TParameterList::Selection_Changed, this,
            &TVantrel::Parameter_Selection_Changed);
    connect(d_search_edit, &QLineEdit::textEdited, this, &TVantrel::Search_Changed);
    connect(d_search_names_check, &QCheckBox::toggled, this,
            [this](bool search_names)
            {
                d_parameter_list->Filter().Set_Search_Names(search_names);
                d_parameter_list->Refill();
            });
    connect(d_find_action, &QAction::triggered, this,
            [this]()
            {
                d_search_edit->setFocus(Qt::ShortcutFocusReason);
                d_search_edit->selectAll();
            });
    connect(d_changed_only_check, &QCheckBox::toggled, this,
            [this](bool changed_only)
            {
                d_parameter_list->Filter().Set_Changed_Only(changed_only);
                d_parameter_list->Refill();
            });
    connect(d_document, &TParameterDocument::Keys_Changed, this, &TVantrel::Keys_Changed);
    connect(d_document, &TParameterDocument::List_Replaced, this, &TVantrel::List_Replaced);
    connect(d_comparison->Compare_Action(), &QAction::triggered, this, &TVantrel::File_Compare);
    connect(d_comparison->Use_Reference_Action(), &QAction::triggered, this, &TVantrel::Use_Reference_Value);
    connect(d_comparison, &TComparisonView::Comparison_Changed, d_parameter_list, &TParameterList::Refill);
    connect(d_comparison->Clear_Action(), &QAction::triggered, this,
            [this]() { d_status_bar->showMessage(QDir::toNativeSeparators(d_file_state->Path())); });
    connect(d_rule_outcomes, &TRuleOutcomes::Listing_Changed, d_parameter_list, &TParameterList::Refill);
    connect(d_rule_outcomes, &TRuleOutcomes::Marks_Changed, d_parameter_list,
            [this](const QStringList& keys) {
                keys.isEmpty() ? d_parameter_list->viewport()->update() : d_parameter_list->Update_Keys(keys);
            });
    for (TValueEditor* editor : Value_Editors())
    {
        connect(editor, &TValueEditor::Value_Changed, this, &TVantrel::Value_Changed);
    }
    connect(d_rules_pane, &TRulesPane::Execute_Requested, this, &TVantrel::Execute_Rules);
    connect(d_recent_files, &TRecentFiles::Open_Requested, this, &TVantrel::Open_Parameter_File);
    connect(d_file_state, &TFileState::Path_Changed, this, &TVantrel::Loaded_File_Changed);
    connect(d_file_state, &TFileState::Path_Changed, d_recovery, &TRecoveryJournal::Set_File);
    connect(d_file_state, &TFileState::Saved, d_recovery, &TRecoveryJournal::Forget);
    connect(d_file_state, &TFileState::Modified_Changed, this, &TVantrel::Update_Title);
    connect(d_file_state, &TFileState::Status, d_status_bar,
            [this](const QString& text) { d_status_bar->showMessage(text); });
    connect(d_file_state->Save_Action(), &QAction::triggered, this,
            [this]()
            {
                Finish_Edit_In_Progress();
                d_file_state->Save();
            });
    connect(d_file_state->Save_As_Action(), &QAction::triggered, this,
            [this]()
            {
                Finish_Edit_In_Progress();
                d_file_state->Save_As();
            });
    connect(d_load_warnings_action, &QAction::triggered, this, &TVantrel::Show_Load_Warnings);
    connect(d_recent_files, &TRecentFiles::File_Vanished, this, &TVantrel::Recent_File_Vanished);
}
