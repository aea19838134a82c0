// Placeholder; the data come with the engine.
#include "data/builtin_data.h"

const std::vector<std::string>& CatalogueLines() { static const std::vector<std::string> lines; return lines; }
const std::vector<std::string>& DescriptionLines() { static const std::vector<std::string> lines; return lines; }
const std::vector<BookList>& BookLists() { static const std::vector<BookList> lists; return lists; }
const std::vector<BeastPage>& BeastPickerPages() { static const std::vector<BeastPage> pages; return pages; }
int SkillIndex(const std::string&) { return -1; }
std::string SkillDescription(const std::string&) { return {}; }
