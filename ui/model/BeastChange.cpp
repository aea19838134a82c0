#include "ui/model/BeastChange.h"

unsigned BeastChange::PartsFor(Kind kind)
{
    switch (kind) {
    case Kind::Roll:
    case Kind::RollSearch:
    case Kind::Undo:
    case Kind::Redo:
    case Kind::Custom:
    case Kind::Recall:
        return AllParts;
    case Kind::Book:
    case Kind::Certify:
        return Skills;
    case Kind::Correction:
        return Points | Attributes;
    case Kind::NoBook:
    case Kind::Stable:
        break;
    }
    return NoPart;
}
