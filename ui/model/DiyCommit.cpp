#include "ui/model/DiyCommit.h"

#include "engine/pet.h"
#include "engine/strict_number.h"

DiyFields TemplateFields(const TPet& beast)
{
    DiyFields fields;
    for (std::size_t k = 0; k < fields.Aptitudes.size(); ++k)
        fields.Aptitudes[k] = std::to_string(beast.TemplateAptitudes[k]);

    std::vector<std::string> pieces;
    TPet::SplitText(beast.GrowthChoices, ',', pieces);
    if (!pieces.empty())
        fields.Growth = pieces.back();

    TPet::SplitText(beast.InnateSkills, ',', fields.Skills);
    TPet::SplitText(beast.FixedSkills, ',', pieces);
    fields.Skills.insert(fields.Skills.end(), pieces.begin(), pieces.end());
    return fields;
}

DiyCommitResult CommitDiy(TPet& beast, const DiyFields& fields)
{
    DiyCommitResult result;
    std::array<int32_t, 7> aptitudes{};
    for (std::size_t k = 0; k < aptitudes.size(); ++k) {
        if (!ParseInt32(fields.Aptitudes[k], aptitudes[k])) {
            result.failure = DiyCommitResult::Failure::Integer;
            result.offending = fields.Aptitudes[k];
            return result;
        }
    }
    double growth = 0.0;
    if (!ParseDecimal(fields.Growth, growth)) {
        result.failure = DiyCommitResult::Failure::Decimal;
        result.offending = fields.Growth;
        return result;
    }

    beast.Aptitudes = aptitudes;
    beast.Growth = growth;
    beast.Element = fields.Element;
    beast.Skills = fields.Skills;
    beast.CertifiedSkill = fields.Certify ? fields.CertifiedSkill : std::string();
    beast.ComputeAttributes(beast.Level);
    return result;
}
