// Window places over restarts, on a desktop of two screens (1600 x 1000 and,
// to its right, 1280 x 720 with nothing below it) where windows have frames:
// the frames' places come back unchanged run after run, a place whose title
// bar no screen shows is pulled back, and the data windows open beside the
// main window without covering it or the table window.
#include <QGuiApplication>
#include <QScreen>
#include <filesystem>

#include "program_harness.h"
#include "shell/element_panel.h"
#include "shell/settings_file.h"
#include "shell/widgets/branch_flow_window.h"
#include "shell/widgets/gas_data_window.h"
#include "base/window_geometry.h"
#include "ui_fixture.h"

using namespace tolvane;
using tolvane::test::fileLines;
using tolvane::test::ProgramHarness;

namespace {

ScreenRect rectOf(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

std::vector<ScreenRect> screenAreas() {
    std::vector<ScreenRect> out;
    for (const QScreen* s : QGuiApplication::screens())
        out.push_back(rectOf(s->availableGeometry()));
    return out;
}

}  // namespace

class TestWindowPlaces : public QObject {
    Q_OBJECT
    tolvane::test::UiFixture ui;
    std::unique_ptr<ProgramHarness> run;

    StartupOptions options() const { return ProgramHarness::options(ui.workDir()); }
    std::string settingsFile() const { return options().settingsPath; }

    void start() {
        run = std::make_unique<ProgramHarness>();
        QVERIFY(run->start(options()));
    }
    void exitProgram() { QVERIFY(run->main()->close()); }
    // The settings file of a normal run with `change` made to its lines.
    void prepareSettings(const std::function<void(std::vector<std::string>&)>& change) {
        start();
        exitProgram();
        auto lines = fileLines(settingsFile());
        QCOMPARE(lines.size(), std::size_t(kSettingsLineCount));
        change(lines);
        QVERIFY(writeTextLinesAtomically(settingsFile(), lines).empty());
    }

private Q_SLOTS:
    void initTestCase() { QCOMPARE(QGuiApplication::screens().size(), 2); }
    void init() { std::filesystem::remove(settingsFile()); }
    void cleanup() {
        run.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void frames_come_back_where_they_were_left() {
        start();
        QVERIFY(run->main()->frameGeometry() != run->main()->geometry());  // framed windows
        run->main()->move(150, 90);
        run->table()->move(300, 430);
        exitProgram();
        const auto first = fileLines(settingsFile());
        QCOMPARE(std::vector<std::string>(first.begin() + 2, first.begin() + 6),
                 (std::vector<std::string>{"150", "90", "300", "430"}));
        for (int restart = 0; restart < 3; ++restart) {
            start();
            QCOMPARE(run->main()->frameGeometry().topLeft(), QPoint(150, 90));
            QCOMPARE(run->table()->frameGeometry().topLeft(), QPoint(300, 430));
            exitProgram();
            QCOMPARE(fileLines(settingsFile()), first);
        }
    }

    void title_bar_out_of_reach_is_pulled_back() {
        prepareSettings([](std::vector<std::string>& lines) {
            lines[2] = "100";  // the main window climbed above the screen
            lines[3] = "-300";
            lines[4] = "2000";  // the table window below the smaller screen
            lines[5] = "900";
        });
        start();
        const QRect main = run->main()->frameGeometry();
        QCOMPARE(main.topLeft(), QPoint(100, 0));
        const QRect table = run->table()->frameGeometry();
        QVERIFY(titleBarReachable(rectOf(table), 20, screenAreas()));
        QCOMPARE(table.left(), 2000);
        QCOMPARE(table.top() + table.height(), 720);  // pulled up into the second screen
    }

    void data_windows_open_beside_the_main_window_clear_of_the_table() {
        prepareSettings([](std::vector<std::string>& lines) {
            lines[26] = "1";  // gas
            lines[33] = "5";  // a branch: its flow window
            lines[34] = "6";
        });
        start();
        QWidget* gas = run->main()->gasWindow();
        QWidget* branch = run->main()->flowDataWindow();
        QVERIFY(gas->isVisible());
        QVERIFY(branch->isVisible());
        const QRect main = run->main()->frameGeometry();
        const QRect table = run->table()->frameGeometry();
        for (QWidget* w : {gas, branch}) {
            const QRect frame = w->frameGeometry();
            QVERIFY2(!frame.intersects(main), qPrintable(w->objectName()));
            QVERIFY2(!frame.intersects(table), qPrintable(w->objectName()));
            QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(frame));
            QVERIFY(frame.left() > main.right());  // beside it
        }
        QVERIFY(!gas->frameGeometry().intersects(branch->frameGeometry()));
    }

    void data_window_moved_onto_the_table_comes_back_beside() {
        start();
        run->main()->readForm();
        chooseElementKind(run->session.form, ElementKind{5, 6});
        run->main()->showForm();
        QWidget* branch = run->main()->flowDataWindow();
        QVERIFY(branch->isVisible());
        // Moved by the user to a free spot: kept there when shown again.
        branch->move(1200, 600);
        branch->hide();
        branch->show();
        QCOMPARE(branch->frameGeometry().topLeft(), QPoint(1200, 600));
        // Moved onto the table window: placed beside the main window again.
        branch->move(run->table()->frameGeometry().topLeft() + QPoint(20, 20));
        branch->hide();
        branch->show();
        QVERIFY(!branch->frameGeometry().intersects(run->table()->frameGeometry()));
        QVERIFY(!branch->frameGeometry().intersects(run->main()->frameGeometry()));
    }
};

// Two screens, as a configuration of the offscreen platform.
int main(int argc, char** argv) {
    tolvane::test::prepareEnvironment();
    if (!tolvane::test::useTwoScreens(1280, 720)) return 2;
    QApplication app(argc, argv);
    TestWindowPlaces testObject;
    return QTest::qExec(&testObject, argc, argv);
}

#include "test_window_places.moc"
