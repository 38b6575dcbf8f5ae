// Everyday conveniences in a running program: undo and redo of the table's
// changes from "&Edit" (and from the table window), the saved state following
// undo, the recent projects of "&File" and the desktop's usual shortcuts.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>
#include <QUndoStack>
#include <cstring>

#include "../core/file_size_limit.h"
#include "program_harness.h"
#include "results/column_fit.h"
#include "results/widgets/short_display_window.h"
#include "results/widgets/table_model.h"
#include "results/widgets/table_undo.h"
#include "shell/project_file.h"
#include "shell/recent_projects.h"
#include "shell/widgets/project_actions.h"
#include "shell/widgets/qt_platform.h"
#include "ui_fixture.h"

using namespace tolvane;

namespace {

// Every cell text, the total text and the widths: what "exactly as it was" means.
QStringList everything(const Session& s) {
    QStringList out;
    for (int c = 0; c < s.table.ColCount(); ++c)
        for (int r = 0; r < kTableRows; ++r) out << QString::fromStdString(s.table.cell(c, r));
    out << QString::fromStdString(s.table.totalText()) << QString::number(s.table.total(), 'g', 17);
    for (int w : s.table.columnWidths()) out << QString::number(w);
    return out;
}

}  // namespace

class TestUndoRecent : public QObject {
    Q_OBJECT
    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::ProgramHarness> run;

