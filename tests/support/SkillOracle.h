#pragma once
// Looks a skill up in the built-in description lines directly, so that
// tests can say which icon and text a control should show without asking
// the code under test.

#include <string>

#include "data/builtin_data.h"

// Index of the description line of `skill` (its vocabulary and icon index),
// or -1 when none names it.
inline int SkillIndex(const std::string& skill)
{
    return FindLine(DescriptionLines(), skill);
}

// The description text of `skill` (after the first ";"), empty when unknown.
inline std::string SkillDescription(const std::string& skill)
{
    const int index = SkillIndex(skill);
    return index < 0 ? std::string() : std::string(LineRest(DescriptionLines()[static_cast<std::size_t>(index)]));
}
