// A whole run of the program for window tests: the session with recording
// messages, scripted file dialogs and a memory clipboard, started through
// TolvaneProgram (no splash, TOLV.INI in the test's working directory), with
// helpers to calculate and to read the settings file back.
#pragma once

#include <QDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "results/widgets/calculation_table_window.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/main_window.h"
#include "shell/widgets/startup_program.h"
#include "base/text_file.h"

namespace tolvane::test {

struct ProgramHarness {
    Session session;
    RecordingMessageSink sink;
    MemoryClipboard clipboard;
    ScriptedFileDialogs files;
    std::unique_ptr<TolvaneProgram> program;

    static StartupOptions options(const QString& workDir) {
        StartupOptions o;
        o.startDirectory = workDir.toStdString();
        o.settingsPath = (workDir + QStringLiteral("/TOLV.INI")).toStdString();
        o.splash = false;
        return o;
    }

    // Start-up up to the shown table window; false when it never got there.
    bool start(const StartupOptions& o) {
        program =
            std::make_unique<TolvaneProgram>(session, PlatformServices{sink, clipboard, files}, o);
        program->start();
        main()->setRoughnessAsker([] { return std::optional<double>(0.1); });
        return QTest::qWaitFor([this] { return program->started(); }, 5000);
    }

    TMyWindow* main() const { return program->mainWindow(); }
    TAusgabe_Fenster* table() const { return program->tableWindow(); }
    MainMenu* menu() const { return main()->menu(); }

    // n calculations of the straight pipe the form shows.
    void calculate(int n = 1) {
        for (int i = 0; i < n; ++i) main()->BerechnungsschalterClick();
    }

    std::vector<std::string> messageTexts() const {
        std::vector<std::string> out;
        for (const Message& m : sink.messages) out.push_back(m.text);
        return out;
    }
};

inline std::vector<std::string> fileLines(const std::string& path) {
    return readTextLines(path).value_or(std::vector<std::string>{});
}

}  // namespace tolvane::test
