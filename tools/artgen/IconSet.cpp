#include "IconSet.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

bool IconSet::load(const QString& iconsJson, const QString& authorsTsv, QString* error)
{
    QFile json(iconsJson);
    if (!json.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(iconsJson);
        return false;
    }
    const QJsonObject root = QJsonDocument::fromJson(json.readAll()).object();
    const QJsonObject icons = root.value(QStringLiteral("icons")).toObject();
    if (icons.isEmpty()) {
        *error = QStringLiteral("%1 holds no icons").arg(iconsJson);
        return false;
    }
    for (auto it = icons.begin(); it != icons.end(); ++it)
        m_bodies.insert(it.key(), it.value().toObject().value(QStringLiteral("body")).toString());

    QFile tsv(authorsTsv);
    if (!tsv.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(authorsTsv);
        return false;
    }
    QTextStream in(&tsv);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(u'#') || line.startsWith(QStringLiteral("icon\t")))
            continue;
        const QStringList f = line.split(u'\t');
        if (f.size() == 2)
            m_authors.insert(f[0], f[1]);
    }
    return true;
}

bool IconSet::usable(const QString& name, QString* why) const
{
    auto fail = [why](const QString& text) {
        if (why)
            *why = text;
        return false;
    };
    if (!m_bodies.contains(name))
        return fail(QStringLiteral("no icon named '%1'").arg(name));
    const QString who = m_authors.value(name);
    // Without a known author the licence cannot be honoured.
    if (who.isEmpty() || who == u'?' || who == QStringLiteral("various-artists"))
        return fail(QStringLiteral("icon '%1' has no creditable author").arg(name));
    return true;
}

QImage IconSet::mask(const QString& name, int size)
{
    QString why;
    if (!usable(name, &why)) {
        std::fprintf(stderr, "artgen: %s\n", qPrintable(why));
        std::exit(2);
    }
    m_used.insert(name);
    QString body = m_bodies.value(name);
    body.replace(QStringLiteral("currentColor"), QStringLiteral("#ffffff"));
    const QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                       "viewBox=\"0 0 512 512\">%1</svg>")
                            .arg(body);
    QSvgRenderer renderer(svg.toUtf8());
    QImage image(size * m_scale, size * m_scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(0, 0, size * m_scale, size * m_scale));
    p.end();
    image.setDevicePixelRatio(m_scale);
    return image;
}

QMap<QString, QString> IconSet::used() const
{
    QMap<QString, QString> out;
    for (const QString& name : m_used)
        out.insert(name, m_authors.value(name));
    return out;
}
