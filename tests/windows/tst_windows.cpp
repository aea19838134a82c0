// The main window, each test on fresh windows.
#include <QAccessible>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <set>

#include "ui/skin/SkinColours.h"
#include "ui/widgets/ChoiceEntry.h"
#include "ui/widgets/RadioList.h"
#include "FreshWindows.h"
#include "ScriptedClock.h"
#include "ModalWatcher.h"
#include "SkillOracle.h"
#include "ui/About.h"
#include "ui/Unit3.h"
#include "ui/petdiy.h"
#include "ui/petmodify.h"
#include "data/builtin_data.h"
#include "ui/model/PanelText.h"

class TestWindows : public QObject {
    Q_OBJECT
private:
    QLabel* value(int n) { return Form2->findChild<QLabel*>(QString("Label%1").arg(n)); }
    QLabel* slot(int s) { return Form2->findChild<QLabel*>(QString("Image%1").arg(s + 1)); }
    QRadioButton* item(int list, int i)
    {
        return Form1->findChild<QRadioButton*>(QString("RadioGroup%1Item%2").arg(list + 1).arg(i));
    }
    void choose(int list, const std::string& name)
    {
        Form1->PageControl2->setCurrentIndex(list);
        const auto& items = BookLists()[list].Items;
        const int i = static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin());
        QVERIFY(i < static_cast<int>(items.size()));
        if (item(list, i)->isChecked())  // move the mark away and back
            item(list, i == 0 ? 1 : 0)->click();
        item(list, i)->click();
    }
    QImage slotImage(int s) { return slot(s)->pixmap().toImage().convertToFormat(QImage::Format_ARGB32); }
    QImage icon(const std::string& skill)
    {
        return Form2->ImageList1[SkillIndex(skill)].toImage().convertToFormat(QImage::Format_ARGB32);
    }

private slots:
    void init() { OpenWindows(); }
    void cleanup() { CloseWindows(); }

    void startUpShowsRolledDefaultBeastAndNoBook();
    void choosingBookShowsItsOwnIconAndDescription_data();
    void choosingBookShowsItsOwnIconAndDescription();
    void previewScrollsOnlyWhenTextOverflows();
    void switchingPagesKeepsTheChosenBook();
    void beastButtonsLoadTheirTemplate_data();
    void beastButtonsLoadTheirTemplate();
    void keysPressFocusedButtons_data();
    void keysPressFocusedButtons();
    void inputControlsHaveDistinctNames_data();
    void inputControlsHaveDistinctNames();
    void hitBookRefusesOwnedAndAddsNew();
    void certificationRoundTrip();
    void dialogsAreBuiltOnFirstUse();
    void laterPagesAreMadeWhenOpened();
};

void TestWindows::startUpShowsRolledDefaultBeastAndNoBook()
{
    QCOMPARE(Form1->size(), QSize(732, 523));
    QCOMPARE(Form2->parentWidget(), Form1->Panel5);
    QCOMPARE(Form2->geometry(), QRect(10, 10, 451, 381));
    QCOMPARE(value(10)->text(), QString("芙蓉仙子"));
    QCOMPARE(Form2->PictureIndex(), PanelText::PictureIndex(CatalogueLines(), "芙蓉仙子"));
    QCOMPARE(Form1->PageControl1->currentIndex(), 0);
    QCOMPARE(Form1->PageControl2->currentIndex(), 0);
    QVERIFY(SelectedBook.empty());
    QVERIFY(Form1->Label1->text().isEmpty());
    QVERIFY(item(0, 0)->isChecked());
    const auto before = CurrentBeast->Skills;
    Form1->findChild<QPushButton*>("BitBtn26")->click();
    QCOMPARE(CurrentBeast->Skills, before);
    // the marked first item chooses nothing when pressed again
    item(0, 0)->click();
    QVERIFY(SelectedBook.empty());
}

void TestWindows::choosingBookShowsItsOwnIconAndDescription_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("book");
    QTest::addColumn<int>("icon");
    QTest::newRow("善恶有报 keeps its own icon") << 2 << "善恶有报" << 80;
    QTest::newRow("上古灵符 keeps its own icon") << 2 << "上古灵符" << 79;
    QTest::newRow("low list second item")
        << 0 << QString::fromStdString(BookLists()[0].Items[1]) << SkillIndex(BookLists()[0].Items[1]);
    QTest::newRow("high list") << 1 << QString::fromStdString(BookLists()[1].Items[2])
                               << SkillIndex(BookLists()[1].Items[2]);
}

