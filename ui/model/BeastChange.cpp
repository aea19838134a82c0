#include "ui/model/BeastChange.h"

unsigned BeastChange::PartsFor(Kind kind)
{
    switch (kind) {
    case Kind::Roll:
    case Kind::RollSearch:
    case Kind::Undo:
    case Kind::Redo:
    case Kind::Custom:
        return AllParts;
    case Kind::Book:
    case Kind::Certify:
        return Skills;
    case Kind::Correction:
        return Points | Attributes;
    case Kind::NoBook:
        break;
    }
    return NoPart;
}
