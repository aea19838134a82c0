// The pictures compiled into the program: each one the windows ask for must
// be there, decode and have the size the windows lay out for.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "LeakCheck.h"
#include "ui/widgets/ArtPixmap.h"
#include "ui/widgets/IconList.h"

namespace {

QString skillIconPath(int k)
{
    return QStringLiteral(":/art/skills/%1.jpg").arg(k, 2, 10, QChar(u'0'));
}

const char* const Buttons[] = {"btn_commit", "btn_close", "btn_ok", "btn_up", "btn_down", "btn_add", "btn_remove"};

// ":/art/x.jpg" at scale 1, ":/art/x@2x.jpg" at 2.
QString twinOf(const QString& path, int scale)
{
    return scale == 1 ? path
                      : path.left(path.lastIndexOf(u'.')) + QStringLiteral("@2x") + path.mid(path.lastIndexOf(u'.'));
}

// The mean difference per channel between two pictures of one size, 0..255.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32), y = b.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q))
                + std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * x.width() * x.height());
}

// The data rows of mapping.tsv, split into their columns.
QList<QStringList> mappingRows()
{
    QFile mapping(QStringLiteral(DASHU_SOURCE_DIR "/tools/artgen/mapping.tsv"));
    if (!mapping.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<QStringList> rows;
    bool header = true;
    for (const QString& row : QString::fromUtf8(mapping.readAll()).split(u'\n')) {
        if (row.isEmpty() || row.startsWith(u'#') || std::exchange(header, false))
            continue;
        rows.append(row.split(u'\t'));
    }
    return rows;
}

}  // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNoLeakedWindows(); }
    void jpegDecoderPresent();
    void picture_data();
    void picture();
    void twinShowsTheSamePicture_data();
    void twinShowsTheSamePicture();
    void twinIsPickedAboveRatioOne();
    void iconListPicksTwinsAtRatioTwo();
    void aboutPictureHasAPalette();
    void skillIconsAreDistinctAndDrawn();
    void frameLivesInItsEdgeStrips();
    void iconListDecodesOnFirstUseOnly();
    void iconListGivesNullForMissingIcons();
    void beastPicturesShowDifferentFigures();
    void creditsNameEveryMappedIcon();
};

void TestResources::jpegDecoderPresent()
{
    // Without Qt's JPEG plugin the backdrop and all beast pictures are blank.
    QVERIFY(QImageReader::supportedImageFormats().contains("jpeg"));
}

namespace {

// The rows of every picture at one scale: path, format and size.
void addPictureRows(int scale)
{
    const QString at = scale == 1 ? QString() : QStringLiteral("@2x");
    const auto row = [&](const QString& name, const QString& path, const char* format, QSize size) {
        QTest::newRow(qPrintable(name + at)) << twinOf(path, scale) << QByteArray(format) << size * scale;
    };
    for (int k = 0; k <= 88; ++k)
        row(QStringLiteral("skill icon %1").arg(k), skillIconPath(k), "jpeg", QSize(40, 40));
    row(QStringLiteral("panel backdrop"), QStringLiteral(":/art/backdrop.jpg"), "jpeg", QSize(451, 381));
    for (int i = 0; i < 24; ++i) {
        const QString name = QStringLiteral("beast_%1").arg(i, 2, 10, QChar(u'0'));
        row(name + QStringLiteral(" picture"), QStringLiteral(":/art/%1.jpg").arg(name), "jpeg", QSize(197, 178));
    }
    row(QStringLiteral("about picture"), QStringLiteral(":/art/about.png"), "png", QSize(48, 48));
    row(QStringLiteral("window icon"), QStringLiteral(":/art/app_icon_64.png"), "png", QSize(64, 64));
    for (const char* button : Buttons)
        row(QLatin1String(button), QStringLiteral(":/art/%1.png").arg(QLatin1String(button)), "png", QSize(16, 16));
}

void addPictureColumns()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
}

}  // namespace

// Every picture at 1x and its "@2x" twin at exactly twice the size.
void TestResources::picture_data()
{
    addPictureColumns();
    addPictureRows(1);
    addPictureRows(2);
}

void TestResources::picture()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QImageReader reader(path);
    // The content decides, not the name: a PNG renamed .jpg would still load
    // here but break the promise made to whoever reads the file list.
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.size(), size);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void TestResources::twinShowsTheSamePicture_data()
{
    addPictureColumns();
    addPictureRows(1);
}

