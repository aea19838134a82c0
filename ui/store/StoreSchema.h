#pragma once
// The store's tables, version by version. Version 1 kept the history and the
// settings; version 2 added the stable and each history entry's book
// counters. Upgrade runs every step from a file's version to Current, each
// in the caller's transaction.

#include <QString>

class QSqlDatabase;

namespace StoreSchema {
inline constexpr int Current = 2;
// The tables as version `version` made them, for a new file (and for tests
// of the upgrade path). Returns the first failing statement's error, or "".
QString Create(QSqlDatabase& db, int version);
// Brings a file of version `from` (1 .. Current) up to Current.
QString Upgrade(QSqlDatabase& db, int from);
// The file's version: 0 for a file without tables, -1 when it cannot be read.
int VersionOf(QSqlDatabase& db);
}  // namespace StoreSchema
