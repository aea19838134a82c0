#include "ui/model/BeastCode.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <charconv>
#include <cmath>
#include <set>

#include "data/builtin_data.h"
#include "engine/strict_number.h"

namespace BeastCode {
namespace {

constexpr int32_t MaxLevel = 160;
constexpr int32_t MaxAptitude = 30000;
constexpr double MaxGrowth = 10.0;
constexpr std::array<const char*, 7> AptitudeNames = {"攻击资质", "防御资质", "体力资质", "法力资质",
                                                      "速度资质", "躲闪资质", "寿命"};
constexpr std::array<const char*, 5> Elements = {"金", "木", "水", "火", "土"};
constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
enum Field { Template, Name, Level, Points, Aptitudes, Growth, Element, Skills, Certified, FieldCount };

// Every skill a beast can hold: the skill books and descriptions, the
// catalogue's innate and fixed skills and what certification puts in.
const std::set<std::string>& Vocabulary()
{
    static const std::set<std::string> words = [] {
        std::set<std::string> all;
        for (const std::string& line : DescriptionLines())
            all.emplace(LineKey(line));
        std::vector<std::string> pieces;
        for (const std::string& line : CatalogueLines()) {
            TPet::SplitText(line, ';', pieces);
            for (std::size_t field = 9; field < pieces.size() && field <= 10; ++field) {
                std::vector<std::string> skills;
                TPet::SplitText(pieces[field], ',', skills);
                all.insert(skills.begin(), skills.end());
            }
        }
        std::vector<std::string> table;
        TPet::CertifyReplacements(table);
        all.insert(table.begin(), table.end());
        TPet::CertifyFallbacks(table);
        all.insert(table.begin(), table.end());
        all.erase("");
        return all;
    }();
    return words;
}

bool HasControl(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; });
}

std::string Join(const std::vector<std::string>& parts, char separator)
{
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i)
        out += (i ? std::string(1, separator) : std::string()) + parts[i];
    return out;
}

std::string Base64(const std::string& bytes)
{
    std::string out;
    uint32_t bits = 0;
    int held = 0;
    for (unsigned char c : bytes) {
        bits = (bits << 8) | c;
        held += 8;
        while (held >= 6) {
            held -= 6;
            out += Alphabet[(bits >> held) & 63];
        }
    }
    if (held > 0)
        out += Alphabet[(bits << (6 - held)) & 63];
    return out;
}

std::optional<std::string> FromBase64(const std::string& text)
{
    std::string out;
    uint32_t bits = 0;
    int held = 0;
    for (char c : text) {
        const char* at = std::find(Alphabet, Alphabet + 64, c);
        if (at == Alphabet + 64)
            return std::nullopt;
        bits = (bits << 6) | static_cast<uint32_t>(at - Alphabet);
        held += 6;
        if (held >= 8) {
            held -= 8;
            out += static_cast<char>((bits >> held) & 0xFF);
        }
    }
    return out;
}

std::string GrowthText(double growth)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, growth).ptr;
    return std::string(buffer, end);
}

std::string Range(const std::string& what, long long value, long long low, long long high)
{
    return what + " " + std::to_string(value) + " 不在 " + std::to_string(low) + " 至 " + std::to_string(high) + " 之内";
}

std::string SkillProblem(const TPet& beast)
{
    if (beast.Skills.size() > MaxSkills)
        return "技能有 " + std::to_string(beast.Skills.size()) + " 个，最多 12 个";
    std::set<std::string> seen;
    for (const std::string& skill : beast.Skills) {
        if (!Vocabulary().count(skill))
            return "没有叫“" + skill + "”的技能";
        if (!seen.insert(skill).second)
            return "技能“" + skill + "”出现了两次";
    }
    if (beast.CertifiedSkill.empty())
        return {};
    std::vector<std::string> certifiable;
    TPet::CertifiableSet(certifiable);
    if (std::find(certifiable.begin(), certifiable.end(), beast.CertifiedSkill) == certifiable.end())
        return "认证技能“" + beast.CertifiedSkill + "”不是可认证的攻击法术";
    if (seen.count(beast.CertifiedSkill))
        return "认证技能“" + beast.CertifiedSkill + "”同时在技能里";
    return {};
}

}  // namespace

