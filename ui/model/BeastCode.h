#pragma once
// The share code of a beast: a short text to paste into a chat and back.
//
//   QA1-<the fields, base64url>-<CRC-32 of the fields, 8 hex digits>
//
// The fields are the beast's template, name, level, five attribute points
// and potential, seven aptitudes, growth, element, skills and certified
// skill; the attributes (气血 .. 灵力) follow from them and are computed
// again on reading. Reading checks the tag, the checksum and every field
// against the rules before it hands out a beast, so a code that reads is a
// beast the program can hold; a bad one gives one message naming the fault.

#include <optional>
#include <string>
#include <vector>

#include "engine/pet.h"

namespace BeastCode {

inline constexpr const char* Tag = "QA1";
inline constexpr std::size_t MaxSkills = 12;
inline constexpr std::size_t MaxNameBytes = 60;

struct Decoded {
    std::optional<TPet> beast;  // set when the code is good
    std::string error;          // otherwise what is wrong, in Chinese
};

// The name of the catalogue line whose template fields the beast carries,
// or "" when none does.
std::string TemplateOf(const TPet& beast);

// What keeps `beast` from being shared, or "" when nothing does: a
// template outside the catalogue, a name too long or with control
// characters, a level or a point outside the rules, a skill outside the
// vocabulary, more than MaxSkills skills or one twice, a certified skill
// that is no attack spell or also in the list.
std::string Problem(const TPet& beast);

// The code of `beast`. Precondition: Problem(beast) is "".
std::string Encode(const TPet& beast);

// Reads a code (spaces and line breaks around it are ignored) into a beast
// with `catalogue`. Never throws; any text gives either a beast or an error.
Decoded Decode(const std::string& text, const std::vector<std::string>& catalogue);

// CRC-32 (IEEE 802.3) of `bytes`.
uint32_t Crc32(const std::string& bytes);

}  // namespace BeastCode