void TestResources::twinShowsTheSamePicture()
{
    // Made from the same sources: halved, the twin is its 1x picture within
    // what smoothing and JPEG change. A twin of another picture, or one left
    // from before the art changed, is far off.
    QFETCH(QString, path);
    const QImage one(path);
    // Converted first: scaling a palette image paints, which needs a GUI.
    const QImage halved = QImage(twinOf(path, 2))
                              .convertToFormat(QImage::Format_ARGB32)
                              .scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double difference = meanDifference(one, halved);
    QVERIFY2(difference < 12, qPrintable(QString::number(difference)));
}

void TestResources::twinIsPickedAboveRatioOne()
{
    const QString path = QStringLiteral(":/art/beast_05.jpg");
    QCOMPARE(ArtPixmap::PathFor(path, 1.0), path);
    QCOMPARE(ArtPixmap::PathFor(path, 1.5), QStringLiteral(":/art/beast_05@2x.jpg"));
    QCOMPARE(ArtPixmap::PathFor(path, 2.0), QStringLiteral(":/art/beast_05@2x.jpg"));
    // Without a twin the 1x picture serves at any ratio.
    QCOMPARE(ArtPixmap::PathFor(QStringLiteral(":/art/app_icon.png"), 2.0), QStringLiteral(":/art/app_icon.png"));
    QCOMPARE(ArtPixmap::PathFor(QStringLiteral(":/art.d/noext"), 2.0), QStringLiteral(":/art.d/noext"));

    const QPixmap atOne = ArtPixmap::Load(path, 1.0);
    QCOMPARE(atOne.devicePixelRatio(), 1.0);
    QCOMPARE(atOne.toImage(), QImage(path).convertToFormat(atOne.toImage().format()));
    for (const qreal ratio : {1.5, 2.0}) {
        const QPixmap atTwo = ArtPixmap::Load(path, ratio);
        QCOMPARE(atTwo.devicePixelRatio(), 2.0);
        QCOMPARE(atTwo.deviceIndependentSize(), QSizeF(197, 178));
        QCOMPARE(atTwo.toImage(), QImage(twinOf(path, 2)).convertToFormat(atTwo.toImage().format()));
    }
    QVERIFY(ArtPixmap::Load(QStringLiteral(":/art/none.jpg"), 2.0).isNull());
}

void TestResources::iconListPicksTwinsAtRatioTwo()
{
    const IconList icons(QStringLiteral(":/art/skills/%1.jpg"), 89, 2.0);
    QCOMPARE(icons.ratio(), 2.0);
    for (const std::size_t k : {std::size_t(0), std::size_t(87), std::size_t(88)}) {
        QCOMPARE(icons[k].devicePixelRatio(), 2.0);
        QCOMPARE(icons[k].deviceIndependentSize(), QSizeF(40, 40));
        QCOMPARE(icons[k].toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(twinOf(skillIconPath(int(k)), 2)).convertToFormat(QImage::Format_RGB32));
    }
    QCOMPARE(IconList(QStringLiteral(":/art/skills/%1.jpg"), 89)[0].devicePixelRatio(), 1.0);
}

void TestResources::aboutPictureHasAPalette()
{
    const QImage about(QStringLiteral(":/art/about.png"));
    QCOMPARE(about.format(), QImage::Format_Indexed8);
    QVERIFY(about.colorCount() > 16);
    QVERIFY(about.colorCount() <= 256);
}

void TestResources::skillIconsAreDistinctAndDrawn()
{
    // Through the panel's own list, so a wrong file name pattern fails here.
    const IconList icons(QStringLiteral(":/art/skills/%1.jpg"), 89);
    QSet<QByteArray> seen;
    for (int k = 0; k < 88; ++k) {
        const QImage icon = icons[k].toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(40, 40));
        // An icon must be opaque: the backdrop's dark cell must not show through.
        QSet<QRgb> distinct;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                QVERIFY2(qAlpha(icon.pixel(x, y)) == 255, qPrintable(QStringLiteral("icon %1").arg(k)));
                distinct.insert(icon.pixel(x, y));
            }
        QVERIFY2(distinct.size() > 40, qPrintable(QStringLiteral("icon %1 looks empty").arg(k)));
        const QByteArray bytes(reinterpret_cast<const char*>(icon.constBits()), int(icon.sizeInBytes()));
        QVERIFY2(!seen.contains(bytes), qPrintable(QStringLiteral("icon %1 repeats an earlier one").arg(k)));
        seen.insert(bytes);
    }
}

