#include <QAccessible>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTreeWidget>

#include "LeakCheck.h"
#include "ui/CreditsWindow.h"
#include "ui/IconCredits.h"

namespace {

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList Lines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll()).split(u'\n');
}

}  // namespace

class TestCredits : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { VerifyNoLeakedWindows(); }
    void tableNamesEveryArtworkIconWithItsAuthor();
    void windowListsTheTable();
    void keyboardScrollsAndCloses_data();
    void keyboardScrollsAndCloses();
    void accessibleNames();
};

// The table is written by the build from the same files; read them here on
// their own and compare: icons, authors, the pictures of each icon, licences.
void TestCredits::tableNamesEveryArtworkIconWithItsAuthor()
{
    QMap<QString, QSet<QString>> pictures;  // icon -> pictures drawn from it
    for (const QString& row : Lines(QFINDTESTDATA("../../tools/artgen/mapping.tsv"))) {
        const QStringList f = row.split(u'\t');
        if (row.startsWith(u'#') || f.size() < 4 || f[0] == "kind")
            continue;
        for (const QString& icon : f[3].split(u','))
            pictures[icon].insert(f[2]);
    }
    QSet<QString> ornaments;  // in CREDITS.md without a mapping row
    static const QRegularExpression listed(QStringLiteral("^- \\S+ \\(.*\\): (.+)$"));
    for (const QString& line : Lines(QFINDTESTDATA("../../data/art/CREDITS.md")))
        if (const auto m = listed.match(line); m.hasMatch())
            for (const QString& icon : m.captured(1).split(QStringLiteral(", ")))
                if (!pictures.contains(icon))
                    ornaments.insert(icon);
    QMap<QString, QString> authors;
    for (const QString& row : Lines(QFINDTESTDATA("../../tools/artgen/game-icons-authors.tsv"))) {
        const QStringList f = row.split(u'\t');
        if (f.size() == 2)
            authors.insert(f[0], f[1]);
    }
    QVERIFY(pictures.size() > 20);

    QMap<QString, QString> expected;
    for (const QString& icon : pictures.keys() + ornaments.values())
        expected.insert(icon, authors.value(icon));
    QMap<QString, QString> compiled;
    QString previous;
    for (const IconCredit& credit : IconCredits()) {
        const QString icon = FromView(credit.icon);
        QVERIFY2(icon > previous, qPrintable(icon));  // sorted, each once
        previous = icon;
        compiled.insert(icon, FromView(credit.author));
        const QStringList used = FromView(credit.pictures).split(QStringLiteral("、"), Qt::SkipEmptyParts);
        QCOMPARE(QSet<QString>(used.begin(), used.end()), pictures.value(icon));
        const bool publicDomain = credit.author == "viscious-speed";
        QCOMPARE(FromView(credit.licenceUrl),
                 publicDomain ? QStringLiteral("https://creativecommons.org/publicdomain/zero/1.0/")
                              : QStringLiteral("https://creativecommons.org/licenses/by/3.0/"));
        QCOMPARE(FromView(credit.licence), publicDomain ? QStringLiteral("CC0 1.0") : QStringLiteral("CC BY 3.0"));
    }
    QCOMPARE(compiled, expected);
}

void TestCredits::windowListsTheTable()
{
    TCreditsWindow window;
    const auto credits = IconCredits();
    QCOMPARE(window.IconList->topLevelItemCount(), static_cast<int>(credits.size()));
    for (int row = 0; row < window.IconList->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = window.IconList->topLevelItem(row);
        const IconCredit& credit = credits[static_cast<std::size_t>(row)];
        QCOMPARE(item->text(0), FromView(credit.icon));
        QCOMPARE(item->text(1), FromView(credit.author));
        QVERIFY(!item->text(2).isEmpty());
        if (!credit.pictures.empty())
            QCOMPARE(item->text(2), FromView(credit.pictures));
        QCOMPARE(item->text(3), FromView(credit.licence));
        QVERIFY(window.Intro->text().contains(FromView(credit.licenceUrl)));
    }
    QVERIFY(window.Intro->openExternalLinks());
    // The licence column is never cut: it keeps the width of its longest
    // entry, and only the pictures' column gives way.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QHeaderView* header = window.IconList->header();
    QVERIFY(header->sectionSize(3) >= header->sectionSizeHint(3));
    for (int row = 0; row < window.IconList->topLevelItemCount(); ++row) {
        const QString licence = window.IconList->topLevelItem(row)->text(3);
        QVERIFY2(header->sectionSize(3) > window.IconList->fontMetrics().horizontalAdvance(licence),
                 qPrintable(licence));
    }
    QVERIFY(header->length() <= window.IconList->viewport()->width());
}

void TestCredits::keyboardScrollsAndCloses_data()
{
    QTest::addColumn<int>("closeKey");
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
    QTest::newRow("close button") << 0 << true;
}

void TestCredits::keyboardScrollsAndCloses()
{
    QFETCH(int, closeKey);
    QFETCH(bool, byButton);
    TCreditsWindow window;
    window.resize(420, 260);  // fewer rows than icons on screen
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(QApplication::focusWidget(), window.IconList);
    QScrollBar* bar = window.IconList->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), 0);

    QTest::keyClick(window.IconList, Qt::Key_PageDown);
    QVERIFY(bar->value() > 0);
    QTest::keyClick(window.IconList, Qt::Key_End);
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(window.IconList->currentItem(), window.IconList->topLevelItem(window.IconList->topLevelItemCount() - 1));

    if (byButton)
        QTest::mouseClick(window.CloseButton, Qt::LeftButton);
    else
        QTest::keyClick(window.IconList, Qt::Key(closeKey));
    QVERIFY(!window.isVisible());
}

void TestCredits::accessibleNames()
{
    TCreditsWindow window;
    for (QWidget* widget : {static_cast<QWidget*>(&window), static_cast<QWidget*>(window.Intro),
                            static_cast<QWidget*>(window.IconList), static_cast<QWidget*>(window.CloseButton)}) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        QVERIFY2(face && !face->text(QAccessible::Name).isEmpty(), qPrintable(widget->objectName()));
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(window.IconList)->text(QAccessible::Name),
             QStringLiteral("图标与作者列表"));
    QVERIFY(QAccessible::queryAccessibleInterface(window.Intro)
                ->text(QAccessible::Description)
                .contains(QStringLiteral("https://creativecommons.org/licenses/by/3.0/")));
}

QTEST_MAIN(TestCredits)
#include "tst_credits.moc"
