// The main window of a window test with recording services: messages and
// questions kept in order, scripted file dialogs, a memory clipboard, and
// optionally the table window attached beside it. Created afresh for every
// test function (in init()) and destroyed in cleanup().
#pragma once

#include <memory>
#include <optional>

#include "base/messages_clipboard_files.h"
#include "results/widgets/calculation_table_window.h"
#include "shell/session.h"
#include "shell/widgets/main_window.h"

namespace tolvane::test {

struct MainWindowRig {
    enum class Table { Without, With };

    explicit MainWindowRig(Table withTable = Table::Without) {
        window = std::make_unique<TMyWindow>(session, PlatformServices{sink, clipboard, files});
        if (withTable == Table::With) {
            table = std::make_unique<TAusgabe_Fenster>(session, sink, clipboard);
            window->setTableWindow(table.get());
        }
        window->show();
        if (table) table->show();
    }

    // With the table window beside it and the roughness query always
    // answered with `roughnessMm`, as most window tests of calculations need.
    static std::unique_ptr<MainWindowRig> calculating(double roughnessMm = 0.1) {
        auto rig = std::make_unique<MainWindowRig>(Table::With);
        rig->window->setRoughnessAsker(
            [roughnessMm]() -> std::optional<double> { return roughnessMm; });
        return rig;
    }

    ~MainWindowRig() {
        if (table) window->setTableWindow(nullptr);
        table.reset();
        window.reset();
    }

    MainWindowRig(const MainWindowRig&) = delete;
    MainWindowRig& operator=(const MainWindowRig&) = delete;

    Session session;
    RecordingMessageSink sink;
    MemoryClipboard clipboard;
    ScriptedFileDialogs files;
    std::unique_ptr<TMyWindow> window;
    std::unique_ptr<TAusgabe_Fenster> table;
};

}  // namespace tolvane::test
