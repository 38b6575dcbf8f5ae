// The roughness query "Roughness of pipe": what OK hands to the calculation,
// bad values that keep it open, Cancel that refuses the calculation, and the
// query's text and unit that stay from one question to the next.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <cmath>
#include <memory>

#include "properties/widgets/roughness_dialog.h"
#include "shell/widgets/main_window.h"
#include "ui_fixture.h"

using namespace tolvane;
using tolvane::test::byName;

namespace {

QStringList texts(const std::vector<Message>& messages) {
    QStringList out;
    for (const Message& m : messages) out << QString::fromStdString(m.text);
    return out;
}

}  // namespace

class TestRoughnessDialog : public QObject {
    Q_OBJECT

    tolvane::test::UiFixture ui;
    RoughnessQueryState query;
    RecordingMessageSink sink;
    std::unique_ptr<TRauDialog> dialog;

    // Answers the next query: types `text`, picks `unit`, presses each button of `presses` in turn.
    void answer(const QString& text, int unit, const QStringList& presses) {
        ui.modals().expectModal([text, unit, presses](QWidget* w) {
            auto* dlg = qobject_cast<TRauDialog*>(w);
            QVERIFY(dlg);
            byName<QLineEdit>(dlg, "Edit1")->selectAll();
            QTest::keyClicks(byName<QLineEdit>(dlg, "Edit1"), text);
            byName<QComboBox>(dlg, "ComboBox1")->setCurrentIndex(unit);
            for (const QString& p : presses) {
                tolvane::test::clickButton(dlg, p);
                // A refused value leaves the query open for the next press.
                if (p == QLatin1String("&OK") && &p != &presses.back()) QVERIFY(dlg->isVisible());
            }
        });
    }

private Q_SLOTS:
    void init() {
        query = RoughnessQueryState{};
        sink.messages.clear();
        dialog = std::make_unique<TRauDialog>(query, sink);
    }
    void cleanup() {
        dialog.reset();
        TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui);
    }

    void ok_hands_roughness_in_mm_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("k");
        QTest::newRow("comma_in_inches") << "0,2" << 1 << 5.08;
        QTest::newRow("millimetres") << "0.1" << 0 << 0.1;
        QTest::newRow("blanks_around") << " 1 " << 0 << 1.0;
        QTest::newRow("smooth_pipe") << "0" << 0 << 0.0;
    }
    void ok_hands_roughness_in_mm() {
        QFETCH(QString, text);
        QFETCH(int, unit);
        QFETCH(double, k);
        answer(text, unit, {QStringLiteral("&OK")});
        const std::optional<double> got = dialog->ask();
        QVERIFY(got.has_value());
        QVERIFY2(std::fabs(*got - k) < 1e-12, qPrintable(QString::number(*got)));
        QVERIFY(sink.messages.empty());
        QCOMPARE(QString::fromStdString(query.text), text);
        QCOMPARE(query.unit, unit);
    }

    void bad_value_keeps_query_open_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters") << "rough"
                                 << "Incorrect input in the input field\r\"Roughness:\"!";
        QTest::newRow("negative")
            << "-0.1"
            << "The input in the input field \r>> Roughness: << \rmust be bigger than zero!";
    }
    void bad_value_keeps_query_open() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        answer(text, 0, {QStringLiteral("&OK"), QStringLiteral("&Cancel")});
        QCOMPARE(dialog->ask(), std::optional<double>());
        QCOMPARE(texts(sink.messages), QStringList{message});
        QCOMPARE(sink.messages.front().type, MessageType::Error);
        QCOMPARE(dialog->focusWidget()->objectName(), QStringLiteral("Edit1"));
    }

    void shows_the_kept_text_and_unit() {
        query.text = "0.05";
        query.unit = 1;
        QString shownText, shownUnit;
        ui.modals().expectModal([&](QWidget* w) {
            auto* dlg = qobject_cast<TRauDialog*>(w);
            shownText = byName<QLineEdit>(dlg, "Edit1")->text();
            shownUnit = byName<QComboBox>(dlg, "ComboBox1")->currentText();
            dlg->reject();
        });
        QCOMPARE(dialog->ask(), std::optional<double>());
        QCOMPARE(shownText, QStringLiteral("0.05"));
        QCOMPARE(shownUnit, QStringLiteral("in."));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Roughness of pipe"));
        QVERIFY(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(byName<QPushButton>(dialog.get(), "OKBtn")->isDefault());
        QVERIFY(byName<QPushButton>(dialog.get(), "DatenbankBtn")->isEnabled());
    }

    void calculation_asks_the_dialog_data() {
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("columns");
        QTest::newRow("ok_adds_calculation") << "&OK" << 1;
        QTest::newRow("cancel_refuses_calculation") << "&Cancel" << 0;
    }
    void calculation_asks_the_dialog() {
        QFETCH(QString, press);
        QFETCH(int, columns);
        Session session;
        MemoryClipboard clipboard;
        ScriptedFileDialogs files;
        TMyWindow window(session, {sink, clipboard, files});
        window.show();
        answer(QStringLiteral("0.2"), 0, {press});
        QTest::mouseClick(window.speedButtons().Berechnungsschalter, Qt::LeftButton);
        QCOMPARE(session.table.calculationCount(), columns);
        if (columns == 1) QCOMPARE(session.table.cell(1, Row::Roughness), std::string("0.200"));
        QVERIFY(sink.messages.empty());
    }
};

TOLVANE_GUI_TEST_MAIN(TestRoughnessDialog)
#include "test_roughness_dialog.moc"
