// The built-in typefaces: they register, the program's fonts draw with them
// rather than with whatever the machine has installed, and they hold every
// character of every text in the program's sources.

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QRawFont>
#include <QSet>
#include <QTest>
#include <QTextLayout>

#include <QComboBox>
#include <QPainterPath>
#include <QLabel>
#include <QLineEdit>

#include <iconv.h>

#include <functional>

#include "LeakCheck.h"
#include "ui/skin/Fonts.h"
#include "ui/petdiy.h"
#include "ui/petmodify.h"
#include "ui/Unit2.h"
#include "ui/Windows.h"

namespace {

// The characters inside the string and character literals of C++ source,
// comments skipped. Kept apart from the build's own reading of the sources on
// purpose: a text the build step overlooks shows up here as a missing glyph.
QSet<char32_t> LiteralCharacters(const QString& code)
{
    QSet<char32_t> found;
    const auto take = [&found](QStringView text) {
        for (const char32_t c : text.toUcs4())
            found.insert(c);
    };
    qsizetype i = 0;
    const qsizetype n = code.size();
    while (i < n) {
        const QStringView rest = QStringView(code).mid(i);
        if (rest.startsWith(u"//")) {
            i = code.indexOf(u'\n', i);
            i = i < 0 ? n : i;
        } else if (rest.startsWith(u"/*")) {
            i = code.indexOf(u"*/", i + 2);
            i = i < 0 ? n : i + 2;
        } else if (rest.startsWith(u"R\"")
                   && (i == 0 || !code.at(i - 1).isLetterOrNumber() || code.at(i - 1) == u'8' || code.at(i - 1) == u'u'
                       || code.at(i - 1) == u'L')) {
            const qsizetype open = code.indexOf(u'(', i + 2);
            const QString close = u')' + code.mid(i + 2, open - i - 2) + u'"';
            qsizetype end = code.indexOf(close, open);
            end = end < 0 ? n : end;
            take(QStringView(code).mid(open + 1, end - open - 1));
            i = end + close.size();
        } else if (code.at(i) == u'"' || (code.at(i) == u'\'' && (i == 0 || !code.at(i - 1).isDigit()))) {
            const QChar quote = code.at(i);
            qsizetype j = i + 1;
            while (j < n && code.at(j) != quote && code.at(j) != u'\n')
                j += code.at(j) == u'\\' ? 2 : 1;
            take(QStringView(code).mid(i + 1, qMin(j, n) - i - 1));
            i = j + 1;
        } else {
            ++i;
        }
    }
    return found;
}

// Every non-ASCII character of the literals of the data, the windows and the
// main routine, with the first file that uses it.
QHash<char32_t, QString> ProgramCharacters()
{
    QHash<char32_t, QString> chars;
    for (const char* folder : {"data", "ui", "app"}) {
        QDirIterator it(QStringLiteral(DASHU_SOURCE_DIR "/") + QLatin1String(folder),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            for (const char32_t c : LiteralCharacters(QString::fromUtf8(file.readAll())))
                if (c > 0x7f && !chars.contains(c))
                    chars.insert(c, file.fileName());
        }
    }
    return chars;
}

// The faces that actually draw `text` in `font`, sorted (a layout hands out
// its glyph runs in no particular order).
QStringList DrawingFamilies(const QFont& font, const QString& text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList families;
    for (const QGlyphRun& run : layout.glyphRuns())
        families << run.rawFont().familyName();
    families.sort();
    families.removeDuplicates();
    return families;
}

// Every character of GB 2312 (rows and cells 0xA1 to 0xFE), decoded by the
// system's iconv, apart from the tables of this program.
QString Gb2312Characters()
{
    QString all;
    iconv_t cd = iconv_open("UTF-8", "GB2312");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return all;
    for (int row = 0xA1; row <= 0xF7; ++row)
        for (int cell = 0xA1; cell <= 0xFE; ++cell) {
            char in[2] = {static_cast<char>(row), static_cast<char>(cell)};
            char out[8] = {};
            char* from = in;
            char* to = out;
            std::size_t left = 2;
            std::size_t room = sizeof out;
            if (iconv(cd, &from, &left, &to, &room) != static_cast<std::size_t>(-1))
                all += QString::fromUtf8(out, to - out);
        }
    iconv_close(cd);
    return all;
}

using FontOf = std::function<QFont()>;

QFont Bold(QFont font)
{
    font.setBold(true);
    return font;
}

}  // namespace

class TestFonts : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNoLeakedWindows(); }
    void initTestCase();
    void builtInFaceDraws_data();
    void builtInFaceDraws();
    void facesHoldEveryProgramText_data();
    void facesHoldEveryProgramText();
    void facesAreListedForLatin();
    void typedCharacterBeyondTheFaceFallsBack();
    void everyGb2312CharacterDrawsInTypedText_data();
    void everyGb2312CharacterDrawsInTypedText();
};

Q_DECLARE_METATYPE(FontOf)

void TestFonts::initTestCase()
{
    QVERIFY(RegisterFonts());
    QApplication::setFont(InterfaceFont(QApplication::font()));
}

void TestFonts::builtInFaceDraws_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("families");
    QTest::addColumn<int>("weight");
    const QString song = BuiltInSongFamily();
    const QString hei = BuiltInHeiFamily();
    QTest::newRow("宋体, Chinese and digits") << SongTiFont(14) << "气血 3456/3456" << QStringList{song} << 400;
    QTest::newRow("微软雅黑") << YaHeiFont(14) << "关于软件" << QStringList{hei} << 400;
    // Without its own bold face the About dialog's titles would be smeared
    // out of the regular one, or taken from the installed bold collection.
    QTest::newRow("微软雅黑 bold") << Bold(YaHeiFont(14)) << "关于作者" << QStringList{hei} << 700;
    QTest::newRow("message box Chinese") << QApplication::font() << "提示信息" << QStringList{hei} << 400;
}

