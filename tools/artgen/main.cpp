// artgen: renders every picture of data/art from the game-icons.net set.
//
//   artgen --icons .../@iconify-json/game-icons/icons.json [--out DIR]
//          [--contact-sheet DIR] [--preview DIR icon...]
//
// Without --out the pictures go to the source tree's data/art.

#include "Backdrop.h"
#include "BeastPictures.h"
#include "ContactSheet.h"
#include "Credits.h"
#include "Emblems.h"
#include "IconSet.h"
#include "Mapping.h"
#include "Paint.h"
#include "SkillIcons.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "artgen: %s\n", qPrintable(message));
    return 1;
}

// JPEGs get Huffman tables fitted to each picture: the same pixels in a
// smaller file, which the program decodes faster.
bool save(const QImage& image, const QString& path, const char* format, int quality = -1)
{
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    writer.setOptimizedWrite(qstrcmp(format, "JPEG") == 0);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
    return false;
}

// A sheet of raw icons at 96 px with their names, for choosing motifs.
bool preview(IconSet& icons, const QStringList& names, const QString& dir)
{
    const int cols = 8, cell = 120;
    const int rows = (static_cast<int>(names.size()) + cols - 1) / cols;
    QImage out(cols * cell, rows * cell, QImage::Format_RGB32);
    out.fill(QColor("#f6ecd2"));
    QPainter p(&out);
    QFont f;
    f.setPixelSize(11);
    p.setFont(f);
    for (int i = 0; i < names.size(); ++i) {
        QString why;
        const int x = (i % cols) * cell, y = (i / cols) * cell;
        p.setPen(Qt::black);
        if (!icons.usable(names[i], &why)) {
            p.drawText(QRect(x, y, cell, cell), Qt::AlignCenter | Qt::TextWordWrap, why);
            continue;
        }
        p.drawImage(x + 12, y + 2, Paint::tinted(icons.mask(names[i], 96), QColor("#202830")));
        p.drawText(QRect(x, y + 98, cell, 20), Qt::AlignCenter, names[i]);
    }
    p.end();
    QDir().mkpath(dir);
    return save(out, dir + QStringLiteral("/preview.png"), "PNG");
}

// The file name of a picture at the given scale: "beast_00.jpg" at 1,
// "beast_00@2x.jpg" at 2.
QString named(const QString& dir, const QString& base, const char* extension, int scale)
{
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    return QStringLiteral("%1/%2%3.%4").arg(dir, base, suffix, QLatin1String(extension));
}

bool writePictures(IconSet& icons, const QList<ArtEntry>& skills, const QList<ArtEntry>& beasts, const QString& out,
                   int scale)
{
    // One file per icon, so the program decodes only the icons it draws. The
    // icons are opaque; JPEG decodes in less than half the time of PNG, and
    // at this quality the difference cannot be seen.
    bool ok = true;
    SkillIcons skillIcons(icons);
    const QList<QImage> skillImages = skillIcons.all(skills);
    for (int k = 0; k < skillImages.size(); ++k)
        ok = save(skillImages[k],
                  named(out + QStringLiteral("/skills"), QStringLiteral("%1").arg(k, 2, 10, QChar(u'0')), "jpg", scale),
                  "JPEG", 95)
            && ok;
    BeastPictures pictures(icons);
    for (const ArtEntry& b : beasts)
        ok = save(pictures.picture(b),
                  named(out, QStringLiteral("beast_%1").arg(b.index, 2, 10, QChar(u'0')), "jpg", scale), "JPEG", 92)
            && ok;
    Backdrop backdrop(icons);
    ok = save(backdrop.picture(), named(out, QStringLiteral("backdrop"), "jpg", scale), "JPEG", 94) && ok;
    Emblems emblems(icons);
    ok = save(emblems.about(48 * scale), named(out, QStringLiteral("about"), "png", scale), "PNG") && ok;
    // The desktop icon is installed at 256 only.
    if (scale == 1)
        ok = save(emblems.emblem(256), out + QStringLiteral("/app_icon.png"), "PNG") && ok;
    // The window icon: small enough to decode at start-up in next to no time.
    ok = save(emblems.emblem(64 * scale), named(out, QStringLiteral("app_icon_64"), "png", scale), "PNG") && ok;
    const QMap<QString, QImage> buttons = Emblems::buttons(scale);
    for (auto it = buttons.begin(); it != buttons.end(); ++it)
        ok = save(it.value(), named(out, it.key(), "png", scale), "PNG") && ok;
    return ok;
}

