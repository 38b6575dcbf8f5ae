// New, Open, Save and Save as from the "&File" menu and the table window's
// buttons in a running program: the questions with their titles, texts and
// default button, the files written, the table window's caption and
// visibility, and the desktop file dialogs' filter, suffix and overwrite check.
#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QToolButton>
#include <filesystem>

#include "program_harness.h"
#include "results/widgets/table_model.h"
#include "shell/project_file.h"
#include "ui_fixture.h"

using namespace tolvane;
using Answers = QList<int>;

namespace {

void openAndClose(QMenu* menu) {
    menu->popup(QPoint(0, 0));
    QCoreApplication::processEvents();
    menu->hide();
}

std::deque<Answer> answers(const Answers& list) {
    std::deque<Answer> out;
    for (int a : list) out.push_back(static_cast<Answer>(a));
    return out;
}

constexpr int Yes = int(Answer::Yes), No = int(Answer::No), Cancel = int(Answer::Cancel);

}  // namespace

class TestProjectCommands : public QObject {
    Q_OBJECT
    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::ProgramHarness> run;

    // A file of this test row.
    std::string path(const char* name) const {
        return (ui.workDir() + "/" + QTest::currentDataTag() + "-" + name).toStdString();
    }

    // A project of three calculations whose texts are in US units.
    std::string usProject() {
        CalculationTable t = run->session.table;
        t.convertUnits(OutputSystem::US, 3);
        const std::string p = path("us plant.tlv");
        if (!writeProjectFile(p, t, OutputSystem::US).empty()) return {};
        return p;
    }

    void expectOneQuestion(const char* title, const char* text) {
        QCOMPARE(run->sink.questions.size(), std::size_t(1));
        QCOMPARE(run->sink.questions[0].title, std::string(title));
        QCOMPARE(run->sink.questions[0].text, std::string(text));
    }

private Q_SLOTS:
    void init() {
        run = std::make_unique<tolvane::test::ProgramHarness>();
        QVERIFY(run->start(tolvane::test::ProgramHarness::options(ui.workDir())));
        run->sink.messages.clear();
    }
    void cleanup() {
        run.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void new_project_asks_before_clearing_data() {
        QTest::addColumn<int>("calculations");
        QTest::addColumn<Answers>("given");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("yes_saves_then_clears") << 2 << Answers{Yes} << true << true;
        QTest::newRow("no_clears") << 2 << Answers{No} << false << true;
        QTest::newRow("cancel_keeps_the_table") << 2 << Answers{Cancel} << false << false;
        QTest::newRow("default_button_is_no") << 2 << Answers{} << false << true;
        QTest::newRow("empty_table_is_not_asked") << 0 << Answers{} << false << true;
    }
    void new_project_asks_before_clearing() {
        QFETCH(int, calculations);
        QFETCH(Answers, given);
        QFETCH(bool, saved);
        QFETCH(bool, cleared);
        run->calculate(calculations);
        run->sink.answers = answers(given);
        run->files.replies = {path("before new.tlv")};

        run->menu()->newProject->trigger();

        if (calculations > 0)
            expectOneQuestion("Attention!", "Save the existing project?");
        else
            QVERIFY(run->sink.questions.empty());
        QCOMPARE(std::filesystem::exists(path("before new.tlv")), saved);
        QCOMPARE(run->session.table.calculationCount(), cleared ? 0 : calculations);
        QCOMPARE(run->table()->windowTitle(), QStringLiteral("NONAME.TLV"));
        QCOMPARE(run->table()->model()->columnCount(), run->session.table.ColCount() - 1);
        QVERIFY(run->table()->isVisible());
    }

    void open_project_asks_then_loads_data() {
        QTest::addColumn<Answers>("given");
        QTest::addColumn<bool>("savedFirst");
        QTest::addColumn<bool>("opened");
        QTest::newRow("cancel_opens_nothing") << Answers{Cancel} << false << false;
        QTest::newRow("no_opens_the_file") << Answers{No} << false << true;
        QTest::newRow("yes_saves_first") << Answers{Yes} << true << true;
    }
    void open_project_asks_then_loads() {
        QFETCH(Answers, given);
        QFETCH(bool, savedFirst);
        QFETCH(bool, opened);
        run->calculate(3);
        const std::string project = usProject();
        QVERIFY(!project.empty());
        run->calculate(1);  // the open table differs from the file: four calculations
        run->sink.answers = answers(given);
        if (savedFirst) run->files.replies.push_back(path("saved first.tlv"));
        run->files.replies.push_back(project);

        // The table window's open button calls the same command.
        QTest::mouseClick(tolvane::test::byName<QToolButton>(run->table(), "SpeedButton7"),
                          Qt::LeftButton);

        expectOneQuestion("attention!", "Save existing project?");
        QCOMPARE(std::filesystem::exists(path("saved first.tlv")), savedFirst);
        QCOMPARE(run->files.replies.size(), std::size_t(opened ? 0 : 1));
        QCOMPARE(run->session.table.calculationCount(), opened ? 3 : 4);
        QCOMPARE(run->session.settings.output == OutputSystem::US, opened);
        QCOMPARE(run->table()->windowTitle(),
                 QString::fromStdString(opened ? project : "NONAME.TLV"));
        QCOMPARE(run->session.table.cell(0, Row::RateOfFlow),
                 std::string(opened ? "Rate of flow in gal/min:" : "Rate of flow in m³/h"));
        QVERIFY(run->sink.messages.empty());
    }

    void saves_under_a_name_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("written");
        QTest::newRow("save_on_noname_asks_for_a_name") << "menu_save"
                                                        << "plant"
                                                        << "plant.tlv";
        QTest::newRow("table_save_button") << "button_save"
                                           << "pump line.tlv"
                                           << "pump line.tlv";
        QTest::newRow("save_as") << "menu_save_as"
                                 << "b.tlv"
                                 << "b.tlv";
        QTest::newRow("cancelled_dialog_changes_nothing") << "menu_save_as"
                                                          << ""
                                                          << "";
    }
    void saves_under_a_name() {
        QFETCH(QString, command);
        QFETCH(QString, reply);
        QFETCH(QString, written);
        run->calculate(2);
        if (!reply.isEmpty()) run->files.replies = {path(qPrintable(reply))};

        openAndClose(run->menu()->fileMenu);  // as a user does: the enabling rules run
        if (command == "menu_save") run->menu()->saveProject->trigger();
        if (command == "menu_save_as") run->menu()->saveProjectAs->trigger();
        if (command == "button_save")
            QTest::mouseClick(tolvane::test::byName<QToolButton>(run->table(), "SpeedButton8"),
                              Qt::LeftButton);

        const std::string file =
            written.isEmpty() ? std::string("NONAME.TLV") : path(qPrintable(written));
        QCOMPARE(run->table()->windowTitle(), QString::fromStdString(file));
        QCOMPARE(run->session.projectSaved, !written.isEmpty());
        if (written.isEmpty()) return;
        QCOMPARE(tolvane::test::fileLines(file).size(), std::size_t(12 + 2 * 25));
        // Saving again under the name asks for nothing and writes the new column.
        run->calculate(1);
        run->menu()->saveProject->trigger();
        QCOMPARE(tolvane::test::fileLines(file).size(), std::size_t(12 + 3 * 25));
        QVERIFY(run->sink.messages.empty());
    }

