#include "BeastPictures.h"

#include "IconSet.h"
#include "Paint.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>

namespace {

// Everything is painted at twice the size and scaled down once, which gives
// the soft edges of a painted picture.
constexpr int S = 2;
constexpr int W = BeastPictures::Width * S;
constexpr int H = BeastPictures::Height * S;
constexpr qreal GroundY = 150 * S;

struct Palette {
    QColor skyTop, skyBottom, glyphTop, glyphBottom, accent, glow;
};

Palette paletteOf(const ArtEntry& e)
{
    Palette p;
    p.skyTop = e.colours.value(0, QColor("#9cc8e8"));
    p.skyBottom = e.colours.value(1, QColor("#f4e8c8"));
    p.glyphTop = e.colours.value(2, QColor("#ffffff"));
    p.glyphBottom = e.colours.value(3, QColor("#8090a0"));
    p.accent = e.colours.value(4, QColor("#ffd060"));
    p.glow = e.colours.value(5, Paint::mix(p.skyBottom, Qt::white, 0.6));
    return p;
}

bool has(const ArtEntry& e, const char* word)
{
    return e.scene.split(u' ', Qt::SkipEmptyParts).contains(QLatin1String(word));
}

void drawHills(QPainter& p, const QColor& colour, qreal base, qreal amplitude, qreal phase, qreal wavelength)
{
    QPainterPath path(QPointF(0, H));
    for (int x = 0; x <= W; x += 4) {
        const qreal y = base
            - amplitude
                * (0.6 * std::sin(x / wavelength + phase) + 0.4 * std::sin(x / (wavelength * 0.43) + phase * 2.1));
        path.lineTo(x, y);
    }
    path.lineTo(W, H);
    path.closeSubpath();
    p.fillPath(path, colour);
}

void drawCloud(QPainter& p, QPointF c, qreal size, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const QPointF puffs[] = {{-1.0, 0.1}, {-0.45, -0.35}, {0.15, -0.5}, {0.7, -0.2}, {1.1, 0.15}, {0, 0.2}};
    const qreal radii[] = {0.45, 0.55, 0.65, 0.5, 0.38, 0.55};
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(c + puffs[i] * size, radii[i] * size, radii[i] * size * 0.8);
}

void drawSky(QPainter& p, const ArtEntry& e, const Palette& pal, QRandomGenerator& rng)
{
    p.fillRect(0, 0, W, H, Paint::vertical(pal.skyTop, pal.skyBottom, 0, GroundY));

    if (has(e, "stars")) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 60; ++i) {
            const qreal x = rng.bounded(W), y = rng.bounded(int(GroundY * 0.7));
            QColor c(255, 255, 230, 80 + rng.bounded(150));
            p.setBrush(c);
            p.drawEllipse(QPointF(x, y), 0.8 + rng.bounded(1.6), 0.8 + rng.bounded(1.6));
        }
    }
    if (has(e, "moon")) {
        QRadialGradient halo(QPointF(W * 0.8, H * 0.18), 70);
        halo.setColorAt(0, QColor(255, 250, 220, 150));
        halo.setColorAt(1, QColor(255, 250, 220, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(QPointF(W * 0.8, H * 0.18), 70, 70);
        p.setBrush(QColor("#fff6d0"));
        p.drawEllipse(QPointF(W * 0.8, H * 0.18), 24, 24);
    }
    if (has(e, "sun")) {
        QRadialGradient halo(QPointF(W * 0.5, H * 0.42), W * 0.5);
        halo.setColorAt(0, QColor(255, 246, 200, 200));
        halo.setColorAt(1, QColor(255, 246, 200, 0));
        p.fillRect(0, 0, W, H, halo);
    }
    if (has(e, "rays")) {
        p.save();
        p.translate(W * 0.5, H * 0.45);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 18; ++i) {
            p.rotate(20);
            QPainterPath ray;
            ray.moveTo(0, 0);
            ray.lineTo(-14, -W);
            ray.lineTo(14, -W);
            ray.closeSubpath();
            p.fillPath(ray, QColor(255, 255, 230, 34));
        }
        p.restore();
    }
    // The glow behind the creature lifts it from the background.
    QRadialGradient glow(QPointF(W * 0.5, H * 0.48), W * 0.42);
    QColor g = pal.glow;
    g.setAlpha(170);
    glow.setColorAt(0, g);
    g.setAlpha(0);
    glow.setColorAt(1, g);
    p.fillRect(0, 0, W, H, glow);

    if (has(e, "clouds")) {
        for (int i = 0; i < 4; ++i) {
            const QPointF c(rng.bounded(W), 30 + rng.bounded(int(H * 0.4)));
            drawCloud(p, c, 22 + rng.bounded(18), QColor(255, 255, 255, 90));
        }
    }
}

