#include "ui/model/SkillListEditor.h"

#include <algorithm>
#include <utility>

SkillListEditor::SkillListEditor(std::vector<std::string> skills) : skills_(std::move(skills)) {}

SkillListEditor::AddResult SkillListEditor::Add(const std::string& name)
{
    if (std::find(skills_.begin(), skills_.end(), name) != skills_.end())
        return AddResult::Duplicate;
    if (skills_.size() >= MaxSkills)
        return AddResult::Full;
    skills_.push_back(name);
    return AddResult::Added;
}

int SkillListEditor::Remove(int index)
{
    if (!Valid(index))
        return index;
    skills_.erase(skills_.begin() + index);
    // Nothing stays selected, as with a deleted list row.
    return -1;
}

int SkillListEditor::MoveUp(int index)
{
    if (!Valid(index) || index == 0)
        return index;
    std::swap(skills_[index], skills_[index - 1]);
    return index - 1;
}

int SkillListEditor::MoveDown(int index)
{
    if (!Valid(index) || static_cast<std::size_t>(index) + 1 >= skills_.size())
        return index;
    std::swap(skills_[index], skills_[index + 1]);
    return index + 1;
}
