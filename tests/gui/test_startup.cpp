// Start-up and shutdown of the program: the settings file read when the main
// window first shows (missing, from the last run, saving switched off), the
// project named on the command line, the window places, the question before
// an unsaved table is given up and the settings file written at the end.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <filesystem>

#include "../core/file_size_limit.h"
#include "program_harness.h"
#include "properties/widgets/roughness_dialog.h"
#include "results/widgets/short_display_window.h"
#include "shell/element_panel.h"
#include "shell/project_file.h"
#include "shell/widgets/element_chooser_dialog.h"
#include "shell/widgets/gas_data_window.h"
#include "shell/widgets/medium_panel.h"
#include "shell/widgets/settings_dialog.h"
#include "shell/widgets/splash_screen.h"
#include "ui_fixture.h"

using namespace tolvane;
using tolvane::test::byName;
using tolvane::test::fileLines;
using tolvane::test::ProgramHarness;

namespace {

const std::string kNotAvailable = "The file is not availaible.";

// Two calculations of a gate valve, written as a project.
bool writeTwoCalculations(const std::string& path) {
    std::vector<CalculationColumn> calcs(2);
    for (std::size_t i = 0; i < calcs.size(); ++i) {
        calcs[i][1] = "Water/liq.";
        calcs[i][7] = "Gate valve/1";
        calcs[i][23] = std::to_string(i + 1) + ".000";
    }
    CalculationTable table;
    table.setCalculations(std::move(calcs));
    table.renumber();
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    return writeProjectFile(path, table, OutputSystem::Metric).empty();
}

QStringList mediumTexts(const MediumPanelWidget* m) {
    return {m->Eingabe_Medium->text(),   m->Eingabe_Volumenstrom->text(),
            m->ComboBox1->currentText(), m->Eingabe_Dichte->text(),
            m->ComboBox2->currentText(), m->Eingabe_Viskositaet->text(),
            m->ComboBox3->currentText()};
}

const QStringList kWaterTexts{"Water", "1.0", "m³/h", "998.2", "kg/m³", "1002", "10-6 kg/ms"};

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
    tolvane::test::UiFixture ui;
    std::unique_ptr<ProgramHarness> run;

    StartupOptions options() const { return ProgramHarness::options(ui.workDir()); }
    std::string settingsFile() const { return options().settingsPath; }
    std::string file(const QString& name) const {
        return (ui.workDir() + "/" + name).toStdString();
    }

