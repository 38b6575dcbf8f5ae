// "&Help" > "&About Tolvane" in a running program: the box opens modally
// with the version of the build, the Qt version it runs on and the data
// sources, beside the program's icon, and "&OK" closes it.
#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>

#include "program_harness.h"
#include "shell/version.h"
#include "shell/widgets/about_dialog.h"
#include "ui_fixture.h"

using namespace tolvane;
using tolvane::test::byName;

class TestAboutBox : public QObject {
    Q_OBJECT
    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::ProgramHarness> run;

private Q_SLOTS:
    void init() {
        run = std::make_unique<tolvane::test::ProgramHarness>();
        QVERIFY(run->start(tolvane::test::ProgramHarness::options(ui.workDir())));
    }
    void cleanup() {
        run.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void about_shows_the_version_and_closes_on_ok() {
        QVERIFY(run->menu()->about->isEnabled());
        QString version, qt, sources, caption;
        bool hasIcon = false;
        ui.modals().expectModal([&](QWidget* w) {
            auto* box = qobject_cast<TueberBox*>(w);
            QVERIFY(box);
            caption = box->windowTitle();
            version = tolvane::test::byName<QLabel>(box, "Version")->text();
            qt = tolvane::test::byName<QLabel>(box, "QtVersion")->text();
            sources = tolvane::test::byName<QLabel>(box, "DataSources")->text();
            hasIcon = !byName<QLabel>(box, "ProgramIcon")->pixmap().isNull();
            tolvane::test::clickButton(box, QStringLiteral("&OK"));
        });
        run->menu()->about->trigger();

        QCOMPARE(caption, QStringLiteral("About Tolvane"));
        QCOMPARE(version, QStringLiteral("Version ") + QString::fromLatin1(kProgramVersion));
        QCOMPARE(qt, QStringLiteral("Qt ") + QString::fromLatin1(qVersion()));
        QVERIFY(sources.contains(QStringLiteral("CRC Handbook")));
        QVERIFY(hasIcon);
        QVERIFY(!run->program->aboutBox()->isVisible());
    }

    void every_window_carries_the_program_icon() {
        QVERIFY(!QGuiApplication::windowIcon().isNull());
        QVERIFY(!run->main()->windowIcon().isNull());
    }
};

TOLVANE_GUI_TEST_MAIN(TestAboutBox)
#include "test_about_box.moc"
