// The desktop's side of messages and file dialogs: the program's filters in
// Qt's form and its line breaks shown as line breaks.
#include <QMessageBox>

#include "shell/widgets/qt_platform.h"
#include "ui_fixture.h"
#include "base/widgets/plain_text.h"

using namespace tolvane;

class TestQtPlatform : public QObject {
    Q_OBJECT
    tolvane::test::UiFixture ui;

private Q_SLOTS:
    void cleanup() { TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui); }

    void converts_file_filters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("project_files") << "Projektdateien (*.tlv)|*.tlv"
                                       << "Projektdateien (*.tlv)";
        QTest::newRow("two_pairs") << "Projektdateien (*.tlv)|*.tlv|Alle Dateien (*.*)|*.*"
                                   << "Projektdateien (*.tlv);;Alle Dateien (*.*)";
        QTest::newRow("pattern_only_in_second_half") << "Texte|*.txt;*.csv"
                                                     << "Texte (*.txt *.csv)";
        QTest::newRow("empty") << ""
                               << "";
    }
    void converts_file_filters() {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QCOMPARE(qtFileFilter(filter.toStdString()), qt);
    }

    void message_boxes_show_file_names_as_spelled_data() {
        QTest::addColumn<bool>("question");
        QTest::newRow("message") << false;
        QTest::newRow("question") << true;
    }
    void message_boxes_show_file_names_as_spelled() {
        QFETCH(bool, question);
        const QString text =
            QStringLiteral("Cannot open \"") + tolvane::test::kMarkupName + QStringLiteral(".tlv\"");
        bool seen = false;
        ui.modals().expectModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            seen = true;
            QCOMPARE(box->text(), text);
            QCOMPARE(box->textFormat(), Qt::PlainText);
            box->reject();
        });
        QtMessageSink sink;
        if (question)
            sink.ask("Question", text.toStdString(), QuestionButtons::YesNo, Answer::No);
        else
            sink.show(MessageType::Error, text.toStdString());
        QVERIFY(seen);
    }

    void tooltips_show_texts_as_spelled_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("picture") << tolvane::test::kMarkupName;
        QTest::newRow("bold_and_blanks") << "<b>a</b>   b";
        QTest::newRow("entity") << "a &amp; b <br>";
        QTest::newRow("plain_stays_plain") << "/home/user/pump line.tlv";
    }
    void tooltips_show_texts_as_spelled() {
        QFETCH(QString, text);
        QCOMPARE(tolvane::test::toolTipShows(plainToolTip(text)), text);
        if (!Qt::mightBeRichText(text)) QCOMPARE(plainToolTip(text), text);
    }

    void shows_line_breaks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("carriage_return") << "Incorrect input in the input field\r\"D:\"!"
                                         << "Incorrect input in the input field\n\"D:\"!";
        QTest::newRow("cr_lf_is_one_break")
            << "The file \"TOLV.INI\" was not found.\r\nTolvane will start"
            << "The file \"TOLV.INI\" was not found.\nTolvane will start";
        QTest::newRow("two_breaks_stay_two") << "a\r\rb"
                                             << "a\n\nb";
        QTest::newRow("units_stay_utf8") << "m³/h"
                                         << "m³/h";
    }
    void shows_line_breaks() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(displayText(text.toStdString()), shown);
    }
};

TOLVANE_GUI_TEST_MAIN(TestQtPlatform)
#include "test_qt_platform.moc"
