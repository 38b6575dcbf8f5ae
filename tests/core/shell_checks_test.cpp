// The element checks of every kind: each message with its text, its order
// and the field that keeps the focus, and the limits that pass exactly.
#include <gtest/gtest.h>

#include <cmath>

#include "shell/element_catalogue.h"
#include "shell_harness.h"
#include "base/input_number.h"

namespace tolvane::shelltest {
namespace {

const std::string I = "Incorrect input in the input field!\r";
const std::string kD = "Diameter of pipe D:";
const std::string kAngle = "Angle w:";
const std::string kAngle180 = I + "Angle w max. value: 180 degree!";
const std::string kAngle90 = I + "Angle max. value: 90 degree!";
const std::string kD2D1 = I + "D2 must be smaller than D1!";
const std::string kRingDi =
    I + "The diameter D of pipe must be bigger than the diameter of pipe inside Di!";
const std::string kRingRatio = I + "Diameter of pipe/diameter of pipe inside max. value: 100!";
const std::string kD1Smaller =
    I + "The diameter of pipe D1 must be smaller than the diameter of pipe D2!";
const std::string kD1Bigger =
    I + "The diameter of pipe D1 must be bigger than the diameter of pipe D2!";
const std::string kBendRatio = I +
                               "Ratio radius R / diameter of pipe D must be in the following "
                               "range:\rMaximal value: 10\rMinimal value:  1";
const std::string kBendAngle = I + "Angle max. value: 180 degree!";
const std::string kCastIron =
    I +
    "The diameter of pipe must be in the following range:\rMaximal value: 500 mm = 19 in.\r"
    "Minimal value:  50 mm = 1.9 in.";
const std::string kRectEnlarge = I +
                                 "A calculation with the specified data is not possible!\rPlease "
                                 "enlarge the radius R or reduce the width "
                                 "of pipe B or reduce the height of pipe H.";
const std::string kRectReduce = I +
                                "A calculation with the specified data is not possible!\rPlease "
                                "reduce the radius R or enlarge the width "
                                "of pipe B or enlarge the height of pipe H.";
const std::string kYBent =
    I +
    "The ratio radius R / diameter of pipe Dmust be in the following range:\rMaximal value: 2.0\r"
    "Minimal value: 0.5";
const std::string kUBend =
    I + "The ratio lenght of pipe L / diameter of pipe D must be smaller than 10!";
const std::string kGate =
    I +
    "The ratio height H / diameter of pipe D must be in the following range:\rMaximal value: 1.0\r"
    "Minimal value: 0.125";
const std::string kCock = I + "Angle w max. value: 50 degree!";
const std::string kSwing = I + "Angle w max. value: 70 degree!";
const std::string kOrifice =
    "A calculation of the orific is only possible in the following range:\rD1 minimum 50 mm, "
    "maximum 1000 mm\r"
    "(D2/D1)^2 minimum 0,05, maximum 0,64!";
const std::string kNozzle =
    I + "(D2/D1)^2 must be in the following range:\rMaximal value: 0.7\rMinimal value: 0.1";
const std::string kVenturi =
    I + "(D2/D1)^2 must be in the following range:\rMaximal value: 0.6\rMinimal value: 0.1";

struct CheckCase {
    ElementKind kind;
    std::array<double, 4> values;
    std::vector<std::string> messages;  // in order
    std::string focus;                  // after the last message ("" when none)
};

std::ostream& operator<<(std::ostream& os, const CheckCase& c) {
    os << c.kind.group << "," << c.kind.variant << " [" << c.values[0] << " " << c.values[1] << " "
       << c.values[2] << " " << c.values[3] << "]";
    return os;
}

const CheckCase kCases[] = {
    // Straight pipes
    {{1, 1}, {100, 1, 0, 0}, {}, ""},
    {{1, 1}, {0, 1, 0, 0}, {zeroMessage(kD)}, "Va1_Edit"},
    {{1, 1}, {100, -1, 0, 0}, {zeroMessage("Length of pipe L:")}, "Va2_Edit"},
    {{1, 1}, {-1, 0, 0, 0}, {zeroMessage(kD), zeroMessage("Length of pipe L:")}, "Va2_Edit"},
    {{1, 2}, {100, 100, 0, 0}, {zeroMessage("Length of pipe L:")}, "Va3_Edit"},
    {{1, 2}, {0, 100, 1, 0}, {zeroMessage("Width of pipe B:")}, "Va1_Edit"},
    {{1, 2}, {100, 0, 1, 0}, {zeroMessage("Height of pipe H:")}, "Va2_Edit"},
    {{1, 3}, {100, 50, 1, 0}, {}, ""},
    {{1, 3}, {100, 100, 1, 0}, {kRingDi}, "Va1_Edit"},  // an annulus of no width is refused
    {{1, 3}, {50, 100, 1, 0}, {kRingDi}, "Va1_Edit"},
    {{1, 3}, {100, 0.5, 1, 0}, {kRingRatio}, "Va1_Edit"},
    {{1, 3}, {100, 1, 1, 0}, {}, ""},  // ratio exactly 100
    {{1, 3}, {0, 50, 1, 0}, {zeroMessage(kD), kRingDi}, "Va1_Edit"},
    {{1, 3}, {100, 50, 0, 0}, {zeroMessage("Lenght of pipe L:")}, "Va3_Edit"},
    {{1, 3}, {100, -1, 1, 0}, {zeroMessage("Internal diameter of pipe Di:")}, "Va2_Edit"},
    {{1, 4}, {1000, 1000, 0, 0}, {zeroMessage("Lenght of channel L:")}, "Va3_Edit"},
    {{1, 4}, {0, 1000, 1, 0}, {zeroMessage("Width of channel B:")}, "Va1_Edit"},
    {{1, 4}, {1000, 0, 1, 0}, {zeroMessage("Height of fluid H:")}, "Va2_Edit"},
    {{1, 5}, {0.01, 0, 1, 0}, {zeroMessage("Wetted circumference:")}, "Va2_Edit"},
    {{1, 5}, {0, 0.4, 1, 0}, {zeroMessage("Cross section A:")}, "Va1_Edit"},
    {{1, 5}, {0.01, 0.4, 0, 0}, {zeroMessage("Length of pipe L:")}, "Va3_Edit"},
    // Pipe entrances
    {{2, 1}, {0, 0, 0, 0}, {zeroMessage(kD)}, "Va1_Edit"},
    {{2, 2}, {-3, 0, 0, 0}, {zeroMessage(kD)}, "Va1_Edit"},
    {{2, 4}, {0, 0, 0, 0}, {zeroMessage(kD)}, "Va1_Edit"},
    {{2, 3}, {100, 89.9, 0, 0}, {}, ""},
    {{2, 3}, {100, 90, 0, 0}, {tooLargeMessage(kAngle, "90.0")}, "Va2_Edit"},
    {{2, 3}, {100, 0, 0, 0}, {zeroMessage(kAngle)}, "Va2_Edit"},
    {{2, 3}, {100, -5, 0, 0}, {zeroMessage(kAngle)}, "Va2_Edit"},
    // Changes of section
    {{3, 1}, {50, 100, 0, 0}, {}, ""},
    {{3, 1}, {100, 100, 0, 0}, {kD1Smaller}, "Va1_Edit"},
    {{3, 1}, {0, 100, 0, 0}, {zeroMessage("Diameter of pipe D1:")}, "Va1_Edit"},
    {{3, 1}, {50, 0, 0, 0}, {zeroMessage("Diameter of pipe D2:"), kD1Smaller}, "Va1_Edit"},
    {{3, 2}, {50, 100, 90, 0}, {tooLargeMessage(kAngle, "90.0")}, "Va3_Edit"},
    {{3, 2}, {50, 100, 0, 0}, {zeroMessage(kAngle)}, "Va3_Edit"},
    {{3, 2}, {120, 100, 10, 0}, {kD1Smaller}, "Va1_Edit"},
    {{3, 3}, {100, 50, 0, 0}, {}, ""},
    {{3, 3}, {50, 50, 0, 0}, {kD1Bigger}, "Va1_Edit"},
    {{3, 4}, {50, 100, 10, 0}, {kD1Bigger}, "Va1_Edit"},
    {{3, 4}, {100, 50, 90, 0}, {tooLargeMessage(kAngle, "90.0")}, "Va3_Edit"},
    {{3, 4}, {100, 50, 0, 0}, {zeroMessage(kAngle)}, "Va3_Edit"},
    {{3, 4}, {100, 50, 89, 0}, {}, ""},
    // Bends
    {{4, 1}, {50, 500, 90, 0}, {}, ""},  // R/D exactly 10
    {{4, 1}, {50, 50, 90, 0}, {}, ""},   // R/D exactly 1
    {{4, 1}, {50, 501, 90, 0}, {kBendRatio}, "Va1_Edit"},
    {{4, 1}, {50, 49, 90, 0}, {kBendRatio}, "Va1_Edit"},
    {{4, 1}, {50, 100, 180, 0}, {}, ""},
    {{4, 1}, {50, 100, 181, 0}, {kBendAngle}, "Va3_Edit"},
    {{4, 1}, {50, 1000, 200, 0}, {kBendAngle, kBendRatio}, "Va1_Edit"},
    {{4, 1}, {50, 0, 90, 0}, {zeroMessage("Radius R:")}, "Va2_Edit"},
    {{4, 2}, {100, 90, 0, 0}, {}, ""},
    {{4, 2}, {100, 91, 0, 0}, {kAngle90}, "Va2_Edit"},
    {{4, 2}, {100, 0, 0, 0}, {zeroMessage(kAngle)}, "Va2_Edit"},
    {{4, 3}, {2 * 25.4, 0, 0, 0}, {}, ""},
    {{4, 3}, {1.9 * 25.4, 0, 0, 0}, {kCastIron}, "Va1_Edit"},
    {{4, 3}, {500, 0, 0, 0}, {}, ""},
    {{4, 3}, {500.1, 0, 0, 0}, {kCastIron}, "Va1_Edit"},
    {{4, 3}, {0, 0, 0, 0}, {zeroMessage("Diameter of pipe:"), kCastIron}, "Va1_Edit"},
    {{4, 4}, {50, 20, 100, 90}, {}, ""},
    {{4, 4}, {50, 20, 100, 181}, {kAngle180}, "Va4_Edit"},
    {{4, 4}, {50, 20, 100, 0}, {zeroMessage(kAngle)}, "Va4_Edit"},
    {{4, 4}, {50, 20, 20, 90}, {kRectEnlarge}, "Va1_Edit"},  // X = 0.7
    {{4, 4}, {50, 20, 300, 90}, {kRectReduce}, "Va1_Edit"},  // X = 10.5
    {{4, 4}, {50, 50, 50, 90}, {}, ""},                      // X = 1 exactly
    {{4, 4}, {50, 50, 500, 90}, {}, ""},                     // X = 10 exactly
    {{4, 4}, {50, 0, 100, 90}, {zeroMessage("Height of pipe H:")}, "Va2_Edit"},
    {{4, 4}, {50, 20, 0, 90}, {zeroMessage("Radius R:"), kRectEnlarge}, "Va1_Edit"},
    {{4, 5}, {100, 180, 0, 0}, {}, ""},
    {{4, 5}, {100, 181, 0, 0}, {kAngle180}, "Va2_Edit"},
    {{4, 6}, {100, 100, 181, 0}, {kAngle180}, "Va3_Edit"},
    {{4, 6}, {100, 100, 0, 0}, {zeroMessage(kAngle)}, "Va3_Edit"},
    // Branchings of current
    {{5, 1}, {0, 0, 0, 0}, {zeroMessage(kD)}, "Va1_Edit"},
    {{5, 2}, {0, 0, 0, 0}, {zeroMessage(kD)}, "Va1_Edit"},
    {{5, 3}, {0, 0, 0, 0}, {zeroMessage(kD)}, "Va1_Edit"},
    {{5, 4}, {100, 0, 0, 0}, {}, ""},
    {{5, 5}, {100, 50, 0, 45}, {}, ""},
    {{5, 5}, {100, 50, -1, 45}, {zeroMessage("Radius R:")}, "Va3_Edit"},
    {{5, 5}, {100, 50, 0, 180}, {tooLargeMessage("Angle w in degree:", "180.0")}, "Va4_Edit"},
    {{5, 5}, {100, 50, 0, 0}, {zeroMessage("Angle w in degree:")}, "Va4_Edit"},
    {{5, 6},
     {0, 0, 10, 45},
     {zeroMessage("Diameter D1:"), zeroMessage("Diameter D2:")},
     "Va2_Edit"},
    {{5, 6}, {100, 50, 0, 179.9}, {}, ""},
    {{5, 7}, {100, 90, 0, 0}, {}, ""},
    {{5, 7}, {100, 91, 0, 0}, {kAngle90}, "Va2_Edit"},
    {{5, 8}, {100, 50, 0, 0}, {}, ""},
    {{5, 8}, {100, 200, 0, 0}, {}, ""},
    {{5, 8}, {100, 49, 0, 0}, {kYBent}, "Va2_Edit"},
    {{5, 8}, {100, 201, 0, 0}, {kYBent}, "Va2_Edit"},
    // Bellows
    {{6, 1}, {100, 0, 0, 0}, {zeroMessage("Quantity of ridges:")}, "Va2_Edit"},
    {{6, 2}, {0, 0, 0, 0}, {zeroMessage(kD)}, "Va1_Edit"},
    {{6, 3}, {100, 1000, 0, 0}, {}, ""},
    {{6, 3}, {100, 1001, 0, 0}, {kUBend}, "Va1_Edit"},
    {{6, 3}, {100, -5, 0, 0}, {}, ""},  // the length itself is not checked
    // Valves
    {{7, 1}, {0, 0, 0, 0}, {zeroMessage(kD)}, "Va1_Edit"},
    {{7, 2}, {0, 0, 0, 0}, {zeroMessage(kD)}, "Va1_Edit"},
    {{7, 3}, {0, 0, 0, 0}, {zeroMessage(kD)}, "Va1_Edit"},
    {{7, 4}, {100, 12.5, 0, 0}, {}, ""},
    {{7, 4}, {100, 100, 0, 0}, {}, ""},
    {{7, 4}, {100, 12, 0, 0}, {kGate}, "Va1_Edit"},
    {{7, 4}, {100, 101, 0, 0}, {kGate}, "Va1_Edit"},
    {{7, 4}, {100, 0, 0, 0}, {zeroMessage("Height H:")}, "Va2_Edit"},
    {{7, 5}, {100, 50, 0, 0}, {}, ""},
    {{7, 5}, {100, 0, 0, 0}, {}, ""},
    {{7, 5}, {100, 51, 0, 0}, {kCock}, "Va2_Edit"},
    {{7, 5}, {100, -1, 0, 0}, {zeroMessage(kAngle)}, "Va2_Edit"},
    {{7, 6}, {100, 70, 0, 0}, {}, ""},
    {{7, 6}, {100, 71, 0, 0}, {kSwing}, "Va2_Edit"},
    {{7, 6}, {100, -1, 0, 0}, {zeroMessage(kAngle)}, "Va2_Edit"},
    // Check valves
    {{8, 1}, {0, 0, 0, 0}, {zeroMessage(kD)}, "Va1_Edit"},
    {{8, 2}, {0, 0, 0, 0}, {zeroMessage(kD)}, "Va1_Edit"},
    {{8, 3}, {0, 0, 0, 0}, {zeroMessage(kD)}, "Va1_Edit"},
    // Nozzles and orifices
    {{9, 1}, {100, 79, 0, 0}, {}, ""},
    {{9, 1}, {100, 81, 0, 0}, {kOrifice}, "Va1_Edit"},
    // (D2/D1)^2 exactly 0.64, although 0.8 * 0.8 is 0.6400000000000001 in doubles
    {{9, 1}, {100, 80, 0, 0}, {}, ""},
    {{9, 1}, {125, 100, 0, 0}, {}, ""},
    {{9, 1}, {100, 80.001, 0, 0}, {kOrifice}, "Va1_Edit"},
    {{9, 1}, {100, 22, 0, 0}, {kOrifice}, "Va1_Edit"},
    {{9, 1}, {40, 20, 0, 0}, {kOrifice}, "Va1_Edit"},
    {{9, 1}, {1001, 500, 0, 0}, {kOrifice}, "Va1_Edit"},
    {{9, 1}, {100, 100, 0, 0}, {kD2D1, kOrifice}, "Va1_Edit"},
    {{9, 1}, {100, 0, 0, 0}, {zeroMessage("Diameter of pipe D2:"), kOrifice}, "Va1_Edit"},
    {{9, 2}, {100, 100, 0, 0}, {kD2D1}, "Va1_Edit"},
    {{9, 2}, {100, 99, 0, 0}, {}, ""},
    {{9, 3}, {100, 50, 0, 0}, {zeroMessage("Length L:")}, "Va3_Edit"},
    {{9, 3}, {100, 120, 10, 0}, {kD2D1}, "Va1_Edit"},
    {{9, 4}, {100, 83, 0, 0}, {}, ""},
    {{9, 4}, {100, 32, 0, 0}, {}, ""},
    {{9, 4}, {100, 84, 0, 0}, {kNozzle}, "Va1_Edit"},
    {{9, 4}, {100, 31, 0, 0}, {kNozzle}, "Va1_Edit"},
    {{9, 4}, {100, 0, 0, 0}, {zeroMessage("Diameter of pipe D2:")}, "Va2_Edit"},
    {{9, 5}, {100, 77, 0, 0}, {}, ""},
    {{9, 5}, {100, 78, 0, 0}, {kVenturi}, "Va1_Edit"},
    {{9, 5}, {100, 31, 0, 0}, {kVenturi}, "Va1_Edit"},
    // Diverse: a vertical difference may be zero or negative
    {{10, 1}, {-5, 0, 0, 0}, {}, ""},
    {{10, 1}, {0, 0, 0, 0}, {}, ""},
    {{10, 2}, {0, -2, 0, 0}, {}, ""},
};

class CheckElementTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckElementTest, ShowsItsMessagesInOrderAndFocusesTheLastField) {
    const CheckCase& c = GetParam();
    const FormState form = formFor(c.kind);
    RecordingMessageSink sink;
    InputCheck check(sink);
    CheckElement(form, c.values, check);
    EXPECT_EQ(texts(sink), c.messages);
    for (const Message& m : sink.messages) EXPECT_EQ(m.type, MessageType::Error);
    EXPECT_EQ(check.ChecksPassed, c.messages.empty());
    EXPECT_EQ(check.focus, c.focus);
}

INSTANTIATE_TEST_SUITE_P(AllKinds, CheckElementTest, testing::ValuesIn(kCases));

// Each kind's own defaults describe an element that can be calculated.
TEST(CheckElement, AcceptsEveryKindsDefaults) {
    for (const KindSpec& spec : elementKinds()) {
        const FormState form = formFor(spec.kind);
        std::array<double, 4> values{};
        for (std::size_t i = 0; i < 4; ++i)
            values[i] = readNumber(form.element.rows[i].text).value_or(NAN);
        RecordingMessageSink sink;
        InputCheck check(sink);
        CheckElement(form, values, check);
        EXPECT_TRUE(sink.messages.empty())
            << spec.variantName << ": " << testing::PrintToString(texts(sink));
    }
}

// Every message of the table above appears in at least one case, so no
// check of the table is left without a test.
TEST(CheckElement, TableCoversEveryMessage) {
    const std::string all[] = {kAngle180,    kAngle90,    kD2D1,      kRingDi,    kRingRatio,
                               kD1Smaller,   kD1Bigger,   kBendRatio, kBendAngle, kCastIron,
                               kRectEnlarge, kRectReduce, kYBent,     kUBend,     kGate,
                               kCock,        kSwing,      kOrifice,   kNozzle,    kVenturi};
    for (const std::string& text : all) {
        bool found = false;
        for (const CheckCase& c : kCases)
            for (const std::string& m : c.messages) found = found || m == text;
        EXPECT_TRUE(found) << text;
    }
}

}  // namespace
}  // namespace tolvane::shelltest
