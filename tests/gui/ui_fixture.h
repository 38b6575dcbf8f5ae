// Shared set-up of every window test: the offscreen platform, the C locale, a
// temporary working and settings directory, and a watchdog that closes any
// modal window the test did not announce and reports it instead of hanging.
//
//   class TestFoo : public QObject { Q_OBJECT
//       tolvane::test::UiFixture ui;
//   private Q_SLOTS:
//       void cleanup() { TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(ui); }
//       void opens_chooser() {
//           ui.modals().expectModal([](QWidget* w) { ...; qobject_cast<QDialog*>(w)->accept(); });
//           ...
//       }
//   };
//   TOLVANE_GUI_TEST_MAIN(TestFoo)
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <clocale>
#include <deque>
#include <functional>
#include <memory>

namespace tolvane::test {

// Before QApplication exists: offscreen platform, C locale, and HOME /
// XDG_CONFIG_HOME inside a temporary directory so no test touches the real
// settings of the person running it.
inline QTemporaryDir& sandbox() {
    static QTemporaryDir dir;
    return dir;
}

inline void prepareEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C");
    std::setlocale(LC_ALL, "C");
    const QString home = sandbox().path();
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", QString(home + "/.config").toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
}

// Before QApplication exists: two screens side by side, the left one
// 1600 x 1000, as a configuration of the offscreen platform. False when the
// configuration cannot be written.
inline bool useTwoScreens(int rightWidth, int rightHeight) {
    const QString config = sandbox().path() + "/screens.json";
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QString screens = QString(R"({"screens": [
        {"name": "left", "x": 0, "y": 0, "width": 1600, "height": 1000,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "right", "x": 1600, "y": 0, "width": %1, "height": %2,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                                .arg(rightWidth)
                                .arg(rightHeight);
    if (file.write(screens.toUtf8()) < 0 || !file.flush()) return false;
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    return true;
}

// Polls for modal windows. An announced one is handed to its handler (which
// should accept or reject it); any other is recorded and rejected, so a
// forgotten dialog fails the test rather than blocking it.
class ModalWatchdog {
public:
    ModalWatchdog() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    void expectModal(std::function<void(QWidget*)> handler) {
        expected_.push_back(std::move(handler));
    }
    int pendingExpectations() const { return static_cast<int>(expected_.size()); }
    const QStringList& unexpected() const { return unexpected_; }
    void reset() {
        expected_.clear();
        unexpected_.clear();
    }

private:
    static QString describe(const QWidget* w) {
        return QStringLiteral("%1 \"%2\" (%3)")
            .arg(QString::fromLatin1(w->metaObject()->className()), w->windowTitle(),
                 w->objectName());
    }

    void poll() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == handling_) return;
        // Act on a window only once it is active, as a person would: a window
        // activated after its handler closed it hands its focus to the next
        // field in the tab chain. Two seconds at the most on a busy machine.
        if (w != waitingFor_) {
            waitingFor_ = w;
            waited_ = 0;
        }
        if (!w->isActiveWindow() && ++waited_ < 100) return;
        waitingFor_ = nullptr;
        if (!expected_.empty()) {
            auto handler = std::move(expected_.front());
            expected_.pop_front();
            handling_ = w;
            handler(w);
            handling_ = nullptr;
            return;
        }
        unexpected_ << describe(w);
        if (auto* dlg = qobject_cast<QDialog*>(w))
            dlg->reject();
        else
            w->close();
    }

    QTimer timer_;
    QWidget* waitingFor_ = nullptr;
    int waited_ = 0;
    std::deque<std::function<void(QWidget*)>> expected_;
    QStringList unexpected_;
    QWidget* handling_ = nullptr;
};

// One per test object: a fresh working directory for the test run and the
// modal watchdog.
class UiFixture {
public:
    UiFixture() : previous_(QDir::currentPath()) {
        work_ = std::make_unique<QTemporaryDir>(sandbox().path() + "/work-XXXXXX");
        QDir::setCurrent(work_->path());
    }
    ~UiFixture() { QDir::setCurrent(previous_); }
    UiFixture(const UiFixture&) = delete;
    UiFixture& operator=(const UiFixture&) = delete;

    QString workDir() const { return work_->path(); }
    // The directory of the test program: the element pictures and data files
    // are built beside it.
    static QString programDir() { return QCoreApplication::applicationDirPath(); }
    ModalWatchdog& modals() { return modals_; }

private:
    QString previous_;
    std::unique_ptr<QTemporaryDir> work_;
    ModalWatchdog modals_;
};

// A child found by its object name (the names the program's windows use).
template <class T>
T* byName(const QObject* root, const char* name) {
    return root->findChild<T*>(QString::fromLatin1(name));
}

// The labels under `root` that would take a text for markup (and show a
// picture or a link from it), each as "name: text". Qt's own tooltip label
// is left out: tooltips are checked by their texts.
inline QStringList labelsReadingMarkup(const QWidget* root) {
    QStringList out;
    for (const QLabel* l : root->findChildren<QLabel*>())
        if (l->textFormat() != Qt::PlainText && l->windowType() != Qt::ToolTip)
            out << l->objectName() + ": " + l->text();
    return out;
}

// What a tooltip shows of `tip`, read as QToolTip reads it: markup when it
// looks like markup (a picture then shows as one placeholder character).
inline QString toolTipShows(const QString& tip) {
    if (!Qt::mightBeRichText(tip)) return tip;
    QTextDocument shown;
    shown.setHtml(tip);
    return shown.toPlainText();
}

// A name as a hostile data file may spell it: a picture from the disk.
inline const QString kMarkupName = QStringLiteral("<img src=/tmp/x.png>");

// Clicks a button of a modal dialog from inside its handler.
inline void clickButton(QWidget* dialog, const QString& text) {
    const auto buttons = dialog->findChildren<QAbstractButton*>();
    for (QAbstractButton* b : buttons)
        if (b->text() == text) {
            b->click();
            return;
        }
}

}  // namespace tolvane::test

// For cleanup(): a modal window that no test announced is a failure.
#define TOLVANE_VERIFY_NO_UNEXPECTED_MODAL(fixture)                                           \
    do {                                                                                      \
        const QStringList seen_ = (fixture).modals().unexpected();                            \
        const int pending_ = (fixture).modals().pendingExpectations();                        \
        (fixture).modals().reset();                                                           \
        QVERIFY2(seen_.isEmpty(),                                                             \
                 qPrintable(QStringLiteral("unexpected modal window: ") + seen_.join(", "))); \
        QVERIFY2(pending_ == 0, "an announced modal window never opened");                    \
    } while (false)

#define TOLVANE_GUI_TEST_MAIN(TestClass)              \
    int main(int argc, char** argv) {                 \
        tolvane::test::prepareEnvironment();          \
        QApplication app(argc, argv);                 \
        TestClass testObject;                         \
        return QTest::qExec(&testObject, argc, argv); \
    }
