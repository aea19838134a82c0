// The pictures compiled into the program: each one the windows ask for must
// be there, decode and have the size the windows lay out for.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <utility>

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void jpegDecoderPresent();
    void picture_data();
    void picture();
    void aboutPictureHasAPalette();
    void skillIconsAreDistinctAndDrawn();
    void frameLivesInItsEdgeStrips();
    void creditsNameEveryMappedIcon();
};

void TestResources::jpegDecoderPresent()
{
    // Without Qt's JPEG plugin the backdrop and all beast pictures are blank.
    QVERIFY(QImageReader::supportedImageFormats().contains("jpeg"));
}

void TestResources::picture_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::newRow("skill icon strip") << ":/art/skills.jpg" << QByteArray("jpeg") << QSize(3560, 40);
    QTest::newRow("panel backdrop") << ":/art/backdrop.jpg" << QByteArray("jpeg") << QSize(451, 381);
    for (int i = 0; i < 24; ++i) {
        const QString name = QStringLiteral("beast_%1").arg(i, 2, 10, QChar(u'0'));
        QTest::newRow(qPrintable(name + QStringLiteral(" picture")))
            << QStringLiteral(":/art/%1.jpg").arg(name) << QByteArray("jpeg") << QSize(197, 178);
    }
    QTest::newRow("about picture") << ":/art/about.png" << QByteArray("png") << QSize(48, 48);
    QTest::newRow("window icon") << ":/art/app_icon_64.png" << QByteArray("png") << QSize(64, 64);
    for (const char *button : {"btn_commit", "btn_close", "btn_up", "btn_down", "btn_add", "btn_remove"})
        QTest::newRow(button) << QStringLiteral(":/art/%1.png").arg(QLatin1String(button)) << QByteArray("png")
                              << QSize(16, 16);
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

void TestResources::aboutPictureHasAPalette()
{
    const QImage about(QStringLiteral(":/art/about.png"));
    QCOMPARE(about.format(), QImage::Format_Indexed8);
    QVERIFY(about.colorCount() > 16);
    QVERIFY(about.colorCount() <= 256);
}

void TestResources::skillIconsAreDistinctAndDrawn()
{
    const QImage strip = QImage(QStringLiteral(":/art/skills.jpg")).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!strip.isNull());
    QSet<QByteArray> seen;
    for (int k = 0; k < 88; ++k) {
        const QImage icon = strip.copy(40 * k, 0, 40, 40);
        // An icon must be opaque: the backdrop's dark cell must not show through.
        QSet<QRgb> distinct;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                QVERIFY2(qAlpha(icon.pixel(x, y)) == 255, qPrintable(QStringLiteral("icon %1").arg(k)));
                distinct.insert(icon.pixel(x, y));
            }
        QVERIFY2(distinct.size() > 40, qPrintable(QStringLiteral("icon %1 looks empty").arg(k)));
        const QByteArray bytes(reinterpret_cast<const char *>(icon.constBits()), int(icon.sizeInBytes()));
        QVERIFY2(!seen.contains(bytes), qPrintable(QStringLiteral("icon %1 repeats an earlier one").arg(k)));
        seen.insert(bytes);
    }
}

void TestResources::frameLivesInItsEdgeStrips()
{
    const QImage frame = QImage(QStringLiteral(":/art/skills.jpg")).copy(88 * 40, 0, 40, 40);
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

void TestResources::creditsNameEveryMappedIcon()
{
    QFile mapping(QStringLiteral(DASHU_SOURCE_DIR "/tools/artgen/mapping.tsv"));
    QFile credits(QStringLiteral(DASHU_SOURCE_DIR "/data/art/CREDITS.md"));
    QVERIFY(mapping.open(QIODevice::ReadOnly | QIODevice::Text));
    QVERIFY(credits.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(credits.readAll());
    QVERIFY(text.contains(QStringLiteral("https://creativecommons.org/licenses/by/3.0/")));
    QVERIFY(text.contains(QStringLiteral("game-icons.net")));
    QSet<QString> listed;
    static const QRegularExpression line(QStringLiteral("^- (\\S+) .*: (.*)$"),
                                         QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        for (const QString &icon : m.captured(2).split(QStringLiteral(", ")))
            listed.insert(icon.trimmed());
    }
    bool header = true;
    for (const QString &row : QString::fromUtf8(mapping.readAll()).split(u'\n')) {
        if (row.isEmpty() || row.startsWith(u'#'))
            continue;
        if (std::exchange(header, false))
            continue;
        const QStringList f = row.split(u'\t');
        QVERIFY(f.size() > 3);
        for (const QString &icon : f[3].split(u',', Qt::SkipEmptyParts))
            QVERIFY2(listed.contains(icon.trimmed()), qPrintable(icon + QStringLiteral(" is not credited")));
    }
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
