#include "ui/store/StoredBeast.h"

#include <QDateTime>
#include <QStringList>

#include "engine/pet.h"
#include "ui/model/BeastCode.h"
#include "ui/store/BeastJson.h"

StoredBeast StoredBeast::Of(const TPet& beast, const QString& grade, const BookRecord::BeastCounters& counters)
{
    StoredBeast row;
    row.changed = QDateTime::currentMSecsSinceEpoch();
    const std::string kind = BeastCode::TemplateOf(beast);
    row.templateName = QString::fromStdString(kind.empty() ? beast.Name : kind);
    row.grade = grade;
    QStringList skills;
    for (const std::string& skill : beast.Skills)
        skills << QString::fromStdString(skill);
    row.skills = skills.join(QStringLiteral("、"));
    row.skillCount = static_cast<int>(beast.Skills.size());
    row.counters = counters;
    row.beast = BeastJson::Write(beast);
    return row;
}
