// Tolvane: one session (the input panels, the calculation table, the
// settings) with the desktop's message boxes, clipboard and file dialogs.
// Start-up, the windows and shutdown are TolvaneProgram's.
//
// With TOLVANE_CHECK_INSTALLATION=1 in the environment the program starts as
// usual but writes its messages to standard error instead of showing them,
// reports where it found its shipped files and the project it loaded, and
// ends: the check of an installation, with exit status 3 when a file is
// missing.
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>

#include <filesystem>
#include <iostream>
#include <system_error>

#include "shell/app_paths.h"
#include "shell/dialog_folder.h"
#include "shell/installation_check.h"
#include "shell/session.h"
#include "shell/widgets/main_window.h"
#include "shell/widgets/qt_platform.h"
#include "shell/widgets/startup_program.h"

namespace {

// Messages and questions of an unattended run: written out, every question
// answered "No".
class StreamMessageSink : public tolvane::MessageSink {
public:
    void show(tolvane::MessageType, const std::string& text) override {
        std::cerr << "message: " << text << '\n';
    }
    tolvane::Answer ask(const std::string& title, const std::string& text, tolvane::QuestionButtons,
                        tolvane::Answer) override {
        std::cerr << "question: " << title << ": " << text << '\n';
        return tolvane::Answer::No;
    }
};

int installationStatus(const tolvane::Session& session) {
    const std::string program = tolvane::programDirectory();
    const auto files = tolvane::locateShippedFiles(program, tolvane::installedDataDirectories());
    for (const std::string& line : tolvane::installationReport(files)) std::cout << line << '\n';
    std::cout << "project " << session.projectName << ": " << session.table.calculationCount()
              << " calculations\n";
    std::cout.flush();
    return tolvane::allFound(files) ? 0 : 3;
}

}  // namespace

int main(int argc, char** argv) {
    // Taken before start-up makes the program's directory the current one: a
    // relative project name on the command line is meant from here.
    std::error_code ec;
    const std::string startDirectory = std::filesystem::current_path(ec).string();
    const bool checkInstallation = qEnvironmentVariableIntValue("TOLVANE_CHECK_INSTALLATION") == 1;

    QApplication app(argc, argv);  // takes Qt's own options out of argv
    QGuiApplication::setDesktopFileName(QStringLiteral("tolvane"));

    tolvane::StartupOptions options;
    for (int i = 1; i < argc; ++i) options.arguments.emplace_back(argv[i]);
    options.startDirectory = startDirectory;
    options.programDirectory = tolvane::programDirectory();
    options.settingsPath = tolvane::settingsFilePath();

    tolvane::Session session;
    tolvane::QtMessageSink desktopMessages;
    StreamMessageSink streamMessages;
    tolvane::MessageSink& messages =
        checkInstallation ? static_cast<tolvane::MessageSink&>(streamMessages) : desktopMessages;
    tolvane::QtClipboard clipboard;
    tolvane::QtFileDialogs files;
    const std::string documents =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    const std::string home = QDir::homePath().toStdString();
    files.startFolder = [&session, documents, home] {
        return tolvane::fileDialogFolder(session.projectName, documents, home);
    };
    tolvane::TolvaneProgram program(session, {messages, clipboard, files}, options);
    QObject::connect(&program, &tolvane::TolvaneProgram::finished, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    int status = 0;
    if (checkInstallation)
        QObject::connect(
            &program, &tolvane::TolvaneProgram::startedUp, &app,
            [&] {
                status = installationStatus(session);
                program.mainWindow()->close();
            },
            Qt::QueuedConnection);
    program.start();
    const int loop = QApplication::exec();
    return loop != 0 ? loop : status;
}
