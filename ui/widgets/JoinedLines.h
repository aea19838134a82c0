#pragma once
// Lines from the window models (plain C++ strings) as one Qt text.

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

inline QString JoinedLines(const std::vector<std::string>& lines, const QString& separator = QStringLiteral("\n"))
{
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list.join(separator);
}
