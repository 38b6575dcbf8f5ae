// The element chooser from the main window: Cancel changes nothing, OK lays
// the element panel out for the pressed kind (rows, units, option group, the
// "Additional Data" windows), a double-click chooses at once, and the pressed
// button is kept from one opening to the next.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <memory>

#include "shell/element_catalogue.h"
#include "shell/widgets/bend_surface_window.h"
#include "shell/widgets/branch_flow_window.h"
#include "shell/widgets/element_chooser_dialog.h"
#include "shell/widgets/element_panel_widget.h"
#include "shell/widgets/main_window.h"
#include "ui_fixture.h"
#include "window_rig.h"

using namespace tolvane;
using tolvane::test::byName;

Q_DECLARE_METATYPE(tolvane::ElementKind)

class TestChooser : public QObject {
    Q_OBJECT

    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::MainWindowRig> rig;

    ElementPanelWidget* panel() const { return rig->window->elementPanel(); }

    // Opens the chooser from the speed button; inside the modal dialog the
    // button `sb` is pressed and the dialog closed by `closeWith`.
    void choose(const QString& sb, const QString& closeWith) {
        ui.modals().expectModal([sb, closeWith](QWidget* w) {
            auto* dlg = qobject_cast<TBtnBottomDlg*>(w);
            QVERIFY(dlg);
            auto* b = byName<QToolButton>(dlg, qPrintable(sb));
            QVERIFY(b);
            QTest::mouseClick(b, Qt::LeftButton);
            tolvane::test::clickButton(dlg, closeWith);
        });
        QTest::mouseClick(rig->window->speedButtons().SpeedButton1, Qt::LeftButton);
        QCOMPARE(ui.modals().pendingExpectations(), 0);
    }

private Q_SLOTS:
    void init() { rig = std::make_unique<tolvane::test::MainWindowRig>(); }

    void cleanup() {
        rig.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    // The pictures are drawn when the chooser first paints its buttons.
    void opened_chooser_shows_every_kinds_picture() {
        bool drawn = false;
        ui.modals().expectModal([&drawn](QWidget* w) {
            auto* opened = qobject_cast<TBtnBottomDlg*>(w);
            QVERIFY(opened);
            drawn = true;
            for (const KindSpec& spec : elementKinds()) {
                const QImage image = opened->button(spec.kind)->icon().pixmap(40, 40).toImage();
                // A picture, not the white ground alone.
                bool marked = false;
                for (int y = 0; y < image.height() && !marked; ++y)
                    for (int x = 0; x < image.width() && !marked; ++x)
                        marked = image.pixelColor(x, y) != QColor(Qt::white);
                drawn = drawn && image.size() == QSize(40, 40) && marked;
            }
            tolvane::test::clickButton(opened, QStringLiteral("&Cancel"));
        });
        QTest::mouseClick(rig->window->speedButtons().SpeedButton1, Qt::LeftButton);
        QVERIFY(drawn);
    }

    void cancel_changes_neither_kind_nor_texts_nor_units() {
        panel()->VaEdit[0]->setText(QStringLiteral("250"));
        panel()->ComboVar[0]->setCurrentIndex(1);  // "in."
        const QString nameBefore = byName<QLabel>(panel(), "Statisch_Element_Name")->text();

        choose(QStringLiteral("SB14"), QStringLiteral("&Cancel"));

        QCOMPARE(rig->session.form.element.kind, (ElementKind{1, 1}));
        QCOMPARE(panel()->VaEdit[0]->text(), QStringLiteral("250"));
        QCOMPARE(panel()->ComboVar[0]->currentText(), QStringLiteral("in."));
        QCOMPARE(byName<QLabel>(panel(), "Statisch_Element_Name")->text(), nameBefore);
        QVERIFY(rig->sink.messages.empty());
        // The button pressed before Cancel is still pressed at the next opening.
        QCOMPARE(rig->window->chooser()->selectedKind(), (ElementKind{4, 1}));
    }

    void ok_lays_out_panel_for_the_kind_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<ElementKind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("labels");  // visible rows 1..4
        QTest::addColumn<QStringList>("units");   // what stands beside rows 1..3 ("" = nothing)
        QTest::addColumn<QString>("option");      // caption of the option group, "" = hidden
        QTest::addColumn<bool>("surfaceWindow");
        QTest::addColumn<bool>("branchWindow");
        QTest::newRow("circular_pipe") << "SB01" << ElementKind{1, 1} << "Straight pipes - circular"
                                       << QStringList{"Diameter of pipe D:", "Length of pipe L:"}
                                       << QStringList{"mm", "m", ""} << "" << false << false;
        QTest::newRow("channel_keeps_its_typo")
            << "SB04" << ElementKind{1, 4} << "Straight pipes - Channel"
            << QStringList{"Width of channel B:", "Height of fluid H:", "Lenght of channel L:"}
            << QStringList{"mm", "mm", "m"} << "" << false << false;
        QTest::newRow("other_form_area")
            << "SB05" << ElementKind{1, 5} << "Straight pipes - Other form"
            << QStringList{"Cross section A:", "Wetted circumference:", "Length of pipe L:"}
            << QStringList{"m²", "m", "m"} << "" << false << false;
        QTest::newRow("sharp_entrance_option")
            << "SB06" << ElementKind{2, 1} << "Pipe entrance - Sharpe edged entrance"
            << QStringList{"Diameter of pipe D:"} << QStringList{"mm", "", ""}
            << "The pipe entrance is: " << false << false;
        QTest::newRow("circular_bend_degree_and_option")
            << "SB14" << ElementKind{4, 1} << "Bends - Circular bend"
            << QStringList{"Diameter of pipe D:", "Radius R:", "Angle w:"}
            << QStringList{"mm", "mm", "degree"} << "The surface of pipe is: " << false << false;
        QTest::newRow("rectangular_bend_surface_window")
            << "SB17" << ElementKind{4, 4} << "Bends - Rectangular bend"
            << QStringList{"Width of pipe B:", "Height of pipe H:", "Radius R:", "Angle w:"}
            << QStringList{"mm", "mm", "mm"} << "" << true << false;
        QTest::newRow("branch_asunder_flow_window")
            << "SB24" << ElementKind{5, 5} << "Brandings of current - Branch flowing asunder"
            << QStringList{"Diameter D1:", "Diameter D2:", "Radius R:", "Angle w in degree:"}
            << QStringList{"mm", "mm", "mm"} << "" << false << true;
        QTest::newRow("branch_together_flow_window")
            << "SB25" << ElementKind{5, 6} << "Brandings of current - Branch flowing together"
            << QStringList{"Diameter D1:", "Diameter D2:", "Radius R:", "Angle w in degree:"}
            << QStringList{"mm", "mm", "mm"} << "" << false << true;
        QTest::newRow("bellows_pieces")
            << "SB28" << ElementKind{6, 1} << "Bellows - Compensator corrugated tube"
            << QStringList{"Diameter of pipe D:", "Quantity of ridges:"}
            << QStringList{"mm", "pieces", ""} << "" << false << false;
        QTest::newRow("known_resistance_coefficient_without_unit")
            << "SB46" << ElementKind{10, 2} << "Diverse - Resistance coefficient"
            << QStringList{"Diameter of element D:", "Resistance coefficient:"}
            << QStringList{"mm", "", ""} << "" << false << false;
    }
    void ok_lays_out_panel_for_the_kind() {
        QFETCH(QString, button);
        QFETCH(ElementKind, kind);
        QFETCH(QString, name);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, units);
        QFETCH(QString, option);
        QFETCH(bool, surfaceWindow);
        QFETCH(bool, branchWindow);
        // Start from a kind that shows both kinds of unit and every row.
        choose(QStringLiteral("SB17"), QStringLiteral("&OK"));
        panel()->VaEdit[0]->setText(QStringLiteral("999"));

