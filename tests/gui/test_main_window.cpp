// The main window as the user meets it: typing, Calculate by button, menu and
// F3, the messages and where the focus goes, the medium panel's lists, the
// gas window, the menu's enabling rules and the clipboard commands.
#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <memory>

#include "results/widgets/calculation_table_window.h"
#include "shell/element_panel.h"
#include "shell/widgets/bend_surface_window.h"
#include "shell/widgets/branch_flow_window.h"
#include "shell/widgets/element_panel_widget.h"
#include "shell/widgets/gas_data_window.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/main_window.h"
#include "shell/widgets/medium_panel.h"
#include "ui_fixture.h"
#include "units/unit_catalogue.h"
#include "window_rig.h"

using namespace tolvane;
using tolvane::test::byName;

namespace {

QStringList texts(const std::vector<Message>& messages) {
    QStringList out;
    for (const Message& m : messages) out << QString::fromStdString(m.text);
    return out;
}

QStringList items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
}

QStringList qtList(const std::vector<std::string>& list) {
    QStringList out;
    for (const std::string& s : list) out << QString::fromStdString(s);
    return out;
}

QString zeroMessage(const QString& label) {
    return QStringLiteral("The input in the input field \r>> ") + label +
           QStringLiteral(" << \rmust be bigger than zero!");
}

QString badInputMessage(const QString& label) {
    return QStringLiteral("Incorrect input in the input field\r\"") + label + QStringLiteral("\"!");
}

// Replaces the text of a field as a user would: select all, delete, type.
void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    if (!text.isEmpty()) QTest::keyClicks(edit, text);
}