void drawGround(QPainter& p, const ArtEntry& e, const Palette& pal, QRandomGenerator& rng)
{
    const QColor far = Paint::mix(pal.skyBottom, pal.skyTop, 0.45);
    const QColor near = Paint::mix(pal.skyBottom, Qt::black, 0.25);
    if (has(e, "mountains")) {
        drawHills(p, Paint::mix(far, Qt::white, 0.2), GroundY - 60, 40, rng.bounded(6.0), 30);
        drawHills(p, far, GroundY - 28, 26, rng.bounded(6.0), 40);
    } else if (!has(e, "waves")) {
        drawHills(p, far, GroundY - 26, 18, rng.bounded(6.0), 55);
    }
    if (has(e, "waves")) {
        for (int band = 0; band < 3; ++band) {
            QColor c = Paint::mix(QColor("#2a6a9a"), QColor("#bfe6f5"), 0.5 - band * 0.2);
            drawHills(p, c, GroundY - 20 + band * 16, 6, band * 1.7, 9);
        }
    } else if (has(e, "flames")) {
        for (int band = 0; band < 2; ++band) {
            QColor c = band == 0 ? QColor(255, 150, 40, 200) : QColor(200, 40, 10, 230);
            drawHills(p, c, GroundY - 10 + band * 14, 16 - band * 6, band * 2.3, 7);
        }
    }
    // The ground the creature stands on.
    QLinearGradient floor(0, GroundY - 6, 0, H);
    floor.setColorAt(0, Paint::mix(near, pal.skyBottom, 0.3));
    floor.setColorAt(1, Paint::mix(near, Qt::black, 0.35));
    QPainterPath ground(QPointF(0, H));
    for (int x = 0; x <= W; x += 4)
        ground.lineTo(x, GroundY + 4 * std::sin(x / 37.0) + (has(e, "waves") ? 14 : 0));
    ground.lineTo(W, H);
    ground.closeSubpath();
    if (!has(e, "waves"))
        p.fillPath(ground, floor);
    if (has(e, "mist")) {
        for (int i = 0; i < 5; ++i)
            drawCloud(p, QPointF(rng.bounded(W), GroundY - 10 + rng.bounded(30)), 30 + rng.bounded(20),
                      QColor(255, 255, 255, 70));
    }
}

// A bank of cloud under the figure, in front of it, for the creatures that
// ride or tread the clouds.
void drawCloudBank(QPainter& p, const Palette& pal)
{
    const QColor edge = Paint::mix(pal.skyTop, Qt::black, 0.35);
    const QColor body = Paint::mix(Qt::white, pal.skyBottom, 0.25);
    const QPointF puffs[] = {{-62, 6}, {-36, -8}, {-8, -14}, {22, -10}, {50, -4}, {72, 8}, {-20, 10}, {30, 10}};
    const qreal radii[] = {20, 24, 26, 25, 22, 16, 22, 22};
    for (int pass = 0; pass < 2; ++pass) {
        p.setPen(Qt::NoPen);
        p.setBrush(pass == 0 ? edge : body);
        for (int i = 0; i < 8; ++i) {
            const qreal r = (radii[i] + (pass == 0 ? 2.0 : 0.0)) * S;
            p.drawEllipse(QPointF(W * 0.5, GroundY + 12 * S) + puffs[i] * S, r * 1.15, r * 0.7);
        }
        // The bank runs on past the lower edge, so no gap between puffs shows there.
        if (pass == 1)
            p.drawRect(QRectF(W * 0.5 - 60 * S, GroundY + 14 * S, 125 * S, H));
    }
    // A brighter crest on every puff gives the bank its volume.
    p.setBrush(QColor(255, 255, 255, 150));
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(W * 0.5, GroundY + 7 * S) + puffs[i] * S, radii[i] * S * 0.7, radii[i] * S * 0.35);
}