void TestWindows::choosingBookShowsItsOwnIconAndDescription()
{
    QFETCH(int, list);
    QFETCH(QString, book);
    QFETCH(int, icon);
    choose(list, book.toStdString());
    const QString description = QString::fromStdString(SkillDescription(book.toStdString()));
    QCOMPARE(QString::fromStdString(SelectedBook), book);
    QCOMPARE(Form1->Label1->text(), description);
    QCOMPARE(Form1->Image1->pixmap().toImage(), Form2->ImageList1[icon].toImage());
    // The same tooltip on the list item and the preview; screen readers get the text.
    const QString tip = book + "\n" + description;
    QCOMPARE(Form1->Image1->toolTip(), tip);
    const auto& items = BookLists()[list].Items;
    const int i = static_cast<int>(std::find(items.begin(), items.end(), book.toStdString()) - items.begin());
    QCOMPARE(item(list, i)->toolTip(), tip);
    QCOMPARE(Form1->Label1->accessibleDescription(), description);
    // The item itself tells a screen reader what the book teaches.
    QCOMPARE(item(list, i)->accessibleDescription(), description);
    QVERIFY(!description.isEmpty());
}

void TestWindows::previewScrollsOnlyWhenTextOverflows()
{
    QScrollArea* box = Form1->ScrollBox1;
    QCOMPARE(box->focusPolicy(), Qt::NoFocus);
    // The longest description fills three lines and still fits.
    choose(2, "善恶有报");
    QVERIFY(Form1->Label1->height() <= box->viewport()->height());
    QVERIFY(!box->verticalScrollBar()->isVisible());
    QCOMPARE(box->focusPolicy(), Qt::NoFocus);
    // A text that overflows (here through a large font) scrolls and takes Tab.
    QFont large = Form1->Label1->font();
    large.setPixelSize(24);
    Form1->Label1->setFont(large);
    choose(1, BookLists()[1].Items[0]);
    QVERIFY(box->verticalScrollBar()->isVisible());
    QVERIFY(box->verticalScrollBar()->maximum() > 0);
    QVERIFY(box->focusPolicy() & Qt::TabFocus);
    // And back: a short text drops both again.
    Form1->Label1->setFont(Form1->font());
    choose(2, "迟钝");
    QVERIFY(!box->verticalScrollBar()->isVisible());
    QCOMPARE(box->focusPolicy(), Qt::NoFocus);
}

void TestWindows::switchingPagesKeepsTheChosenBook()
{
    choose(1, BookLists()[1].Items[3]);
    Form1->PageControl2->setCurrentIndex(0);
    Form1->PageControl2->setCurrentIndex(2);
    QCOMPARE(SelectedBook, BookLists()[1].Items[3]);
}

void TestWindows::beastButtonsLoadTheirTemplate_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("button");
    for (int p = 0; p < static_cast<int>(BeastPickerPages().size()); ++p)
        QTest::newRow(BeastPickerPages()[p].Caption.c_str()) << p << 0;
    QTest::newRow("95 second button 幽灵") << 3 << 1;
}

void TestWindows::beastButtonsLoadTheirTemplate()
{
    QFETCH(int, page);
    QFETCH(int, button);
    const std::string name = BeastPickerPages()[page].Beasts[button];
    Form1->PageControl1->setCurrentIndex(page);
    auto* b = Form1->findChild<QPushButton*>(QString("SpeedButton") + QString::fromStdString(name));
    QVERIFY(b);
    QCOMPARE(b->size(), QSize(73, 22));
    b->click();
    QCOMPARE(CurrentBeast->Name, name);
    QCOMPARE(value(10)->text(), QString::fromStdString(name));
    QCOMPARE(Form2->PictureIndex(), PanelText::PictureIndex(CatalogueLines(), name));
}

void TestWindows::keysPressFocusedButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    for (const char* name : {"BitBtn26", "BitBtn25", "SpeedButton古代瑞兽"}) {
        QTest::newRow(QByteArray(name) + " Return") << QString::fromUtf8(name) << int(Qt::Key_Return);
        QTest::newRow(QByteArray(name) + " Enter") << QString::fromUtf8(name) << int(Qt::Key_Enter);
        QTest::newRow(QByteArray(name) + " Space") << QString::fromUtf8(name) << int(Qt::Key_Space);
    }
}

void TestWindows::keysPressFocusedButtons()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    auto* b = Form1->findChild<QPushButton*>(button);
    QVERIFY(b);
    QSignalSpy clicked(b, &QPushButton::clicked);
    ModalWatcher watcher;  // 认证 on the default beast answers with a message box
    Form1->activateWindow();
    b->setFocus();
    QTRY_VERIFY(b->hasFocus());
    QTest::keyClick(b, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QTRY_COMPARE(clicked.count(), 1);
}

void TestWindows::inputControlsHaveDistinctNames_data()
{
    QTest::addColumn<int>("picker");
    QTest::addColumn<int>("books");
    QTest::newRow("start") << 0 << 0;
    QTest::newRow("95, 高级技能") << 3 << 1;
    QTest::newRow("135以上, 其他技能") << 7 << 2;
}

