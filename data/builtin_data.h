#pragma once
// The game knowledge built into the program, as UTF-8 text.

#include <string>
#include <string_view>
#include <vector>

// The 24 beast catalogue lines, in catalogue order:
// "name;attack;defense;physique;mana;speed;dodge;lifespan;g1,..,g5;innate,..;fixed,..".
const std::vector<std::string>& CatalogueLines();

// The 88 skill description lines, "name;description", in vocabulary order.
// A line's index is the skill's vocabulary index and its icon index.
const std::vector<std::string>& DescriptionLines();

// One of the three skill-book lists of the main window.
struct BookList {
    std::string Title;
    std::vector<std::string> Items;
};
// "低级技能 " (with its trailing blank), "高级技能" and "其他技能".
const std::vector<BookList>& BookLists();

// One page of the beast picker: its tab caption and its buttons, left to right.
struct BeastPage {
    std::string Caption;
    std::vector<std::string> Beasts;
};
// The eight level-band pages, "65以下" to "135以上".
const std::vector<BeastPage>& BeastPickerPages();

// A built-in line ("key;rest") taken apart at its first ";". A line without
// ";" has an empty key and an empty rest, like one that starts with ";", so
// it never answers to a real name.
std::string_view LineKey(std::string_view line);
std::string_view LineRest(std::string_view line);
// Index of the first line of `lines` whose key equals `key` exactly, or -1.
// An empty key finds nothing.
int FindLine(const std::vector<std::string>& lines, std::string_view key);
