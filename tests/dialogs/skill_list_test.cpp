#include <gtest/gtest.h>

#include "ui/model/SkillListEditor.h"

namespace {

using Strings = std::vector<std::string>;

Strings Numbered(int count)
{
    Strings names;
    for (int i = 0; i < count; ++i)
        names.push_back("技能" + std::to_string(i));
    return names;
}

TEST(SkillListEditor, AddAppendsUntilTwelveThenRefusesFull)
{
    SkillListEditor editor(Numbered(11));
    EXPECT_EQ(editor.Add("吸血"), SkillListEditor::AddResult::Added);
    EXPECT_EQ(editor.Skills().back(), "吸血");
    EXPECT_EQ(editor.Add("夜战"), SkillListEditor::AddResult::Full);
    EXPECT_EQ(editor.Skills().size(), 12u);
}

TEST(SkillListEditor, DuplicateIsTestedBeforeTheCapAndChangesNothing)
{
    SkillListEditor editor(Numbered(12));
    EXPECT_EQ(editor.Add("技能5"), SkillListEditor::AddResult::Duplicate);
    EXPECT_EQ(editor.Skills(), Numbered(12));

    SkillListEditor small({"偷袭", "夜战"});
    EXPECT_EQ(small.Add("夜战"), SkillListEditor::AddResult::Duplicate);
    // Whole-string comparison: a name that merely contains another is new.
    EXPECT_EQ(small.Add("高级夜战"), SkillListEditor::AddResult::Added);
}

TEST(SkillListEditor, RemoveDeletesTheSelectedEntryOnly)
{
    SkillListEditor editor({"偷袭", "夜战", "吸血"});
    EXPECT_EQ(editor.Remove(1), -1);
    EXPECT_EQ(editor.Skills(), (Strings{"偷袭", "吸血"}));
    EXPECT_EQ(editor.Remove(-1), -1);
    EXPECT_EQ(editor.Remove(2), 2);
    EXPECT_EQ(editor.Skills().size(), 2u);
}

TEST(SkillListEditor, MovesSwapNeighboursAndFollowTheEntry)
{
    SkillListEditor editor({"a", "b", "c"});
    EXPECT_EQ(editor.MoveUp(2), 1);
    EXPECT_EQ(editor.Skills(), (Strings{"a", "c", "b"}));
    EXPECT_EQ(editor.MoveDown(0), 1);
    EXPECT_EQ(editor.Skills(), (Strings{"c", "a", "b"}));
}

TEST(SkillListEditor, MovesAtTheEndsOrWithoutSelectionChangeNothing)
{
    SkillListEditor editor({"a", "b", "c"});
    EXPECT_EQ(editor.MoveUp(0), 0);
    EXPECT_EQ(editor.MoveDown(2), 2);
    EXPECT_EQ(editor.MoveUp(-1), -1);
    EXPECT_EQ(editor.MoveDown(-1), -1);
    EXPECT_EQ(editor.MoveDown(3), 3);
    EXPECT_EQ(editor.Skills(), (Strings{"a", "b", "c"}));
}

}  // namespace
