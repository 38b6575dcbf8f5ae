// The published sources of the correlations and tables the engine uses, and
// which of them each element kind rests on: the same table the help pages'
// "Source" sections are written from, as plain text.
#pragma once

#include <string>
#include <vector>

#include "engine/element_kind.h"

namespace tolvane::report {

struct PublishedSource {
    std::string key;        // "colebrook", the anchor of the help's sources page
    std::string usedFor;    // what it is used for
    std::string reference;  // the reference as it is cited
};

struct KindSource {
    std::string key;
    std::string what;  // the part of the kind's calculation, or ""
};

struct KindSources {
    ElementKind kind;
    std::vector<KindSource> sources;  // empty: elementary physics only
};

const std::vector<PublishedSource>& publishedSources();
const std::vector<KindSources>& kindSources();

}  // namespace tolvane::report
