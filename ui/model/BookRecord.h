#pragma once
// The run's book record: one line per action on the current beast, and the
// counters of books used. It only compares copies of the beast before and
// after each action; it never touches a beast itself.
//
// The run opens with a roll: every other Note describes a change of the
// beast that the last NoteRoll (or a later Note) left.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

struct BookOutcome;
class TPet;

class BookRecord {
public:
    static constexpr std::size_t MaxLines = 1000;

    // Books on the current beast; a new roll starts them at 0.
    struct BeastCounters {
        int BooksUsed = 0;  // books not refused
        int NewSlots = 0;
        int Overwritten = 0;
        int Refused = 0;
        bool operator==(const BeastCounters&) const = default;
    };
    // The whole run; never reset, not even when lines are dropped.
    struct RunCounters {
        int BeastsRolled = 0;
        long long BooksUsed = 0;  // undone books included: they were used
        int Undone = 0;
        int Redone = 0;
        bool operator==(const RunCounters&) const = default;
    };

    // `after` becomes the current beast in each Note. A roll opens a new
    // section and starts the beast's counters at 0.
    void NoteRoll(const TPet& after);
    // Many rolls of one template, of which `kept` (the last `after`) stays:
    // all count as rolled; one section for the kept beast, with `line`
    // saying how the search ended.
    void NoteRollSearch(uint64_t rolls, const std::string& line, const TPet& kept);
    // "撤销 <what>" or "重做 <what>": the beast is `after` again; counters
    // stay, since they count what the player did, but the run counts the
    // undo or redo.
    void NoteUndo(bool undo, const std::string& what, const TPet& after);
    // An earlier beast brought back ("取回 凤凰（第 3 只）", "粘贴代码 凤凰"):
    // `after` becomes the current beast with `counters` as its books so far,
    // in a section of its own; the run's counters stay.
    void NoteRecall(const std::string& line, const TPet& after, const BeastCounters& counters);
    // `outcome` is what the book did (RecordText::Classify of the beast
    // before and after it).
    void NoteBook(const std::string& book, const BookOutcome& outcome, const TPet& after);
    void NoteCertify(const std::string& skill, const TPet& before, const TPet& after);
    void NoteCorrection(const TPet& before, const TPet& after);
    void NoteCustom(const TPet& before, const TPet& after);

    // The newest MaxLines lines, oldest first.
    const std::deque<std::string>& Lines() const { return lines_; }
    // Every line ever added, dropped ones included: a view that has shown
    // the first k lines shows the rest by taking the last
    // LinesWritten() - k of Lines().
    uint64_t LinesWritten() const { return written_; }

    const BeastCounters& Beast() const { return beast_; }
    const RunCounters& Run() const { return run_; }
    // The current beast as last seen.
    const std::string& Name() const { return name_; }
    const std::vector<std::string>& Skills() const { return skills_; }
    const std::string& CertifiedSkill() const { return certified_; }

    // The lines shown under "本只召唤兽": name, skills, the counters.
    std::vector<std::string> CounterLines() const;
    // The same lines for a beast of that name and those skills, with those
    // counters.
    static std::vector<std::string> CounterLines(const std::string& name, const std::vector<std::string>& skills,
                                                 const std::string& certified, const BeastCounters& beast,
                                                 const RunCounters& run);

private:
    void Add(std::string line);
    void Roll(const TPet& beast);
    void Follow(const TPet& beast);

    std::deque<std::string> lines_;
    uint64_t written_ = 0;
    BeastCounters beast_;
    RunCounters run_;
    std::string name_;
    std::vector<std::string> skills_;
    std::string certified_;
};