void drawShadow(QPainter& p)
{
    QRadialGradient shadow(QPointF(W * 0.5, GroundY + 12), W * 0.36);
    shadow.setColorAt(0, QColor(0, 0, 0, 130));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(W * 0.5, GroundY + 12);
    p.scale(1.0, 0.2);
    p.translate(-W * 0.5, -(GroundY + 12));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(W * 0.5, GroundY + 12), W * 0.36, W * 0.36);
    p.restore();
}

void drawVignette(QPainter& p)
{
    QRadialGradient v(QPointF(W * 0.5, H * 0.45), W * 0.75);
    v.setColorAt(0.6, QColor(0, 0, 0, 0));
    v.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillRect(0, 0, W, H, v);
}

// Faint brush marks give the flat gradients a painted grain.
void drawGrain(QPainter& p, QRandomGenerator& rng)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 140; ++i) {
        const bool light = rng.bounded(2) == 0;
        p.setBrush(light ? QColor(255, 255, 255, 10) : QColor(0, 0, 0, 10));
        const QPointF c(rng.bounded(W), rng.bounded(H));
        p.save();
        p.translate(c);
        p.rotate(rng.bounded(40) - 20);
        p.drawEllipse(QPointF(0, 0), 10 + rng.bounded(24), 2 + rng.bounded(5));
        p.restore();
    }
}

// Where an accessory icon goes, in picture pixels at the painting scale.
struct Placement {
    QPointF centre;
    qreal size = 0;
    enum Layer { Behind, Front } layer = Behind;
    enum Look { Accessory, Halo, Cloud, Figure } look = Accessory;
};

// The placement words of a beast row's corner column (see mapping.tsv); an
// "x:y:size" triple, in fractions of the picture width and height, puts a
// part of the creature itself (a head, a limb) where the word list cannot.
bool placementOf(const QString& word, Placement* out)
{
    const qreal side = 62 * S;
    const qreal sideY = GroundY + 8 * S - side / 2;
    if (word == QLatin1String("right"))
        *out = {QPointF(W - 6 * S - side / 2, sideY), side, Placement::Behind, Placement::Accessory};
    else if (word == QLatin1String("left"))
        *out = {QPointF(6 * S + side / 2, sideY), side, Placement::Behind, Placement::Accessory};
    else if (word == QLatin1String("top-right"))
        *out = {QPointF(W - 8 * S - 26 * S, 34 * S), 52 * S, Placement::Behind, Placement::Accessory};
    else if (word == QLatin1String("top-left"))
        *out = {QPointF(8 * S + 26 * S, 34 * S), 52 * S, Placement::Behind, Placement::Accessory};
    else if (word == QLatin1String("hand"))
        *out = {QPointF(W - 44 * S, GroundY - 58 * S), 66 * S, Placement::Front, Placement::Accessory};
    else if (word == QLatin1String("behind"))
        *out = {QPointF(W / 2.0, GroundY + 10 - 82 * S), 170 * S, Placement::Behind, Placement::Halo};
    else if (word == QLatin1String("below"))
        *out = {QPointF(W / 2.0, GroundY - 4 * S), 118 * S, Placement::Front, Placement::Cloud};
    else {
        const QStringList f = word.split(u':');
        bool okX = false, okY = false, okS = false;
        if (f.size() != 3)
            return false;
        *out = {QPointF(f[0].toDouble(&okX) * W, f[1].toDouble(&okY) * H), f[2].toDouble(&okS) * W, Placement::Front,
                Placement::Figure};
        return okX && okY && okS;
    }
    return true;
}

