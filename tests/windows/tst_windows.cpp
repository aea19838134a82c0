#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QtTest>

#include "About.h"
#include "ModalWatcher.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "data/builtin_data.h"
#include "petdiy.h"
#include "petmodify.h"
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
    void initTestCase()
    {
        Form1 = new TForm1;
        Form2 = new TForm2;
        Form3 = new TForm3(Form1);
        ModifyForm = new TModifyForm(Form1);
        DIYForm = new TDIYForm(Form1);
        AboutForm = new TAboutForm(Form1);
        Form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
    }
    void cleanupTestCase()
    {
        delete Form1;  // the panel and the dialogs are its children by now
        Form1 = nullptr;
        Form2 = nullptr;
        QCOMPARE(CurrentBeast, nullptr);
    }

    void startUpShowsRolledDefaultBeastAndNoBook()
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

    void choosingBookShowsItsOwnIconAndDescription_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("book");
        QTest::addColumn<int>("icon");
        QTest::newRow("善恶有报 keeps its own icon") << 2 << "善恶有报" << 80;
        QTest::newRow("上古灵符 keeps its own icon") << 2 << "上古灵符" << 79;
        QTest::newRow("low list second item") << 0 << QString::fromStdString(BookLists()[0].Items[1])
                                              << SkillIndex(BookLists()[0].Items[1]);
        QTest::newRow("high list") << 1 << QString::fromStdString(BookLists()[1].Items[2])
                                   << SkillIndex(BookLists()[1].Items[2]);
    }
    void choosingBookShowsItsOwnIconAndDescription()
    {
        QFETCH(int, list);
        QFETCH(QString, book);
        QFETCH(int, icon);
        choose(list, book.toStdString());
        QCOMPARE(QString::fromStdString(SelectedBook), book);
        QCOMPARE(Form1->Label1->text(), QString::fromStdString(SkillDescription(book.toStdString())));
        QCOMPARE(Form1->Image1->pixmap().toImage(), Form2->ImageList1[icon].toImage());
        QVERIFY(item(list, 0)->toolTip().contains(QString::fromStdString(BookLists()[list].Items[0])));
    }

    void switchingPagesKeepsTheChosenBook()
    {
        choose(1, BookLists()[1].Items[3]);
        Form1->PageControl2->setCurrentIndex(0);
        Form1->PageControl2->setCurrentIndex(2);
        QCOMPARE(SelectedBook, BookLists()[1].Items[3]);
    }

    void beastButtonsLoadTheirTemplate_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("button");
        for (int p = 0; p < static_cast<int>(BeastPickerPages().size()); ++p)
            QTest::newRow(BeastPickerPages()[p].Caption.c_str()) << p << 0;
        QTest::newRow("95 second button 幽灵") << 3 << 1;
    }
    void beastButtonsLoadTheirTemplate()
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
        QCOMPARE(Form2->PictureIndex(), static_cast<int>(&*std::find_if(CatalogueLines().begin(), CatalogueLines().end(),
            [&](const std::string& l) { return l.rfind(name + ";", 0) == 0; }) - &CatalogueLines()[0]));
    }

    void hitBookRefusesOwnedAndAddsNew()
    {
        CurrentBeast->Skills.clear();
        CurrentBeast->CertifiedSkill.clear();
        choose(0, BookLists()[0].Items[2]);
        Form1->BitBtn26Click();  // empty beast: the book is always inserted
        QCOMPARE(CurrentBeast->Skills, std::vector<std::string>{SelectedBook});
        QCOMPARE(slotImage(1), icon(SelectedBook));
        QVERIFY(slot(1)->toolTip().startsWith(QString::fromStdString(SelectedBook)));
        Form1->BitBtn26Click();  // already owned: refused
        QCOMPARE(CurrentBeast->Skills.size(), std::size_t(1));
        choose(0, BookLists()[0].Items[3]);
        Form1->BitBtn26Click();  // added or overwritten, the new book is there
        QVERIFY(std::count(CurrentBeast->Skills.begin(), CurrentBeast->Skills.end(), SelectedBook) == 1);
    }

    void certificationRoundTrip()
    {
        std::vector<std::string> certifiable;
        TPet::CertifiableSet(certifiable);
        QVERIFY(certifiable.size() >= 2);
        CurrentBeast->Skills = {"夜战", certifiable[0], certifiable[1]};
        CurrentBeast->CertifiedSkill.clear();
        Form2->RefreshSkills();
        {   // dismissed with the close box: nothing changes
            ModalWatcher watcher;
            int shown = -1;
            watcher.onNext([&](QWidget* w) { shown = int(ChoiceLabels.size()); w->close(); });
            Form1->BitBtn25Click();
            QCOMPARE(shown, 2);
            QVERIFY(ChoiceLabels.empty());
            QVERIFY(CurrentBeast->CertifiedSkill.empty());
            QVERIFY(CertifyChoice.empty());
        }
        {   // the second entry picked
            ModalWatcher watcher;
            QPoint secondTop;
            watcher.onNext([&](QWidget*) {
                secondTop = ChoiceLabels[1]->pos();
                QCOMPARE(ChoiceLabels[1]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
                QTest::mouseClick(ChoiceLabels[1], Qt::LeftButton);
            });
            Form1->BitBtn25Click();
            QCOMPARE(secondTop, QPoint(16, 82));
            QCOMPARE(CurrentBeast->CertifiedSkill, certifiable[1]);
            QVERIFY(CertifyChoice.empty());
            QVERIFY(!slot(12)->pixmap().isNull());
            const QImage framed = slotImage(12);
            const QImage frame = Form2->ImageList1[88].toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(framed.pixel(0, 0), frame.pixel(0, 0));
            QCOMPARE(framed.pixel(38, 20), frame.pixel(38, 20));
            QCOMPARE(framed.pixel(20, 20), icon(certifiable[1]).pixel(20, 20));
        }
        {   // already certified: the message box
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

    void chooserGrowsToShowEveryEntry()
    {
        Form3->ShowChoices({"a", "b", "c", "d", "e"});
        QCOMPARE(ChoiceLabels.size(), std::size_t(5));
        QVERIFY(ChoiceLabels[4]->geometry().bottom() < Form3->height());
        QCOMPARE(ChoiceLabels[4]->pos(), QPoint(16, 56 + 26 * 4));
        Form3->ShowChoices({"x"});
        QCOMPARE(ChoiceLabels.size(), std::size_t(1));
        QCOMPARE(Form3->height(), 140);
        Form3->show();
        Form3->close();
        QVERIFY(ChoiceLabels.empty());
    }

    void panelWithTwelveAndMoreSkills()
    {
        CurrentBeast->Skills.assign(12, "夜战");
        CurrentBeast->Skills[11] = "反击";
        CurrentBeast->CertifiedSkill = "神佑复生";
        Form2->RefreshSkills();
        QCOMPARE(slotImage(12).pixel(20, 20), icon("神佑复生").pixel(20, 20));
        QVERIFY(Form2->MoreSkills()->isHidden());
        CurrentBeast->Skills.push_back("连击");
        CurrentBeast->Skills.push_back("偷袭");
        Form2->RefreshSkills();
        QVERIFY(!Form2->MoreSkills()->isHidden());
        QCOMPARE(Form2->MoreSkills()->text(), QString("+2"));
        QCOMPARE(Form2->MoreSkills()->toolTip(), QString("连击\n偷袭"));
        QVERIFY(Form2->MoreSkills()->geometry().right() < Form2->width());
    }

    void beastTextIsPlain()
    {
        CurrentBeast->Name = "<b>x</b>";
        const int picture = Form2->PictureIndex();
        Form2->RefreshAll();
        QCOMPARE(value(10)->textFormat(), Qt::PlainText);
        QCOMPARE(value(10)->text(), QString("<b>x</b>"));
        QCOMPARE(Form2->PictureIndex(), picture);  // no template of that name
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
