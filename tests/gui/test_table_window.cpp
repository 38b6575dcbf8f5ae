// The calculation table window over the core table: buttons enabled by the
// table's values, deleting and dragging columns, the one editable row, zoom,
// fonts, the column width dialog and the clipboard text.
#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QToolButton>
#include <QToolTip>

#include <memory>
#include <string>
#include <vector>

#include "results/widgets/calculation_table_window.h"
#include "results/widgets/table_model.h"
#include "ui_fixture.h"

using namespace tolvane;
using tolvane::test::byName;

namespace {

// A calculation as the column writer leaves it: medium, element, pressure drop.
CalculationColumn calculation(const std::string& element, const std::string& mbar) {
    CalculationColumn c{};
    c[1] = "Water/liq.";
    c[2] = "10.000";
    c[3] = "998.000";
    c[4] = "1002.000";
    c[7] = element + "/1";
    c[8] = "Diameter of pipe D in mm: 50.000";
    c[13] = "1.415";
    c[14] = "70466";
    c[17] = "turbulent";
    c[23] = mbar;
    c[24] = mbar.empty() ? "" : std::to_string(std::stod(mbar) / 1000.0).substr(0, 5);
    return c;
}

// What Calculate does to the table: the trailing column is written, a new
// trailing column added, the total brought up to date.
void append(Session& s, const CalculationColumn& c) {
    int col = s.table.trailingColumn();
    for (int r = 1; r < kTableRows; ++r)
        if (r != 6) s.table.setCell(col, r, c[r]);
    s.table.setCell(col, Row::Number, std::to_string(col));
    s.table.addTrailingColumn();
    s.table.updateTotal(s.settings.output, s.settings.decimals);
}

QString modelCell(const QAbstractItemModel* m, int tableColumn, int row) {
    return m->data(m->index(row, CalculationTableModel::modelColumn(tableColumn))).toString();
}

// The tooltip a hover at `at` brings up, or "" when none shows.
QString toolTipAt(QWidget* area, QPoint at) {
    QHelpEvent hover(QEvent::ToolTip, at, area->mapToGlobal(at));
    QApplication::sendEvent(area, &hover);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

QString number(const QAbstractItemModel* m, int tableColumn) {
    return m->headerData(CalculationTableModel::modelColumn(tableColumn), Qt::Horizontal)
        .toString();
}

}  // namespace

class TestTableWindow : public QObject {
    Q_OBJECT
    tolvane::test::UiFixture ui;
    std::unique_ptr<Session> session;
    RecordingMessageSink messages;
    MemoryClipboard clipboard;
    std::unique_ptr<TAusgabe_Fenster> window;

