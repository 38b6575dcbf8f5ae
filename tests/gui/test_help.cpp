// The help window: Help > Index opens the contents, F1 in a dialog opens that
// dialog's page while the dialog stays open, F1 on a highlighted menu
// command opens the command's description, and the index and search tabs
// lead to pages.
#include <QAction>
#include <QCursor>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "help/help_topics.h"
#include "help/widgets/help_key_filter.h"
#include "help/widgets/help_window.h"
#include "program_harness.h"
#include "properties/widgets/water_dialog.h"
#include "shell/widgets/main_window.h"
#include "shell/widgets/medium_panel.h"
#include "ui_fixture.h"

using namespace tolvane;
using tolvane::test::byName;
using tolvane::test::ProgramHarness;

class TestHelp : public QObject {
    Q_OBJECT

    tolvane::test::UiFixture ui;
    std::unique_ptr<ProgramHarness> run;

    HelpWindow* help() const { return run->program->helpWindow(); }

private Q_SLOTS:
    void init() {
        run = std::make_unique<ProgramHarness>();
        QVERIFY(run->start(ProgramHarness::options(ui.workDir())));
    }
    void cleanup() {
        run.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void help_index_opens_the_contents() {
        QVERIFY(run->menu()->helpIndex->isEnabled());
        QVERIFY(!help()->isVisible());
        run->menu()->helpIndex->trigger();
        QVERIFY(help()->isVisible());
        QCOMPARE(help()->currentTarget(), QStringLiteral("contents.html"));
        QVERIFY(byName<QTreeWidget>(help(), "ContentsTree")->topLevelItemCount() > 5);
        QVERIFY(byName<QTextBrowser>(help(), "Browser")
                    ->toPlainText()
                    .contains(QStringLiteral("Getting started")));
    }

    void help_index_brings_back_a_minimized_help_window() {
        run->menu()->helpIndex->trigger();
        help()->showMinimized();
        QVERIFY(help()->isMinimized());
        run->main()->activateWindow();
        run->menu()->helpIndex->trigger();
        QVERIFY(help()->isVisible());
        QVERIFY(!help()->isMinimized());
    }

    void f1_in_the_main_window_is_help_index() {
        run->main()->activateWindow();
        QTest::keyClick(run->main()->mediumPanel(), Qt::Key_F1);
        QVERIFY(help()->isVisible());
        QCOMPARE(help()->currentTarget(), QStringLiteral("contents.html"));
    }

    void f1_in_a_dialog_opens_its_page_beside_it() {
        bool seen = false;
        ui.modals().expectModal([&](QWidget* w) {
            seen = true;
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w,
                            Qt::Key_F1);
            QVERIFY(help()->isVisible());
            QCOMPARE(help()->currentTarget(), QStringLiteral("water.html"));
            // Readable while the dialog waits: the help is the dialog's child window.
            QCOMPARE(help()->parentWidget(), w);
            QVERIFY(!QApplication::activeModalWidget() || QApplication::activeModalWidget() == w);
            qobject_cast<QDialog*>(w)->reject();
        });
        run->menu()->water->trigger();
        QVERIFY(seen);
        // The dialog has closed; the page stays to be read, on its own again.
        QVERIFY(help()->isVisible());
        QCOMPARE(help()->parentWidget(), nullptr);
        QCOMPARE(help()->currentTarget(), QStringLiteral("water.html"));
        run->menu()->helpIndex->trigger();
        QCOMPARE(help()->currentTarget(), QStringLiteral("contents.html"));
    }

    void f1_on_a_kind_of_the_chooser_opens_the_kind_s_page() {
        bool seen = false;
        ui.modals().expectModal([&](QWidget* w) {
            seen = true;
            auto* bend = tolvane::test::byName<QToolButton>(w, "SB14");  // Circular bend
            bend->setFocus();
            QTest::keyClick(bend, Qt::Key_F1);
            QCOMPARE(help()->currentTarget(), QStringLiteral("elements/circular_bend.html"));
            // Elsewhere in the chooser: the chooser's own page.
            QTest::keyClick(w, Qt::Key_F1);
            QCOMPARE(help()->currentTarget(), QStringLiteral("element_chooser.html"));
            qobject_cast<QDialog*>(w)->reject();
        });
        run->menu()->selectElement->trigger();
        QVERIFY(seen);
    }

