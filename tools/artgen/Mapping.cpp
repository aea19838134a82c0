#include "Mapping.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>

bool Mapping::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    QTextStream in(&file);
    int lineNo = 0;
    bool header = true;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNo;
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        if (header) {
            header = false;
            continue;
        }
        QStringList f = line.split(u'\t');
        while (f.size() < 7)
            f.append(QString());
        ArtEntry e;
        e.kind = f[0].trimmed();
        bool ok = false;
        e.index = f[1].toInt(&ok);
        e.name = f[2].trimmed();
        for (const QString& icon : f[3].split(u',', Qt::SkipEmptyParts))
            e.icons.append(icon.trimmed());
        for (const QString& c : f[4].split(u',', Qt::SkipEmptyParts)) {
            const QColor colour = QColor::fromString(c.trimmed());
            if (!colour.isValid()) {
                *error = QStringLiteral("%1:%2: bad colour '%3'").arg(path).arg(lineNo).arg(c);
                return false;
            }
            e.colours.append(colour);
        }
        e.corner = f[5].trimmed();
        e.scene = f[6].trimmed();
        if (!ok || e.name.isEmpty() || e.icons.isEmpty()) {
            *error = QStringLiteral("%1:%2: needs an index, a name and an icon").arg(path).arg(lineNo);
            return false;
        }
        m_rows.append(e);
    }
    return true;
}

QList<ArtEntry> Mapping::entries(const QString& kind, int expectedCount, QString* error) const
{
    QList<ArtEntry> out;
    for (const ArtEntry& e : m_rows)
        if (e.kind == kind)
            out.append(e);
    std::sort(out.begin(), out.end(), [](const ArtEntry& a, const ArtEntry& b) { return a.index < b.index; });
    bool ok = out.size() == expectedCount;
    for (int i = 0; ok && i < out.size(); ++i)
        ok = out[i].index == i;
    if (!ok) {
        *error = QStringLiteral("mapping needs %1 rows of kind '%2' numbered 0..%3")
                     .arg(expectedCount)
                     .arg(kind)
                     .arg(expectedCount - 1);
        return {};
    }
    return out;
}
