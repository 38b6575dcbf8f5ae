// The program's only channels to the person at the desk: modal messages and
// questions, file dialogs and the clipboard. The core, the batch tool and the
// tests talk to these interfaces; the Qt widgets provide the real ones, and
// recording versions keep every message in the order it was shown.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

enum class MessageType { Error, Warning, Information };
enum class Answer { Yes, No, Cancel };
enum class QuestionButtons { YesNo, YesNoCancel };

// Texts keep the program's own line breaks ("\r" or "\r\n"); a window turns
// them into visible line breaks when it draws the box.
struct Message {
    MessageType type = MessageType::Error;
    std::string text;
    std::string title;  // questions only
    bool operator==(const Message&) const = default;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A modal message with a single OK button.
    virtual void show(MessageType type, const std::string& text) = 0;
    // A modal question; returns the button pressed.
    virtual Answer ask(const std::string& title, const std::string& text, QuestionButtons buttons,
                       Answer defaultButton) = 0;
};

// Keeps every message and question in order; questions are answered from a
// queue (or with their default button when the queue is empty).
class RecordingMessageSink : public MessageSink {
public:
    void show(MessageType type, const std::string& text) override {
        messages.push_back({type, text, {}});
    }
    Answer ask(const std::string& title, const std::string& text, QuestionButtons,
               Answer defaultButton) override {
        questions.push_back({MessageType::Information, text, title});
        if (answers.empty()) return defaultButton;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::vector<Message> messages;
    std::vector<Message> questions;
    std::deque<Answer> answers;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool hasText() const = 0;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

class MemoryClipboard : public Clipboard {
public:
    bool hasText() const override { return !content.empty(); }
    std::string text() const override { return content; }
    void setText(const std::string& text) override { content = text; }
    std::string content;
};

// Filters are given the program's way, "Projektdateien (*.tlv)|*.tlv".
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::string> openFile(const std::string& filter,
                                                const std::string& defaultExtension) = 0;
    // The dialog itself asks before overwriting an existing file.
    virtual std::optional<std::string> saveFile(const std::string& filter,
                                                const std::string& defaultExtension,
                                                const std::string& suggestedName) = 0;
};

class ScriptedFileDialogs : public FileDialogs {
public:
    std::optional<std::string> openFile(const std::string&, const std::string&) override {
        return next();
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&,
                                        const std::string&) override {
        return next();
    }
    std::deque<std::optional<std::string>> replies;  // empty = cancelled

private:
    std::optional<std::string> next() {
        if (replies.empty()) return std::nullopt;
        auto r = replies.front();
        replies.pop_front();
        return r;
    }
};

}  // namespace tolvane
