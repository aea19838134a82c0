#include "ui/model/BookRecord.h"

#include "engine/pet.h"
#include "ui/model/RecordText.h"

void BookRecord::Start(const TPet& beast)
{
    if (started_)
        return;
    started_ = true;
    Roll(beast);
}

void BookRecord::NoteRoll(const TPet& before, const TPet& after)
{
    Start(before);
    Roll(after);
}

void BookRecord::NoteBook(const std::string& book, const TPet& before, const TPet& after)
{
    Start(before);
    const BookOutcome outcome = RecordText::Classify(book, before, after);
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
    Start(before);
    Add(RecordText::CertifyLine(skill, before, after));
    Follow(after);
}

void BookRecord::NoteCorrection(const TPet& before, const TPet& after)
{
    Start(before);
    Add(RecordText::CorrectionLine(before, after));
    Follow(after);
}

void BookRecord::NoteCustom(const TPet& before, const TPet& after)
{
    Start(before);
    Add(RecordText::CustomLine(before, after));
    Follow(after);
}

std::vector<std::string> BookRecord::CounterLines() const
{
    std::vector<std::string> lines;
    lines.push_back("第 " + std::to_string(run_.BeastsRolled) + " 只 " + (name_.empty() ? "（空）" : name_) + "，"
                    + std::to_string(skills_.size()) + " 个技能"
                    + (certified_.empty() ? "" : "，另认证 1 个：" + certified_));
    lines.push_back("已用 " + std::to_string(beast_.BooksUsed) + " 本：新增 " + std::to_string(beast_.NewSlots)
                    + " 格，覆盖 " + std::to_string(beast_.Overwritten) + " 次");
    lines.push_back("已有此技能而未使用：" + std::to_string(beast_.Refused) + " 本");
    lines.push_back("本次运行：洗出 " + std::to_string(run_.BeastsRolled) + " 只，共用 "
                    + std::to_string(run_.BooksUsed) + " 本");
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