    // F1 in the chooser means the kind the user points at, else the one last
    // clicked, else the focused one; a kind button takes no focus from a click.
    void f1_in_the_chooser_opens_the_kind_pointed_at_data() {
        QTest::addColumn<QString>("pointed");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("expected");
        QTest::newRow("under_the_mouse") << "SB20"
                                         << "SB05"
                                         << "SB20";
        QTest::newRow("last_clicked") << ""
                                      << "SB05"
                                      << "SB05";
        QTest::newRow("focused") << ""
                                 << ""
                                 << "SB14";
    }
    void f1_in_the_chooser_opens_the_kind_pointed_at() {
        QFETCH(QString, pointed);
        QFETCH(QString, clicked);
        QFETCH(QString, expected);
        QString page;
        QString meant;
        ui.modals().expectModal([&](QWidget* w) {
            auto kind = [w](const QString& name) {
                return tolvane::test::byName<QToolButton>(w, qPrintable(name));
            };
            // The mouse rests on a group heading, or on the kind pointed at.
            auto pointAt = [](QWidget* target) {
                QCursor::setPos(target->mapToGlobal(target->rect().center()));
                QTest::mouseMove(target);
            };
            kind(QStringLiteral("SB14"))->setFocus();
            if (!clicked.isEmpty()) QTest::mouseClick(kind(clicked), Qt::LeftButton);
            pointAt(pointed.isEmpty() ? tolvane::test::byName<QWidget>(w, "Gruppe1")
                                      : kind(pointed));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            page = help()->currentTarget();
            meant = kind(expected)->property(kHelpTopicProperty).toString();
            qobject_cast<QDialog*>(w)->reject();
        });
        run->menu()->selectElement->trigger();
        QVERIFY(!meant.isEmpty());
        QCOMPARE(page, meant);
    }

    void every_command_of_the_menu_bar_has_a_topic() {
        QStringList missing;
        std::function<void(const QList<QAction*>&)> visit = [&](const QList<QAction*>& actions) {
            for (QAction* a : actions) {
                if (a->menu()) visit(a->menu()->actions());
                if (a->isSeparator() || a->menu()) continue;
                if (!helpTopicForMenuCommand(a->objectName().toStdString()))
                    missing << a->text() + QStringLiteral(" (") + a->objectName() + u')';
            }
        };
        visit(run->main()->menuBar()->actions());
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }

    void f1_on_a_menu_command_opens_its_description() {
        QMenu* menu = run->menu()->calculateMenu;
        menu->popup(run->main()->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        menu->setActiveAction(run->menu()->npsh);
        QTest::keyClick(menu, Qt::Key_F1);
        menu->close();
        QCOMPARE(help()->currentTarget(), QStringLiteral("main_window.html#npsh"));
    }

    void index_and_search_lead_to_pages() {
        run->menu()->helpIndex->trigger();
        byName<QLineEdit>(help(), "IndexEdit")->setText(QStringLiteral("NPSH"));
        QTest::keyClick(byName<QLineEdit>(help(), "IndexEdit"), Qt::Key_Return);
        QCOMPARE(help()->currentTarget(), QStringLiteral("npsh.html"));
        QCOMPARE(byName<QTreeWidget>(help(), "ContentsTree")->currentItem()->text(0),
                 QStringLiteral("NPSH"));

        byName<QTabWidget>(help(), "Tabs")->setCurrentIndex(2);
        QCOMPARE(help()->focusWidget(), byName<QLineEdit>(help(), "SearchEdit"));
        byName<QLineEdit>(help(), "SearchEdit")->setText(QStringLiteral("roughness table"));
        QVERIFY(byName<QListWidget>(help(), "SearchResults")->count() > 0);
        QListWidgetItem* first = byName<QListWidget>(help(), "SearchResults")->item(0);
        Q_EMIT byName<QListWidget>(help(), "SearchResults")->itemActivated(first);
        QCOMPARE(help()->currentTarget(), first->toolTip());
        QVERIFY(byName<QTextBrowser>(help(), "Browser")
                    ->textCursor()
                    .hasSelection());  // the word found is marked

        QTest::mouseClick(byName<QToolButton>(help(), "BackButton"), Qt::LeftButton);
        QCOMPARE(help()->currentTarget(), QStringLiteral("npsh.html"));
        QCOMPARE(byName<QTreeWidget>(help(), "ContentsTree")->currentItem()->text(0),
                 QStringLiteral("NPSH"));
        QVERIFY(help()->windowTitle().startsWith(QStringLiteral("NPSH")));
    }
};

TOLVANE_GUI_TEST_MAIN(TestHelp)
#include "test_help.moc"
