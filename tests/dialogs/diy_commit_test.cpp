#include <gtest/gtest.h>

#include "PetSnapshot.h"
#include "data/builtin_data.h"
#include "engine/pet.h"
#include "ui/model/DiyCommit.h"

namespace {

using Strings = std::vector<std::string>;

TPet Loaded(const std::string& name)
{
    TPet beast(CatalogueLines());
    EXPECT_TRUE(beast.LoadBeast(name));
    return beast;
}

TEST(DiyTemplateFields, VampireOffersMaximaHighestGrowthInnateThenFixed)
{
    const DiyFields fields = TemplateFields(Loaded("吸血鬼"));
    const std::array<std::string, 7> aptitudes{"1440", "1320", "3600", "2400", "1320", "1800", "7740"};
    EXPECT_EQ(fields.Aptitudes, aptitudes);
    EXPECT_EQ(fields.Growth, "1.254");
    EXPECT_EQ(fields.Skills, (Strings{"偷袭", "夜战", "吸血", "鬼魂术", "弱点水"}));
}

TEST(DiyTemplateFields, EmptyFixedFieldAddsNothing)
{
    EXPECT_EQ(TemplateFields(Loaded("古代瑞兽")).Skills, (Strings{"泰山压顶", "高级驱鬼", "高级反震", "高级神迹"}));
    EXPECT_EQ(TemplateFields(Loaded("夜罗刹")).Skills.size(), 4u);
}

DiyFields Custom()
{
    DiyFields fields;
    fields.Aptitudes = {"1500", "1400", "5000", "3000", "1400", "1500", "8000"};
    fields.Growth = "1.3";
    fields.Element = "风";
    fields.Skills = {"必杀", "连击"};
    return fields;
}

TEST(DiyCommit, WritesEveryCustomFieldAndRecomputes)
{
    TPet beast = Loaded("吸血鬼");
    TPet expected = beast;
    DiyFields fields = Custom();
    fields.Certify = true;
    fields.CertifiedSkill = "雷击";

    ASSERT_TRUE(CommitDiy(beast, fields).Ok());
    expected.Aptitudes = {1500, 1400, 5000, 3000, 1400, 1500, 8000};
    expected.Growth = 1.3;
    expected.Element = "风";
    expected.Skills = {"必杀", "连击"};
    expected.CertifiedSkill = "雷击";
    expected.ComputeAttributes(expected.Level);
    EXPECT_EQ(PetSnapshot(beast), PetSnapshot(expected));
}

TEST(DiyCommit, UncheckedCertificationClearsAndEmptyElementIsKept)
{
    TPet beast = Loaded("吸血鬼");
    beast.CertifiedSkill = "烈火";
    DiyFields fields = Custom();
    fields.Element.clear();
    fields.CertifiedSkill = "雷击";  // ignored while unchecked
    ASSERT_TRUE(CommitDiy(beast, fields).Ok());
    EXPECT_EQ(beast.CertifiedSkill, "");
    EXPECT_EQ(beast.Element, "");
}

struct BadField {
    const char* name;
    int aptitude;  // -1: the growth field
    const char* text;
    DiyCommitResult::Failure failure;
};

class DiyCommitRefusal : public testing::TestWithParam<BadField> {};

TEST_P(DiyCommitRefusal, WritesNothingAndNamesTheText)
{
    TPet beast = Loaded("吸血鬼");
    const TPet before = beast;
    DiyFields fields = Custom();  // every field differs from the beast's
    fields.Certify = true;
    fields.CertifiedSkill = "雷击";
    if (GetParam().aptitude >= 0)
        fields.Aptitudes[GetParam().aptitude] = GetParam().text;
    else
        fields.Growth = GetParam().text;

    const DiyCommitResult result = CommitDiy(beast, fields);
    EXPECT_EQ(result.failure, GetParam().failure);
    EXPECT_EQ(result.offending, GetParam().text);
    EXPECT_EQ(PetSnapshot(beast), PetSnapshot(before));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, DiyCommitRefusal,
    testing::Values(BadField{"EmptyFirstAptitude", 0, "", DiyCommitResult::Failure::Integer},
                    BadField{"LastAptitudeBeyond32Bits", 6, "4294967296", DiyCommitResult::Failure::Integer},
                    BadField{"HexAptitude", 3, "0x10", DiyCommitResult::Failure::Integer},
                    BadField{"EmptyGrowth", -1, "", DiyCommitResult::Failure::Decimal},
                    BadField{"GrowthWithTwoPoints", -1, "1.2.3", DiyCommitResult::Failure::Decimal},
                    BadField{"GrowthNan", -1, "nan", DiyCommitResult::Failure::Decimal}),
    [](const testing::TestParamInfo<BadField>& row) { return std::string(row.param.name); });

}  // namespace
