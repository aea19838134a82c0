// Placeholder bodies; the rules come with the engine.
#include "engine/pet.h"

TPet::TPet(const std::vector<std::string>& catalogue) : Catalogue(catalogue) {}
bool TPet::LoadBeast(const std::string&) { return false; }
bool TPet::FindTemplate(const std::string&, std::vector<std::string>&) const { return false; }
void TPet::SplitText(const std::string&, char, std::vector<std::string>& pieces) { pieces.clear(); }
void TPet::RollAptitudes() {}
void TPet::RollGrowth() {}
void TPet::RollElement() {}
void TPet::RollSkills() {}
int32_t TPet::SkillLossCount(int32_t) { return 0; }
void TPet::RollPoints(int32_t) {}
void TPet::ComputeAttributes(int32_t) {}
void TPet::HitBook(const std::string&) {}
void TPet::OverwriteSkill(const std::string&) {}
void TPet::InsertSkill(const std::string&) {}
void TPet::CertifiableSet(std::vector<std::string>& list) { list.clear(); }
void TPet::CertifyReplacements(std::vector<std::string>& list) { list.clear(); }
void TPet::CertifyFallbacks(std::vector<std::string>& list) { list.clear(); }
bool TPet::CertifiableSkills(std::vector<std::string>& list) const { list.clear(); return false; }
bool TPet::Certify(const std::string&) { return false; }