// One icon of the picture, coloured by its look: the creature in its own
// gradient, accessories in the accent colour, a halo as a faint glow, a
// cloud in white.
void drawPart(QPainter& p, IconSet& icons, const QString& icon, const Placement& at, const Palette& pal)
{
    const int size = int(at.size);
    const QImage m = icons.mask(icon, size);
    const QPointF topLeft = at.centre - QPointF(size / 2.0, size / 2.0);
    QLinearGradient g(0, 0, size * 0.3, size);
    switch (at.look) {
    case Placement::Figure:
        g.setColorAt(0, pal.glyphTop);
        g.setColorAt(1, pal.glyphBottom);
        Paint::drawGlyph(p, topLeft, m, g, Paint::mix(pal.glyphBottom, Qt::black, 0.75), 1.6 * S, QColor(0, 0, 0, 120),
                         QPointF(4, 5) * S, 5 * S);
        break;
    case Placement::Accessory:
        g.setFinalStop(0, size);
        g.setColorAt(0, Paint::mix(pal.accent, Qt::white, 0.45));
        g.setColorAt(1, pal.accent);
        Paint::drawGlyph(p, topLeft, m, g, Paint::mix(pal.accent, Qt::black, 0.7), 2.0 * S, QColor(0, 0, 0, 110),
                         QPointF(3, 4) * S, 4 * S);
        break;
    case Placement::Halo: {
        QColor c = Paint::mix(pal.accent, Qt::white, 0.35);
        c.setAlpha(150);
        Paint::drawGlyph(p, topLeft, m, c, QColor(255, 255, 255, 60), 1.0 * S);
        break;
    }
    case Placement::Cloud:
        g.setFinalStop(0, size);
        g.setColorAt(0, QColor("#ffffff"));
        g.setColorAt(1, Paint::mix(pal.skyBottom, pal.skyTop, 0.35));
        Paint::drawGlyph(p, topLeft, m, g, Paint::mix(pal.skyTop, Qt::black, 0.45), 1.4 * S, QColor(0, 0, 0, 60),
                         QPointF(2, 3) * S, 4 * S);
        break;
    }
}

}  // namespace

QImage BeastPictures::picture(const ArtEntry& beast)
{
    const Palette pal = paletteOf(beast);
    QRandomGenerator rng(quint32(1000 + beast.index));
    const int scale = m_icons.scale();
    QImage big(W * scale, H * scale, QImage::Format_ARGB32_Premultiplied);
    big.setDevicePixelRatio(scale);
    big.fill(Qt::black);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    drawSky(p, beast, pal, rng);
    drawGround(p, beast, pal, rng);
    drawShadow(p);

    QList<Placement> placements;
    const QStringList words = beast.corner.isEmpty() ? QStringList{QStringLiteral("right"), QStringLiteral("left")}
                                                     : beast.corner.split(u',', Qt::SkipEmptyParts);
    for (int i = 1; i < beast.icons.size(); ++i) {
        Placement at;
        if (!placementOf(words.value(i - 1).trimmed(), &at))
            qFatal("artgen: %s: no placement for accessory %s", qPrintable(beast.name), qPrintable(beast.icons[i]));
        placements.append(at);
    }
    const auto drawLayer = [&](Placement::Layer layer) {
        for (int i = 1; i < beast.icons.size(); ++i)
            if (placements[i - 1].layer == layer)
                drawPart(p, m_icons, beast.icons[i], placements[i - 1], pal);
    };
    // Accessories (a fairy's flower, vase or scroll) stand beside the figure,
    // behind it, so the figure stays whole; clouds and held things go in front.
    drawLayer(Placement::Behind);
    const int main = 150 * S;
    drawPart(p, m_icons, beast.icons.first(),
             {QPointF(W / 2.0, GroundY + 10 - main / 2.0), qreal(main), Placement::Front, Placement::Figure}, pal);
    drawLayer(Placement::Front);
    if (has(beast, "cloudbank"))
        drawCloudBank(p, pal);

    drawGrain(p, rng);
    drawVignette(p);
    p.end();
    return big.scaled(Width * scale, Height * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}