void TestFonts::builtInFaceDraws()
{
    QFETCH(QFont, font);
    QFETCH(QString, text);
    QFETCH(QStringList, families);
    QFETCH(int, weight);
    QCOMPARE(DrawingFamilies(font, text), families);
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QCOMPARE(int(layout.glyphRuns().constFirst().rawFont().weight()), weight);
}

void TestFonts::facesHoldEveryProgramText_data()
{
    QTest::addColumn<QFont>("font");
    QTest::newRow("宋体") << SongTiFont(14);
    QTest::newRow("微软雅黑") << YaHeiFont(14);
    QTest::newRow("微软雅黑 bold") << Bold(YaHeiFont(14));
}

void TestFonts::facesHoldEveryProgramText()
{
    QFETCH(QFont, font);
    const QRawFont face = QRawFont::fromFont(font);
    QVERIFY(face.familyName().startsWith(QStringLiteral("Dashu")));
    const QHash<char32_t, QString> chars = ProgramCharacters();
    // The panel's and dialogs' texts alone are several hundred characters.
    QVERIFY(chars.size() > 300);
    QStringList missing;
    for (auto it = chars.cbegin(); it != chars.cend(); ++it)
        if (!face.supportsCharacter(it.key()))
            missing << QStringLiteral("U+%1 %2 (%3)")
                           .arg(quint32(it.key()), 4, 16, QLatin1Char('0'))
                           .arg(QString::fromUcs4(&it.key(), 1), it.value());
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    for (char32_t c = 0x20; c < 0x7f; ++c)
        QVERIFY2(face.supportsCharacter(c), qPrintable(QString(QChar(c))));
}

// A face the font database does not list for Latin is loaded twice at every
// size, once for the Chinese and once for the digits and Latin of the same
// text: that doubled the start-up's font work.
void TestFonts::facesAreListedForLatin()
{
    for (const QString& family : {BuiltInSongFamily(), BuiltInHeiFamily()})
        QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::Latin), qPrintable(family));
}

void TestFonts::typedCharacterBeyondTheFaceFallsBack()
{
    // 龘 is in no text of the program, so the built-in face lacks it.
    const QString rare = QStringLiteral("龘");
    QVERIFY(!QRawFont::fromFont(SongTiFont(14)).supportsCharacter(rare.at(0)));
    if (!QFontDatabase::families(QFontDatabase::SimplifiedChinese).contains(QStringLiteral("Noto Serif CJK SC")))
        QSKIP("no installed Chinese face to fall back to");
    const QStringList families = DrawingFamilies(SongTiFont(14), QStringLiteral("名") + rare);
    QCOMPARE(families.size(), 2);
    QVERIFY2(families.contains(BuiltInSongFamily()), qPrintable(families.join(u',')));
}

void TestFonts::everyGb2312CharacterDrawsInTypedText_data()
{
    QTest::addColumn<FontOf>("fontOf");
    QTest::newRow("correction dialog, name") << FontOf([] { return ModifyForm->Edit1->font(); });
    QTest::newRow("custom dialog, element") << FontOf([] { return DIYForm->ComboBox1->lineEdit()->font(); });
    QTest::newRow("beast panel, values") << FontOf([] { return Form2->findChild<QLabel*>("Label1")->font(); });
}

void TestFonts::everyGb2312CharacterDrawsInTypedText()
{
    // The fonts the README promises: the built-in faces and Noto CJK, which
    // the package recommends and the build needs anyway.
    const QString promised = QStringLiteral("Noto Serif CJK SC");
    QVERIFY2(QFontDatabase::families().contains(promised), "install fonts-noto-cjk");
    QFETCH(FontOf, fontOf);
    CreateWindows();
    const QFont font = fontOf();
    DestroyWindows();
    const QString all = Gb2312Characters();
    QCOMPARE(all.size(), 7445);  // 6763 hanzi and 682 other characters
    QTextLayout layout(all, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faults;
    int glyphs = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QString family = run.rawFont().familyName();
        if (family != BuiltInSongFamily() && family != promised)
            faults << QStringLiteral("drawn in %1").arg(family);
        for (const quint32 glyph : run.glyphIndexes()) {
            ++glyphs;
            if (glyph == 0)  // the face's empty box
                faults << QStringLiteral("no glyph in %1").arg(family);
        }
    }
    QCOMPARE(glyphs, static_cast<int>(all.size()));
    // And each glyph has an outline: none draws as nothing.
    const QRawFont builtIn = QRawFont::fromFont(font);
    QFont noto(promised);
    noto.setPixelSize(font.pixelSize());
    const QRawFont fallback = QRawFont::fromFont(noto);
    QCOMPARE(builtIn.familyName(), BuiltInSongFamily());
    QCOMPARE(fallback.familyName(), promised);
    for (const QChar c : all) {
        if (c.isSpace())
            continue;
        const QRawFont& face = builtIn.supportsCharacter(c) ? builtIn : fallback;
        const QList<quint32> index = face.glyphIndexesForString(QString(c));
        if (index.size() != 1 || index[0] == 0 || face.pathForGlyph(index[0]).isEmpty())
            faults << QStringLiteral("U+%1 draws nothing").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 20).join(QStringLiteral(", "))));
    QCOMPARE(DrawingFamilies(font, QStringLiteral("我的小猫咪")).size(), 2);
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
