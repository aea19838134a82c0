#pragma once
// The full custom dialog's reading of the template and its commit.
//
// The commit reads and checks every field before it writes anything: a text
// that is not a number leaves the beast exactly as it was and names the
// offending text, so that the dialog can report it.

#include <array>
#include <string>
#include <vector>

class TPet;

struct DiyFields {
    std::array<std::string, 7> Aptitudes;  // attack .. dodge, lifespan
    std::string Growth;
    std::string Element;
    std::vector<std::string> Skills;
    bool Certify = false;
    std::string CertifiedSkill;  // used only when Certify is set
};

// What the dialog shows for `beast`: the template maxima in decimal, the last
// growth choice as stored and the innate skills followed by the fixed ones.
// Element and certification are not part of the template and stay empty.
DiyFields TemplateFields(const TPet& beast);

struct DiyCommitResult {
    enum class Failure { None, Integer, Decimal };
    Failure failure = Failure::None;
    std::string offending;  // the text that did not convert
    bool Ok() const { return failure == Failure::None; }
};

// Checks every field (aptitudes as 32-bit whole numbers, growth as a plain
// decimal), and only when all convert writes Aptitudes, Growth, Element,
// Skills and CertifiedSkill and recomputes the attributes for the beast's
// Level. Name, Level, points, Potential and the template are never written.
DiyCommitResult CommitDiy(TPet& beast, const DiyFields& fields);
