#include "ContactSheet.h"

#include "Paint.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>

namespace {

QFont labelFont(int px)
{
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei")});
    f.setPixelSize(px);
    return f;
}

QImage skillSheet(const QImage& strip, const QList<ArtEntry>& skills, int scale)
{
    const int cols = 10, icon = 40 * scale, cellW = icon + 24, cellH = icon + 22;
    const int count = static_cast<int>(skills.size()) + 1;
    QImage out(cols * cellW + 8, (count + cols - 1) / cols * cellH + 8, QImage::Format_RGB32);
    out.fill(QColor("#f6ecd2"));
    QPainter p(&out);
    p.setFont(labelFont(scale == 1 ? 10 : 13));
    for (int k = 0; k < count; ++k) {
        const int x = 8 + (k % cols) * cellW, y = 8 + (k / cols) * cellH;
        const QImage one = strip.copy(k * 40, 0, 40, 40);
        p.drawImage(QRect(x + 12, y, icon, icon),
                    one.scaled(icon, icon, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        const QString name =
            k < skills.size() ? QStringLiteral("%1 %2").arg(k).arg(skills[k].name) : QStringLiteral("88 frame");
        p.setPen(Qt::black);
        p.drawText(QRect(x, y + icon, cellW, 20), Qt::AlignHCenter | Qt::AlignTop, name);
    }
    return out;
}

// suffix "" shows the 1x pictures, "@2x" their twins.
QImage beastSheet(const QString& artDir, const QList<ArtEntry>& beasts, const QString& suffix)
{
    const int k = suffix.isEmpty() ? 1 : 2;
    const int cols = 6, cellW = 197 * k + 8, cellH = 178 * k + 22;
    const int rows = (static_cast<int>(beasts.size()) + cols - 1) / cols;
    QImage out(cols * cellW + 8, rows * cellH + 8, QImage::Format_RGB32);
    out.fill(QColor("#f6ecd2"));
    QPainter p(&out);
    p.setFont(labelFont(13));
    for (int i = 0; i < beasts.size(); ++i) {
        const int x = 8 + (i % cols) * cellW, y = 8 + (i / cols) * cellH;
        QImage picture(artDir + QStringLiteral("/beast_%1%2.jpg").arg(i, 2, 10, QChar(u'0')).arg(suffix));
        picture.setDevicePixelRatio(1);
        p.drawImage(x, y, picture);
        p.setPen(Qt::black);
        p.drawText(QRect(x, y + 178 * k, 197 * k, 20), Qt::AlignCenter,
                   QStringLiteral("%1 %2").arg(i).arg(beasts[i].name));
    }
    return out;
}

// The backdrop dressed as the program shows it, to check that texts stay
// readable and icons sit exactly in their cells.
QImage panelSheet(const QString& artDir, const QImage& strip)
{
    QImage out(artDir + QStringLiteral("/backdrop.jpg"));
    out = out.convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    p.drawImage(1, 21, QImage(artDir + QStringLiteral("/beast_05.jpg")));
    QFont f;
    f.setFamilies({QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
    f.setPixelSize(14);
    p.setFont(f);
    p.setPen(Qt::black);
    const char* right[] = {"攻击资质", "防御资质", "体力资质", "法力资质", "速度资质",
                           "躲闪资质", "寿命",     "成长",     "五行"};
    const int rightY[] = {32, 54, 76, 98, 120, 143, 168, 191, 214};
    const char* rightV[] = {"1440", "1440", "4560", "2632", "1380", "1440", "7299", "1.23", "木"};
    for (int i = 0; i < 9; ++i) {
        p.drawText(306, rightY[i] + 12, QString::fromUtf8(right[i]));
        p.drawText(376, rightY[i] + 12, QString::fromUtf8(rightV[i]));
    }
    p.drawText(18, 220, QStringLiteral("名称"));
    p.drawText(60, 220, QStringLiteral("芙蓉仙子"));
    p.drawText(176, 220, QStringLiteral("等级"));
    p.drawText(216, 220, QStringLiteral("0"));
    const char* left[] = {"气血", "魔法", "攻击", "防御", "速度", "灵力"};
    const char* leftV[] = {"3456/3456", "1520/1520", "512", "410", "233", "301"};
    const char* mid[] = {"体质", "法力", "力量", "耐力", "敏捷", "潜能"};
    for (int i = 0; i < 6; ++i) {
        const int y = 232 + 24 * i + 12;
        p.drawText(18, y, QString::fromUtf8(left[i]));
        p.drawText(60, y, QString::fromUtf8(leftV[i]));
        p.drawText(165, y, QString::fromUtf8(mid[i]));
        p.drawText(205, y, QStringLiteral("20"));
    }
    // Eleven skills from all three lists, then a certified spell in slot 12.
    const int shown[] = {0, 8, 31, 35, 43, 58, 70, 74, 84, 86, 21, 61};
    for (int s = 0; s < 12; ++s)
        p.drawImage(265 + 42 * (s % 4), 240 + 42 * (s / 4), strip.copy(shown[s] * 40, 0, 40, 40));
    const QImage frame = strip.copy(88 * 40, 0, 40, 40);
    const QPoint slot12(265 + 42 * 3, 240 + 42 * 2);
    for (QRect r : {QRect(0, 0, 40, 3), QRect(0, 0, 3, 40), QRect(0, 37, 40, 3), QRect(37, 0, 3, 40)})
        p.drawImage(slot12 + r.topLeft(), frame, r);
    p.end();
    return out.scaled(out.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// An "@2x" file as plain pixels: Qt reads such a name with device pixel
// ratio 2 and would draw it at half its size.
QImage pixels(const QString& path)
{
    QImage image(path);
    image.setDevicePixelRatio(1);
    return image;
}

QImage smallSheet(const QString& artDir)
{
    QImage out(700, 300, QImage::Format_RGB32);
    out.fill(QColor("#ece4d4"));
    QPainter p(&out);
    p.setFont(labelFont(12));
    // Each glyph at 1x and 2x on a gold button face, then its 2x twin at 4x.
    const char* names[] = {"btn_commit", "btn_close", "btn_ok", "btn_up", "btn_down", "btn_add", "btn_remove"};
    for (int i = 0; i < 7; ++i) {
        const QImage icon(artDir + QStringLiteral("/%1.png").arg(QLatin1String(names[i])));
        const QImage twin = pixels(artDir + QStringLiteral("/%1@2x.png").arg(QLatin1String(names[i])));
        const int x = 10 + i * 98;
        p.fillRect(QRect(x, 4, 22, 62), Paint::vertical(QColor("#f7e4b0"), QColor("#c99d4e"), 4, 66));
        p.drawImage(x + 3, 8, icon);
        p.drawImage(x - 5, 30, twin);
        p.drawImage(QRect(x + 26, 2, 64, 64), twin.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        p.setPen(Qt::black);
        p.drawText(QRect(x, 76, 98, 16), Qt::AlignLeft, QLatin1String(names[i]));
    }
    const QImage about(artDir + QStringLiteral("/about.png"));
    p.drawImage(10, 110, about);
    p.drawImage(QRect(70, 110, 144, 144), about.scaled(144, 144, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    const QImage app(artDir + QStringLiteral("/app_icon.png"));
    p.drawImage(QRect(240, 110, 180, 180), app.scaled(180, 180, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    for (int s : {16, 24, 32})
        p.drawImage(430 + (s - 16) * 4, 110, app.scaled(s, s, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return out;
}

}  // namespace

bool ContactSheet::write(const QString& artDir, const QString& outDir, const QList<ArtEntry>& skills,
                         const QList<ArtEntry>& beasts, QString* error)
{
    QDir().mkpath(outDir);
    // The sheets show the icons as the program decodes them, side by side.
    QImage strip(40 * (static_cast<int>(skills.size()) + 1), 40, QImage::Format_RGB32);
    QPainter p(&strip);
    for (int k = 0; k <= skills.size(); ++k) {
        const QString path = artDir + QStringLiteral("/skills/%1.jpg").arg(k, 2, 10, QChar(u'0'));
        const QImage icon(path);
        if (icon.isNull()) {
            *error = QStringLiteral("no %1").arg(path);
            return false;
        }
        p.drawImage(40 * k, 0, icon);
    }
    p.end();
    const bool ok = skillSheet(strip, skills, 1).save(outDir + QStringLiteral("/skills_1x.png"))
        && skillSheet(strip, skills, 3).save(outDir + QStringLiteral("/skills_3x.png"))
        && beastSheet(artDir, beasts, QString()).save(outDir + QStringLiteral("/beasts.png"))
        && beastSheet(artDir, beasts, QStringLiteral("@2x")).save(outDir + QStringLiteral("/beasts_2x.png"))
        && panelSheet(artDir, strip).save(outDir + QStringLiteral("/panel.png"))
        && smallSheet(artDir).save(outDir + QStringLiteral("/small.png"));
    if (!ok)
        *error = QStringLiteral("cannot write the sheets to %1").arg(outDir);
    return ok;
}
