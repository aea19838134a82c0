#pragma once
// The beast's skill list as the full custom dialog edits it: add from the
// vocabulary, remove, move up and down. Names compare as whole strings.

#include <cstddef>
#include <string>
#include <vector>

class SkillListEditor {
public:
    static constexpr std::size_t MaxSkills = 12;

    // What an add attempt did; the two refusals carry a message for the user.
    enum class AddResult { Added, Duplicate, Full };
    static const char* DuplicateMessage() { return "此技能已经存在！"; }
    static const char* FullMessage() { return "技能最高12个！"; }

    explicit SkillListEditor(std::vector<std::string> skills);

    const std::vector<std::string>& Skills() const { return skills_; }

    // The duplicate test comes first, so a duplicate offered to a full list
    // is reported as a duplicate. A refused add leaves the list unchanged.
    AddResult Add(const std::string& name);

    // Each takes the selected index (-1 for none) and returns the index to
    // select afterwards. Out-of-range indices change nothing.
    int Remove(int index);
    int MoveUp(int index);
    int MoveDown(int index);

private:
    bool Valid(int index) const { return index >= 0 && static_cast<std::size_t>(index) < skills_.size(); }

    std::vector<std::string> skills_;
};
