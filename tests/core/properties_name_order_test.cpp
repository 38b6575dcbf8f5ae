// The order of media names in "Sort to &medium": case and accents of every
// Windows-1252 letter are folded, and the order stays total.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "properties/name_order.h"
#include "properties/user_database.h"

namespace tolvane {
namespace {

TEST(NameOrder, FoldsCaseAndAccentsOfWindows1252Letters) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"äthanol", "Ätzlauge"},   // accent and case ignored first
        {"Äther", "Zement"},       // Ä sorts as a, not after z
        {"Éther", "ethylen"},      // É as e
        {"Œl", "Olivenöl"},        // Œ as oe
        {"Straße", "Strassen"},    // ß as ss
        {"Ærugo", "Aether"},       // Æ as ae: "aerugo" < "aether"
        {"Šoda", "Titan"},         // Š as s
        {"žinc", "Zink"},          // ž as z ("zinc" < "zink")
        {"Ÿsop", "Zeolith"},       // Ÿ as y
        {"Ölsäure", "Pentan"},     // Ö as o
        {"Ñandu", "Nandus"},       // Ñ as n
        {"Þorium", "Tib"},         // Þ as th
    };
    for (const auto& c : cases) {
        EXPECT_LT(compareNames(c.before, c.after), 0) << c.before << " / " << c.after;
        EXPECT_GT(compareNames(c.after, c.before), 0) << c.after << " / " << c.before;
    }
}

TEST(NameOrder, PlainLetterThenSmallLetterBreakTies) {
    // The same letters: the plain before the accented form, then the small
    // before the capital.
    const std::vector<std::string> sorted = {"apfel", "Apfel", "APFEL", "äpfel", "Äpfel",
                                             "Strasse", "Straße"};
    for (std::size_t i = 0; i + 1 < sorted.size(); ++i)
        EXPECT_LT(compareNames(sorted[i], sorted[i + 1]), 0) << sorted[i] << " / " << sorted[i + 1];
}

TEST(NameOrder, IsATotalOrder) {
    // Every pair of different names is ordered one way only, equal names tie,
    // and the order is transitive; broken UTF-8 takes part too.
    const std::vector<std::string> names = {
        "",      "a",  "A",     "ä",      "Ä",   "à",     "b",    "ss",  "ß",     "SS",
        "ae",    "æ",  "Æ",     "\xC3",   "\xFF", "a\xC3", "1",    " ",   "Ölige", "oelige",
        "Oelig", "ÿ",  "Ÿ",     "y",      "µ",   "×",     "÷",    "th",  "þ",     "Þ"};
    for (const std::string& a : names) {
        EXPECT_EQ(compareNames(a, a), 0) << a;
        for (const std::string& b : names) {
            if (a == b) continue;
            const int ab = compareNames(a, b), ba = compareNames(b, a);
            EXPECT_NE(ab, 0) << a << " / " << b;
            EXPECT_EQ(ab < 0, ba > 0) << a << " / " << b;
            for (const std::string& c : names) {
                if (ab < 0 && compareNames(b, c) < 0) {
                    EXPECT_LT(compareNames(a, c), 0) << a << " / " << b << " / " << c;
                }
            }
        }
    }
}

TEST(NameOrder, SortToMediumUsesIt) {
    UserDatabase db;
    for (const char* n : {"Ätzlauge", "Zement", "äthanol", "Benzol", "Öl"}) db.appendNew(n);
    db.sortByName();
    std::vector<std::string> names;
    for (const auto& r : db.records()) names.push_back(r.name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"äthanol", "Ätzlauge", "Benzol", "Öl", "Zement"}));
}

}  // namespace
}  // namespace tolvane
