#include "ui/store/BeastJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace BeastJson {
namespace {

QJsonArray Ints(const std::array<int32_t, 7>& values)
{
    QJsonArray array;
    for (int32_t value : values)
        array.append(value);
    return array;
}

bool ReadInts(const QJsonValue& value, std::array<int32_t, 7>& out)
{
    const QJsonArray array = value.toArray();
    if (array.size() != 7)
        return false;
    for (int k = 0; k < 7; ++k) {
        if (!array[k].isDouble())
            return false;
        out[static_cast<std::size_t>(k)] = array[k].toInt();
    }
    return true;
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string Std(const QJsonValue& value)
{
    return value.toString().toStdString();
}

// The whole-number fields, in one table for both directions.
struct IntField {
    const char* key;
    int32_t TPet::*field;
};
constexpr IntField IntFields[] = {
    {"level", &TPet::Level},         {"hp", &TPet::Hp},
    {"mp", &TPet::Mp},               {"damage", &TPet::Damage},
    {"defense", &TPet::Defense},     {"speed", &TPet::Speed},
    {"spirit", &TPet::Spirit},       {"physique", &TPet::Physique},
    {"magic", &TPet::Magic},         {"strength", &TPet::Strength},
    {"endurance", &TPet::Endurance}, {"agility", &TPet::Agility},
    {"potential", &TPet::Potential},
};

}  // namespace

QByteArray Write(const TPet& beast)
{
    QJsonObject object;
    object["templateAptitudes"] = Ints(beast.TemplateAptitudes);
    object["growthChoices"] = Text(beast.GrowthChoices);
    object["innate"] = Text(beast.InnateSkills);
    object["fixed"] = Text(beast.FixedSkills);
    object["name"] = Text(beast.Name);
    for (const IntField& field : IntFields)
        object[field.key] = beast.*field.field;
    object["aptitudes"] = Ints(beast.Aptitudes);
    object["growth"] = beast.Growth;
    object["element"] = Text(beast.Element);
    QJsonArray skills;
    for (const std::string& skill : beast.Skills)
        skills.append(Text(skill));
    object["skills"] = skills;
    object["certified"] = Text(beast.CertifiedSkill);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<TPet> Read(const QByteArray& json, const std::vector<std::string>& catalogue)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    TPet beast(catalogue);
    if (!ReadInts(object["templateAptitudes"], beast.TemplateAptitudes) || !ReadInts(object["aptitudes"], beast.Aptitudes)
        || !object["growth"].isDouble() || !object["skills"].isArray())
        return std::nullopt;
    for (const IntField& field : IntFields) {
        if (!object[field.key].isDouble())
            return std::nullopt;
        beast.*field.field = object[field.key].toInt();
    }
    for (const char* key : {"growthChoices", "innate", "fixed", "name", "element", "certified"})
        if (!object[key].isString())
            return std::nullopt;
    beast.GrowthChoices = Std(object["growthChoices"]);
    beast.InnateSkills = Std(object["innate"]);
    beast.FixedSkills = Std(object["fixed"]);
    beast.Name = Std(object["name"]);
    beast.Growth = object["growth"].toDouble();
    beast.Element = Std(object["element"]);
    for (const QJsonValue& skill : object["skills"].toArray())
        beast.Skills.push_back(Std(skill));
    beast.CertifiedSkill = Std(object["certified"]);
    return beast;
}

}  // namespace BeastJson