    MainMenu& menu() const { return *run->menu(); }
    Session& session() const { return run->session; }
    void selectColumn(int tableColumn) {
        QTableView* grid = run->table()->grid();
        grid->selectionModel()->setCurrentIndex(
            grid->model()->index(7, CalculationTableModel::modelColumn(tableColumn)),
            QItemSelectionModel::ClearAndSelect);
    }
    // "Save project &as..." as the opened menu enables it.
    void saveAs() {
        menu().updateFileMenu(menu().context());
        menu().saveProjectAs->trigger();
    }
    QString path(const char* name) const {
        return ui.workDir() + "/" + QTest::currentTestFunction() + "-" + name;
    }

private Q_SLOTS:
    void init() {
        // Each test its own settings and recent list.
        QFile::remove(ui.workDir() + "/" + kRecentProjectsFileName);
        QDir(ui.workDir() + "/" + kRecentProjectsFileName).removeRecursively();
        QFile::remove(ui.workDir() + "/TOLV.INI");
        run = std::make_unique<tolvane::test::ProgramHarness>();
        QVERIFY(run->start(tolvane::test::ProgramHarness::options(ui.workDir())));
        run->sink.messages.clear();
    }
    void cleanup() {
        run.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void undo_brings_a_deleted_column_back_exactly() {
        run->calculate(3);
        QAbstractItemModel* model = run->table()->grid()->model();
        QVERIFY(model->setData(model->index(Row::Specification, 1), "suction line"));
        const QStringList before = everything(session());
        selectColumn(2);
        run->table()->deleteSelectedColumn();
        QCOMPARE(session().table.calculationCount(), 2);
        QVERIFY(menu().editUndo->isEnabled());
        QCOMPARE(menu().editUndo->text(), QStringLiteral("&Undo delete column"));

        menu().editUndo->trigger();
        QCOMPARE(everything(session()), before);
        QCOMPARE(run->table()->model()->columnCount(), 4);  // the grid shows it again

        menu().editRedo->trigger();
        QCOMPARE(session().table.calculationCount(), 2);
        QCOMPARE(session().table.cell(2, Row::Specification).find("suction"), std::string::npos);
    }

    void undo_takes_back_a_calculation_and_a_zoom() {
        run->calculate(1);
        const QStringList one = everything(session());
        run->calculate(1);
        menu().zoomIn->trigger();
        QCOMPARE(menu().editUndo->text(), QStringLiteral("&Undo zoom in"));
        menu().editUndo->trigger();
        menu().editUndo->trigger();
        QCOMPARE(everything(session()), one);
        QCOMPARE(menu().editRedo->text(), QStringLiteral("&Redo new calculation"));
    }

    void a_typed_specification_is_undone() {
        run->calculate(1);
        QAbstractItemModel* model = run->table()->grid()->model();
        QVERIFY(model->setData(model->index(Row::Specification, 0), "pump"));
        QCOMPARE(session().table.cell(1, Row::Specification), std::string("pump"));
        menu().editUndo->trigger();
        QCOMPARE(session().table.cell(1, Row::Specification), std::string());
    }

    void a_unit_switch_is_undone_with_the_output_setting() {
        run->calculate(1);
        const QStringList metric = everything(session());
        session().settings.output = OutputSystem::US;  // as the settings dialog's OK
        QVERIFY(run->table()->convertUnits(OutputSystem::US, session().settings.decimals));
        menu().editUndo->trigger();
        QCOMPARE(session().settings.output, OutputSystem::Metric);
        QCOMPARE(everything(session()), metric);
    }

    void undo_never_goes_back_behind_the_start_of_the_run() {
        session().settings.output = OutputSystem::US;  // kept in TOLV.INI at the end
        run->main()->close();
        run = std::make_unique<tolvane::test::ProgramHarness>();
        QVERIFY(run->start(tolvane::test::ProgramHarness::options(ui.workDir())));
        QCOMPARE(session().settings.output, OutputSystem::US);
        QVERIFY(!menu().editUndo->isEnabled());
        run->calculate(1);
        menu().editUndo->trigger();
        QCOMPARE(session().settings.output, OutputSystem::US);
        QCOMPARE(session().table.cell(0, Row::RateOfFlow), std::string("Rate of flow in gal/min:"));
        QVERIFY(!menu().editUndo->isEnabled());
    }

    void a_dragged_width_is_one_step() {
        run->calculate(1);
        const int before = session().table.columnWidth(1);
        QHeaderView* header = run->table()->grid()->horizontalHeader();
        for (int w : {before + 10, before + 20, before + 40}) header->resizeSection(0, w);
        QCOMPARE(session().table.columnWidth(1), before + 40);
        menu().editUndo->trigger();
        QCOMPARE(session().table.columnWidth(1), before);
        QCOMPARE(menu().editUndo->text(), QStringLiteral("&Undo new calculation"));
    }

    void a_double_click_on_a_column_border_fits_it_in_one_step() {
        run->calculate(2);
        QTableView* grid = run->table()->grid();
        QHeaderView* header = grid->horizontalHeader();
        const QFontMetrics metrics(grid->font());
        int longest = 0;
        for (int r = 1; r < kTableRows; ++r)
            longest = std::max(longest, metrics.horizontalAdvance(
                                            QString::fromStdString(session().table.cell(2, r))));
        const QStringList before = everything(session());
        const int border = header->sectionViewportPosition(1) + header->sectionSize(1) - 1;
        QTest::mouseDClick(header->viewport(), Qt::LeftButton, {},
                           QPoint(border, header->height() / 2));
        QCOMPARE(session().table.columnWidth(2), longest + 2 * kFitMargin);
        QCOMPARE(header->sectionSize(1), longest + 2 * kFitMargin);
        QCOMPARE(session().table.columnWidth(1), 150);
        QVERIFY(!session().projectSaved);
        QCOMPARE(menu().editUndo->text(), QStringLiteral("&Undo fit column width"));
        menu().editUndo->trigger();
        QCOMPARE(everything(session()), before);
        QCOMPARE(header->sectionSize(1), 150);
        QCOMPARE(menu().editUndo->text(), QStringLiteral("&Undo new calculation"));
    }

    void fit_all_columns_from_the_table_menu_is_one_step() {
        run->calculate(2);
        const QStringList before = everything(session());
        menu().fitAllColumns->trigger();
        QVERIFY(session().table.columnWidth(0) != 145);
        QVERIFY(session().table.columnWidth(1) != 150);
        QCOMPARE(session().table.columnWidth(3), 150);  // the empty column for the next one
        QCOMPARE(run->table()->grid()->verticalHeader()->width(), session().table.columnWidth(0));
        QCOMPARE(menu().editUndo->text(), QStringLiteral("&Undo fit all columns"));
        menu().editUndo->trigger();
        QCOMPARE(everything(session()), before);
        menu().editRedo->trigger();
        QVERIFY(session().table.columnWidth(1) != 150);
        run->calculate(1);
        QCOMPARE(session().table.columnWidth(4), 150);
    }

    void the_table_windows_fit_commands_are_undone_too() {
        run->calculate(1);
        const QStringList before = everything(session());
        auto* fitAll = run->table()->findChild<QAction*>("FitAllColumns");
        QVERIFY(fitAll);
        fitAll->trigger();
        QVERIFY(everything(session()) != before);
        menu().editUndo->trigger();
        QCOMPARE(everything(session()), before);
        // An already fitted column is no step at all.
        run->table()->fitColumnWidth(1);
        const int steps = run->main()->tableUndo()->stack()->count();
        run->table()->fitColumnWidth(1);
        QCOMPARE(run->main()->tableUndo()->stack()->count(), steps);
    }

    void a_line_deleted_in_the_short_display_is_undone() {
        run->calculate(2);
        const QStringList before = everything(session());
        TKurzAnzeige* display = run->program->shortDisplay();
        display->setCurrentLine(1);
        display->DeleteClick();
        QCOMPARE(session().table.calculationCount(), 1);
        menu().editUndo->trigger();
        QCOMPARE(everything(session()), before);
        QCOMPARE(display->grid()->rowCount(), 2);
    }

    void undo_after_saving_makes_the_project_unsaved_again() {
        run->calculate(2);
        QVERIFY(!session().projectSaved);
        run->files.replies.push_back(path("plant.tlv").toStdString());
        saveAs();
        QVERIFY(session().projectSaved);

        menu().editUndo->trigger();
        QVERIFY(!session().projectSaved);
        menu().editRedo->trigger();
        QVERIFY(session().projectSaved);  // back at the saved state

        // A delete changes the saved project too: closing would ask.
        selectColumn(1);
        run->table()->deleteSelectedColumn();
        QVERIFY(!session().projectSaved);
        menu().editUndo->trigger();
        QVERIFY(session().projectSaved);
    }

    void a_new_project_starts_a_history_of_its_own() {
        run->calculate(1);
        run->sink.answers.push_back(Answer::No);
        menu().newProject->trigger();
        QVERIFY(!menu().editUndo->isEnabled());
        QVERIFY(session().projectSaved);
        QVERIFY(!session().table.hasValues());
    }

    void the_table_window_takes_the_undo_keys_too() {
        QVERIFY(run->table()->actions().contains(menu().editUndo));
        QVERIFY(run->table()->actions().contains(menu().editRedo));
    }

    void ctrl_z_in_a_field_without_typing_of_its_own_undoes_the_table() {
        run->calculate(2);
        TMyWindow* w = run->main();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto* field = w->findChild<QLineEdit*>(QStringLiteral("Eingabe_Medium"));
        QVERIFY(field);
        field->setFocus();
        QVERIFY(!field->isUndoAvailable());
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(session().table.calculationCount(), 1);
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(session().table.calculationCount(), 2);
    }

    void standard_shortcuts() {
        const std::pair<QAction*, QKeySequence> keys[] = {
            {menu().newProject, QKeySequence(Qt::CTRL | Qt::Key_N)},
            {menu().openProject, QKeySequence(Qt::CTRL | Qt::Key_O)},
            {menu().saveProject, QKeySequence(Qt::CTRL | Qt::Key_S)},
            {menu().saveProjectAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
            {menu().printTable, QKeySequence(Qt::CTRL | Qt::Key_P)},
            {menu().exitProgram, QKeySequence(Qt::CTRL | Qt::Key_Q)},
            {menu().editUndo, QKeySequence(Qt::CTRL | Qt::Key_Z)},
            {menu().editRedo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
            {menu().pressureDrop, QKeySequence(Qt::Key_F3)},
        };
        QSet<QString> seen;
        for (const auto& [action, key] : keys) {
            QCOMPARE(action->shortcut(), key);
            QVERIFY2(!seen.contains(key.toString()), qPrintable(key.toString()));
            seen.insert(key.toString());
        }
    }

    void the_keys_of_save_and_print_work_without_opening_their_menu() {
        QVERIFY(!menu().saveProject->isEnabled());
        run->calculate(1);
        QVERIFY(menu().saveProject->isEnabled());
        QVERIFY(menu().printTable->isEnabled());
        menu().editUndo->trigger();
        QVERIFY(!menu().saveProject->isEnabled());
        QVERIFY(run->table()->actions().contains(menu().saveProject));
    }

    void saved_and_opened_projects_are_listed_newest_first() {
        run->calculate(1);
        const QString a = path("a.tlv"), b = path("b.tlv");
        run->files.replies.push_back(a.toStdString());
        saveAs();
        run->files.replies.push_back(b.toStdString());
        saveAs();
        QVERIFY(menu().recentProjects[0]->isVisible());
        QCOMPARE(menu().recentProjects[0]->text(), QStringLiteral("&1 ") + QFileInfo(b).fileName());
        QCOMPARE(menu().recentProjects[1]->data().toString(), a);
        QVERIFY(!menu().recentProjects[2]->isVisible());

        // Chosen, it is opened and moves to the top.
        menu().recentProjects[1]->trigger();
        QCOMPARE(QString::fromStdString(session().projectName), a);
        QCOMPARE(menu().recentProjects[0]->data().toString(), a);

        // The list is kept beside TOLV.INI, which keeps its 43 lines.
        QVERIFY(QFile::exists(ui.workDir() + "/" + kRecentProjectsFileName));
        const std::string ini = (ui.workDir() + "/TOLV.INI").toStdString();
        run->main()->close();
        QCOMPARE(tolvane::test::fileLines(ini).size(), std::size_t(43));
        run = std::make_unique<tolvane::test::ProgramHarness>();
        QVERIFY(run->start(tolvane::test::ProgramHarness::options(ui.workDir())));
        QCOMPARE(menu().recentProjects[0]->data().toString(), a);
        QCOMPARE(menu().recentProjects[1]->data().toString(), b);
    }

    void a_recent_project_that_is_gone_is_reported_and_removed() {
        run->calculate(1);
        const QString gone = path("gone.tlv");
        run->files.replies.push_back(gone.toStdString());
        saveAs();
        QVERIFY(QFile::remove(gone));
        menu().recentProjects[0]->trigger();
        QCOMPARE(run->sink.messages.size(), std::size_t(1));
        QVERIFY(run->sink.messages[0].text.find(gone.toStdString()) != std::string::npos);
        QVERIFY(run->sink.questions.empty());
        QVERIFY(!menu().recentProjects[0]->isVisible());
        QCOMPARE(session().table.calculationCount(), 1);
    }

    void a_project_saved_on_the_way_to_opening_another_is_listed_too() {
        run->calculate(1);
        const QString other = path("other.tlv");
        run->files.replies.push_back(other.toStdString());
        saveAs();
        run->sink.answers.push_back(Answer::No);  // "Save the existing project?"
        menu().newProject->trigger();
        run->calculate(1);
        // Ctrl+O: "Save existing project?" Yes, saved as "pump line", then the other opened.
        run->sink.answers.push_back(Answer::Yes);
        const QString pumpLine = path("pump line");
        run->files.replies.push_back(pumpLine.toStdString());
        run->files.replies.push_back(other.toStdString());
        menu().updateFileMenu(menu().context());
        menu().openProject->trigger();
        QCOMPARE(QString::fromStdString(session().projectName), other);
        QVERIFY(QFile::exists(pumpLine + ".tlv"));
        QCOMPARE(menu().recentProjects[0]->data().toString(), other);
        QCOMPARE(menu().recentProjects[1]->data().toString(), pumpLine + ".tlv");
    }

    void a_recent_list_that_cannot_be_written_is_told_once() {
        // A folder in the file's place: it can be neither read nor replaced.
        QVERIFY(QDir().mkpath(ui.workDir() + "/" + kRecentProjectsFileName + "/inside"));
        run->calculate(1);
        for (const char* name : {"a.tlv", "b.tlv"}) {
            run->files.replies.push_back(path(name).toStdString());
            saveAs();
        }
        QCOMPARE(run->sink.messages.size(), std::size_t(1));
        QCOMPARE(run->sink.messages[0].type, MessageType::Warning);
        QVERIFY(run->sink.messages[0].text.find(kRecentProjectsFileName) != std::string::npos);
        QVERIFY(run->sink.messages[0].text.find(std::strerror(EISDIR)) != std::string::npos);
        // The list lives on for this run.
        QCOMPARE(menu().recentProjects[0]->data().toString(), path("b.tlv"));
        QCOMPARE(menu().recentProjects[1]->data().toString(), path("a.tlv"));
        QVERIFY(QDir(ui.workDir() + "/" + kRecentProjectsFileName).exists());
        QVERIFY(QDir(ui.workDir() + "/" + kRecentProjectsFileName).removeRecursively());
    }

    void a_short_write_keeps_the_old_recent_list_and_says_why() {
        run->calculate(1);
        const QString gone = path("gone.tlv");
        for (const QString& p : {path("kept.tlv"), gone}) {
            run->files.replies.push_back(p.toStdString());
            saveAs();
        }
        const QString file = ui.workDir() + "/" + kRecentProjectsFileName;
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        QVERIFY(QFile::remove(gone));
        {
            tolvane::testing_support::FileSizeLimit limit(10);
            QVERIFY(limit.active());
            menu().recentProjects[0]->trigger();  // gone: taken off the list
        }
        QCOMPARE(run->sink.messages.size(), std::size_t(2));  // gone, and not saved
        QVERIFY(run->sink.messages[1].text.find(std::strerror(EFBIG)) != std::string::npos);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QCOMPARE(QDir(ui.workDir()).entryList({QString(kRecentProjectsFileName) + "*"}).size(), 1);
        QCOMPARE(menu().recentProjects[0]->data().toString(), path("kept.tlv"));
    }

    void the_recent_list_reads_and_is_read_by_the_settings_class() {
        const QString file = ui.workDir() + "/" + kRecentProjectsFileName;
        const QStringList awkward{ui.workDir() + "/a, b.tlv", ui.workDir() + "/\"quoted\" \\x.tlv",
                                  ui.workDir() + "/Übersicht;=.tlv",
                                  " " + ui.workDir() + "/c.tlv "};
        {
            QSettings earlier(file, QSettings::IniFormat);
            earlier.setValue(QStringLiteral("projects"), awkward);
        }
        run = std::make_unique<tolvane::test::ProgramHarness>();
        QVERIFY(run->start(tolvane::test::ProgramHarness::options(ui.workDir())));
        for (int i = 0; i < awkward.size(); ++i)
            QCOMPARE(menu().recentProjects[std::size_t(i)]->data().toString(), awkward[i]);

        run->calculate(1);
        run->files.replies.push_back(path("new.tlv").toStdString());
        saveAs();
        const QSettings later(file, QSettings::IniFormat);
        QCOMPARE(later.value(QStringLiteral("projects")).toStringList(),
                 QStringList{path("new.tlv")} + awkward);
    }

    void desktop_file_dialogs_open_in_the_folder_given() {
        const QString folder = ui.workDir() + "/projects";
        QVERIFY(QDir().mkpath(folder));
        QtFileDialogs desktop;
        desktop.startFolder = [&folder] { return folder.toStdString(); };
        for (bool save : {false, true}) {
            ui.modals().expectModal([&folder](QWidget* w) {
                auto* dialog = qobject_cast<QFileDialog*>(w);
                QVERIFY(dialog);
                QCOMPARE(dialog->directory().absolutePath(), folder);
                dialog->reject();
            });
            const auto chosen = save ? desktop.saveFile(kProjectFilter, kProjectExtension, kNoName)
                                     : desktop.openFile(kProjectFilter, kProjectExtension);
            QVERIFY(!chosen);
            QCOMPARE(ui.modals().pendingExpectations(), 0);
        }
    }
};

TOLVANE_GUI_TEST_MAIN(TestUndoRecent)
#include "test_undo_recent.moc"
