// The planner's view of a beast and its wording.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/builtin_data.h"
#include "ui/model/PlanTargets.h"
#include "ui/model/PlanText.h"

namespace {

const std::vector<std::string>& Low() { return BookLists()[0].Items; }
const std::vector<std::string>& High() { return BookLists()[1].Items; }
const std::vector<std::string>& Other() { return BookLists()[2].Items; }

TEST(PlanTargets, CountsTargetsByPriceAndDropsACertifiedOne)
{
    const PlanTargets targets({Low()[3], High()[2], Other()[1], Low()[0]});
    const PlanProblem p = targets.Problem("", {});
    EXPECT_EQ(p.LowTargets, 2);
    EXPECT_EQ(p.HighTargets, 2);  // 其他 books count at the high price
    const PlanProblem certified = targets.Problem(Other()[1], {});
    EXPECT_EQ(certified.LowTargets, 2);
    EXPECT_EQ(certified.HighTargets, 1);

    const std::vector<std::string> skills = {Low()[5], Low()[3], Other()[1], High()[9]};
    EXPECT_EQ(targets.StateOf(skills, "", 24), (PlanState{4, 1, 1}));
    EXPECT_EQ(targets.StateOf(skills, Other()[1], 24), (PlanState{4, 1, 0}));
    EXPECT_EQ(targets.StateOf(std::vector<std::string>(30, "x"), "", 24), (PlanState{24, 0, 0}));
}

TEST(PlanTargets, BooksFollowThePlayersOrderAndSkipWhatIsHeld)
{
    const PlanTargets targets({Low()[3], High()[2], Low()[1], Low()[0]});
    const std::vector<std::string> skills = {Low()[3], Low()[2]};
    EXPECT_EQ(targets.BookFor(PlanAction::LowTarget, skills, ""), Low()[1]);
    EXPECT_EQ(targets.BookFor(PlanAction::HighTarget, skills, ""), High()[2]);
    EXPECT_EQ(targets.BookFor(PlanAction::HighTarget, skills, High()[2]), "");
    // The filler: the first 低级 book that is neither a target, held nor
    // certified.
    EXPECT_EQ(targets.BookFor(PlanAction::Filler, skills, ""), Low()[4]);
    EXPECT_EQ(targets.BookFor(PlanAction::Filler, skills, Low()[4]), Low()[5]);
    EXPECT_EQ(targets.BookFor(PlanAction::Done, skills, ""), "");
}

TEST(PlanText, RulesJoinRunsOfOneAction)
{
    PlanProblem p;
    p.HighTargets = 2;
    p.LowPrice = 1;
    p.HighPrice = 10;
    p.FillerPrice = 1;
    p.MinSkills = 5;
    const BookPlanner plan(p);
    const auto rules = PlanText::Rules(plan);
    ASSERT_EQ(rules.size(), 3u);
    EXPECT_EQ(rules[2], "目标齐全，技能少于 5 个时垫书");
    // Every run names a range, the last one open-ended at the cap.
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(rules[i].rfind("已有目标 " + std::to_string(i) + "/2，技能 ", 0), 0u) << rules[i];
        EXPECT_NE(rules[i].find(" 个以上：打高级目标书"), std::string::npos) << rules[i];
    }
    EXPECT_EQ(rules[1], "已有目标 1/2，技能 1–4 个：垫书；5 个以上：打高级目标书");
    EXPECT_EQ(PlanText::Number(2.5L, 0), "2");
    EXPECT_EQ(PlanText::Number(1367.0L / 495.0L), "2.762");
}

}  // namespace