void TestWindows::inputControlsHaveDistinctNames()
{
    // What a screen reader lists: every focusable element on screen, tabs
    // included, has a name of its own. A tab list is named by Qt after its
    // current tab, so it is left out; its tabs are not.
    QFETCH(int, picker);
    QFETCH(int, books);
    Form1->PageControl1->setCurrentIndex(picker);
    Form1->PageControl2->setCurrentIndex(books);
    QStringList names;
    QStringList unnamed;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (!node || node->state().invisible)
            return;
        const bool tabList = node->role() == QAccessible::PageTabList;
        if ((node->state().focusable && !tabList) || node->role() == QAccessible::PageTab) {
            const QString name = node->text(QAccessible::Name);
            if (name.trimmed().isEmpty())
                unnamed << QString("role %1").arg(node->role());
            else
                names << name;
        }
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(Form1));
    QVERIFY2(unnamed.isEmpty(), qPrintable("unnamed: " + unnamed.join(", ")));
    QStringList twice;
    for (const QString& name : names)
        if (names.count(name) > 1 && !twice.contains(name))
            twice << name;
    QVERIFY2(twice.isEmpty(), qPrintable("names used more than once: " + twice.join(", ")));
    for (const char* expected : {"打书", "认证", "关于软件", "65以下", "低级技能"})
        QVERIFY2(names.contains(QString::fromUtf8(expected)) || names.contains(QString::fromUtf8(expected) + " "),
                 expected);
    const auto& beasts = BeastPickerPages()[picker].Beasts;
    for (const std::string& beast : beasts)
        QVERIFY(names.contains(QString::fromStdString(beast)));
    QVERIFY(names.contains(QString::fromStdString(BookLists()[books].Items.front())));
    QVERIFY(names.contains(QString::fromStdString(BookLists()[books].Items.back())));
}

void TestWindows::hitBookRefusesOwnedAndAddsNew()
{
    CurrentBeast->Skills.clear();
    CurrentBeast->CertifiedSkill.clear();
    choose(0, BookLists()[0].Items[2]);
    Form1->BitBtn26Click();  // empty beast: the book is always inserted
    QCOMPARE(CurrentBeast->Skills, std::vector<std::string>{SelectedBook});
    QCOMPARE(slotImage(1), icon(SelectedBook));
    QVERIFY(slot(1)->toolTip().startsWith(QString::fromStdString(SelectedBook) + "\n"));
    QCOMPARE(slot(1)->accessibleName(), QString::fromStdString(SelectedBook));
    QCOMPARE(slot(2)->accessibleName(), QString("空技能格2"));
    Form1->BitBtn26Click();  // already owned: refused
    QCOMPARE(CurrentBeast->Skills.size(), std::size_t(1));
    const std::string first = SelectedBook;
    choose(0, BookLists()[0].Items[3]);
    ScriptedClock clock;
    clock.Then(4, 0).Then(2, 0);  // a new slot, before the first skill
    Form1->BitBtn26Click();
    QCOMPARE(CurrentBeast->Skills, (std::vector<std::string>{SelectedBook, first}));
    QCOMPARE(clock.Pending(), std::size_t(0));
    QCOMPARE(slot(1)->accessibleName(), QString::fromStdString(SelectedBook));
}

