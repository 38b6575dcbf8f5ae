#include "shell/widgets/startup_program.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include "results/widgets/calculation_table_window.h"
#include "results/widgets/short_display_window.h"
#include "results/widgets/table_undo.h"
#include "shell/app_paths.h"
#include "shell/command_line.h"
#include "shell/diameter_carry.h"
#include "shell/line_check_run.h"
#include "shell/recent_projects.h"
#include "shell/widgets/about_dialog.h"
#include "shell/widgets/element_chooser_dialog.h"
#include "help/widgets/help_key_filter.h"
#include "help/widgets/help_window.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/main_window.h"
#include "shell/widgets/project_actions.h"
#include "shell/widgets/settings_dialog.h"
#include "shell/widgets/splash_screen.h"
#include "base/widgets/window_placement.h"

namespace tolvane {

namespace {

// A saved frame place, pulled back when its title bar would be out of reach
// (a screen since removed, a smaller resolution).
QPoint reachable(QPoint frameTopLeft, QSize frameSize, int titleHeight) {
    const ScreenRect frame = keepTitleBarOnScreen(
        {frameTopLeft.x(), frameTopLeft.y(), frameSize.width(), frameSize.height()}, titleHeight,
        usableScreens());
    return {frame.left, frame.top};
}

}  // namespace

TolvaneProgram::TolvaneProgram(Session& session, PlatformServices services, StartupOptions options,
                               QObject* parent)
    : QObject(parent), session_(session), services_(services), options_(std::move(options)) {}

TolvaneProgram::~TolvaneProgram() {
    if (main_) main_->removeEventFilter(this);
    if (main_) main_->setShortDisplay(nullptr);
    delete help_;
    short_.reset();
    table_.reset();
    main_.reset();
}

void TolvaneProgram::start() {
    QCoreApplication::setApplicationName(QString::fromLatin1(kTitle));
    QGuiApplication::setWindowIcon(QIcon(programIcon(64)));
    helpFile_ = dataFilePath(kHelpFile);

    main_ = std::make_unique<TMyWindow>(session_, services_);
    if (!options_.programDirectory.empty()) {
        std::error_code ignored;
        std::filesystem::current_path(options_.programDirectory, ignored);
    }

    std::unique_ptr<TSplashScreen> splash;
    if (options_.splash) {
        splash = std::make_unique<TSplashScreen>();
        splash->showAtOnce();
    }

    table_ = std::make_unique<TAusgabe_Fenster>(session_, services_.messages, services_.clipboard);
    // The table stands beside the main window; closing the main window ends the run.
    table_->setAttribute(Qt::WA_QuitOnClose, false);
    main_->setTableWindow(table_.get());
    projects_ = new ProjectActions(*main_, *table_, services_, this);
    if (!options_.settingsPath.empty())
        projects_->setRecentProjectsFile(
            QString::fromStdString(recentProjectsFilePath(options_.settingsPath)));

    aboutBox_ = new TueberBox(dataFilePath("SOURCES.md"), main_.get());
    settingsDialog_ = new TEinstellungenDlg(session_.settings, services_.messages, main_.get());
    connect(settingsDialog_, &QDialog::finished, this, &TolvaneProgram::writeOptions);
    connect(main_.get(), &TMyWindow::checkLimitsChanged, this, &TolvaneProgram::writeOptions);
    connect(settingsDialog_, &TEinstellungenDlg::outputSystemChanged, table_.get(),
            [this](OutputSystem system) {
                // A table that cannot be shown in the new units keeps its own.
                if (!table_->convertUnits(system, session_.settings.decimals))
                    session_.settings.output =
                        system == OutputSystem::US ? OutputSystem::Metric : OutputSystem::US;
            });
    // The short display is created last of all windows and stays hidden
    // until "&View" shows it.
    short_ = std::make_unique<TKurzAnzeige>(session_);
    short_->setAttribute(Qt::WA_QuitOnClose, false);
    main_->setShortDisplay(short_.get());

    MainMenu& m = *main_->menu();
    connect(m.settings, &QAction::triggered, this, &TolvaneProgram::SettingsClick);
    m.setAvailable(m.settings);
    connect(m.about, &QAction::triggered, aboutBox_, &QDialog::exec);
    m.setAvailable(m.about);

    help_ = new HelpWindow(helpDirectory());
    help_->setAttribute(Qt::WA_QuitOnClose, false);
    connect(m.helpIndex, &QAction::triggered, help_, &HelpWindow::showContents);
    m.setAvailable(m.helpIndex);
    helpKeys_ = new HelpKeyFilter(
        [this](const HelpTopic& topic) {
            if (help_) help_->showTopic(QString::fromStdString(topic.target()));
        },
        this);
    QCoreApplication::instance()->installEventFilter(helpKeys_);

    splash.reset();
    main_->installEventFilter(this);
    main_->show();
}

bool TolvaneProgram::eventFilter(QObject* watched, QEvent* event) {
    if (watched == main_.get()) {
        if (event->type() == QEvent::Show && !shown_) {
            shown_ = true;
            mainWindowShowing();
        } else if (event->type() == QEvent::Close) {
            if (!shutdown()) {
                event->ignore();
                return true;
            }
            Q_EMIT finished();
        }
    }
    return QObject::eventFilter(watched, event);
}

// The state is restored while the main window is still on its way to the
// screen, so it appears in its place with the restored fields; the messages
// of this step are shown, and the other windows placed beside it, once it
// stands in its place.
void TolvaneProgram::mainWindowShowing() {
    auto later = std::make_shared<RecordingMessageSink>();
    ReadSettings(session_, places_, options_.settingsPath, *later);
    readOptions();
    const QMargins guess = marginsLike(main_.get());
    const QPoint at =
        reachable({places_.mainLeft, places_.mainTop}, main_->size().grownBy(guess), guess.top());
    putFrameAt(main_.get(), at, QMargins(), [this, later] { finishStartup(later->messages); });
    main_->showForm();
    main_->chooser()->setSelectedKind(session_.form.element.kind);
    settingsDialog_->showSettings();

    const std::string project = commandLineProject(options_.arguments, options_.startDirectory);
    if (!project.empty()) projects_->loadProject(project, *later);
}

// The options the settings file has no line for, kept where the recent
// projects are.
void TolvaneProgram::readOptions() {
    if (options_.settingsPath.empty()) return;
    const QSettings file(QString::fromStdString(optionsFilePath(options_.settingsPath)),
                         QSettings::IniFormat);
    session_.settings.keepDiameter = file.value(kKeepDiameterKey, false).toBool();
    session_.settings.checkLimits =
        readCheckLimits([&file](const char* key) -> std::optional<std::string> {
            const QVariant value = file.value(QString::fromLatin1(key));
            if (!value.isValid()) return std::nullopt;
            return value.toString().toStdString();
        });
}

void TolvaneProgram::writeOptions() {
    if (options_.settingsPath.empty()) return;
    QSettings file(QString::fromStdString(optionsFilePath(options_.settingsPath)),
                   QSettings::IniFormat);
    file.setValue(kKeepDiameterKey, session_.settings.keepDiameter);
    for (std::size_t i = 0; i < kCheckLimitCount; ++i)
        file.setValue(QString::fromLatin1(kCheckLimitKeys[i].key),
                      QString::fromStdString(checkLimitText(session_.settings.checkLimits, i)));
}

void TolvaneProgram::finishStartup(const std::vector<Message>& messages) {
    for (const Message& m : messages) services_.messages.show(m.type, m.text);
    placeWindows();
    table_->show();
    main_->keepDataWindowsClear();
    // The table as the settings and the command line left it is where undo
    // stops.
    main_->tableUndo()->startOver();
    started_ = true;
    Q_EMIT startedUp();
}

// The table window where the settings file put it; at the first start below
// the main window. Places are frames; sizes are the client areas.
void TolvaneProgram::placeWindows() {
    const WindowPlaces& p = places_;
    QPoint at(p.tableLeft, p.tableTop);
    if (p == WindowPlaces{}) {
        const QRect frame = main_->frameGeometry();
        at = QPoint(frame.left(), frame.bottom() + 8);
    }
    table_->resize(std::max(p.tableWidth, 160), std::max(p.tableHeight, 120));
    const QMargins guess = marginsLike(main_.get());
    putFrameAt(table_.get(), reachable(at, table_->size().grownBy(guess), guess.top()), guess);

    // The short display where it was; at the first start in the middle of the screen.
    short_->resize(std::max(p.shortWidth, 160), std::max(p.shortHeight, 120));
    short_->setColumnWidths(p.shortColumnWidths);
    QPoint shortAt(p.shortLeft, p.shortTop);
    if (p == WindowPlaces{}) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            shortAt = screen->availableGeometry().center() - short_->rect().center();
    }
    // Still hidden: moving it places its frame.
    short_->move(reachable(shortAt, short_->size().grownBy(guess), guess.top()));
}

// The frames' places, as they are restored (QWidget::pos() is the frame's).
void TolvaneProgram::keepPlaces() {
    places_.mainLeft = main_->x();
    places_.mainTop = main_->y();
    places_.tableLeft = table_->x();
    places_.tableTop = table_->y();
    places_.tableWidth = table_->width();
    places_.tableHeight = table_->height();
    places_.shortLeft = short_->x();
    places_.shortTop = short_->y();
    places_.shortWidth = short_->width();
    places_.shortHeight = short_->height();
    places_.shortColumnWidths = short_->columnWidths();
}

// No help viewer is started by the program, so there is none to close.
bool TolvaneProgram::shutdown() {
    main_->readForm();
    if (!projects_->offerSaveAtExit()) return false;
    keepPlaces();
    if (help_) help_->close();
    WriteSettings(session_, places_, options_.settingsPath, services_.messages);
    return true;
}

void TolvaneProgram::SettingsClick() { settingsDialog_->exec(); }

}  // namespace tolvane
