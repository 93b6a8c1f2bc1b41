#include <gtest/gtest.h>

#include "platform/text_list.h"
#include "session/smallest_conflict.h"
#include "support/onebr_workload.h"

namespace vx {
namespace {

TextList HeaderAnd(const TextList& session, const std::vector<int>& lines) {
    TextList chosen{session[0]};
    for (int n : lines) {
        chosen.Add(session[n]);
    }
    return chosen;
}

// The planted conflict needs all three of its lines; the search finds exactly them among 1024
// lines with far fewer runs than one per line.
TEST(SmallestConflictSearch, FindsThePlantedThreeLinesOfA1024LineSession) {
    onebr_workload::PlantedConflict made = onebr_workload::SessionWithPlantedConflict(1024);
    ASSERT_EQ(made.Session.Count(), 1025);
    const std::vector<int>& p = made.Planted;
    for (const auto& pair : {std::vector<int>{p[0], p[1]}, {p[0], p[2]}, {p[1], p[2]}}) {
        EXPECT_FALSE(FindSmallestConflict(HeaderAnd(made.Session, pair), made.Settings, &made.Files)
                         .SessionConflicts);
    }
    const TextList before = made.Session;

    const SmallestConflict found = FindSmallestConflict(made.Session, made.Settings, &made.Files);

    ASSERT_TRUE(found.SessionConflicts);
    std::vector<int> numbers;
    for (const TracedLine& line : found.Lines) {
        numbers.push_back(line.SessionLine);
        EXPECT_EQ(line.Text, made.Session[line.SessionLine]);
        EXPECT_EQ(line.Record, line.SessionLine);
    }
    EXPECT_EQ(numbers, made.Planted);
    // Ten halvings of 1024 lines, each trying a few pieces around each of the three lines.
    EXPECT_LE(found.Runs, 2 * 3 * 11 + 3 * 2 + 1);
    ASSERT_TRUE(found.Trace.Conflict.has_value());
    EXPECT_EQ(ConflictSummary(found.Trace),
              "Conflict in line 512 (cycle 0, backward pass): RE10 NEQ (WW10 ) met S254E010WW10");
    EXPECT_EQ(made.Session.Lines(), before.Lines());
}

}  // namespace
}  // namespace vx