        choose(button, QStringLiteral("&OK"));

        QCOMPARE(rig->session.form.element.kind, kind);
        QCOMPARE(byName<QLabel>(panel(), "Statisch_Element_Name")->text(), name);
        for (int r = 0; r < 4; ++r) {
            const bool shown = r < labels.size();
            QCOMPARE(panel()->VaEdit[r]->isVisible(), shown);
            if (shown) QCOMPARE(panel()->VaStatic[r]->text(), labels[r]);
        }
        QCOMPARE(panel()->VaEdit[0]->text(),
                 QString::fromStdString(kindSpec(kind).rows[0].defaultText));
        for (int r = 0; r < 3; ++r) {
            QString beside;
            if (panel()->ComboVar[r]->isVisible()) beside = panel()->ComboVar[r]->currentText();
            if (r > 0 && panel()->LabelVar[r]->isVisible()) beside = panel()->LabelVar[r]->text();
            QCOMPARE(beside, units[r]);
        }
        QCOMPARE(byName<QGroupBox>(panel(), "RadioGroup1")->isVisible(), !option.isEmpty());
        if (!option.isEmpty()) {
            QCOMPARE(byName<QGroupBox>(panel(), "RadioGroup1")->title(), option);
            QVERIFY(panel()->optionItems[0]->isChecked());
        }
        QCOMPARE(rig->window->elementDataWindow()->isVisible(), surfaceWindow);
        QCOMPARE(rig->window->flowDataWindow()->isVisible(), branchWindow);
        QCOMPARE(rig->window->focusWidget()->objectName(), QStringLiteral("Va1_Edit"));
    }

    void additional_windows_keep_their_contents() {
        choose(QStringLiteral("SB17"), QStringLiteral("&OK"));
        byName<QRadioButton>(rig->window->elementDataWindow(), "rough")->setChecked(true);
        choose(QStringLiteral("SB24"), QStringLiteral("&OK"));
        QVERIFY(!rig->window->elementDataWindow()->isVisible());
        rig->window->flowDataWindow()->Edit_abzwVolumenstrom->setText(QStringLiteral("0.4"));
        QCOMPARE(rig->window->flowDataWindow()->Label_Einheit->text(), QStringLiteral("m³/h"));
        choose(QStringLiteral("SB17"), QStringLiteral("&OK"));
        QVERIFY(!rig->window->flowDataWindow()->isVisible());
        QVERIFY(byName<QRadioButton>(rig->window->elementDataWindow(), "rough")->isChecked());
        choose(QStringLiteral("SB25"), QStringLiteral("&OK"));
        QCOMPARE(rig->window->flowDataWindow()->Edit_abzwVolumenstrom->text(),
                 QStringLiteral("0.4"));
        // Both windows: always on top, not modal, no close box.
        for (QWidget* w : {static_cast<QWidget*>(rig->window->elementDataWindow()),
                           static_cast<QWidget*>(rig->window->flowDataWindow())}) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Additional Data"));
            QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            QVERIFY(!w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(!w->isModal());
        }
    }

    void same_kind_again_resets_rows_and_us_unit_survives() {
        choose(QStringLiteral("SB01"), QStringLiteral("&OK"));
        panel()->VaEdit[0]->setText(QStringLiteral("80"));
        panel()->VaEdit[1]->setText(QStringLiteral("7"));
        panel()->ComboVar[0]->setCurrentIndex(1);
        choose(QStringLiteral("SB01"), QStringLiteral("&OK"));
        QCOMPARE(panel()->VaEdit[0]->text(), QStringLiteral("100"));
        QCOMPARE(panel()->VaEdit[1]->text(), QStringLiteral("1.0"));
        QCOMPARE(panel()->ComboVar[0]->currentText(), QStringLiteral("in."));
        choose(QStringLiteral("SB15"), QStringLiteral("&OK"));
        QCOMPARE(panel()->ComboVar[0]->currentText(), QStringLiteral("in."));
    }

    void a_quantity_other_than_one_is_marked() {
        auto* quantity = byName<QLineEdit>(panel(), "Va5_Edit");
        const QColor plain = quantity->palette().color(QPalette::Base);
        QCOMPARE(quantity->text(), QStringLiteral("1"));
        for (const char* text : {"4", "", "10", "01"}) {
            quantity->setText(QString::fromLatin1(text));
            QVERIFY2(quantity->palette().color(QPalette::Base) != plain, text);
        }
        quantity->setText(QStringLiteral("1"));
        QCOMPARE(quantity->palette().color(QPalette::Base), plain);
        // A kind change keeps the quantity, and with it the mark: "Globe valve/4"
        // after a bend of four is seen before Calculate.
        quantity->setText(QStringLiteral("4"));
        choose(QStringLiteral("SB31"), QStringLiteral("&OK"));
        QCOMPARE(quantity->text(), QStringLiteral("4"));
        QVERIFY(quantity->palette().color(QPalette::Base) != plain);
    }

    void double_click_chooses_at_once() {
        ui.modals().expectModal([](QWidget* w) {
            auto* b = byName<QToolButton>(w, "SB45");
            QVERIFY(b);
            QTest::mouseDClick(b, Qt::LeftButton);
        });
        QTest::mouseClick(rig->window->speedButtons().SpeedButton1, Qt::LeftButton);
        QCOMPARE(rig->session.form.element.kind, (ElementKind{10, 1}));
        QCOMPARE(panel()->VaStatic[0]->text(), QStringLiteral("Vertical difference H:"));
    }

    void chooser_holds_every_kind_once_under_its_heading() {
        TBtnBottomDlg* dlg = rig->window->chooser();
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Select pipe element"));
        const auto buttons = dlg->findChildren<QToolButton*>();
        QCOMPARE(buttons.size(), 46);
        for (int n = 1; n <= 46; ++n) {
            const QString name = QStringLiteral("SB%1").arg(n, 2, 10, QLatin1Char('0'));
            auto* b = byName<QToolButton>(dlg, qPrintable(name));
            QVERIFY2(b && b->isCheckable(), qPrintable(name));
            QCOMPARE(b->text(), name == QLatin1String("SB16") ? QStringLiteral("CI") : QString());
            QVERIFY(!b->icon().isNull());
        }
        QCOMPARE(byName<QToolButton>(dlg, "SB38")->toolTip(),
                 QStringLiteral("Check valve globe lift Y-pattern"));
        QCOMPARE(byName<QToolButton>(dlg, "SB08")->toolTip(),
                 QStringLiteral("Sharp edged entrance with anlge"));
        QStringList headings;
        for (QLabel* l : dlg->findChildren<QLabel*>()) headings << l->text();
        for (const char* h : {"Straight pipes", "Pipe entrance", "Changes of section", "Bends",
                              "Brandings of current", "Bellows", "Valves", "Check valves",
                              "Nozzles and orifices", "Diverse"})
            QVERIFY2(headings.contains(QString::fromLatin1(h)), h);
        // Exactly one pressed: pressing another releases the first.
        byName<QToolButton>(dlg, "SB30")->click();
        byName<QToolButton>(dlg, "SB31")->click();
        int pressed = 0;
        for (QToolButton* b : buttons) pressed += b->isChecked() ? 1 : 0;
        QCOMPARE(pressed, 1);
        QCOMPARE(dlg->selectedKind(), (ElementKind{7, 1}));
    }
};

TOLVANE_GUI_TEST_MAIN(TestChooser)
#include "test_chooser.moc"
