#include "engine/pet.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string_view>
#include <utility>

#include "engine/random_source.h"
#include "engine/strict_number.h"

namespace {

constexpr std::size_t FieldCount = 11;
constexpr std::size_t AptitudeCount = 7;
constexpr std::size_t GrowthField = 8;
constexpr std::size_t InnateField = 9;
constexpr std::size_t FixedField = 10;

// Indices into Aptitudes.
constexpr std::size_t AttackAptitude = 0;
constexpr std::size_t DefenseAptitude = 1;
constexpr std::size_t PhysiqueAptitude = 2;
constexpr std::size_t ManaAptitude = 3;
constexpr std::size_t SpeedAptitude = 4;

constexpr int32_t FreePoints = 50;
constexpr uint32_t ShareBound = 25;  // half of the free points
constexpr int32_t BasePoints = 10;

// Integer products wrap like 32-bit machine arithmetic before they take part
// in real arithmetic; unsigned multiplication keeps the wrap free of UB.
int32_t Product32(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

int32_t Sum32(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

// Rounds half to even under the default rounding mode (rintl: nearbyintl
// saves and restores the whole x87 environment, twenty times slower) and
// saturates at the int32 limits, so that extreme growth values typed into the
// dialogs cannot make the conversion undefined. NaN gives 0.
int32_t Rounded(long double value)
{
    const long double r = std::rintl(value);
    if (std::isnan(r))
        return 0;
    if (r >= 2147483647.0L)
        return std::numeric_limits<int32_t>::max();
    if (r <= -2147483648.0L)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

// A draw bound of (n + 1)^2, kept within the generator's 32-bit range.
uint32_t SquaredBound(uint64_t n)
{
    const uint64_t side = n + 1;
    if (side >= 65536u)
        return std::numeric_limits<uint32_t>::max();
    return static_cast<uint32_t>(side * side);
}

uint32_t SizeBound(std::size_t size)
{
    return static_cast<uint32_t>(std::min<std::size_t>(size, std::numeric_limits<uint32_t>::max()));
}

// Largest k with k * k <= r, exact at perfect squares.
uint32_t IntegerSquareRoot(uint32_t r)
{
    uint64_t k = static_cast<uint64_t>(std::sqrt(static_cast<double>(r)));
    while (k * k > r)
        --k;
    while ((k + 1) * (k + 1) <= r)
        ++k;
    return static_cast<uint32_t>(k);
}

uint32_t Draw(uint32_t n)
{
    Reseed();
    return RandomBelow(n);
}

uint32_t DrawAfterWait(uint32_t n)
{
    Sleep(1);
    return Draw(n);
}

bool Contains(const std::vector<std::string>& list, const std::string& name)
{
    return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

TPet::TPet(const std::vector<std::string>& catalogue) : Catalogue(catalogue) {}

bool TPet::FindTemplate(const std::string& name, std::vector<std::string>& fields) const
{
    bool found = false;
    for (const std::string& line : Catalogue) {
        const std::size_t sep = line.find(';');
        const std::string_view key =
            sep == std::string::npos ? std::string_view() : std::string_view(line).substr(0, sep);
        if (key == name) {
            SplitText(line, ';', fields);
            found = true;
        }
    }
    return found;
}

void TPet::SplitText(const std::string& text, char separator, std::vector<std::string>& pieces)
{
    pieces.clear();
    const bool blank =
        std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
    if (blank)
        return;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == separator) {
            pieces.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    pieces.push_back(text.substr(start));
}

bool TPet::LoadBeast(const std::string& name)
{
    if (!LoadTemplate(name))
        return false;
    RollAptitudes();
    RollGrowth();
    RollElement();
    RollSkills();
    RollPoints(Level);
    ComputeAttributes(Level);
    return true;
}

bool TPet::LoadTemplate(const std::string& name)
{
    std::vector<std::string> fields;
    if (!FindTemplate(name, fields))
        return false;

    // Everything is checked before the first field is written, so a broken
    // line leaves the record exactly as it was.
    if (fields.size() < FieldCount)
        return false;
    std::array<int32_t, AptitudeCount> maxima{};
    for (std::size_t k = 0; k < AptitudeCount; ++k) {
        if (!ParseInt32(fields[k + 1], maxima[k]) || maxima[k] < 0)
            return false;
    }
    std::vector<std::string> growths;
    SplitText(fields[GrowthField], ',', growths);
    if (growths.empty())
        return false;
    for (const std::string& growth : growths) {
        double value = 0.0;
        if (!ParseDecimal(growth, value) || !std::isfinite(value))
            return false;
    }

    Name = fields[0];
    Level = 0;
    TemplateAptitudes = maxima;
    GrowthChoices = fields[GrowthField];
    InnateSkills = fields[InnateField];
    FixedSkills = fields[FixedField];
    return true;
}

void TPet::RollAptitudes()
{
    // 0.18 as a double lies slightly below 0.18, so an exact decimal half
    // such as 7425 * 0.18 = 1336.5 rounds down.
    const long double share = static_cast<long double>(0.18);
    for (std::size_t k = 0; k < AptitudeCount; ++k) {
        const int32_t maximum = TemplateAptitudes[k];
        const int32_t bound = std::max(0, Rounded(static_cast<long double>(maximum) * share));
        const uint32_t reduction = Draw(static_cast<uint32_t>(bound));
        Aptitudes[k] = static_cast<int32_t>(static_cast<int64_t>(maximum) - reduction);
    }
}

void TPet::RollGrowth()
{
    std::vector<std::string> choices;
    SplitText(GrowthChoices, ',', choices);
    const uint32_t index = Draw(SizeBound(choices.size()));
    double value = 0.0;
    if (index < choices.size() && ParseDecimal(choices[index], value))
        Growth = value;
}

void TPet::RollElement()
{
    static const char* const elements[] = {"金", "木", "水", "火", "土"};
    Element = elements[Draw(5)];
}

int32_t TPet::SkillLossCount(int32_t n)
{
    const uint32_t bound = n > 0 ? SquaredBound(static_cast<uint64_t>(n)) : 1u;
    return static_cast<int32_t>(IntegerSquareRoot(Draw(bound)));
}

void TPet::RollSkills()
{
    std::vector<std::string> pool;
    std::vector<std::string> fixed;
    SplitText(InnateSkills, ',', pool);
    SplitText(FixedSkills, ',', fixed);
    // A stray comma in the catalogue must not turn into a nameless skill.
    std::erase(pool, std::string());

    const int32_t lost = SkillLossCount(static_cast<int32_t>(SizeBound(pool.size())));
    for (int32_t i = 0; i < lost && !pool.empty(); ++i)
        pool.erase(pool.begin() + DrawAfterWait(SizeBound(pool.size())));

    for (const std::string& skill : fixed)
        if (!skill.empty())
            pool.push_back(skill);

    Skills.clear();
    while (!pool.empty()) {
        const auto picked = pool.begin() + DrawAfterWait(SizeBound(pool.size()));
        Skills.push_back(std::move(*picked));
        pool.erase(picked);
    }
    CertifiedSkill.clear();
}

void TPet::RollPoints(int32_t level)
{
    std::array<int32_t, 5> shares{};
    do {
        int32_t rest = FreePoints;
        for (std::size_t i = 0; i < 4; ++i) {
            shares[i] = static_cast<int32_t>(Draw(ShareBound));
            rest -= shares[i];
        }
        shares[4] = rest;
    } while (shares[4] < 1 || shares[4] > 24);

    const int32_t base = Sum32(BasePoints, level);
    Physique = Sum32(shares[0], base);
    Magic = Sum32(shares[1], base);
    Strength = Sum32(shares[2], base);
    Endurance = Sum32(shares[3], base);
    Agility = Sum32(shares[4], base);
    Potential = Product32(5, level);
}

void TPet::ComputeAttributes(int32_t L)
{
    using R = long double;
    const R g = Growth;
    const R level = L;
    const int32_t attack = Aptitudes[AttackAptitude];
    const int32_t defense = Aptitudes[DefenseAptitude];
    const int32_t physique = Aptitudes[PhysiqueAptitude];
    const int32_t mana = Aptitudes[ManaAptitude];
    const int32_t speed = Aptitudes[SpeedAptitude];

    // Each line keeps the order of the game's formula: extended precision
    // gives different last bits, and so different rounding of halves, when
    // the terms are regrouped.
    Hp = Rounded(R(Physique) * g * 6 + R(Product32(physique, L)) / 1000);
    Mp = Rounded(R(Magic) * g * 3 + R(Product32(mana, L)) / 500);
    Damage = Rounded((level * 1.5L + R(Strength)) * g + (R(attack / 1000) * 3.75L - 2.15L) * level);
    Defense = Rounded(R(Endurance) * (g * 3 * 0.725L - 0.8L) + R(Product32(defense, L) / 500));
    Speed = Rounded(R(Product32(speed, Agility)) / 1000);
    Spirit = Rounded((R(mana) / 1000 + g * 3) * level / 5 + R(Magic) * 0.7L + R(Strength) * 0.4L + R(Physique) * 0.3L
                     + R(Endurance) * 0.2L);
}

void TPet::HitBook(const std::string& book)
{
    // A nameless book (nothing chosen yet) is refused like a held one.
    if (book.empty() || Contains(Skills, book) || book == CertifiedSkill)
        return;
    if (Draw(SquaredBound(Skills.size())) != 0)
        OverwriteSkill(book);
    else
        InsertSkill(book);
}

void TPet::OverwriteSkill(const std::string& book)
{
    if (Skills.empty())
        return;
    Skills[DrawAfterWait(SizeBound(Skills.size()))] = book;
}

void TPet::InsertSkill(const std::string& book)
{
    std::string name = book;  // the book may be one of the slots
    const uint32_t position = DrawAfterWait(SizeBound(Skills.size() + 1));
    Skills.insert(Skills.begin() + position, std::move(name));
}

void TPet::CertifiableSet(std::vector<std::string>& list)
{
    list = {"雷击", "落岩", "水攻", "烈火", "奔雷咒", "泰山压顶", "水漫金山", "地狱烈火", "上古灵符"};
}

void TPet::CertifyReplacements(std::vector<std::string>& list)
{
    list = {"再生", "冥思", "慧根"};
}

void TPet::CertifyFallbacks(std::vector<std::string>& list)
{
    list = {"雷属性吸收", "土属性吸收", "水属性吸收", "火属性吸收", "弱点雷", "弱点土", "弱点水", "弱点火", "迟钝"};
}

bool TPet::CertifiableSkills(std::vector<std::string>& list) const
{
    std::vector<std::string> certifiable;
    CertifiableSet(certifiable);
    list.clear();
    for (const std::string& skill : Skills)
        if (Contains(certifiable, skill))
            list.push_back(skill);
    return !list.empty() && CertifiedSkill.empty();
}

bool TPet::Certify(const std::string& name)
{
    const std::string skill = name;  // the name may be one of the slots being replaced
    bool certified = false;
    for (std::string& slot : Skills) {
        if (slot != skill)
            continue;
        CertifiedSkill = skill;
        std::vector<std::string> candidates;
        CertifyReplacements(candidates);
        std::erase_if(candidates, [this](const std::string& c) { return Contains(Skills, c); });
        if (!candidates.empty()) {
            slot = candidates[Draw(SizeBound(candidates.size()))];
        } else {
            std::vector<std::string> fallbacks;
            CertifyFallbacks(fallbacks);
            slot = fallbacks[Draw(SizeBound(fallbacks.size()))];
        }
        certified = true;
    }
    return certified;
}
