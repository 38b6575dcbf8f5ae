// The help window on a desktop of two screens (1600 x 1000 and, to its
// right, 1024 x 600): it opens whole on the screen of the window it is asked
// from, shrunk where the screen is smaller, and a place it was left at that
// the screen no longer shows is pulled back in when it opens again.
#include <QGuiApplication>
#include <QScreen>

#include "program_harness.h"
#include "help/widgets/help_window.h"
#include "ui_fixture.h"

using namespace tolvane;
using tolvane::test::ProgramHarness;

namespace {

QString describe(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

class TestHelpPlace : public QObject {
    Q_OBJECT
    tolvane::test::UiFixture ui;
    std::unique_ptr<ProgramHarness> run;

    HelpWindow* help() const { return run->program->helpWindow(); }

    QScreen* screenNamed(const QString& name) const {
        for (QScreen* s : QGuiApplication::screens())
            if (s->name() == name) return s;
        return nullptr;
    }
    void verifyWholeOn(const QString& screenName) {
        const QRect area = screenNamed(screenName)->availableGeometry();
        const QRect frame = help()->frameGeometry();
        QVERIFY2(area.contains(frame),
                 qPrintable(describe(frame) + QStringLiteral(" outside ") + describe(area)));
    }
    void openFrom(QWidget* window) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        run->menu()->helpIndex->trigger();
        QVERIFY(help()->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(help()));
    }

private Q_SLOTS:
    void initTestCase() { QCOMPARE(QGuiApplication::screens().size(), 2); }
    void init() {
        run = std::make_unique<ProgramHarness>();
        QVERIFY(run->start(ProgramHarness::options(ui.workDir())));
    }
    void cleanup() {
        run.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void opens_whole_on_the_screen_of_the_main_window() {
        run->main()->move(100, 330);
        openFrom(run->main());
        verifyWholeOn(QStringLiteral("left"));
    }

    void opens_shrunk_on_a_smaller_screen() {
        run->main()->move(1700, 40);
        openFrom(run->main());
        verifyWholeOn(QStringLiteral("right"));
    }

    void a_place_left_partly_off_the_screen_is_pulled_back() {
        openFrom(run->main());
        help()->move(900, 600);
        help()->close();
        openFrom(run->main());
        verifyWholeOn(QStringLiteral("left"));
        QCOMPARE(help()->frameGeometry().right(), 1599);  // moved only as far as needed
    }
};

// Two screens, as a configuration of the offscreen platform.
int main(int argc, char** argv) {
    tolvane::test::prepareEnvironment();
    if (!tolvane::test::useTwoScreens(1024, 600)) return 2;
    QApplication app(argc, argv);
    TestHelpPlace testObject;
    return QTest::qExec(&testObject, argc, argv);
}

#include "test_help_place.moc"
