#pragma once
// What one user action did to the current beast, as its views hear of it:
// the kind of action, its book or skill, the beast before it and the beast
// after it, what a book did, and the record's counters and new lines once
// the record has noted it. Built once by the session; read-only for views.

#include <string>
#include <vector>

#include "engine/pet.h"
#include "ui/model/BookRecord.h"
#include "ui/model/RecordText.h"
#include "ui/model/RollGrade.h"

struct BeastChange {
    enum class Kind {
        Roll,        // a beast button (or the start-up roll): a new beast of a template
        RollSearch,  // "洗到满意为止": the roll kept from many of a template
        Undo,        // "撤销": the beast as it was before an earlier change (name: that change)
        Redo,        // "重做": the beast as it was after it
        Book,        // "打书" with a chosen book (added, overwrote or refused)
        NoBook,      // "打书" with no book chosen: nothing changed
        Certify,     // a pick in the certification chooser
        Correction,  // "提交" in the correction dialog
        Custom,      // "提交" in the full custom dialog
        Recall,      // "取回", "继续上次", "粘贴代码": an earlier or shared beast is the beast again (detail: the line)
        Stable,      // "收藏", a rename or a deletion in the stable: the beast is unchanged (detail: what was done)
    };
    // The panel parts a kind of change redraws, in this order: every part
    // for a new or hand-built beast, the skill slots for a book or a
    // certification, the points and attributes for a correction, nothing
    // when no book was chosen.
    enum Part : unsigned {
        NoPart = 0,
        Picture = 1u << 0,
        Aptitudes = 1u << 1,
        Points = 1u << 2,
        Attributes = 1u << 3,
        Skills = 1u << 4,
        AllParts = Picture | Aptitudes | Points | Attributes | Skills,
    };
    static unsigned PartsFor(Kind kind);

    Kind kind = Kind::NoBook;
    std::string name;                    // the template, the book or the certified skill
    std::string detail;                  // RollSearch: how the search ended; Recall, Stable: the line
    TPet before{{}};                     // the beast before the action
    TPet after{{}};                      // the beast after it
    BookOutcome outcome;                 // for Book: what the book did to the slots
    BookRecord::BeastCounters counters;  // the beast's book counters, this action included
    BookRecord::RunCounters run;         // the run's counters, this action included
    std::vector<std::string> lines;      // the lines this action added to the record
    // The grade of the roll the beast is, kept while books and certification
    // change only its skills; not Valid (不评级) once a correction or the full
    // custom dialog changed it.
    RollGrade::Result grade;
};
