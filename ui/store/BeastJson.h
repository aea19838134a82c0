#pragma once
// Every field of a beast but its catalogue as compact JSON, and back: what
// the store keeps. Lossless for any beast (growth keeps every bit), unlike
// the share code, which only carries beasts the rules allow.

#include <QByteArray>

#include <optional>
#include <string>
#include <vector>

#include "engine/pet.h"

namespace BeastJson {
QByteArray Write(const TPet& beast);
// The beast `json` describes, with `catalogue`; nullopt when the text is no
// JSON object or a field is missing or of the wrong type.
std::optional<TPet> Read(const QByteArray& json, const std::vector<std::string>& catalogue);
}  // namespace BeastJson