uint32_t Crc32(const std::string& bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : bytes) {
        crc ^= c;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string TemplateOf(const TPet& beast)
{
    TPet probe(beast.Catalogue);
    std::vector<std::string> fields;
    for (const std::string& line : beast.Catalogue) {
        const std::string name(LineKey(line));
        if (probe.LoadTemplate(name) && probe.TemplateAptitudes == beast.TemplateAptitudes
            && probe.GrowthChoices == beast.GrowthChoices && probe.InnateSkills == beast.InnateSkills
            && probe.FixedSkills == beast.FixedSkills)
            return name;
    }
    return {};
}

std::string Problem(const TPet& beast)
{
    if (TemplateOf(beast).empty())
        return "种类不在图鉴里";
    if (beast.Name.empty() || beast.Name.size() > MaxNameBytes || HasControl(beast.Name))
        return "名字须有 1 至 " + std::to_string(MaxNameBytes) + " 字节，且不含控制字符";
    if (beast.Level < 0 || beast.Level > MaxLevel)
        return Range("等级", beast.Level, 0, MaxLevel);
    const std::array<int32_t, 6> points = {beast.Physique, beast.Magic,     beast.Strength,
                                           beast.Endurance, beast.Agility, beast.Potential};
    if (std::any_of(points.begin(), points.end(), [](int32_t p) { return p < 0; }))
        return "属性点不能为负";
    for (std::size_t k = 0; k < AptitudeNames.size(); ++k)
        if (beast.Aptitudes[k] < 0 || beast.Aptitudes[k] > MaxAptitude)
            return Range(AptitudeNames[k], beast.Aptitudes[k], 0, MaxAptitude);
    if (!std::isfinite(beast.Growth) || beast.Growth < 0 || beast.Growth > MaxGrowth)
        return "成长 " + GrowthText(beast.Growth) + " 不在 0 至 10 之内";
    if (std::find(Elements.begin(), Elements.end(), beast.Element) == Elements.end())
        return "五行“" + beast.Element + "”不是金、木、水、火、土之一";
    return SkillProblem(beast);
}

std::string Encode(const TPet& beast)
{
    std::vector<std::string> fields(FieldCount);
    fields[Template] = TemplateOf(beast);
    fields[Name] = beast.Name;
    fields[Level] = std::to_string(beast.Level);
    fields[Points] = Join({std::to_string(beast.Physique), std::to_string(beast.Magic), std::to_string(beast.Strength),
                           std::to_string(beast.Endurance), std::to_string(beast.Agility),
                           std::to_string(beast.Potential)},
                          ',');
    std::vector<std::string> aptitudes;
    for (int32_t value : beast.Aptitudes)
        aptitudes.push_back(std::to_string(value));
    fields[Aptitudes] = Join(aptitudes, ',');
    fields[Growth] = GrowthText(beast.Growth);
    fields[Element] = beast.Element;
    fields[Skills] = Join(beast.Skills, ',');
    fields[Certified] = beast.CertifiedSkill;
    const std::string payload = Join(fields, '\n');
    char checksum[9];
    std::snprintf(checksum, sizeof checksum, "%08x", Crc32(payload));
    return std::string(Tag) + "-" + Base64(payload) + "-" + checksum;
}

namespace {

bool ReadInts(const std::string& text, std::size_t count, std::vector<int32_t>& values)
{
    std::vector<std::string> pieces;
    TPet::SplitText(text, ',', pieces);
    if (pieces.size() != count)
        return false;
    values.assign(count, 0);
    for (std::size_t i = 0; i < count; ++i)
        if (!ParseInt32(pieces[i], values[i]))
            return false;
    return true;
}

bool ReadGrowth(const std::string& text, double& growth)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, growth);
    return !text.empty() && ec == std::errc() && ptr == end;
}

std::string Trimmed(const std::string& text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

// The fields of a code whose tag and checksum are right, or an error.
std::string Unwrap(const std::string& text, std::vector<std::string>& fields)
{
    const std::string code = Trimmed(text);
    if (code.empty())
        return "没有代码：剪贴板里没有文字";
    const std::string prefix = std::string(Tag) + "-";
    if (code.compare(0, prefix.size(), prefix) != 0)
        return code.compare(0, 2, "QA") == 0 ? "代码版本不认识（本程序只读 QA1 开头的代码）"
                                              : "这不是召唤兽代码：代码应以 QA1- 开头";
    const std::size_t dash = code.rfind('-');
    if (dash < prefix.size() || code.size() - dash - 1 != 8)
        return "代码不完整：末尾缺少 8 位校验码";
    const std::optional<std::string> payload = FromBase64(code.substr(prefix.size(), dash - prefix.size()));
    if (!payload)
        return "代码里有不该有的字符";
    char checksum[9];
    std::snprintf(checksum, sizeof checksum, "%08x", Crc32(*payload));
    if (code.substr(dash + 1) != checksum)
        return "校验不符：代码不完整或被改动过";
    fields.clear();
    std::size_t from = 0;
    for (std::size_t at; (at = payload->find('\n', from)) != std::string::npos; from = at + 1)
        fields.push_back(payload->substr(from, at - from));
    fields.push_back(payload->substr(from));
    if (fields.size() != FieldCount)
        return "代码的栏目数不对";
    return {};
}

// Writes the fields into `beast`, whose template is loaded; an error when
// a number does not read.
std::string Fill(TPet& beast, const std::vector<std::string>& fields)
{
    std::vector<int32_t> values;
    if (!ParseInt32(fields[Level], beast.Level))
        return "等级“" + fields[Level] + "”不是整数";
    if (!ReadInts(fields[Points], 6, values))
        return "属性点应是 6 个整数";
    beast.Physique = values[0];
    beast.Magic = values[1];
    beast.Strength = values[2];
    beast.Endurance = values[3];
    beast.Agility = values[4];
    beast.Potential = values[5];
    if (!ReadInts(fields[Aptitudes], 7, values))
        return "资质应是 7 个整数";
    std::copy(values.begin(), values.end(), beast.Aptitudes.begin());
    if (!ReadGrowth(fields[Growth], beast.Growth))
        return "成长“" + fields[Growth] + "”不是数";
    beast.Name = fields[Name];
    beast.Element = fields[Element];
    TPet::SplitText(fields[Skills], ',', beast.Skills);
    beast.CertifiedSkill = fields[Certified];
    return {};
}

}  // namespace

Decoded Decode(const std::string& text, const std::vector<std::string>& catalogue)
{
    Decoded result;
    std::vector<std::string> fields;
    result.error = Unwrap(text, fields);
    if (!result.error.empty())
        return result;
    TPet beast(catalogue);
    if (!beast.LoadTemplate(fields[Template])) {
        result.error = "没有叫“" + fields[Template] + "”的召唤兽";
        return result;
    }
    result.error = Fill(beast, fields);
    if (result.error.empty())
        result.error = Problem(beast);
    if (!result.error.empty())
        return result;
    beast.ComputeAttributes(beast.Level);
    result.beast = std::move(beast);
    return result;
}

}  // namespace BeastCode