void TestResources::frameLivesInItsEdgeStrips()
{
    const QImage frame(skillIconPath(88));
    auto visible = [](QRgb c) { return std::max({qRed(c), qGreen(c), qBlue(c)}) >= 60; };
    for (int i = 0; i < 40; ++i)
        for (int d = 0; d < 3; ++d) {
            QVERIFY(visible(frame.pixel(i, d)));
            QVERIFY(visible(frame.pixel(i, 39 - d)));
            QVERIFY(visible(frame.pixel(d, i)));
            QVERIFY(visible(frame.pixel(39 - d, i)));
        }
    QCOMPARE(frame.pixel(20, 20) & 0xffffff, 0u);
}

void TestResources::iconListDecodesOnFirstUseOnly()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const IconList icons(dir.filePath(QStringLiteral("%1.png")), 3);
    // Written after the list was made: a list that decoded up front would
    // hold a null icon here.
    QImage red(40, 40, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(dir.filePath(QStringLiteral("01.png"))));
    const QPixmap& first = icons[1];
    QCOMPARE(first.toImage().convertToFormat(QImage::Format_RGB32), red);
    // Once decoded, the icon is kept: the file is not read again.
    QImage blue(red);
    blue.fill(Qt::blue);
    QVERIFY(blue.save(dir.filePath(QStringLiteral("01.png"))));
    QCOMPARE(&icons[1], &first);
    QCOMPARE(icons[1].toImage().convertToFormat(QImage::Format_RGB32), red);
}

void TestResources::iconListGivesNullForMissingIcons()
{
    const IconList icons(QStringLiteral(":/art/skills/%1.jpg"), 89);
    QCOMPARE(icons.size(), std::size_t(89));
    QVERIFY(!icons[88].isNull());
    QVERIFY(icons[89].isNull());
    QVERIFY(icons[std::size_t(-1)].isNull());
    const IconList missing(QStringLiteral(":/art/no-such-folder/%1.jpg"), 2);
    QVERIFY(missing[0].isNull());
    QVERIFY(IconList()[0].isNull());
    QCOMPARE(IconList().size(), std::size_t(0));
}

void TestResources::beastPicturesShowDifferentFigures()
{
    // Each template has a creature of its own: no main motif serves twice,
    // and no two pictures came out the same.
    QSet<QString> figures;
    int beasts = 0;
    for (const QStringList& f : mappingRows()) {
        if (f.value(0) != QLatin1String("beast"))
            continue;
        ++beasts;
        const QString figure = f.value(3).split(u',').first().trimmed();
        QVERIFY2(!figures.contains(figure), qPrintable(f.value(2) + QStringLiteral(" repeats ") + figure));
        figures.insert(figure);
    }
    QCOMPARE(beasts, 24);
    QList<QImage> pictures;
    for (int i = 0; i < 24; ++i) {
        const QImage picture(QStringLiteral(":/art/beast_%1.jpg").arg(i, 2, 10, QChar(u'0')));
        for (int j = 0; j < i; ++j)
            QVERIFY2(picture != pictures[j], qPrintable(QStringLiteral("beast %1 = beast %2").arg(i).arg(j)));
        pictures.append(picture);
    }
}

void TestResources::creditsNameEveryMappedIcon()
{
    QFile credits(QStringLiteral(DASHU_SOURCE_DIR "/data/art/CREDITS.md"));
    QVERIFY(credits.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(credits.readAll());
    QVERIFY(text.contains(QStringLiteral("https://creativecommons.org/licenses/by/3.0/")));
    QVERIFY(text.contains(QStringLiteral("game-icons.net")));
    QSet<QString> listed;
    static const QRegularExpression line(QStringLiteral("^- (\\S+) .*: (.*)$"), QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        for (const QString& icon : m.captured(2).split(QStringLiteral(", ")))
            listed.insert(icon.trimmed());
    }
    const QList<QStringList> rows = mappingRows();
    QCOMPARE(rows.size(), 88 + 24);
    for (const QStringList& f : rows) {
        QVERIFY(f.size() > 3);
        for (const QString& icon : f[3].split(u',', Qt::SkipEmptyParts))
            QVERIFY2(listed.contains(icon.trimmed()), qPrintable(icon + QStringLiteral(" is not credited")));
    }
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
