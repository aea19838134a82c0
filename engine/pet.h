#pragma once
// TPet: the record of one summoned beast and the home of its rules.
//
// The windows read and write the public fields directly and call the
// operations below; the operations report "found" or "changed" through their
// result and never raise errors. All names are UTF-8 byte strings and every
// comparison of names is an exact comparison of whole strings.
//
// Every random draw goes through the random source (random_source.h): a
// Reseed() followed by one RandomBelow(), some of them after Sleep(1).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TPet {
public:
    // Copies the catalogue lines ("name;7 integers;growths;innate;fixed[;]").
    // Every other field starts empty or zero until LoadBeast succeeds.
    explicit TPet(const std::vector<std::string>& catalogue);

    // Fields, in declaration order.
    std::vector<std::string> Catalogue;
    // Template maxima: attack, defense, physique, mana, speed, dodge aptitude
    // and lifespan.
    std::array<int32_t, 7> TemplateAptitudes{};
    std::string GrowthChoices;  // catalogue field 9 as stored, "," separated
    std::string InnateSkills;   // catalogue field 10 as stored, "," separated
    std::string FixedSkills;    // catalogue field 11 as stored; may be empty
    std::string Name;
    int32_t Level = 0;
    int32_t Hp = 0;
    int32_t Mp = 0;
    int32_t Damage = 0;
    int32_t Defense = 0;
    int32_t Speed = 0;
    int32_t Spirit = 0;
    int32_t Physique = 0;
    int32_t Magic = 0;
    int32_t Strength = 0;
    int32_t Endurance = 0;
    int32_t Agility = 0;
    int32_t Potential = 0;
    std::array<int32_t, 7> Aptitudes{};  // the beast's own, in template order
    double Growth = 0.0;
    std::string Element;              // "金", "木", "水", "火" or "土" after rolling
    std::vector<std::string> Skills;  // display order; duplicates are not refused
    std::string CertifiedSkill;       // empty when none

    // --- Loading and rolling --------------------------------------------

    // Finds the template `name` and rolls a fresh beast of it: Name, Level 0,
    // the template fields, then RollAptitudes, RollGrowth, RollElement,
    // RollSkills, RollPoints(Level) and ComputeAttributes(Level).
    // Returns false, with the record exactly as it was, when no catalogue line
    // has that name or when the line breaks the catalogue format (fewer than
    // eleven fields, an aptitude that is not a non-negative 32-bit decimal
    // integer, a growth choice that is not a plain decimal, an empty growth
    // list). Nothing is drawn then.
    bool LoadBeast(const std::string& name);
    // The first part of LoadBeast, with no draw: finds and checks the
    // template the same way and writes Name, Level 0 and the four template
    // fields; every other field stays as it was. False leaves the record
    // exactly as it was.
    bool LoadTemplate(const std::string& name);

    // Scans every catalogue line; where the text before the first ";" equals
    // `name`, splits the whole line at ";" into `fields`. With several matches
    // the last one's fields remain. Returns whether any line matched; when
    // none did, `fields` is left as it was.
    bool FindTemplate(const std::string& name, std::vector<std::string>& fields) const;

    // Replaces the contents of `pieces` with the pieces of `text` between
    // `separator` bytes. Pieces are not trimmed and a trailing separator gives
    // a final empty piece; an empty text, or one made only of bytes up to 32,
    // gives no pieces at all.
    static void SplitText(const std::string& text, char separator, std::vector<std::string>& pieces);

    // Each aptitude k becomes T - RandomBelow(b), T = TemplateAptitudes[k],
    // b = T * 0.18 rounded half to even (0.18 as the nearest double).
    void RollAptitudes();
    // Growth := one of GrowthChoices, each equally likely. An unparsable
    // choice leaves Growth unchanged (LoadBeast has rejected such lines).
    void RollGrowth();
    // Element := one of the five signs, each equally likely.
    void RollElement();
    // Skills := the fixed skills and the innate skills that survive
    // SkillLossCount, in random order (one 1 ms wait per lost and per placed
    // skill). Empties CertifiedSkill. Empty names are never added.
    void RollSkills();
    // Draws r below (n + 1)^2 and returns its integer square root, 0 .. n:
    // count k with probability (2k + 1) / (n + 1)^2. n <= 0 gives 0.
    int32_t SkillLossCount(int32_t n);
    // Shares 50 free points among the five attributes (four draws below 25,
    // repeated until the fifth share is 1 .. 24), each attribute getting
    // 10 + level on top; Potential := 5 * level.
    void RollPoints(int32_t level);
    // Sets Hp, Mp, Damage, Defense, Speed and Spirit from Aptitudes, Growth
    // and the attribute points for level L; touches nothing else. Real
    // arithmetic in long double, rounding half to even; integer products wrap
    // at 32 bits and results beyond the int32 range saturate (NaN gives 0).
    void ComputeAttributes(int32_t L);

    // --- Book hitting and certification ---------------------------------

    // Refuses (no change, no draw) an empty name and a book already in Skills
    // or equal to CertifiedSkill. Otherwise, with n skills, inserts it with chance
    // 1 / (n + 1)^2 and overwrites a random skill otherwise.
    void HitBook(const std::string& book);
    // After a 1 ms wait, Skills[RandomBelow(n)] := book. With Skills empty it
    // does nothing (no wait, no draw).
    void OverwriteSkill(const std::string& book);
    // After a 1 ms wait, inserts the book at position RandomBelow(n + 1); the
    // end counts as a position.
    void InsertSkill(const std::string& book);

    // Fill `list` (emptied first) with the fixed tables, in their order.
    static void CertifiableSet(std::vector<std::string>& list);
    static void CertifyReplacements(std::vector<std::string>& list);
    static void CertifyFallbacks(std::vector<std::string>& list);

    // Fills `list` with the entries of Skills that are certifiable, in Skills
    // order (duplicates listed twice). True when the list is not empty and no
    // skill is certified yet; the list is filled either way.
    bool CertifiableSkills(std::vector<std::string>& list) const;
    // For every slot holding `skill`: CertifiedSkill := skill, and the slot
    // gets a replacement the beast lacks (再生, 冥思, 慧根) or, when it holds
    // all three, one of the nine fallbacks. Returns whether any slot held the
    // skill; false changes nothing. Does not look at CertifiedSkill first.
    bool Certify(const std::string& skill);
};
