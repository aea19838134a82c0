#pragma once
// Rolling one template again and again until a roll meets a RollTarget
// ("洗到满意为止"): on a beast of its own, never the current one, with the
// real random source and its prescribed waits. Plain C++, run on a worker
// thread by the session; the random source must not be drawn from by any
// other thread meanwhile.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/pet.h"
#include "ui/model/RollTarget.h"

struct RollSearchResult {
    enum class End {
        Met,      // the last roll meets the target
        Cap,      // the cap was reached first
        Stopped,  // the player stopped it
    };
    End end = End::Stopped;
    uint64_t rolls = 0;
    // The roll kept: the one that met the target, else the best seen by the
    // grade's score (the first of equals). Name empty when there was none.
    TPet kept{{}};
    uint64_t keptAt = 0;  // its number among the rolls, from 1
};

class RollSearch {
public:
    // Rolls `templateName` from `catalogue` until a roll meets `target`,
    // `cap` rolls are made or `stop` is set (checked before each roll).
    // `progress` is called after every roll with the rolls made so far.
    // Precondition: the template exists.
    static RollSearchResult Run(const std::vector<std::string>& catalogue, const std::string& templateName,
                                const RollTarget& target, uint64_t cap, const std::atomic<bool>& stop,
                                const std::function<void(uint64_t)>& progress);

    // A beast holding the template's fields (aptitudes, growth choices,
    // innate and fixed skills) without rolling it, which would draw from
    // the random source. False when no catalogue line names the template.
    static bool TemplateOf(const std::vector<std::string>& catalogue, const std::string& templateName, TPet& out);

    // The record's line for a finished search: "洗到满意：洗了 123 只，第 123 只满足条件",
    // "…，到了上限 10000 只，留下最好的第 57 只", "…，中途停止，留下最好的第 5 只".
    static std::string Line(const RollSearchResult& result, uint64_t cap);
};
