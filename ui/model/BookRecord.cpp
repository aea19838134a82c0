#include "ui/model/BookRecord.h"

#include "engine/pet.h"
#include "ui/model/RecordText.h"

void BookRecord::NoteRoll(const TPet& after)
{
    Roll(after);
}

void BookRecord::NoteRollSearch(uint64_t rolls, const std::string& line, const TPet& kept)
{
    run_.BeastsRolled += static_cast<int>(rolls) - 1;  // Roll counts the kept one
    Roll(kept);
    Add(line);
}

void BookRecord::NoteUndo(bool undo, const std::string& what, const TPet& after)
{
    ++(undo ? run_.Undone : run_.Redone);
    Add((undo ? "撤销 " : "重做 ") + what);
    Follow(after);
}

void BookRecord::NoteRecall(const std::string& line, const TPet& after, const BeastCounters& counters)
{
    Add(line);
    beast_ = counters;
    Follow(after);
}

void BookRecord::NoteBook(const std::string& book, const BookOutcome& outcome, const TPet& after)
{
    switch (outcome.kind) {
    case BookOutcome::Kind::Refused:
        ++beast_.Refused;
        break;
    case BookOutcome::Kind::Inserted:
        ++beast_.NewSlots;
        break;
    case BookOutcome::Kind::Overwritten:
        ++beast_.Overwritten;
        break;
    case BookOutcome::Kind::Other:
        break;
    }
    if (outcome.kind != BookOutcome::Kind::Refused) {
        ++beast_.BooksUsed;
        ++run_.BooksUsed;
    }
    Add(RecordText::BookLine(beast_.BooksUsed, book, outcome));
    Follow(after);
}

void BookRecord::NoteCertify(const std::string& skill, const TPet& before, const TPet& after)
{
    Add(RecordText::CertifyLine(skill, before, after));
    Follow(after);
}

void BookRecord::NoteCorrection(const TPet& before, const TPet& after)
{
    Add(RecordText::CorrectionLine(before, after));
    Follow(after);
}

void BookRecord::NoteCustom(const TPet& before, const TPet& after)
{
    Add(RecordText::CustomLine(before, after));
    Follow(after);
}

std::vector<std::string> BookRecord::CounterLines() const
{
    return CounterLines(name_, skills_, certified_, beast_, run_);
}

std::vector<std::string> BookRecord::CounterLines(const std::string& name, const std::vector<std::string>& skills,
                                                  const std::string& certified, const BeastCounters& beast,
                                                  const RunCounters& run)
{
    std::vector<std::string> lines;
    lines.push_back("第 " + std::to_string(run.BeastsRolled) + " 只 " + (name.empty() ? "（空）" : name) + "，"
                    + std::to_string(skills.size()) + " 个技能"
                    + (certified.empty() ? "" : "，另认证 1 个：" + certified));
    lines.push_back("已用 " + std::to_string(beast.BooksUsed) + " 本：新增 " + std::to_string(beast.NewSlots)
                    + " 格，覆盖 " + std::to_string(beast.Overwritten) + " 次");
    lines.push_back("已有此技能而未使用：" + std::to_string(beast.Refused) + " 本");
    std::string runLine =
        "本次打开以来：洗了 " + std::to_string(run.BeastsRolled) + " 只，共打 " + std::to_string(run.BooksUsed) + " 本";
    if (run.Undone + run.Redone > 0)
        runLine += "；撤销 " + std::to_string(run.Undone) + " 次，重做 " + std::to_string(run.Redone)
            + " 次（撤销的书也算用过）";
    lines.push_back(runLine);
    return lines;
}

void BookRecord::Add(std::string line)
{
    lines_.push_back(std::move(line));
    ++written_;
    while (lines_.size() > MaxLines)
        lines_.pop_front();
}

void BookRecord::Roll(const TPet& beast)
{
    ++run_.BeastsRolled;
    beast_ = {};
    Add(RecordText::SectionLine(run_.BeastsRolled, beast.Name));
    Add(RecordText::RollLine(beast));
    Follow(beast);
}

void BookRecord::Follow(const TPet& beast)
{
    name_ = beast.Name;
    skills_ = beast.Skills;
    certified_ = beast.CertifiedSkill;
}
