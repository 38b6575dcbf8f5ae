// The settings file: whatever the lines, reading them leaves a session whose
// lines, written and read again, give the same lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/settings_file.h"
#include "base/text_file.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Session session;
    WindowPlaces places;
    RecordingMessageSink messages;
    applySettingsLines(session, places, textLinesOf(bytes), messages);
    const auto lines = buildSettingsLines(session, places);
    if (lines.size() != static_cast<std::size_t>(kSettingsLineCount)) std::abort();

    Session again;
    WindowPlaces placesAgain;
    RecordingMessageSink quiet;
    applySettingsLines(again, placesAgain, lines, quiet);
    if (!quiet.messages.empty()) std::abort();
    if (buildSettingsLines(again, placesAgain) != lines) std::abort();
    return 0;
}
