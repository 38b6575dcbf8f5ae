#include "cli/methods_command.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "engine/published_methods.h"

namespace tolvane::cli {

int runMethodsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << "tolvane-cli: methods takes no arguments\n";
        return 2;
    }
    std::string text = "{\n  \"methods\": [";
    bool first = true;
    for (const PublishedMethod& m : publishedMethods()) {
        const ElementKind k = pairOf(m.kind);
        const nlohmann::json row = {{"kind", {k.group, k.variant}},
                                    {"method", publishedSourceName(m.source)},
                                    {"constants", m.constants},
                                    {"reference", m.reference}};
        text += first ? "\n    " : ",\n    ";
        text += row.dump();
        first = false;
    }
    text += "\n  ]\n}\n";
    out << text;
    return 0;
}

}  // namespace tolvane::cli