    void table_window_shown_only_when_view_is_checked_data() {
        QTest::addColumn<bool>("checked");
        QTest::newRow("checked") << true;
        QTest::newRow("unchecked") << false;
    }
    void table_window_shown_only_when_view_is_checked() {
        QFETCH(bool, checked);
        run->calculate(3);
        const std::string project = usProject();
        run->menu()->newProject->trigger();  // the default answer: No
        if (!checked) run->menu()->viewTable->trigger();
        QCOMPARE(run->table()->isVisible(), checked);
        run->files.replies = {project};
        run->menu()->openProject->trigger();
        QCOMPARE(run->session.table.calculationCount(), 3);
        QCOMPARE(run->table()->isVisible(), checked);
        QCOMPARE(run->menu()->viewTable->isChecked(), checked);
    }

    void save_items_follow_the_table() {
        MainMenu* m = run->menu();
        auto fileItems = [m] {
            openAndClose(m->fileMenu);
            return QList<bool>{m->newProject->isEnabled(), m->openProject->isEnabled(),
                               m->saveProject->isEnabled(), m->saveProjectAs->isEnabled()};
        };
        QCOMPARE(fileItems(), (QList<bool>{true, true, false, false}));
        run->calculate();
        QCOMPARE(fileItems(), (QList<bool>{true, true, true, true}));
        m->newProject->trigger();
        QCOMPARE(m->saveProject->isEnabled(), false);  // without opening the menu
    }

    void desktop_file_dialogs_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("open") << false;
        QTest::newRow("save") << true;
    }
    void desktop_file_dialogs() {
        QFETCH(bool, save);
        ui.modals().expectModal([save](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->nameFilters(), QStringList{"Projektdateien (*.tlv)"});
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("tlv"));
            QCOMPARE(dialog->acceptMode(),
                     save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
            QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
            QVERIFY(!dialog->testOption(QFileDialog::ReadOnly));
            dialog->reject();
        });
        QtFileDialogs desktop;
        const auto chosen = save ? desktop.saveFile(kProjectFilter, kProjectExtension, kNoName)
                                 : desktop.openFile(kProjectFilter, kProjectExtension);
        QVERIFY(!chosen);
    }
};

TOLVANE_GUI_TEST_MAIN(TestProjectCommands)
#include "test_project_commands.moc"
