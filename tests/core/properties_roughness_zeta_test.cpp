// The roughness table's copy values and the resistance-coefficient files.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "properties/roughness_table.h"
#include "properties/zeta_database.h"
#include "base/input_number.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;

TEST(RoughnessTable, copy_values_in_both_units) {
    struct {
        int row;
        const char* mm;
        const char* in;
    } cases[] = {{0, "0.0015", "0.00006"},
                 {27, "0.2", "0.008"},
                 {41, "1.0", "0.04"},
                 {35, "0.10", "0.004"},
                 {39, "0.25", "0.01"}};
    for (const auto& c : cases) {
        EXPECT_EQ(roughnessCopyValue(c.row, kRoughnessUnitMm), c.mm) << c.row;
        EXPECT_EQ(roughnessCopyValue(c.row, kRoughnessUnitIn), c.in) << c.row;
    }
    EXPECT_EQ(roughnessCopyValue(-1, kRoughnessUnitMm), "");
    EXPECT_EQ(roughnessCopyValue(42, kRoughnessUnitIn), "");
}

TEST(RoughnessTable, every_row_is_complete_and_its_copy_values_fit) {
    const auto& rows = roughnessTable();
    ASSERT_EQ(rows.size(), 42u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RoughnessRow& r = rows[i];
        EXPECT_FALSE(r.material.empty()) << i;
        EXPECT_LE(r.copyMm.size(), 7u) << i;
        EXPECT_LE(r.copyIn.size(), 7u) << i;
        // The copied values are the upper ends of the ranges the list shows.
        std::size_t mm = r.range.find(" mm or ");
        ASSERT_NE(mm, std::string::npos) << i;
        std::string mmRange = r.range.substr(0, mm);
        std::string inRange = r.range.substr(mm + 7, r.range.size() - mm - 7 - 4);
        ASSERT_EQ(r.range.substr(r.range.size() - 4), " in.") << i;
        EXPECT_EQ(*readNumber(r.copyMm), *readNumber(mmRange.substr(mmRange.rfind(' ') + 1))) << i;
        EXPECT_EQ(*readNumber(r.copyIn), *readNumber(inRange.substr(inRange.rfind(' ') + 1))) << i;
    }
    EXPECT_EQ(rows[39].condition, "");
    EXPECT_EQ(roughnessListLine(27),
              "Steel\tafter long operation cleaned\t0.15 - 0.20 mm\tor\t0.006 - 0.008 in.");
}

TEST(ZetaDatabase, manufacturer_is_file_name_cut_at_first_point) {
    struct {
        const char* file;
        const char* name;
    } cases[] = {{"Acme.v2.ZTA", "Acme"},
                 {"Acme.ZTA", "Acme"},
                 {"/data/zeta/Nordkamp GmbH.ZTA", "Nordkamp GmbH"},
                 {"K\xFChn.ZTA", "Kühn"},
                 {"Kühn.ZTA", "Kühn"}};
    for (const auto& c : cases) EXPECT_EQ(manufacturerName(c.file), c.name) << c.file;
}

