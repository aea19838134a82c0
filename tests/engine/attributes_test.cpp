#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "PetSnapshot.h"
#include "engine/pet.h"

namespace {

// Attack 1500, defense 1400, physique 4800, mana 2400, speed 1300, g 1.25.
TPet WorkedBeast(int32_t points)
{
    TPet pet({});
    pet.Aptitudes = {1500, 1400, 4800, 2400, 1300, 1200, 7000};
    pet.Growth = 1.25;
    pet.Physique = pet.Magic = pet.Strength = pet.Endurance = pet.Agility = points;
    return pet;
}

std::array<int32_t, 6> Derived(const TPet& p)
{
    return {p.Hp, p.Mp, p.Damage, p.Defense, p.Speed, p.Spirit};
}

}  // namespace

TEST(ComputeAttributes, WorkedValues)
{
    TPet young = WorkedBeast(20);
    young.ComputeAttributes(0);
    EXPECT_EQ(Derived(young), (std::array{150, 75, 25, 38, 26, 32}));

    TPet grown = WorkedBeast(120);
    grown.ComputeAttributes(100);
    EXPECT_EQ(Derived(grown), (std::array{1380, 930, 498, 510, 156, 315}));
}

TEST(ComputeAttributes, ExactHalvesRoundToEven)
{
    TPet pet = WorkedBeast(20);
    pet.Physique = 11;  // 82.5
    pet.Aptitudes[4] = 1500;
    pet.Agility = 11;  // 16.5
    pet.ComputeAttributes(0);
    EXPECT_EQ(pet.Hp, 82);
    EXPECT_EQ(pet.Speed, 16);
    pet.Physique = 13;  // 97.5
    pet.Agility = 13;   // 19.5
    pet.ComputeAttributes(0);
    EXPECT_EQ(pet.Hp, 98);
    EXPECT_EQ(pet.Speed, 20);
}

TEST(ComputeAttributes, AptitudeQuotientsAreWholeNumbers)
{
    TPet pet = WorkedBeast(20);
    pet.Strength = 21;
    // Damage at L 10: (15 + 21) * 1.25 = 45 plus (attack div 1000 * 3.75 - 2.15) * 10.
    const struct {
        int32_t attack;
        int32_t damage;
    } cases[] = {
        {990, 24}, {1000, 61}, {1999, 61}, {2000, 98}, {0, 24},
    };
    for (const auto& c : cases) {
        pet.Aptitudes[0] = c.attack;
        pet.ComputeAttributes(10);
        EXPECT_EQ(pet.Damage, c.damage) << c.attack;
    }
    // Defense: (1499 * 1) div 500 = 2, not 2.998; Endurance 20 gives 38.375 + 2.
    pet.Aptitudes[1] = 1499;
    pet.ComputeAttributes(1);
    EXPECT_EQ(pet.Defense, 40);
    // Hp takes the physique aptitude as a real fraction: 20 * 7.5 + 4999 / 1000 = 154.999.
    pet.Aptitudes[2] = 4999;
    pet.ComputeAttributes(1);
    EXPECT_EQ(pet.Hp, 155);
}

TEST(ComputeAttributes, TouchesOnlyTheDerivedAttributes)
{
    TPet pet = WorkedBeast(33);
    pet.Name = "名";
    pet.Level = 77;
    pet.Skills = {"毒"};
    pet.ComputeAttributes(5);
    TPet expected = pet;
    pet.Hp = pet.Mp = pet.Damage = pet.Defense = pet.Speed = pet.Spirit = -1;
    pet.ComputeAttributes(5);
    EXPECT_EQ(PetSnapshot(pet), PetSnapshot(expected));
    EXPECT_EQ(pet.Level, 77);  // L is the argument, not the field
}

TEST(ComputeAttributes, ExtremeValuesSaturateInsteadOfOverflowing)
{
    TPet pet = WorkedBeast(20);
    pet.Aptitudes = {2000000000, 2000000000, 2000000000, 2000000000, 2000000000, 0, 0};
    pet.Agility = 2000000000;
    pet.ComputeAttributes(2000000000);  // the integer products wrap, as 32-bit arithmetic does

    pet.Growth = 1e300;
    pet.ComputeAttributes(160);
    EXPECT_EQ(pet.Hp, std::numeric_limits<int32_t>::max());
    pet.Growth = -1e300;
    pet.ComputeAttributes(160);
    EXPECT_EQ(pet.Hp, std::numeric_limits<int32_t>::min());
    pet.Growth = std::numeric_limits<double>::quiet_NaN();
    pet.ComputeAttributes(160);
    EXPECT_EQ(Derived(pet)[0], 0);
}