// Opens a top menu as the user would (its enabling rules run) and closes it.
void openAndClose(QMenu* menu) {
    menu->popup(QPoint(0, 0));
    QCoreApplication::processEvents();
    menu->hide();
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    tolvane::test::UiFixture ui;
    std::unique_ptr<tolvane::test::MainWindowRig> rig;
    int roughnessQuestions = 0;

    QLineEdit* edit(const char* name) const {
        QLineEdit* e = byName<QLineEdit>(rig->window.get(), name);
        if (!e) e = byName<QLineEdit>(rig->window->gasWindow(), name);
        return e;
    }
    QString focusedName(QWidget* topLevel) const {
        return topLevel->focusWidget() ? topLevel->focusWidget()->objectName() : QString();
    }
    void calculateWithF3() {
        QVERIFY(QTest::qWaitForWindowActive(rig->window.get()));
        QTest::keyClick(rig->window.get(), Qt::Key_F3);
    }

private Q_SLOTS:
    void init() {
        rig = std::make_unique<tolvane::test::MainWindowRig>();
        roughnessQuestions = 0;
        rig->window->setRoughnessAsker([this]() -> std::optional<double> {
            ++roughnessQuestions;
            return 0.1;
        });
        rig->window->activateWindow();
    }

    void cleanup() {
        rig.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void refuses_bad_input_with_message_and_focus_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("focus");
        QTest::newRow("refuses_blank_rate_of_flow")
            << "Eingabe_Volumenstrom"
            << "" << QStringList{zeroMessage(QStringLiteral("Rate of flow in m³/h:"))}
            << "Eingabe_Volumenstrom";
        QTest::newRow("refuses_letters_as_diameter")
            << "Va1_Edit"
            << "abc" << QStringList{badInputMessage(QStringLiteral("Diameter of pipe D:"))}
            << "Va1_Edit";
        QTest::newRow("refuses_two_points_in_density")
            << "Eingabe_Dichte"
            << "1.2.3" << QStringList{badInputMessage(QStringLiteral("Weight density:"))}
            << "Eingabe_Dichte";
        QTest::newRow("refuses_letters_as_quantity")
            << "Va5_Edit"
            << "x" << QStringList{badInputMessage(QStringLiteral("Quantity of elements:"))}
            << "Va5_Edit";
        QTest::newRow("refuses_negative_viscosity")
            << "Eingabe_Viskositaet"
            << "-5" << QStringList{zeroMessage(QStringLiteral("Abs.viscos.in 10^-6 kg/ms:"))}
            << "Eingabe_Viskositaet";
        QTest::newRow("refuses_zero_length")
            << "Va2_Edit"
            << "0" << QStringList{zeroMessage(QStringLiteral("Length of pipe L:"))} << "Va2_Edit";
        QTest::newRow("refuses_negative_diameter")
            << "Va1_Edit"
            << "-1" << QStringList{zeroMessage(QStringLiteral("Diameter of pipe D:"))}
            << "Va1_Edit";
    }
    void refuses_bad_input_with_message_and_focus() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QStringList, messages);
        QFETCH(QString, focus);
        typeInto(edit(qPrintable(field)), text);
        rig->window->speedButtons()
            .SpeedButton1->setFocus();  // the focus must be moved back by the message

        calculateWithF3();

        QCOMPARE(texts(rig->sink.messages), messages);
        for (const Message& m : rig->sink.messages) QCOMPARE(m.type, MessageType::Error);
        QCOMPARE(focusedName(rig->window.get()), focus);
        QCOMPARE(rig->session.table.calculationCount(), 0);
        QCOMPARE(roughnessQuestions, 0);
        QCOMPARE(edit(qPrintable(field))->text(), text);  // the input stays as typed
    }

    void calculates_from_button_menu_and_f3_data() {
        QTest::addColumn<int>("trigger");
        QTest::newRow("speed_button") << 0;
        QTest::newRow("menu_pressure_drop") << 1;
        QTest::newRow("key_f3") << 2;
    }
    void calculates_from_button_menu_and_f3() {
        QFETCH(int, trigger);
        for (int n = 1; n <= 2; ++n) {
            if (trigger == 0)
                QTest::mouseClick(rig->window->speedButtons().Berechnungsschalter, Qt::LeftButton);
            else if (trigger == 1)
                rig->window->menu()->pressureDrop->trigger();
            else
                calculateWithF3();
            QCOMPARE(rig->session.table.calculationCount(), n);
            QCOMPARE(rig->session.table.cell(n, Row::Number), std::to_string(n));
        }
        QCOMPARE(texts(rig->sink.messages), QStringList{});
        QCOMPARE(roughnessQuestions, 2);  // turbulent straight pipe: k asked each time
        QCOMPARE(rig->session.table.cell(1, Row::Element), std::string("circular/1"));
        QCOMPARE(rig->session.table.cell(1, Row::Regime), rig->session.table.cell(2, Row::Regime));
    }

    void cancelled_roughness_adds_no_calculation() {
        rig->window->setRoughnessAsker([this]() -> std::optional<double> {
            ++roughnessQuestions;
            return std::nullopt;
        });
        QTest::mouseClick(rig->window->speedButtons().Berechnungsschalter, Qt::LeftButton);
        QCOMPARE(roughnessQuestions, 1);
        QCOMPARE(rig->session.table.calculationCount(), 0);
    }

    void mass_flow_and_kinematic_viscosity_are_converted() {
        // 998.2 kg/h of a medium of 998.2 kg/m³ is 1 m³/h; 1 mm²/s at 1000 kg/m³ is 1000 10^-6
        // kg/ms.
        MediumPanelWidget* m = rig->window->mediumPanel();
        m->ComboBox4->setCurrentIndex(1);
        typeInto(m->Eingabe_Volumenstrom, QStringLiteral("998.2"));
        m->ComboBox5->setCurrentIndex(1);
        m->ComboBox3->setCurrentIndex(2);  // mm²/s
        typeInto(m->Eingabe_Viskositaet, QStringLiteral("1"));
        typeInto(m->Eingabe_Dichte, QStringLiteral("998.2"));
        QTest::mouseClick(rig->window->speedButtons().Berechnungsschalter, Qt::LeftButton);
        QCOMPARE(rig->session.table.calculationCount(), 1);
        QCOMPARE(rig->session.table.cell(1, Row::RateOfFlow), std::string("1.000"));
        QCOMPARE(rig->session.table.cell(1, Row::Viscosity), std::string("998.200"));
    }

    void choice_lists_refill_their_unit_lists_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("units");
        QTest::addColumn<int>("list");
        QTest::newRow("mass_flow") << "ComboBox4" << 1 << "ComboBox1" << int(UnitList::MassFlow);
        QTest::newRow("volume_flow_again")
            << "ComboBox4" << 0 << "ComboBox1" << int(UnitList::VolumeFlow);
        QTest::newRow("kinematic_viscosity")
            << "ComboBox5" << 1 << "ComboBox3" << int(UnitList::KinViscosity);
        QTest::newRow("absolute_viscosity_again")
            << "ComboBox5" << 0 << "ComboBox3" << int(UnitList::AbsViscosity);
    }
    void choice_lists_refill_their_unit_lists() {
        QFETCH(QString, choice);
        QFETCH(int, position);
        QFETCH(QString, units);
        QFETCH(int, list);
        auto* choiceBox = byName<QComboBox>(rig->window->mediumPanel(), qPrintable(choice));
        auto* unitBox = byName<QComboBox>(rig->window->mediumPanel(), qPrintable(units));
        // Start from the other choice with a unit away from the first position.
        choiceBox->setCurrentIndex(1 - position);
        unitBox->setCurrentIndex(3);
        choiceBox->setCurrentIndex(position);
        QCOMPARE(items(unitBox), qtList(UnitCatalogue::texts(static_cast<UnitList>(list))));
        QCOMPARE(unitBox->currentIndex(), 0);
    }

    void branch_flow_unit_follows_the_flow_unit() {
        readAndChoose(ElementKind{5, 5});
        auto* label = rig->window->flowDataWindow()->Label_Einheit;
        QCOMPARE(label->text(), QStringLiteral("m³/h"));
        rig->window->mediumPanel()->ComboBox1->setCurrentIndex(3);
        QCOMPARE(label->text(), QStringLiteral("l/min"));
        rig->window->mediumPanel()->ComboBox4->setCurrentIndex(1);
        QCOMPARE(label->text(), QStringLiteral("kg/h"));
    }

    void branch_flow_must_be_smaller_than_main_flow_data() {
        QTest::addColumn<QString>("branch");
        QTest::addColumn<QString>("message");
        QTest::newRow("equal_to_main_flow")
            << "1.0"
            << "The flow of the branching pipe must be smaller than the flow of the main pipe!";
        QTest::newRow("zero") << "0"
                              << badInputMessage(
                                     QStringLiteral("volume flow or mass flow of branching pipe:"));
    }
    void branch_flow_must_be_smaller_than_main_flow() {
        QFETCH(QString, branch);
        QFETCH(QString, message);
        readAndChoose(ElementKind{5, 6});
        QVERIFY(rig->window->flowDataWindow()->isVisible());
        typeInto(rig->window->flowDataWindow()->Edit_abzwVolumenstrom, branch);
        rig->window->flowDataWindow()->Edit_abzwVolumenstrom->clearFocus();
        rig->window->menu()->pressureDrop->trigger();
        QCOMPARE(texts(rig->sink.messages), QStringList{message});
        QCOMPARE(focusedName(rig->window->flowDataWindow()),
                 QStringLiteral("Edit_abzwVolumenstrom"));
        QCOMPARE(rig->session.table.calculationCount(), 0);
    }

    void f3_calculates_from_the_data_windows_data() {
        QTest::addColumn<int>("window");  // 0 branch flow, 1 bend surface, 2 gas data
        QTest::newRow("branch_flow") << 0;
        QTest::newRow("bend_surface") << 1;
        QTest::newRow("gas_data") << 2;
    }
    void f3_calculates_from_the_data_windows() {
        QFETCH(int, window);
        QWidget* data = nullptr;
        QWidget* focus = nullptr;
        if (window == 0) {
            readAndChoose(ElementKind{5, 6});
            data = rig->window->flowDataWindow();
            auto* branch = rig->window->flowDataWindow()->Edit_abzwVolumenstrom;
            typeInto(branch, QStringLiteral("0.5"));
            focus = branch;
        } else if (window == 1) {
            readAndChoose(ElementKind{4, 4});
            data = rig->window->elementDataWindow();
            focus = byName<QRadioButton>(rig->window->elementDataWindow(), "rough");
        } else {
            QTest::mouseClick(rig->window->mediumPanel()->Radio_Gas, Qt::LeftButton);
            data = rig->window->gasWindow();
            focus = byName<QLineEdit>(rig->window->gasWindow(), "Edit_Eingangsdruck");
        }
        QVERIFY(data->isVisible());
        data->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(data));
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_F3);
        QCOMPARE(texts(rig->sink.messages), QStringList{});
        QCOMPARE(rig->session.table.calculationCount(), 1);
    }

    void condition_shows_and_hides_gas_window_data() {
        QTest::addColumn<bool>("byClick");
        QTest::newRow("clicked") << true;
        QTest::newRow("checked_from_code") << false;
    }
    void condition_shows_and_hides_gas_window() {
        QFETCH(bool, byClick);
        MediumPanelWidget* m = rig->window->mediumPanel();
        QVERIFY(!rig->window->gasWindow()->isVisible());
        for (bool gas : {true, false, true}) {
            if (byClick) {
                QTest::mouseClick(gas ? m->Radio_Gas : m->Radio_Fluessig, Qt::LeftButton);
            } else {
                rig->session.form.medium.gas = gas;
                rig->window->showForm();
            }
            QCOMPARE(rig->window->gasWindow()->isVisible(), gas);
            QCOMPARE(m->Radio_Gas->isChecked(), gas);
        }
        QVERIFY(rig->window->gasWindow()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(rig->window->gasWindow()->windowTitle(),
                 QStringLiteral("Specifications of gases (required)"));
    }

    void gas_field_error_focuses_gas_window() {
        QTest::mouseClick(rig->window->mediumPanel()->Radio_Gas, Qt::LeftButton);
        typeInto(byName<QLineEdit>(rig->window->gasWindow(), "Edit_Eingangstemperatur"),
                 QStringLiteral("warm"));
        byName<QLineEdit>(rig->window->gasWindow(), "Edit_Ausgangstemperatur")->setFocus();
        rig->window->menu()->pressureDrop->trigger();
        QCOMPARE(texts(rig->sink.messages),
                 QStringList{badInputMessage(QStringLiteral("Temperature (incoming):"))});
        QCOMPARE(focusedName(rig->window->gasWindow()), QStringLiteral("Edit_Eingangstemperatur"));
    }

    void fields_have_their_maximum_lengths_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("maxLength");
        QTest::newRow("medium") << "Eingabe_Medium" << 22;
        for (const char* f : {"Eingabe_Volumenstrom", "Eingabe_Dichte", "Eingabe_Viskositaet"})
            QTest::newRow(f) << f << 10;
        for (const char* f : {"Va1_Edit", "Va2_Edit", "Va3_Edit", "Va4_Edit"})
            QTest::newRow(f) << f << 6;
        QTest::newRow("quantity") << "Va5_Edit" << 3;
    }
    void fields_have_their_maximum_lengths() {
        QFETCH(QString, field);
        QFETCH(int, maxLength);
        QLineEdit* e = edit(qPrintable(field));
        QVERIFY(e);
        typeInto(e, QString(40, QLatin1Char('9')));
        QCOMPARE(e->text().size(), maxLength);
        // A longer text from the program (copied back from the table) is kept whole ...
        const QString longer = QStringLiteral("1234567.125") + QString(maxLength, QLatin1Char('0'));
        rig->window->readForm();
        setFormText(field, longer.toStdString());
        rig->window->showForm();
        QCOMPARE(e->text(), longer);
        // ... and once shortened, typing is limited again.
        typeInto(e, QString());
        QTest::keyClicks(e, QString(40, QLatin1Char('8')));
        QCOMPARE(e->text().size(), maxLength);
    }

    void edit_menu_follows_focus_selection_and_clipboard_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("select");
        QTest::addColumn<QString>("clip");
        QTest::addColumn<bool>("copy");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<bool>("del");
        QTest::newRow("unit_list_disables_all")
            << "ComboBox1" << false << "x" << false << false << false;
        QTest::newRow("element_unit_list_disables_all")
            << "ComboVar1" << false << "x" << false << false << false;
        QTest::newRow("selection_allows_copy_and_delete")
            << "Eingabe_Dichte" << true << "" << true << false << true;
        QTest::newRow("clipboard_text_allows_paste")
            << "Va1_Edit" << false << "12" << false << true << false;
        QTest::newRow("selection_and_clipboard")
            << "Va1_Edit" << true << "12" << true << true << true;
        QTest::newRow("nothing_to_do")
            << "Eingabe_Medium" << false << "" << false << false << false;
    }
    void edit_menu_follows_focus_selection_and_clipboard() {
        QFETCH(QString, focus);
        QFETCH(bool, select);
        QFETCH(QString, clip);
        QFETCH(bool, copy);
        QFETCH(bool, paste);
        QFETCH(bool, del);
        rig->clipboard.content = clip.toStdString();
        auto* target = byName<QWidget>(rig->window.get(), qPrintable(focus));
        target->setFocus();
        if (auto* e = qobject_cast<QLineEdit*>(target)) {
            e->deselect();
            if (select) e->selectAll();
        }
        openAndClose(rig->window->menu()->editMenu);
        QCOMPARE(rig->window->menu()->editCopy->isEnabled(), copy);
        QCOMPARE(rig->window->menu()->editPaste->isEnabled(), paste);
        QCOMPARE(rig->window->menu()->editDelete->isEnabled(), del);
    }

    void edit_commands_act_on_focused_field() {
        QLineEdit* d = rig->window->elementPanel()->VaEdit[0];
        typeInto(d, QStringLiteral("250"));
        d->setSelection(0, 2);
        openAndClose(rig->window->menu()->editMenu);
        rig->window->menu()->editCopy->trigger();
        QCOMPARE(rig->clipboard.content, std::string("25"));
        rig->window->menu()->editDelete->trigger();
        QCOMPARE(d->text(), QStringLiteral("0"));
        rig->clipboard.content = "12";
        d->setCursorPosition(0);
        openAndClose(rig->window->menu()->editMenu);
        rig->window->menu()->editPaste->trigger();
        QCOMPARE(d->text(), QStringLiteral("120"));
    }

    void table_menu_and_view_follow_table_window() {
        TAusgabe_Fenster table(rig->session, rig->sink, rig->clipboard);
        rig->window->setTableWindow(&table);
        table.show();
        MainMenu* m = rig->window->menu();

        openAndClose(m->tableMenu);
        openAndClose(m->fileMenu);
        QVERIFY(!m->copyToClipboard->isEnabled());
        QVERIFY(!m->copyToEditWindows->isEnabled());
        QVERIFY(!m->printTable->isEnabled());  // nothing to print yet
        QVERIFY(m->zoomIn->isEnabled());

        QTest::mouseClick(rig->window->speedButtons().Berechnungsschalter, Qt::LeftButton);
        QCOMPARE(rig->session.table.calculationCount(), 1);
        openAndClose(m->tableMenu);
        QVERIFY(m->copyToClipboard->isEnabled());
        m->copyToClipboard->trigger();
        QVERIFY(rig->clipboard.content.rfind("Calculating number:\t1\r\n", 0) == 0);

        // The table's selected column is the calculation: copy-back puts its texts into the fields.
        table.grid()->setCurrentIndex(table.grid()->model()->index(0, 0));
        openAndClose(m->tableMenu);
        QVERIFY(m->copyToEditWindows->isEnabled());
        typeInto(rig->window->elementPanel()->VaEdit[0], QStringLiteral("77"));
        m->copyToEditWindows->trigger();
        QCOMPARE(rig->window->elementPanel()->VaEdit[0]->text(),
                 QStringLiteral("100.000"));  // longer than typing allows

        QVERIFY(m->viewTable->isChecked());
        m->viewTable->trigger();
        QVERIFY(!table.isVisible());
        QVERIFY(!m->viewTable->isChecked());
        m->viewTable->trigger();
        QVERIFY(table.isVisible());
    }

    void diagram_needs_calculations() {
        rig->window->plantCharacteristicClick();
        QCOMPARE(
            texts(rig->sink.messages),
            QStringList{QStringLiteral(
                "In the table are no values. So i can not calculate the diagram!\rLook Help!!")});
    }

    void labels_and_recent_tips_show_file_names_as_spelled() {
        const QString path = QStringLiteral("/work/") + tolvane::test::kMarkupName + ".tlv";
        rig->window->menu()->showRecentProjects({{QStringLiteral("&1 x.tlv"), path}});
        const QString tip = rig->window->menu()->recentProjects[0]->toolTip();
        QCOMPARE(tolvane::test::toolTipShows(tip), path);
        for (QWidget* w : std::initializer_list<QWidget*>{
                 rig->window.get(), rig->window->gasWindow(), rig->window->flowDataWindow()})
            QCOMPARE(tolvane::test::labelsReadingMarkup(w), QStringList());
    }

    void menu_texts_and_shortcuts_are_the_programs() {
        MainMenu* m = rig->window->menu();
        const std::pair<QAction*, const char*> expected[] = {
            {m->zoomIn, "Zoom  &in"},
            {m->deleteColumn, "&Delete select column"},
            {m->printShortDisplay, "Print calculation short displa&y..."},
            {m->plantCharacteristic, "P&ressure drop = f (rate of flow)..."},
        };
        for (auto [action, text] : expected) QCOMPARE(action->text(), QString::fromUtf8(text));
        QCOMPARE(m->pressureDrop->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(m->helpIndex->shortcut(), QKeySequence(Qt::Key_F1));
        // Features that are not in the program yet stay disabled.
        for (QAction* a : {m->settings, m->helpIndex, m->printShortDisplay})
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        QCOMPARE(rig->window->windowTitle(), QStringLiteral("Tolvane"));
    }

    void element_picture_is_shown_or_left_empty_data() {
        QTest::addColumn<bool>("present");
        QTest::newRow("picture_present") << true;
        QTest::newRow("picture_missing") << false;
    }
    void element_picture_is_shown_or_left_empty() {
        QFETCH(bool, present);
        QTemporaryDir pictures(ui.workDir() + QStringLiteral("/pictures-XXXXXX"));
        if (present) {
            QImage image(105, 105, QImage::Format_RGB32);
            image.fill(Qt::red);
            QVERIFY(image.save(pictures.filePath(QStringLiteral("2104.bmp")), "BMP"));
        }
        ElementPanelWidget* panel = rig->window->elementPanel();
        panel->setPictureDirectory(pictures.path());
        readAndChoose(ElementKind{4, 4});
        QCOMPARE(byName<QLabel>(panel, "Image1")->pixmap().isNull(), !present);
        // The rows are laid out all the same.
        QCOMPARE(panel->VaStatic[3]->text(), QStringLiteral("Angle w:"));
        QVERIFY(panel->VaEdit[3]->isVisible());
    }

private:
    void setFormText(const QString& field, const std::string& text) {
        FormState& f = rig->session.form;
        std::string* target = field == "Eingabe_Medium"         ? &f.medium.name
                              : field == "Eingabe_Volumenstrom" ? &f.medium.flow
                              : field == "Eingabe_Dichte"       ? &f.medium.density
                              : field == "Eingabe_Viskositaet"  ? &f.medium.viscosity
                              : field == "Va5_Edit"
                                  ? &f.element.quantity
                                  : &f.element.rows[field.mid(2, 1).toUInt() - 1].text;
        *target = text;
    }

    void readAndChoose(ElementKind kind) {
        rig->window->readForm();
        chooseElementKind(rig->session.form, kind);
        rig->window->showForm();
    }
};

TOLVANE_GUI_TEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