TEST(ZetaDatabase, takes_lines_apart) {
    struct {
        const char* name;
        std::string bytes;
        std::vector<ZetaFitting> fittings;
    } cases[] = {
        {"two_lines",
         "Gate\t50\t0.2\t80\t0.18\r\nGlobe\t50\t4.5\r\n",
         {{"Gate", {{"50", "0.2"}, {"80", "0.18"}}}, {"Globe", {{"50", "4.5"}}}}},
        {"ends_at_empty_diameter", "Gate\t50\t0.2\t\t99\t1\r\n", {{"Gate", {{"50", "0.2"}}}}},
        {"trailing_tab", "Gate\t50\t0.2\t\r\n", {{"Gate", {{"50", "0.2"}}}}},
        {"lf_and_no_final_end",
         "Gate\t50\t0.2\nBall\t25\t0.08",
         {{"Gate", {{"50", "0.2"}}}, {"Ball", {{"25", "0.08"}}}}},
        {"blank_lines_skipped", "\r\nGate\t50\t0.2\r\n\r\n", {{"Gate", {{"50", "0.2"}}}}},
        {"texts_kept_as_they_are",
         "Klappe DN\t 50 \t0,35\r\n",
         {{"Klappe DN", {{" 50 ", "0,35"}}}}},
        {"cp1252",
         "R\xFC"
         "ckschlagklappe, Ma\xDF"
         "e\t100\t1.8\r\n",
         {{"Rückschlagklappe, Maße", {{"100", "1.8"}}}}},
        {"dos_end_mark", "Gate\t50\t0.2\r\n\x1A", {{"Gate", {{"50", "0.2"}}}}},
        {"six_characters_fit", "Gate\t1000.5\t0.1234\r\n", {{"Gate", {{"1000.5", "0.1234"}}}}},
        {"control_characters_become_blanks",
         "Ga\x07te valve, flanged, PN 16\x81\t50\t0.2\r\n",
         {{"Ga te valve, flanged, PN 16 ", {{"50", "0.2"}}}}},
    };
    for (const auto& c : cases) {
        auto parsed = parseZetaFile(c.bytes);
        ASSERT_TRUE(parsed) << c.name;
        EXPECT_EQ(*parsed, c.fittings) << c.name;
    }
}

class TempDir {
public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "tolvane-zeta-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    std::string path() const { return path_.string(); }

private:
    fs::path path_;
};

const std::string kGood =
    "Gate valve\t50\t0.2\t80\t0.18\r\nGlobe valve\t25\t5.1\t50\t4.6\t100\t4.1\r\n";

struct Broken {
    const char* name;
    std::string bytes;
};

std::ostream& operator<<(std::ostream& os, const Broken& b) { return os << b.name; }

class BrokenZetaFile : public ::testing::TestWithParam<Broken> {};

TEST_P(BrokenZetaFile, warns_once_with_empty_lists_and_other_files_still_work) {
    TempDir dir;
    dir.write("A broken.ZTA", GetParam().bytes);
    dir.write("B good.ZTA", kGood);
    RecordingMessageSink sink;
    ZetaSelection zeta(dir.path(), sink);
    zeta.show();
    ASSERT_EQ(zeta.files(), (std::vector<std::string>{"A broken.ZTA", "B good.ZTA"}));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], (Message{MessageType::Warning, kZetaDatabaseBroken, {}}));
    EXPECT_TRUE(zeta.fittings().empty());
    EXPECT_TRUE(zeta.diameters().empty());
    EXPECT_EQ(zeta.zetaText(), "");
    EXPECT_FALSE(zeta.copyToElementWindow());

    zeta.selectFile(1);
    EXPECT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(zeta.fittings(), (std::vector<std::string>{"Gate valve", "Globe valve"}));
    EXPECT_EQ(zeta.zetaText(), "0.2");
}

const Broken kBroken[] = {
    {"empty", ""},
    {"only_blank_lines", "\r\n\r\n"},
    {"no_tab", "Gate valve 50 0.2\r\n"},
    {"one_good_line_then_no_tab", "Gate\t50\t0.2\r\nGlobe valve\r\n"},
    {"diameter_without_coefficient", "Gate\t50\t0.2\t80\r\n"},
    {"empty_coefficient", "Gate\t50\t\r\n"},
    {"fitting_without_diameter", "Gate\t\t0.2\r\n"},
    {"nul_bytes", std::string("Gate\t50\t0.2\0\0\0\r\n", 15)},
    {"mostly_control_characters",
     "\x01\x02\x03\x04\x05\x06\x07\x08\x0b\x0c\x0e\x0fGate\t50\t0.2\r\n"},
    {"very_long_line", "Gate" + std::string(100000, 'x') + "\t50\t0.2\r\n"},
    // Longer than the element field a copy puts it in.
    {"coefficient_longer_than_its_field", "Gate\t50\t1e300.0\r\n"},
    {"diameter_longer_than_its_field", "Gate\t1000000\t0.2\r\n"},
    {"very_long_line_of_pairs",
     [] {
         std::string s = "Gate";
         for (int i = 0; i < 12000; ++i) s += "\t50\t0.2";
         return s;
     }()},
};

