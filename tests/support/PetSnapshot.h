#pragma once
// Every field of a TPet in one comparable value, to show that an operation
// changed nothing (or only what it should).

#include <tuple>

#include "engine/pet.h"

inline auto PetSnapshot(const TPet& p)
{
    return std::make_tuple(p.Catalogue, p.TemplateAptitudes, p.GrowthChoices, p.InnateSkills, p.FixedSkills, p.Name,
                           p.Level, p.Hp, p.Mp, p.Damage, p.Defense, p.Speed, p.Spirit, p.Physique, p.Magic, p.Strength,
                           p.Endurance, p.Agility, p.Potential, p.Aptitudes, p.Growth, p.Element, p.Skills,
                           p.CertifiedSkill);
}