    QToolButton* button(int n) const {
        return byName<QToolButton>(window.get(), ("SpeedButton" + std::to_string(n)).c_str());
    }
    QTableView* grid() const { return window->grid(); }
    QAbstractItemModel* model() const { return grid()->model(); }
    QString total() const { return byName<QLabel>(window.get(), "Label_Summe")->text(); }
    void fill(const std::vector<std::pair<std::string, std::string>>& calcs) {
        for (const auto& [element, mbar] : calcs) append(*session, calculation(element, mbar));
        window->refresh();
    }
    void select(int tableColumn, int row = 7) {
        grid()->selectionModel()->setCurrentIndex(
            model()->index(row, CalculationTableModel::modelColumn(tableColumn)),
            QItemSelectionModel::ClearAndSelect);
    }
    QStringList elementOrder() const {
        QStringList names;
        for (int c = 1; c < session->table.ColCount(); ++c) names << modelCell(model(), c, 7);
        return names;
    }
    QStringList numbers() const {
        QStringList n;
        for (int c = 1; c < session->table.ColCount(); ++c) n << number(model(), c);
        return n;
    }

private Q_SLOTS:
    void init() {
        session = std::make_unique<Session>();
        messages = {};
        clipboard = {};
        window = std::make_unique<TAusgabe_Fenster>(*session, messages, clipboard);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() {
        window.reset();
        session.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void shows_empty_project() {
        QCOMPARE(window->windowTitle(), QString("NONAME.TLV"));
        QCOMPARE(byName<QLabel>(window.get(), "Label1")->text(), QString("Total pressure drop:"));
        QCOMPARE(total(), QString("0.00 bar"));
        QCOMPARE(model()->rowCount(), 25);
        QCOMPARE(model()->columnCount(), 1);
        QCOMPARE(number(model(), 1), QString("1"));
        QCOMPARE(model()->headerData(23, Qt::Vertical).toString(),
                 QString("Pressure drop in mbar:"));
        QCOMPARE(grid()->verticalHeader()->width(), 145);
        QCOMPARE(grid()->horizontalHeader()->sectionSize(0), 150);
        QCOMPARE(grid()->verticalHeader()->sectionSize(1), 16);
        const char* hints[] = {"Print table",
                               "Change font",
                               "Zoom in",
                               "Zoom out",
                               "Change column widht",
                               "Delete select column",
                               "Open project",
                               "Save project",
                               "Copy table to clipboard",
                               "Copy to edit-windows"};
        for (int n = 1; n <= 10; ++n) QCOMPARE(button(n)->toolTip(), QString(hints[n - 1]));
    }

    // Buttons 6, 8, 9, 10 follow the table's values; 1 (printing) stays off.
    void buttons_follow_table_values() {
        struct Step {
            const char* what;
            std::function<void()> act;
            bool valueButtons;
        };
        const std::vector<Step> steps = {
            {"fresh table", [] {}, false},
            {"delete on an empty table", [&] { window->deleteSelectedColumn(); }, false},
            {"two calculations",
             [&] {
                 fill({{"Circular pipe", "1.000"}, {"Circular bend", "2.000"}});
             },
             true},
            {"first deleted",
             [&] {
                 select(1);
                 window->deleteSelectedColumn();
             },
             true},
            {"last deleted",
             [&] {
                 select(1);
                 window->deleteSelectedColumn();
             },
             false},
            {"opened project with values",
             [&] {
                 session->table.setCalculations({calculation("Gate valve", "5.000")});
                 window->reloadTable();
             },
             true},
            {"opened project without values",
             [&] {
                 session->table.setCalculations({});
                 window->reloadTable();
             },
             false},
        };
        for (const Step& step : steps) {
            step.act();
            for (int n : {6, 8, 9, 10})
                QVERIFY2(button(n)->isEnabled() == step.valueButtons,
                         qPrintable(QString("%1: SpeedButton%2").arg(step.what).arg(n)));
            for (int n : {2, 3, 4, 5, 7})
                QVERIFY2(button(n)->isEnabled(),
                         qPrintable(QString("%1: SpeedButton%2").arg(step.what).arg(n)));
            QVERIFY2(!button(1)->isEnabled(), step.what);
        }
    }

    void copy_back_button_follows_clicked_column() {
        fill({{"Circular pipe", "1.000"}, {"Circular bend", "2.000"}});
        struct Click {
            int tableColumn;
            bool enabled;
        };
        for (Click c : {Click{3, false}, Click{1, true}, Click{3, false}, Click{2, true}}) {
            QModelIndex index =
                model()->index(7, CalculationTableModel::modelColumn(c.tableColumn));
            grid()->scrollTo(index);
            QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                              grid()->visualRect(index).center());
            QCOMPARE(window->currentColumn(), c.tableColumn);
            QCOMPARE(button(10)->isEnabled(), c.enabled);
            QCOMPARE(window->canCopyToEditWindows(), c.enabled);
        }
    }

    void delete_renumbers_and_updates_total_data() {
        QTest::addColumn<int>("deleted");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QStringList>("numbers");  // the trailing column shows the next one
        QTest::addColumn<QString>("total");
        const QString e;
        const QStringList renumbered{"1", "2", "3"};
        QTest::newRow("first") << 1 << QStringList{"B/1", "C/1", e} << renumbered
                               << "6.000 mbar or 0.006 bar";
        QTest::newRow("middle") << 2 << QStringList{"A/1", "C/1", e} << renumbered
                                << "5.000 mbar or 0.005 bar";
        QTest::newRow("last calculation")
            << 3 << QStringList{"A/1", "B/1", e} << renumbered << "3.000 mbar or 0.003 bar";
        QTest::newRow("trailing column: nothing")
            << 4 << QStringList{"A/1", "B/1", "C/1", e} << QStringList{"1", "2", "3", ""}
            << "7.000 mbar or 0.007 bar";
    }
    void delete_renumbers_and_updates_total() {
        QFETCH(int, deleted);
        QFETCH(QStringList, order);
        QFETCH(QStringList, numbers);
        QFETCH(QString, total);
        fill({{"A", "1.000"}, {"B", "2.000"}, {"C", "4.000"}});
        QSignalSpy changed(window.get(), &TAusgabe_Fenster::tableChanged);
        select(deleted);
        button(6)->click();
        QCOMPARE(elementOrder(), order);
        QCOMPARE(this->numbers(), numbers);
        QCOMPARE(modelCell(model(), 1, 0), QString("1"));
        QCOMPARE(this->total(), total);
        QCOMPARE(model()->columnCount(), order.size());
        QCOMPARE(changed.count(), 1);
    }

    void dragging_columns_keeps_empty_column_last_data() {
        QTest::addColumn<int>("from");  // visual positions in the column header
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("order");
        const QString e;
        QTest::newRow("empty column between two") << 3 << 1 << QStringList{"A/1", "B/1", "C/1", e};
        QTest::newRow("empty column to the front") << 3 << 0 << QStringList{"A/1", "B/1", "C/1", e};
        QTest::newRow("first calculation to the end")
            << 0 << 2 << QStringList{"B/1", "C/1", "A/1", e};
        QTest::newRow("calculation behind the empty column")
            << 0 << 3 << QStringList{"B/1", "C/1", "A/1", e};
        QTest::newRow("last calculation to the front")
            << 2 << 0 << QStringList{"C/1", "A/1", "B/1", e};
    }
    void dragging_columns_keeps_empty_column_last() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, order);
        fill({{"A", "1.000"}, {"B", "2.000"}, {"C", "4.000"}});
        QHeaderView* header = grid()->horizontalHeader();
        header->moveSection(from, to);  // what a drag with the mouse ends in
        QCOMPARE(elementOrder(), order);
        QCOMPARE(numbers(), (QStringList{"1", "2", "3", "4"}));
        for (int i = 0; i < header->count(); ++i) QCOMPARE(header->visualIndex(i), i);
        QCOMPARE(total(), QString("7.000 mbar or 0.007 bar"));
    }