    // Ends the run as "E&xit" does; true when the main window closed.
    bool exitProgram() {
        QSignalSpy finished(run->program.get(), &TolvaneProgram::finished);
        const bool closed = run->main()->close();
        if (closed != (finished.count() == 1)) return false;
        return closed;
    }
    void restart() {
        run = std::make_unique<ProgramHarness>();
        QVERIFY(run->start(options()));
    }

private Q_SLOTS:
    void init() {
        std::filesystem::remove(settingsFile());
        run = std::make_unique<ProgramHarness>();
    }
    void cleanup() {
        run.reset();
        QDir::setCurrent(ui.workDir());
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void first_start_without_settings_file() {
        QVERIFY(run->start(options()));
        QCOMPARE(run->sink.messages,
                 (std::vector<Message>{{MessageType::Warning, kSettingsReadWarning, {}}}));
        QCOMPARE(mediumTexts(run->main()->mediumPanel()), kWaterTexts);
        QVERIFY(run->main()->mediumPanel()->Radio_Fluessig->isChecked());
        QVERIFY(run->table()->isVisible());
        QCOMPARE(run->table()->windowTitle(), QStringLiteral("NONAME.TLV"));

        QVERIFY(exitProgram());
        const auto lines = fileLines(settingsFile());
        QCOMPARE(lines.size(), std::size_t(kSettingsLineCount));
        QCOMPARE(lines[0], std::string("M"));
        QCOMPARE(lines[17], std::string("Water"));
        QCOMPARE(run->sink.messages.size(), std::size_t(1));
        QVERIFY(run->sink.questions.empty());
    }

    void last_run_is_restored() {
        QVERIFY(run->start(options()));
        MediumPanelWidget* m = run->main()->mediumPanel();
        m->Eingabe_Medium->setText(QStringLiteral("Brine"));
        QTest::mouseClick(m->Radio_Gas, Qt::LeftButton);
        run->main()->readForm();
        chooseElementKind(run->session.form, ElementKind{4, 1});
        run->main()->showForm();
        run->session.settings.decimals = 5;
        run->main()->move(150, 90);
        run->table()->move(300, 420);
        run->table()->resize(700, 360);
        QVERIFY(exitProgram());
        // The short display takes its place, size and column widths from the
        // file and writes them back as they were.
        auto lines = fileLines(settingsFile());
        const int shortPlace[] = {320, 140, 460, 330, 40, 150, 180, 70};
        for (int i = 8; i <= 15; ++i)
            lines[static_cast<std::size_t>(i)] = std::to_string(shortPlace[i - 8]);
        QVERIFY(writeTextLinesAtomically(settingsFile(), lines).empty());

        restart();
        QVERIFY(run->sink.messages.empty());
        m = run->main()->mediumPanel();
        QCOMPARE(m->Eingabe_Medium->text(), QStringLiteral("Brine"));
        QVERIFY(m->Radio_Gas->isChecked());
        QVERIFY(run->main()->gasWindow()->isVisible());
        QCOMPARE(run->main()->chooser()->selectedKind(), (ElementKind{4, 1}));
        QCOMPARE(byName<QLineEdit>(run->program->settingsDialog(), "Edit2")->text(),
                 QStringLiteral("5"));
        QCOMPARE(run->main()->pos(), QPoint(150, 90));
        QCOMPARE(run->table()->geometry().size(), QSize(700, 360));
        QCOMPARE(run->table()->pos(), QPoint(300, 420));
        TKurzAnzeige* shortDisplay = run->program->shortDisplay();
        QVERIFY(!shortDisplay->isVisible());  // until "&View" shows it
        QCOMPARE(shortDisplay->pos(), QPoint(320, 140));
        QCOMPARE(shortDisplay->size(), QSize(460, 330));
        QCOMPARE(shortDisplay->columnWidths(), (std::array<int, 4>{40, 150, 180, 70}));
        QVERIFY(exitProgram());
        const auto again = fileLines(settingsFile());
        QCOMPARE(std::vector<std::string>(again.begin() + 8, again.begin() + 16),
                 std::vector<std::string>(lines.begin() + 8, lines.begin() + 16));
    }

    void saving_switched_off_starts_with_standard_settings() {
        QVERIFY(run->start(options()));
        run->main()->mediumPanel()->Eingabe_Medium->setText(QStringLiteral("Brine"));
        run->session.settings.saveSettings = false;
        QVERIFY(exitProgram());
        const auto lines = fileLines(settingsFile());
        QCOMPARE(lines[1], std::string("1"));
        QCOMPARE(lines[17], std::string("Brine"));  // written all the same

        restart();
        QVERIFY(run->sink.messages.empty());
        QCOMPARE(mediumTexts(run->main()->mediumPanel()), kWaterTexts);
        QCOMPARE(byName<QComboBox>(run->program->settingsDialog(), "ComboBox2")->currentText(),
                 QStringLiteral("no"));
    }

    void roughness_unit_comes_back_with_its_own_text() {
        QVERIFY(run->start(options()));
        TRauDialog* query = run->main()->roughnessDialog();
        query->show();
        byName<QComboBox>(query, "ComboBox1")->setCurrentIndex(1);  // "in."
        query->reject();
        QVERIFY(exitProgram());

        restart();
        query = run->main()->roughnessDialog();
        query->show();
        QCOMPARE(byName<QComboBox>(query, "ComboBox1")->currentText(), QStringLiteral("in."));
        QCOMPARE(byName<QLineEdit>(query, "Edit1")->text(), QStringLiteral("0.004"));
        query->reject();
    }

    void command_line_project_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("project");  // relative to the start directory, "" = missing
        QTest::addColumn<bool>("changeDirectory");
        const QString dir = ui.workDir();
        QTest::newRow("absolute_name_in_pieces")
            << QStringList{dir + "/my", "plant.tlv"} << "my plant.tlv" << false;
        QTest::newRow("relative_to_the_start_directory")
            << QStringList{"sub", "dir/my", "plant.tlv"} << "sub dir/my plant.tlv" << true;
        QTest::newRow("missing_file_starts_empty") << QStringList{"nowhere.tlv"} << "" << true;
    }
    void command_line_project() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, project);
        QFETCH(bool, changeDirectory);
        if (!project.isEmpty()) QVERIFY(writeTwoCalculations(file(project)));
        StartupOptions o = options();
        for (const QString& a : arguments) o.arguments.push_back(a.toStdString());
        QTemporaryDir programDir;
        if (changeDirectory) o.programDirectory = programDir.path().toStdString();

        QVERIFY(run->start(o));

        if (changeDirectory) QCOMPARE(QDir::currentPath(), programDir.path());
        std::vector<std::string> expected{kSettingsReadWarning};
        if (project.isEmpty()) expected.push_back(kNotAvailable);
        QCOMPARE(run->messageTexts(), expected);
        QCOMPARE(run->session.table.calculationCount(), project.isEmpty() ? 0 : 2);
        QCOMPARE(run->table()->windowTitle(), project.isEmpty()
                                                  ? QStringLiteral("NONAME.TLV")
                                                  : QString::fromStdString(file(project)));
        QVERIFY(run->table()->isVisible());
    }

    void shutdown_offers_to_save_data() {
        QTest::addColumn<int>("calculations");
        QTest::addColumn<bool>("savedBefore");
        QTest::addColumn<QList<int>>("given");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("closes");
        const int yes = int(Answer::Yes), no = int(Answer::No);
        QTest::newRow("empty_table_not_asked") << 0 << false << QList<int>{} << "" << false << true;
        QTest::newRow("saved_table_not_asked") << 1 << true << QList<int>{} << "" << false << true;
        QTest::newRow("yes_saves") << 1 << false << QList<int>{yes} << "end.tlv" << true << true;
        QTest::newRow("no_ends_without_saving")
            << 1 << false << QList<int>{no} << "end.tlv" << true << true;
        QTest::newRow("yes_without_a_name_stays_open")
            << 1 << false << QList<int>{yes} << "" << true << false;
    }
    void shutdown_offers_to_save() {
        QFETCH(int, calculations);
        QFETCH(bool, savedBefore);
        QFETCH(QList<int>, given);
        QFETCH(QString, reply);
        QFETCH(bool, asked);
        QFETCH(bool, closes);
        QVERIFY(run->start(options()));
        run->calculate(calculations);
        if (savedBefore) run->session.projectSaved = true;
        for (int a : given) run->sink.answers.push_back(static_cast<Answer>(a));
        const std::string project = file(QTest::currentDataTag() + QStringLiteral("-") + reply);
        if (!reply.isEmpty()) run->files.replies.push_back(project);

        QCOMPARE(exitProgram(), closes);

        QCOMPARE(run->sink.questions.size(), std::size_t(asked ? 1 : 0));
        if (asked)
            QCOMPARE(run->sink.questions[0], (Message{MessageType::Information,
                                                      "Save the existing project?", "Attention!"}));
        const bool saved = asked && given == QList<int>{int(Answer::Yes)} && !reply.isEmpty();
        QCOMPARE(std::filesystem::exists(project), saved);
        QCOMPARE(std::filesystem::exists(settingsFile()), closes);
        QCOMPARE(run->main()->isVisible(), !closes);
    }

    void unwritable_settings_file_warns_and_ends() {
        StartupOptions o = options();
        o.settingsPath = file("no such folder/TOLV.INI");
        QVERIFY(run->start(o));
        QVERIFY(exitProgram());
        QCOMPARE(run->messageTexts(),
                 (std::vector<std::string>{kSettingsReadWarning, kSettingsWriteWarning}));
        QCOMPARE(run->sink.messages[1].type, MessageType::Warning);
    }

    void a_short_write_at_exit_keeps_the_old_settings_file_and_warns() {
        QVERIFY(run->start(options()));
        QVERIFY(exitProgram());
        const std::vector<std::string> before = fileLines(settingsFile());
        QCOMPARE(before.size(), std::size_t(43));
        restart();
        run->sink.messages.clear();
        run->main()->mediumPanel()->Eingabe_Medium->setText(QString(300, QLatin1Char('x')));
        {
            const auto size = std::filesystem::file_size(settingsFile());
            tolvane::testing_support::FileSizeLimit limit(size + 10);
            QVERIFY(limit.active());
            QVERIFY(exitProgram());
        }
        QCOMPARE(run->messageTexts(), std::vector<std::string>{kSettingsWriteWarning});
        QCOMPARE(fileLines(settingsFile()), before);
    }

    void splash_is_gone_when_the_program_runs() {
        StartupOptions o = options();
        o.splash = true;
        QVERIFY(run->start(o));
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TSplashScreen*>(w));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Tolvane 4.1"));
        QVERIFY(QString::fromStdString(run->program->helpFile())
                    .endsWith(QStringLiteral("/help/contents.html")));

        TSplashScreen splash;
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(splash.pixmap().size(), QSize(480, 280));
        splash.showAtOnce();
        QVERIFY(splash.isVisible());
        QCOMPARE(splash.frameGeometry().center(), splash.screen()->geometry().center());
    }
};

TOLVANE_GUI_TEST_MAIN(TestStartup)
#include "test_startup.moc"
