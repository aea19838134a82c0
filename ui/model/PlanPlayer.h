#pragma once
// One plan, fixed for a set of targets, prices and minimum and the
// certified skill of the beast it starts on, applied book by book: the next
// book for a beast, the figures from where it stands, and the plan played to
// its end on a copy of a beast (the simulation). Solving happens once, when
// the player is made.

#include <cstdint>
#include <string>
#include <vector>

#include "ui/model/BookPlanner.h"
#include "ui/model/PlanTargets.h"

class TPet;

class PlanPlayer {
public:
    struct Step {
        std::string Book;  // empty when the goal is met (or no book fits)
        PlanAction Action = PlanAction::Done;
        int Price = 0;
    };

    // Precondition: BookPlanner::Valid of the problem that `targets`,
    // `certified` and `settings` make (Valid() says).
    PlanPlayer(PlanTargets targets, const std::string& certified, const PlanProblem& settings);

    static bool Valid(const PlanTargets& targets, const std::string& certified, const PlanProblem& settings);

    // The plan's next book for a beast with these slots and certified skill.
    Step Next(const std::vector<std::string>& skills, const std::string& certified) const;
    PlanState StateOf(const std::vector<std::string>& skills, const std::string& certified) const;
    const BookPlanner& Plan() const { return plan_; }

    // Plays the plan on `beast` (a copy: the caller's beast is untouched)
    // with the engine's HitBook, and so the random source and its waits,
    // until the goal is met or `limit` books are hit. Returns the cost.
    int64_t Simulate(TPet beast, uint64_t limit) const;

private:
    PlanTargets targets_;
    BookPlanner plan_;
};

// The tally of a plan played to its end: books of each kind and their cost,
// against what the plan expected from where it started.
class PlanLedger {
public:
    // Opens the ledger with the plan's figures from the start.
    PlanLedger(long double expectedCost, const CostQuantiles& quantiles);

    void Note(PlanAction action, int price);
    uint64_t Books() const { return low_ + high_ + filler_; }
    int64_t Cost() const { return cost_; }

    // "共打 33 本，花费 51；预计平均约 65，一半不超过 60，九成不超过 99" and
    // "其中低级目标书 20 本，高级目标书 3 本，垫书 10 本".
    std::vector<std::string> Lines() const;

private:
    long double expected_;
    CostQuantiles quantiles_;
    uint64_t low_ = 0, high_ = 0, filler_ = 0;
    int64_t cost_ = 0;
};