// CREDITS.md beside the pictures: every icon used, its author and licence.
bool writeCredits(const IconSet& icons, const QString& out, QString* error)
{
    QFile credits(out + QStringLiteral("/CREDITS.md"));
    if (!credits.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        *error = QStringLiteral("cannot write %1").arg(credits.fileName());
        return false;
    }
    credits.write(Credits::text(icons.used()).toUtf8());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the simulator's artwork."));
    parser.addHelpOption();
    const QString source = QStringLiteral(ARTGEN_SOURCE_DIR);
    QCommandLineOption iconsOpt(QStringLiteral("icons"), QStringLiteral("The iconify icons.json of game-icons."),
                                QStringLiteral("file"));
    QCommandLineOption authorsOpt(QStringLiteral("authors"), QStringLiteral("Icon -> author list."),
                                  QStringLiteral("file"), source + QStringLiteral("/game-icons-authors.tsv"));
    QCommandLineOption mappingOpt(QStringLiteral("mapping"), QStringLiteral("Picture -> icons and colours."),
                                  QStringLiteral("file"), source + QStringLiteral("/mapping.tsv"));
    QCommandLineOption outOpt(QStringLiteral("out"), QStringLiteral("Where the pictures go."), QStringLiteral("dir"),
                              source + QStringLiteral("/../../data/art"));
    QCommandLineOption sheetOpt(QStringLiteral("contact-sheet"),
                                QStringLiteral("Also write contact sheets of the finished pictures here."),
                                QStringLiteral("dir"));
    QCommandLineOption previewOpt(QStringLiteral("preview"),
                                  QStringLiteral("Only draw the icons named as arguments into dir/preview.png."),
                                  QStringLiteral("dir"));
    parser.addOptions({iconsOpt, authorsOpt, mappingOpt, outOpt, sheetOpt, previewOpt});
    parser.process(app);
    if (!parser.isSet(iconsOpt))
        return fail(QStringLiteral("--icons is required (see tools/artgen/README.md)"));

    QString error;
    IconSet icons;
    if (!icons.load(parser.value(iconsOpt), parser.value(authorsOpt), &error))
        return fail(error);
    if (parser.isSet(previewOpt))
        return preview(icons, parser.positionalArguments(), parser.value(previewOpt)) ? 0 : 1;

    Mapping mapping;
    if (!mapping.load(parser.value(mappingOpt), &error))
        return fail(error);
    const QList<ArtEntry> skills = mapping.entries(QStringLiteral("skill"), SkillIcons::Count, &error);
    const QList<ArtEntry> beasts = skills.isEmpty() ? skills : mapping.entries(QStringLiteral("beast"), 24, &error);
    if (beasts.isEmpty())
        return fail(error);

    const QString out = QDir::cleanPath(parser.value(outOpt));
    QDir().mkpath(out + QStringLiteral("/skills"));
    bool ok = true;
    // Every picture at 1x and, as its "@2x" twin, painted again from the
    // same sources at twice the pixels for screens of device pixel ratio 2.
    for (const int scale : {1, 2}) {
        icons.setScale(scale);
        ok = writePictures(icons, skills, beasts, out, scale) && ok;
    }
    icons.setScale(1);

    if (!writeCredits(icons, out, &error))
        return fail(error);
    if (ok && parser.isSet(sheetOpt) && !ContactSheet::write(out, parser.value(sheetOpt), skills, beasts, &error))
        return fail(error);
    return ok ? 0 : 1;
}