    void only_specification_row_is_editable() {
        fill({{"A", "1.000"}});
        for (int row = 0; row < kTableRows; ++row)
            for (int col : {1, 2}) {
                QModelIndex index = model()->index(row, CalculationTableModel::modelColumn(col));
                bool editable = model()->flags(index) & Qt::ItemIsEditable;
                QCOMPARE(editable, row == 6);
                std::string before = session->table.cell(col, row);
                bool accepted = model()->setData(index, "typed", Qt::EditRole);
                QCOMPARE(accepted, row == 6);
                QCOMPARE(session->table.cell(col, row), row == 6 ? std::string("typed") : before);
            }
    }

    void typing_into_specification_sets_the_cell_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("edited");  // specificationEdited signals
        QTest::newRow("row 6 of a calculation") << 6 << 1 << true << 1;
        QTest::newRow("row 6 of the trailing column") << 6 << 2 << true << 0;
        QTest::newRow("row 7 of a calculation") << 7 << 1 << false << 0;
        QTest::newRow("row 2 of the trailing column") << 2 << 2 << false << 0;
    }
    void typing_into_specification_sets_the_cell() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, written);
        QFETCH(int, edited);
        fill({{"A", "1.000"}});
        std::string before = session->table.cell(column, row);
        QSignalSpy spy(window.get(), &TAusgabe_Fenster::specificationEdited);
        select(column, row);
        grid()->setFocus();
        QTest::keyClick(grid(), 'P');
        QTest::keyClicks(QApplication::focusWidget(), "ump 3");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();  // the editor commits on a queued call
        QCOMPARE(session->table.cell(column, row), written ? std::string("Pump 3") : before);
        QCOMPARE(spy.count(), edited);
        if (edited) QCOMPARE(spy.at(0).at(0).toInt(), column);
    }

    // Each step scales by 1.2 (or divides) and rounds half to even; every
    // column, the heading column too, takes the new default width.
    void zoom_scales_font_rows_and_columns() {
        fill({{"A", "1.000"}, {"B", "2.000"}});
        struct Step {
            bool in;
            int width, rowHeight, fontPixels;
        };
        const Step steps[] = {{true, 180, 19, 13},
                              {true, 216, 23, 16},
                              {false, 180, 19, 13},
                              {false, 150, 16, 11},
                              {false, 125, 13, 9}};
        for (const Step& s : steps) {
            s.in ? button(3)->click() : button(4)->click();
            QCOMPARE(session->table.defaultColumnWidth, s.width);
            QCOMPARE(session->table.defaultRowHeight, s.rowHeight);
            QCOMPARE(session->table.font.height, -s.fontPixels);
            for (int m = 0; m < model()->columnCount(); ++m)
                QCOMPARE(grid()->horizontalHeader()->sectionSize(m), s.width);
            QCOMPARE(grid()->verticalHeader()->width(), s.width);
            QCOMPARE(grid()->verticalHeader()->sectionSize(3), s.rowHeight);
            QCOMPARE(grid()->font().pixelSize(), s.fontPixels);
        }
    }

    void font_dialog_choice_sets_row_height_data() {
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("rowHeight");
        QTest::newRow("12 point font") << false << 12 << 24;
        QTest::newRow("cancelled keeps the 8 point font") << true << 8 << 16;
    }
    void font_dialog_choice_sets_row_height() {
        QFETCH(bool, cancelled);
        QFETCH(int, points);
        QFETCH(int, rowHeight);
        session->table.defaultRowHeight = 30;
        QFont offered;
        window->chooseFont = [&](const QFont& current, QWidget*) -> std::optional<QFont> {
            offered = current;
            if (cancelled) return std::nullopt;
            QFont f("DejaVu Serif");
            f.setPointSize(12);
            f.setBold(true);
            return f;
        };
        button(2)->click();
        QCOMPARE(offered.pixelSize(), 11);
        QCOMPARE(session->table.font.size, points);
        QCOMPARE(session->table.font.bold, !cancelled);
        QCOMPARE(session->table.defaultRowHeight, rowHeight);
        QCOMPARE(grid()->verticalHeader()->sectionSize(2), rowHeight);
        QCOMPARE(grid()->font().bold(), !cancelled);
    }

    void column_width_dialog_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("heading");
        QTest::addColumn<QString>("message");
        QTest::newRow("OK") << "200"
                            << "&OK" << 200 << 150 << "";
        QTest::newRow("OK with leading blanks and a sign") << "  +90"
                                                           << "&OK" << 90 << 150 << "";
        QTest::newRow("Standard ignores the text") << "abc"
                                                   << "&Standard" << 150 << 150 << "";
        QTest::newRow("Cancel") << "300"
                                << "&Cancel" << 120 << 145 << "";
        QTest::newRow("not an integer")
            << "abc"
            << "&OK" << 120 << 145 << "'abc' is not a valid integer value.";
        QTest::newRow("decimal") << "12.5"
                                 << "&OK" << 120 << 145 << "'12.5' is not a valid integer value.";
        QTest::newRow("trailing blank")
            << "90 "
            << "&OK" << 120 << 145 << "'90 ' is not a valid integer value.";
        QTest::newRow("empty") << ""
                               << "&OK" << 120 << 145 << "'' is not a valid integer value.";
        QTest::newRow("beyond int")
            << "9999999999"
            << "&OK" << 120 << 145 << "'9999999999' is not a valid integer value.";
        QTest::newRow("negative") << "-5"
                                  << "&OK" << 120 << 145
                                  << "The column width must be between 1 and 2000.";
    }
    void column_width_dialog() {
        QFETCH(QString, typed);
        QFETCH(QString, pressed);
        QFETCH(int, columns);
        QFETCH(int, heading);
        QFETCH(QString, message);
        fill({{"A", "1.000"}});
        session->table.setDefaultColumnWidth(120);
        session->table.setColumnWidth(0, 145);
        window->refresh();
        QString shown;
        bool focused = false;
        ui.modals().expectModal([&](QWidget* dlg) {
            auto* edit = byName<QLineEdit>(dlg, "Edit1");
            shown = edit->text();
            focused = dlg->focusWidget() == edit;
            edit->setText(typed);
            tolvane::test::clickButton(dlg, pressed);
            if (dlg->isVisible()) tolvane::test::clickButton(dlg, "&Cancel");
        });
        button(5)->click();
        QCOMPARE(shown, QString("120"));
        QVERIFY(focused);
        QCOMPARE(session->table.defaultColumnWidth, columns);
        QCOMPARE(grid()->horizontalHeader()->sectionSize(0), columns);
        QCOMPARE(grid()->horizontalHeader()->sectionSize(1), columns);
        QCOMPARE(grid()->verticalHeader()->width(), heading);
        if (message.isEmpty()) {
            QVERIFY(messages.messages.empty());
        } else {
            QCOMPARE(messages.messages.size(), std::size_t{1});
            QCOMPARE(QString::fromStdString(messages.messages[0].text), message);
            QVERIFY(messages.messages[0].type == MessageType::Error);
        }
    }

    void resized_column_is_kept_in_the_table() {
        fill({{"A", "1.000"}, {"B", "2.000"}});
        grid()->horizontalHeader()->resizeSection(1, 77);
        QCOMPARE(session->table.columnWidths()[2], 77);
        QCOMPARE(session->table.columnWidths()[1], 150);
        window->reloadTable();
        QCOMPARE(grid()->horizontalHeader()->sectionSize(1), 77);
        QCOMPARE(grid()->horizontalHeader()->sectionSize(0), 150);
    }

    void cut_texts_show_their_whole_text_as_tooltip_data() {
        QTest::addColumn<bool>("heading");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("whole");
        QTest::newRow("cell") << false << 8 << QString("Diameter of pipe D in mm: 50.000");
        QTest::newRow("heading_column") << true << 23 << QString("Pressure drop in mbar:");
    }
    void cut_texts_show_their_whole_text_as_tooltip() {
        QFETCH(bool, heading);
        QFETCH(int, row);
        QFETCH(QString, whole);
        fill({{"Gate valve", "1.000"}});
        QWidget* area = heading ? grid()->verticalHeader()->viewport() : grid()->viewport();
        const int y = grid()->rowViewportPosition(row) + 4;
        const QPoint at = heading ? QPoint(4, y) : QPoint(grid()->columnViewportPosition(0) + 4, y);
        const QPoint shortText(heading ? 4 : grid()->columnViewportPosition(0) + 4,
                               grid()->rowViewportPosition(17) + 4);  // "turbulent" / "Flow:"

        auto setWidth = [&](int width) {
            if (heading)
                grid()->verticalHeader()->setFixedWidth(width);
            else
                grid()->horizontalHeader()->resizeSection(0, width);
        };
        setWidth(400);
        QCOMPARE(toolTipAt(area, at), QString());  // wide enough: no tooltip
        setWidth(60);
        QCOMPARE(toolTipAt(area, at), whole);
        QToolTip::hideText();
        QVERIFY(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
        QCOMPARE(toolTipAt(area, shortText), QString());
    }

    void cut_texts_and_labels_show_project_texts_as_spelled() {
        const QString element = tolvane::test::kMarkupName + QStringLiteral(" valve");
        fill({{element.toStdString(), "1.000"}});
        grid()->horizontalHeader()->resizeSection(0, 40);
        const QPoint at(grid()->columnViewportPosition(0) + 4, grid()->rowViewportPosition(7) + 4);
        const QString tip = toolTipAt(grid()->viewport(), at);
        QToolTip::hideText();
        QCOMPARE(tolvane::test::toolTipShows(tip), element + QStringLiteral("/1"));
        QCOMPARE(tolvane::test::labelsReadingMarkup(window.get()).join(", "), QString());
    }

    void clipboard_gets_table_text() {
        button(9)->click();  // disabled: nothing happens
        window->copyToClipboard();
        QVERIFY(!clipboard.hasText());
        fill({{"Circular pipe", "12.345"}});
        button(9)->click();
        std::string expected;
        for (int r = 0; r < kTableRows; ++r)
            expected += session->table.cell(0, r) + "\t" + session->table.cell(1, r) + "\r\n";
        expected += "Total pressure drop:12.345 mbar or 0.012 bar";
        QCOMPARE(QString::fromStdString(clipboard.content), QString::fromStdString(expected));
        QVERIFY(clipboard.content.find("Rate of flow in m³/h\t10.000\r\n") != std::string::npos);
    }

    void copy_to_edit_windows_names_the_selected_calculation() {
        QSignalSpy spy(window.get(), &TAusgabe_Fenster::copyToEditWindowsRequested);
        window->copyToEditWindows();
        QCOMPARE(spy.count(), 0);
        fill({{"A", "1.000"}, {"B", "2.000"}});
        for (int col : {2, 3, 1}) {
            select(col);
            window->copyToEditWindows();
        }
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toInt(), 2);
        QCOMPARE(spy.at(1).at(0).toInt(), 1);
    }

    void project_buttons_ask_the_main_window() {
        fill({{"A", "1.000"}});
        QSignalSpy open(window.get(), &TAusgabe_Fenster::openProjectRequested);
        QSignalSpy save(window.get(), &TAusgabe_Fenster::saveProjectRequested);
        button(7)->click();
        button(8)->click();
        button(8)->click();
        QCOMPARE(open.count(), 1);
        QCOMPARE(save.count(), 2);
    }

    void unit_switch_rewrites_headings_and_total() {
        fill({{"A", "47.880"}});
        window->convertUnits(OutputSystem::US, 3);
        QCOMPARE(model()->headerData(23, Qt::Vertical).toString(),
                 QString("Pressure drop in lbw./sq.ft.:"));
        QCOMPARE(modelCell(model(), 1, 23), QString("99.999"));  // 47.880 / 0.478802653
        QCOMPARE(total(), QString("99.999 lbw./sq.ft. or 0.694 psi"));
        QCOMPARE(modelCell(model(), 1, 8), QString("Diameter of pipe D in in.: 1.969"));
    }

    void unit_switch_there_and_back_shows_the_texts_it_had() {
        fill({{"A", "47.880"}});
        window->convertUnits(OutputSystem::US, 3);
        window->convertUnits(OutputSystem::Metric, 3);
        QCOMPARE(modelCell(model(), 1, 3), QString("998.000"));  // not 997.998 from 62.303
        QCOMPARE(modelCell(model(), 1, 8), QString("Diameter of pipe D in mm: 50.000"));
        QCOMPARE(modelCell(model(), 1, 23), QString("47.880"));
        QCOMPARE(total(), QString("47.880 mbar or 0.048 bar"));
    }

    void closing_only_hides_and_reports_it() {
        QSignalSpy visible(window.get(), &TAusgabe_Fenster::visibilityChanged);
        window->close();
        QVERIFY(!window->isVisible());
        window->show();
        QCOMPARE(visible.count(), 2);
        QCOMPARE(visible.at(0).at(0).toBool(), false);
        QCOMPARE(visible.at(1).at(0).toBool(), true);
        QCOMPARE(total(), QString("0.00 bar"));
    }

    void caption_follows_project_name() {
        session->projectName = "/tmp/line 4.tlv";
        window->reloadTable();
        QCOMPARE(window->windowTitle(), QString("/tmp/line 4.tlv"));
    }

    void ten_thousand_columns_open_and_scroll() {
        std::vector<CalculationColumn> many(10000, calculation("Circular pipe", "0.500"));
        session->table.setCalculations(std::move(many));
        session->table.renumber();
        session->table.updateTotal(OutputSystem::Metric, 3);
        window->reloadTable();
        QApplication::processEvents();
        QScrollBar* bar = grid()->horizontalScrollBar();
        for (int i = 1; i <= 20; ++i) {
            bar->setValue(bar->maximum() * i / 20);
            grid()->viewport()->repaint();
        }
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(model()->columnCount(), 10001);
        QCOMPARE(number(model(), 10001), QString("10001"));
        QCOMPARE(total(), QString("5000.000 mbar or 5.000 bar"));
        int lastVisible = grid()->columnAt(grid()->viewport()->width() - 1);
        QCOMPARE(lastVisible, 10000);
    }
};

TOLVANE_GUI_TEST_MAIN(TestTableWindow)

#include "test_table_window.moc"