INSTANTIATE_TEST_SUITE_P(Files, BrokenZetaFile, ::testing::ValuesIn(kBroken),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(ZetaDatabase, unreadable_file_warns) {
    TempDir dir;
    fs::create_directory(fs::path(dir.path()) / "folder.ZTA");  // listed never, it is no file
    dir.write("Gone.ZTA", kGood);
    RecordingMessageSink sink;
    ZetaSelection zeta(dir.path(), sink);
    zeta.show();
    ASSERT_EQ(zeta.files(), std::vector<std::string>{"Gone.ZTA"});
    fs::remove(fs::path(dir.path()) / "Gone.ZTA");
    zeta.selectFile(0);
    EXPECT_EQ(sink.messages.size(), 1u);
    EXPECT_TRUE(zeta.fittings().empty());
}

TEST(ZetaDatabase, no_files_at_all_warns) {
    TempDir dir;
    dir.write("notes.txt", kGood);
    RecordingMessageSink sink;
    ZetaSelection zeta(dir.path(), sink);
    zeta.show();
    EXPECT_TRUE(zeta.files().empty());
    EXPECT_EQ(sink.messages.size(), 1u);
    EXPECT_FALSE(zeta.copyToElementWindow());
}

TEST(ZetaDatabase, choosing_fitting_and_diameter_and_copying) {
    TempDir dir;
    dir.write("Nordkamp.v2.ZTA", kGood);
    dir.write("Aalbeck.zta", "Ball valve\t15\t0.1\r\n");
    RecordingMessageSink sink;
    ZetaSelection zeta(dir.path(), sink);
    zeta.show();
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_EQ(zeta.files(), (std::vector<std::string>{"Aalbeck.zta", "Nordkamp.v2.ZTA"}));
    EXPECT_EQ(zeta.fittings(), std::vector<std::string>{"Ball valve"});

    zeta.selectFile(1);
    EXPECT_EQ(zeta.fittingIndex(), 0);
    EXPECT_EQ(zeta.diameters(), (std::vector<std::string>{"50", "80"}));
    zeta.selectDiameter(1);
    EXPECT_EQ(zeta.zetaText(), "0.18");

    zeta.selectFitting(1);
    EXPECT_EQ(zeta.diameters(), (std::vector<std::string>{"25", "50", "100"}));
    EXPECT_EQ(zeta.diameterIndex(), 0);
    EXPECT_EQ(zeta.zetaText(), "5.1");
    zeta.selectDiameter(2);
    zeta.selectDiameter(7);  // no such row: nothing changes
    EXPECT_EQ(zeta.zetaText(), "4.1");

    auto copy = zeta.copyToElementWindow();
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->diameter, "100");
    EXPECT_EQ(copy->zeta, "4.1");
    EXPECT_EQ(copy->specification, "Nordkamp Globe valve");

    zeta.setZetaText("3.9");  // typed over by the user
    EXPECT_EQ(zeta.copyToElementWindow()->zeta, "3.9");
}

TEST(ZetaDatabase, shipped_sample_files_read) {
    fs::path data = fs::path(TOLVANE_TEST_DATA_DIR).parent_path().parent_path() / "data";
    RecordingMessageSink sink;
    ZetaSelection zeta(data.string(), sink);
    zeta.show();
    ASSERT_GE(zeta.files().size(), 2u);
    for (int i = 0; i < static_cast<int>(zeta.files().size()); ++i) {
        zeta.selectFile(i);
        EXPECT_FALSE(zeta.fittings().empty()) << zeta.files()[static_cast<std::size_t>(i)];
        for (int k = 0; k < static_cast<int>(zeta.fittings().size()); ++k) {
            zeta.selectFitting(k);
            for (int d = 0; d < static_cast<int>(zeta.diameters().size()); ++d) {
                zeta.selectDiameter(d);
                auto v = readNumber(zeta.zetaText());
                ASSERT_TRUE(v) << zeta.zetaText();
                EXPECT_GT(*v, 0.0);
                EXPECT_LT(*v, 10.0);
            }
        }
    }
    EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
}  // namespace tolvane
