// The pipe-size table: the shipped rows make physical sense and agree with
// the standards' own tables, lookups find exactly the rows there are, and a
// damaged line is reported with its number while the others stay usable.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "properties/pipe_sizes.h"
#include "shell/app_paths.h"

namespace tolvane {
namespace {

const PipeSizeTable& shipped() {
    static const PipeSizesRead read = readPipeSizesFile(dataFilePath(kPipeSizesFileName));
    return read.table;
}

TEST(ShippedPipeSizes, ReadWithoutFaults) {
    const PipeSizesRead read = readPipeSizesFile(dataFilePath(kPipeSizesFileName));
    for (const PipeFileFault& fault : read.faults) ADD_FAILURE() << faultLine(fault);
    EXPECT_EQ(read.table.standards(),
              (std::vector<std::string>{"ASME B36.10M", "ASME B36.19M", "EN 10255", "EN 1057"}));
}

TEST(ShippedPipeSizes, EveryRowMakesPhysicalSense) {
    ASSERT_FALSE(shipped().empty());
    for (const PipeRow& row : shipped().rows()) {
        SCOPED_TRACE(row.standard + " " + row.size + " " + row.schedule);
        EXPECT_GT(row.wallMm, 0.0);
        EXPECT_LT(2 * row.wallMm, row.outsideMm);
        EXPECT_NEAR(row.insideMm, row.outsideMm - 2 * row.wallMm, 0.005);
        // One outside diameter per size of a standard, whatever the schedule.
        const std::string first = shipped().schedules(row.standard, row.size).front();
        EXPECT_EQ(row.outsideMm, shipped().find(row.standard, row.size, first)->outsideMm);
    }
}

TEST(ShippedPipeSizes, WallsGrowWithTheNumberedSchedule) {
    const std::vector<std::string> numbered = {"10", "20",  "30",  "40",  "60",
                                               "80", "100", "120", "140", "160"};
    for (const std::string& size : shipped().sizes("ASME B36.10M")) {
        double last = 0;
        for (const std::string& schedule : numbered) {
            const PipeRow* row = shipped().find("ASME B36.10M", size, schedule);
            if (!row) continue;
            EXPECT_GE(row->wallMm, last) << "NPS " << size << " Sch " << schedule;
            last = row->wallMm;
        }
    }
}

struct PublishedRow {
    const char* standard;
    const char* size;
    const char* schedule;
    double outside;
    double wall;
    double inside;
};

// Published rows of the standards (ASME B36.10M, B36.19M, EN 10255 series M
// and H, EN 1057), held here independently of the data file.
const PublishedRow kPublished[] = {
    {"ASME B36.10M", "4", "40", 114.3, 6.02, 102.26},
    {"ASME B36.10M", "2", "40", 60.3, 3.91, 52.48},
    {"ASME B36.10M", "6", "80", 168.3, 10.97, 146.36},
    {"ASME B36.10M", "1/2", "XXS", 21.3, 7.47, 6.36},
    {"ASME B36.10M", "24", "STD", 610.0, 9.53, 590.94},
    {"ASME B36.10M", "48", "XS", 1219.0, 12.7, 1193.6},
    {"ASME B36.19M", "2", "10S", 60.3, 2.77, 54.76},
    {"ASME B36.19M", "12", "40S", 323.9, 9.53, 304.84},
    {"EN 10255", "DN 15", "medium", 21.3, 2.6, 16.1},
    {"EN 10255", "DN 25", "heavy", 33.7, 4.0, 25.7},
    {"EN 1057", "15", "1.0", 15.0, 1.0, 13.0},
    {"EN 1057", "54", "2.0", 54.0, 2.0, 50.0},
};

TEST(ShippedPipeSizes, AgreeWithThePublishedTables) {
    for (const PublishedRow& p : kPublished) {
        SCOPED_TRACE(std::string(p.standard) + " " + p.size + " " + p.schedule);
        const PipeRow* row = shipped().find(p.standard, p.size, p.schedule);
        ASSERT_NE(row, nullptr);
        EXPECT_DOUBLE_EQ(row->outsideMm, p.outside);
        EXPECT_DOUBLE_EQ(row->wallMm, p.wall);
        EXPECT_DOUBLE_EQ(row->insideMm, p.inside);
    }
}

TEST(PipeSizeLookup, FindsOnlyRowsThatExist) {
    struct Case {
        const char* standard;
        const char* size;
        const char* schedule;
        bool found;
    };
    const Case cases[] = {
        {"ASME B36.10M", "4", "40", true},
        {"ASME B36.10M", "4", "40S", false},    // a stainless schedule
        {"ASME B36.10M", "1/8", "160", false},  // not defined for the size
        {"ASME B36.10M", "3 1/2", "XS", true},
        {"ASME B36.10M", "50", "STD", false},
        {"ASME B36.19M", "4", "40S", true},
        {"asme b36.10m", "4", "40", false},  // names are exact
        {"", "", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shipped().find(c.standard, c.size, c.schedule) != nullptr, c.found)
            << c.standard << " | " << c.size << " | " << c.schedule;
}

TEST(PipeSizeLookup, NextSizeIsTheNarrowestThatIsWideEnough) {
    struct Case {
        const char* standard;
        const char* schedule;
        double minInsideMm;
        const char* size;  // nullptr: none is wide enough
        const char* chosenSchedule;
    };
    const Case cases[] = {
        {"ASME B36.10M", "40", 100.0, "4", "40"},       // 102.26
        {"ASME B36.10M", "40", 102.26, "4", "40"},      // exactly wide enough
        {"ASME B36.10M", "40", 102.27, "5", "40"},      // 128.20
        {"ASME B36.10M", "80", 146.0, "6", "80"},       // 146.36
        {"EN 1057", "", 43.0, "54", "2.0"},             // 50.0, the only row above
        {"EN 1057", "", 19.5, "22", "1.0"},             // 20.0 before 22 x 1.5 (19.0)
        {"EN 10255", "heavy", 16.0, "DN 20", "heavy"},  // DN 15 heavy is 14.9
        {"EN 1057", "", 60.0, nullptr, nullptr},
        {"ASME B36.10M", "40S", 10.0, nullptr, nullptr},
        {"No such standard", "", 1.0, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.standard) + " " + c.schedule + " " +
                     std::to_string(c.minInsideMm));
        const PipeRow* row = shipped().nextSize(c.standard, c.schedule, c.minInsideMm);
        if (!c.size) {
            EXPECT_EQ(row, nullptr);
            continue;
        }
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->size, c.size);
        EXPECT_EQ(row->schedule, c.chosenSchedule);
        EXPECT_GE(row->insideMm, c.minInsideMm);
    }
}

TEST(PipeSizeLookup, ListsInTheOrderOfTheFile) {
    const PipeSizesRead read = parsePipeSizes(
        "# heading\r\nB\t10\tx\t20\t1\r\nA\t2\ty\t30\t2\r\nB\t5\tx\t10\t1\r\nB\t10\tw\t20\t2\r\n");
    EXPECT_TRUE(read.faults.empty());
    EXPECT_EQ(read.table.standards(), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(read.table.sizes("B"), (std::vector<std::string>{"10", "5"}));
    EXPECT_EQ(read.table.schedules("B", "10"), (std::vector<std::string>{"x", "w"}));
    EXPECT_TRUE(read.table.sizes("C").empty());
}

TEST(PipeSizeFile, ReadsSemicolonsCommasAndBlanks) {
    const PipeSizesRead read = parsePipeSizes(" Std ; 1 1/4 ;40; 42,2 ; 3,56\r\n");
    ASSERT_TRUE(read.faults.empty());
    const PipeRow* row = read.table.find("Std", "1 1/4", "40");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->outsideText, "42.2");
    EXPECT_EQ(row->insideText, "35.08");
    EXPECT_DOUBLE_EQ(row->insideMm, 35.08);
}

TEST(PipeSizeFile, ReportsDamagedLinesByNumberAndKeepsTheRest) {
    struct Case {
        const char* line;
        const char* fault;
    };
    const Case cases[] = {
        {"S\t1\t40\t33.4",
         "5 fields expected (standard, size, schedule, outside mm, wall mm), found 4"},
        {"S\t1\t40\t33.4\t3.38\t9",
         "5 fields expected (standard, size, schedule, outside mm, wall mm), found 6"},
        {"S\t1\t40\tabc\t3.38", "the outside diameter \"abc\" is not a number"},
        {"S\t1\t40\t33.4\t", "the wall \"\" is not a number"},
        {"S\t1\t40\t33.4\t1e999", "the wall \"1e999\" is not a number"},
        {"S\t1\t40\t-33.4\t3.38", "the outside diameter must be above 0 mm"},
        {"S\t1\t40\t33.4\t0", "the wall must be above 0 mm"},
        {"S\t1\t40\t33.4\t16.7", "the wall 16.7 mm is not below half the outside diameter 33.4 mm"},
        {"S\t\t40\t33.4\t3.38", "the standard, size or schedule is empty"},
        {"S\t2\t40\t60.3\t3.91", "the same standard, size and schedule as line 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const std::string bytes = std::string("# comment\r\nS\t2\t40\t60.3\t3.91\r\n\r\n") +
                                  c.line + "\r\nS\t3\t40\t88.9\t5.49\r\n";
        const PipeSizesRead read = parsePipeSizes(bytes);
        ASSERT_EQ(read.faults.size(), 1u);
        EXPECT_EQ(faultLine(read.faults[0]), std::string("line 4: ") + c.fault);
        EXPECT_NE(read.table.find("S", "2", "40"), nullptr);
        EXPECT_NE(read.table.find("S", "3", "40"), nullptr);
        EXPECT_EQ(read.table.rows().size(), 2u);
    }
}

TEST(PipeSizeFile, RefusesWhatIsNoTextTable) {
    const PipeSizesRead binary = parsePipeSizes(std::string("S\t1\t40\t33.4\t3.38\r\n\0\0", 22));
    ASSERT_EQ(binary.faults.size(), 1u);
    EXPECT_EQ(faultLine(binary.faults[0]), "the file is no text table");
    EXPECT_TRUE(binary.table.empty());
    const PipeSizesRead missing = readPipeSizesFile("/nonexistent/PIPE_SIZES.TXT");
    ASSERT_EQ(missing.faults.size(), 1u);
    EXPECT_EQ(missing.faults[0].line, 0);
    EXPECT_TRUE(missing.table.empty());
}

}  // namespace
}  // namespace tolvane
