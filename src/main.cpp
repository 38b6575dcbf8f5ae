// Tolvane: one session (the input panels, the calculation table, the
// settings) with the desktop's message boxes, clipboard and file dialogs.
// Start-up, the windows and shutdown are TolvaneProgram's.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

#include "shell/app_paths.h"
#include "shell/dialog_folder.h"
#include "shell/session.h"
#include "shell/widgets/qt_platform.h"
#include "shell/widgets/startup_program.h"

int main(int argc, char** argv) {
    // Taken before start-up makes the program's directory the current one: a
    // relative project name on the command line is meant from here.
    std::error_code ec;
    const std::string startDirectory = std::filesystem::current_path(ec).string();

    QApplication app(argc, argv);  // takes Qt's own options out of argv

    tolvane::StartupOptions options;
    for (int i = 1; i < argc; ++i) options.arguments.emplace_back(argv[i]);
    options.startDirectory = startDirectory;
    options.programDirectory = tolvane::programDirectory();
    options.settingsPath = tolvane::settingsFilePath();

    tolvane::Session session;
    tolvane::QtMessageSink messages;
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
    program.start();
    return QApplication::exec();
}
