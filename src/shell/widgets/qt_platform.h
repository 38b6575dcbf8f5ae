// The desktop versions of the program's channels to the user: message boxes,
// questions, file dialogs and the clipboard, all on Qt Widgets. Texts cross
// the boundary as UTF-8; the program's "\r" and "\r\n" line breaks become
// visible line breaks here.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "base/messages_clipboard_files.h"

class QWidget;

namespace tolvane {

// "Incorrect input\r\"x\"!" -> two lines for a label or a message box.
QString displayText(const std::string& text);

// "Projektdateien (*.tlv)|*.tlv" (description|pattern pairs) -> Qt's
// "Projektdateien (*.tlv)" with pairs joined by ";;".
QString qtFileFilter(const std::string& filter);

class QtMessageSink : public MessageSink {
public:
    void show(MessageType type, const std::string& text) override;
    Answer ask(const std::string& title, const std::string& text, QuestionButtons buttons,
               Answer defaultButton) override;
};

class QtClipboard : public Clipboard {
public:
    bool hasText() const override;
    std::string text() const override;
    void setText(const std::string& text) override;
};

class QtFileDialogs : public FileDialogs {
public:
    // The folder each dialog opens in (the current project's); without it
    // the dialogs open where Qt chooses.
    std::function<std::string()> startFolder;

    std::optional<std::string> openFile(const std::string& filter,
                                        const std::string& defaultExtension) override;
    std::optional<std::string> saveFile(const std::string& filter,
                                        const std::string& defaultExtension,
                                        const std::string& suggestedName) override;
};

// The services a window is built with; tests pass recording versions.
struct PlatformServices {
    MessageSink& messages;
    Clipboard& clipboard;
    FileDialogs& files;
};

}  // namespace tolvane
