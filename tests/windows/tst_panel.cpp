// The beast panel at its edges: many skills, extreme values, plain text.
#include <QLabel>
#include <QtTest>

#include "ui/widgets/AutoSizeLabel.h"
#include "FreshWindows.h"
#include "data/builtin_data.h"
#include "ui/model/PanelText.h"

namespace {
// Right end (exclusive of the box's own border) of each value's box on the
// backdrop, Label1 .. Label23, and the caption to its right where there is one.
struct Field {
    int label;
    int right;
};
const Field Fields[] = {
    {1, 447},  {2, 447},  {3, 447},  {4, 447},  {5, 447},  {6, 447},  {7, 447},  {8, 447},
    {9, 447},  {10, 159}, {11, 257}, {12, 257}, {13, 257}, {14, 257}, {15, 257}, {16, 257},
    {17, 257}, {18, 151}, {19, 151}, {20, 151}, {21, 151}, {22, 151}, {23, 151},
};
// The slot grid's frame ends here; the marker stands right of it.
constexpr int GridFrameRight = 433;
}  // namespace

class TestPanel : public QObject {
    Q_OBJECT
private:
    AutoSizeLabel* value(int n) { return Form2->findChild<AutoSizeLabel*>(QString("Label%1").arg(n)); }
    QLabel* marker() { return Form2->MoreSkills(); }

private slots:
    void init() { OpenWindows(); }
    void cleanup() { CloseWindows(); }

    void markerListsEverySkillWithoutASlot_data();
    void markerListsEverySkillWithoutASlot();
    void valuesStayInsideTheirFields_data();
    void valuesStayInsideTheirFields();
    void beastTextIsPlain();
};

void TestPanel::markerListsEverySkillWithoutASlot_data()
{
    QTest::addColumn<int>("skills");
    QTest::addColumn<bool>("certified");
    QTest::addColumn<int>("hidden");
    QTest::newRow("12 skills: no marker") << 12 << false << 0;
    QTest::newRow("11 skills and certified: no marker") << 11 << true << 0;
    QTest::newRow("12 skills and certified: the 12th") << 12 << true << 1;
    QTest::newRow("14 skills") << 14 << false << 2;
    QTest::newRow("22 skills: +10") << 22 << false << 10;
    QTest::newRow("24 skills and certified: +13") << 24 << true << 13;
    QTest::newRow("87 skills and certified: +76") << 87 << true << 76;
}

void TestPanel::markerListsEverySkillWithoutASlot()
{
    QFETCH(int, skills);
    QFETCH(bool, certified);
    QFETCH(int, hidden);
    const auto& lines = DescriptionLines();
    CurrentBeast->Skills.clear();
    for (int k = 0; k < skills; ++k)
        CurrentBeast->Skills.emplace_back(LineKey(lines[std::size_t(k)]));
    CurrentBeast->CertifiedSkill = certified ? std::string(LineKey(lines[87])) : std::string();
    Form2->RefreshSkills();
    if (hidden == 0) {
        QVERIFY(marker()->isHidden());
        return;
    }
    QVERIFY(marker()->isVisible());
    QCOMPARE(marker()->text(), QString("+\n%1").arg(hidden));
    const int firstHidden = skills - hidden;
    QStringList names;
    for (int k = firstHidden; k < skills; ++k)
        names << QString::fromStdString(CurrentBeast->Skills[std::size_t(k)]);
    QCOMPARE(marker()->toolTip(), names.join("\n"));
    QCOMPARE(marker()->accessibleName(), "另有技能：" + names.join("、"));
    // Whole, inside the panel, clear of the slot grid's frame.
    const QRect box = marker()->geometry();
    QVERIFY2(box.left() > GridFrameRight, qPrintable(QString::number(box.left())));
    QVERIFY2(box.right() < Form2->width() - 1, qPrintable(QString::number(box.right())));
    QVERIFY(box.bottom() < Form2->height());
    for (const QString& line : marker()->text().split('\n'))
        QVERIFY(marker()->fontMetrics().horizontalAdvance(line) <= box.width());
    QVERIFY(box.bottom() < 366);  // level with the last row, above the panel's foot line
}

void TestPanel::valuesStayInsideTheirFields_data()
{
    QTest::addColumn<double>("growth");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shrinks");
    QTest::newRow("a rolled beast keeps the normal size") << 0.0 << QString() << false;
    QTest::newRow("growth 99999") << 99999.0 << QString() << true;
    QTest::newRow("growth 1.23456789012345") << 1.23456789012345 << QString() << true;
    QTest::newRow("a long name") << 0.0 << QString("一二三四五六七八九十甲乙") << true;
}

void TestPanel::valuesStayInsideTheirFields()
{
    QFETCH(double, growth);
    QFETCH(QString, name);
    QFETCH(bool, shrinks);
    if (growth > 0) {
        CurrentBeast->Growth = growth;
        CurrentBeast->ComputeAttributes(CurrentBeast->Level);
    }
    if (!name.isEmpty())
        CurrentBeast->Name = name.toStdString();
    Form2->RefreshAll();
    const auto texts = PanelText::Values(*CurrentBeast);
    bool anyFitted = false;
    for (const Field& field : Fields) {
        AutoSizeLabel* label = value(field.label);
        const QString full = QString::fromStdString(texts[std::size_t(field.label - 1)]);
        const QString where = QString("Label%1 \"%2\"").arg(field.label).arg(full);
        QCOMPARE(label->fullText(), full);
        QVERIFY2(label->geometry().right() < field.right, qPrintable(where));
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(where));
        QVERIFY2(label->accessibleName().endsWith(" " + full), qPrintable(where));
        const bool fitted = label->text() != full || label->font().pixelSize() < 14;
        anyFitted = anyFitted || fitted;
        QCOMPARE(label->toolTip(), fitted ? full : QString());
        QVERIFY2(label->font().pixelSize() >= 9, qPrintable(where));
    }
    QCOMPARE(anyFitted, shrinks);
    if (growth > 1000)  // 气血 at full size would run over 体质
        QCOMPARE(value(18)->toolTip(), QString::fromStdString(PanelText::Full(CurrentBeast->Hp)));
    // Back to an ordinary beast: every field at the normal size again.
    CurrentBeast->LoadBeast("芙蓉仙子");
    Form2->RefreshAll();
    for (const Field& field : Fields) {
        QCOMPARE(value(field.label)->font().pixelSize(), 14);
        QVERIFY(value(field.label)->toolTip().isEmpty());
    }
}

void TestPanel::beastTextIsPlain()
{
    CurrentBeast->Name = "<b>x</b>";
    const int picture = Form2->PictureIndex();
    Form2->RefreshAll();
    QCOMPARE(value(10)->textFormat(), Qt::PlainText);
    QCOMPARE(value(10)->text(), QString("<b>x</b>"));
    QCOMPARE(Form2->PictureIndex(), picture);  // no template of that name
}

QTEST_MAIN(TestPanel)
#include "tst_panel.moc"