void TestWindows::certificationRoundTrip()
{
    const auto certifiable = GiveTwoCertifiableSkills();
    {  // dismissed with the close box: nothing changes
        ModalWatcher watcher;
        int shown = -1;
        watcher.onNext([&](QWidget* w) {
            shown = int(ChoiceLabels.size());
            w->close();
        });
        Form1->BitBtn25Click();
        QCOMPARE(shown, 2);
        QVERIFY(ChoiceLabels.empty());
        QVERIFY(CurrentBeast->CertifiedSkill.empty());
        QVERIFY(CertifyChoice.empty());
    }
    {  // the second entry picked
        ModalWatcher watcher;
        QPoint secondTop;
        watcher.onNext([&](QWidget* w) {
            secondTop = ChoiceLabels[1]->pos() + ChoiceEntry::Padding;
            // The skin's red, 4.5:1 and more on the parchment (pure red is not).
            const QColor red = ChoiceLabels[1]->palette().color(QPalette::WindowText);
            if (red != QColor(SkinColours::Link))
                w->close();  // fail below, not in the modal loop
            QTest::mouseClick(ChoiceLabels[1], Qt::LeftButton);
        });
        Form1->BitBtn25Click();
        QCOMPARE(secondTop, QPoint(16, 82));
        QCOMPARE(CurrentBeast->CertifiedSkill, certifiable[1]);
        QVERIFY(CertifyChoice.empty());
        const QImage framed = slotImage(12);
        const QImage frame = Form2->ImageList1[88].toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(framed.pixel(0, 0), frame.pixel(0, 0));
        QCOMPARE(framed.pixel(38, 20), frame.pixel(38, 20));
        QCOMPARE(framed.pixel(20, 20), icon(certifiable[1]).pixel(20, 20));
        const QString caption = "认证技能：" + QString::fromStdString(certifiable[1]);
        QCOMPARE(slot(12)->accessibleName(), caption);
        QVERIFY(slot(12)->toolTip().startsWith(caption + "\n"));
    }
    {  // already certified: the message box
        ModalWatcher watcher;
        Form1->BitBtn25Click();
        QCOMPARE(watcher.boxes().size(), std::size_t(1));
        QCOMPARE(watcher.boxes()[0].title, QString("提示信息"));
        QCOMPARE(watcher.boxes()[0].text, QString("此召唤兽无可认证技能或已经认证！"));
        QCOMPARE(watcher.boxes()[0].buttonCount, 1);
        QCOMPARE(watcher.boxes()[0].icon, QMessageBox::NoIcon);
    }
    // reloading drops the frame
    CurrentBeast->LoadBeast("天兵");
    Form2->RefreshAll();
    QVERIFY(CurrentBeast->CertifiedSkill.empty());
    if (CurrentBeast->Skills.size() < 12)
        QVERIFY(slot(12)->pixmap().isNull());
}

QTEST_MAIN(TestWindows)
// Start-up leaves the dialogs unbuilt; the first use builds each once, as a hidden child of the main window under its own name, and closing
// the windows forgets it.
void TestWindows::dialogsAreBuiltOnFirstUse()
{
    QVERIFY(!ModifyForm.IsMade());
    QVERIFY(!DIYForm.IsMade());
    QVERIFY(!AboutForm.IsMade());
    QVERIFY(Form1->findChild<QDialog*>("ModifyForm") == nullptr);
    QVERIFY(Form1->findChild<QDialog*>("AboutForm") == nullptr);
    TModifyForm* modify = ModifyForm;
    QVERIFY(modify != nullptr);
    QVERIFY(ModifyForm.IsMade());
    QVERIFY(!DIYForm.IsMade());
    QCOMPARE(ModifyForm.Get(), modify);
    QCOMPARE(modify->parentWidget(), Form1);
    QCOMPARE(modify->objectName(), QString("ModifyForm"));
    QVERIFY(!modify->isVisible());
    QCOMPARE(Form1->findChild<QDialog*>("ModifyForm"), modify);
    QCOMPARE(DIYForm->parentWidget(), Form1);
    QCOMPARE(DIYForm->objectName(), QString("DIYForm"));
    QVERIFY(!DIYForm->isVisible());
    QCOMPARE(AboutForm->parentWidget(), Form1);
    QCOMPARE(AboutForm->objectName(), QString("AboutForm"));
    QVERIFY(!AboutForm->isVisible());
    DestroyWindows();
    QVERIFY(!ModifyForm.IsMade());
    QCOMPARE(ModifyForm.Get(), nullptr);
    QCOMPARE(DIYForm.Get(), nullptr);
}

// Start-up makes only the pages on screen. Opening another makes its
// controls, filling the page as the first list does, and Tab from the page
// control lands in them.
void TestWindows::laterPagesAreMadeWhenOpened()
{
    QCOMPARE(Form1->RadioGroup2, nullptr);
    QCOMPARE(Form1->RadioGroup3, nullptr);
    const QString later = "SpeedButton" + QString::fromStdString(BeastPickerPages()[1].Beasts[0]);
    QVERIFY(Form1->findChild<QPushButton*>(later) == nullptr);

    Form1->PageControl2->setCurrentIndex(1);
    QVERIFY(Form1->RadioGroup2 != nullptr);
    QCOMPARE(Form1->RadioGroup3, nullptr);
    QCOMPARE(Form1->RadioGroup2->Count(), static_cast<int>(BookLists()[1].Items.size()));
    QTRY_COMPARE(Form1->RadioGroup2->geometry(), Form1->RadioGroup1->geometry());
    QVERIFY(Form1->RadioGroup2->Item(0)->isVisible());
    QVERIFY(Form1->RadioGroup2->Item(0)->isChecked());
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    Form1->PageControl2->tabBar()->setFocus();
    QTest::keyClick(Form1->PageControl2->tabBar(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Form1->RadioGroup2->Item(0));

    Form1->PageControl1->setCurrentIndex(1);
    QVERIFY(Form1->findChild<QPushButton*>(later) != nullptr);
    QVERIFY(Form1->findChild<QPushButton*>(later)->isVisible());
}

#include "tst_windows.moc"
