// The planner's view of a beast and its wording.

#include <gtest/gtest.h>

#include <atomic>
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

PlanReport FreshReport(const std::vector<std::string>& names, int minimum, int low = 1, int high = 10,
                       int filler = 1)
{
    PlanProblem settings;
    settings.LowPrice = low;
    settings.HighPrice = high;
    settings.FillerPrice = filler;
    settings.MinSkills = minimum;
    return PlanText::Report(PlanTargets(names), {}, {}, settings, 0);
}

using Lines = std::vector<std::string>;

TEST(PlanText, StepsSayWhichBooksFirstAndWhenToPad)
{
    const PlanReport three = FreshReport({"必杀", "连击", "高级必杀"}, 6);
    EXPECT_EQ(three.Head, Lines{"假设开始时：0 个技能，已有目标 0/3"});
    EXPECT_EQ(three.Steps, (Lines{"先打低级目标书（必杀、连击）",
                                  "低级目标齐了：技能不到 6 个先用便宜书垫到 6 个，再打高级目标书（高级必杀）"}));
    EXPECT_EQ(FreshReport({"高级必杀"}, 6).Steps,
              Lines{"技能不到 6 个先用便宜书垫到 6 个，再打高级目标书（高级必杀）"});
    EXPECT_EQ(FreshReport({"必杀"}, 6).Steps, (Lines{"先打低级目标书（必杀）", "目标齐了：用便宜书垫到 6 个技能"}));
    // The state table stays behind "详细".
    EXPECT_FALSE(three.Details.empty());
}

TEST(PlanText, FiguresAreRoundedForPeopleAndExactBehind)
{
    const PlanReport report = FreshReport({"必杀", "连击", "高级必杀"}, 6);
    EXPECT_EQ(PlanText::Figures(report, nullptr)[0], "按规划：平均花费约 102，一半和九成把握的花费正在算…");
    const std::atomic<bool> cancel{false};
    const PlanCosts costs = PlanText::Costs(report, cancel);
    EXPECT_EQ(PlanText::Figures(report, &costs),
              (Lines{"按规划：平均花费约 102，一半不超过 93，九成不超过 164",
                     "平均用书：低级目标书约 28 本，高级目标书约 1 本，垫书约 63 本",
                     "只打目标书（目标齐了才垫书）：平均花费约 253，一半不超过 229，九成不超过 426",
                     "按规划平均可省约 151（省一半多）"}));
    const Lines exact = PlanText::ExactFigures(report, &costs);
    EXPECT_EQ(exact[1], "按规划：花费中位数 93，90% 分位数 164");
    EXPECT_EQ(exact[0], "按规划：期望花费 102.097；期望书数：低级目标 28.193，高级目标 1.068，垫书 63.224");
    EXPECT_EQ(PlanText::About(2.5L), "约 2");
    EXPECT_EQ(PlanText::About(3.5L), "约 4");
}

// At high prices without a common divisor the exact sums are slow, so
// ranges come first; they hold the exact quantiles.
TEST(PlanText, QuickBoundsHoldTheExactQuantiles)
{
    const PlanReport report = FreshReport({"必杀", "连击", "高级必杀"}, 0, 997, 999, 998);
    const std::atomic<bool> cancel{false};
    const PlanCosts exact = PlanText::Costs(report, cancel);
    ASSERT_TRUE(exact.Plan.Certain);
    EXPECT_FALSE(PlanText::QuickBounds(report, cancel));  // quick enough without
    const CostQuantiles bounds = report.Plan->Bounds(report.From, 41, &cancel);
    ASSERT_TRUE(bounds.Bounded());
    EXPECT_LE(bounds.Median, exact.Plan.Median);
    EXPECT_GE(bounds.MedianHigh, exact.Plan.Median);
    EXPECT_LE(bounds.Percentile90, exact.Plan.Percentile90);
    EXPECT_GE(bounds.Percentile90High, exact.Plan.Percentile90);
    EXPECT_LT(bounds.MedianHigh - bounds.Median, exact.Plan.Median / 10);
    PlanCosts shown{bounds, bounds};
    EXPECT_NE(PlanText::Figures(report, &shown)[0].find("（准确数正在算）"), std::string::npos);
}

}  // namespace
