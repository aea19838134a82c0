#pragma once
// One beast as the store keeps it: a history entry (every beast of every
// run, newest last) or a kept one in the stable, with the columns the lists
// show and the beast itself, whole, as JSON.

#include <QByteArray>
#include <QString>

#include "ui/model/BookRecord.h"

class TPet;

struct StoredBeast {
    qint64 id = 0;       // the row's id in its table; 0 before it is stored
    qint64 run = 0;      // history: the run it was seen in (runs count from 1)
    qint64 changed = 0;  // milliseconds since the epoch of its last change
    QString templateName;
    QString grade;      // "极品", "优秀", "普通" or "不评级"
    QString skills;     // "必杀、连击"
    int skillCount = 0;
    BookRecord::BeastCounters counters;
    QByteArray beast;  // BeastJson of the beast
    QString name;      // stable: the name it is kept under
    QString note;      // stable: the player's note

    // A row for `beast` as it stands now.
    static StoredBeast Of(const TPet& beast, const QString& grade, const BookRecord::BeastCounters& counters);
};
