#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "LeakCheck.h"
#include "ModalWatcher.h"
#include "PanelSession.h"
#include "ui/Unit2.h"
#include "ui/petmodify.h"
#include "ui/model/Cp936Text.h"
#include "ui/model/PanelText.h"

class TestModify : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<PanelSession> panel;
    TModifyForm* form = nullptr;

    void setBeast(int32_t level, std::array<int32_t, 5> points, int32_t potential)
    {
        TPet& b = *CurrentBeast;
        b.Name = "芙蓉仙子";
        b.Level = level;
        b.Physique = points[0], b.Magic = points[1], b.Strength = points[2];
        b.Endurance = points[3], b.Agility = points[4];
        b.Potential = potential;
    }
    void reopen()
    {
        form->hide();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    QString rows() const
    {
        QStringList texts;
        for (QLineEdit* e : {form->Edit4, form->Edit5, form->Edit6, form->Edit7, form->Edit8, form->Edit3})
            texts << e->text();
        return texts.join(' ');
    }
    void setLevel(const QString& text)
    {
        form->Edit2->selectAll();
        QTest::keyClicks(form->Edit2, text);
    }
    bool panelShows(const QString& text) const
    {
        for (QLabel* label : Form2->findChildren<QLabel*>())
            if (label->text() == text)
                return true;
        return false;
    }

private slots:
    void init()
    {
        panel = std::make_unique<PanelSession>();
        setBeast(0, {25, 12, 13, 11, 14}, 0);
        form = new TModifyForm(panel->Session());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    void cleanup()
    {
        delete form;
        panel.reset();
        VerifyNoLeakedWindows();
    }

    void layoutAndShow()
    {
        QCOMPARE(form->size(), QSize(219, 326));
        QCOMPARE(form->windowTitle(), QStringLiteral("召唤兽修正"));
        QCOMPARE(form->Edit1->text(), QStringLiteral("芙蓉仙子"));
        QCOMPARE(form->Edit2->text(), QStringLiteral("0"));
        QCOMPARE(rows(), QStringLiteral("25 12 13 11 14 0"));
        QCOMPARE(form->findChild<QLineEdit*>("Edit11")->text(), QStringLiteral("3"));
        QCOMPARE(form->Edit4->geometry(), QRect(48, 24, 49, 21));
        QCOMPARE(form->UpDown5->geometry(), QRect(97, 144, 15, 21));
        QCOMPARE(form->BitBtn2->geometry(), QRect(128, 296, 57, 23));
        QVERIFY(form->Edit4->isReadOnly());
    }

    void levelChange_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("expected");
        QTest::newRow("level 0 to 10 adds ten to each and 50 potential") << 0 << "10"
                                                                         << "10"
                                                                         << "35 22 23 21 24 50";
        QTest::newRow("161 turns into 0, stored values") << 0 << "161"
                                                         << "0"
                                                         << "25 12 13 11 14 0";
        QTest::newRow("stored level 5 to 10 counts five levels") << 5 << "10"
                                                                 << "10"
                                                                 << "30 17 18 16 19 25";
        QTest::newRow("below the stored level gains nothing") << 5 << "3"
                                                              << "3"
                                                              << "25 12 13 11 14 0";
    }
    void levelChange()
    {
        QFETCH(int, stored);
        QFETCH(QString, typed);
        QFETCH(QString, level);
        QFETCH(QString, expected);
        CurrentBeast->Level = stored;
        reopen();
        setLevel(typed);
        QCOMPARE(form->Edit2->text(), level);
        QCOMPARE(rows(), expected);
    }

    void stepsByArrowsAndKeys()
    {
        setLevel("1");  // potential 5
        auto* up = form->UpDown1->findChild<QToolButton*>("up");
        auto* down = form->UpDown1->findChild<QToolButton*>("down");
        QTest::mouseClick(down, Qt::LeftButton);
        QCOMPARE(rows(), QStringLiteral("26 13 14 12 15 5"));  // at the floor: nothing moves
        QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(rows(), QStringLiteral("27 13 14 12 15 4"));
        form->Edit6->setFocus();
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(form->Edit6, Qt::Key_Up);
        QCOMPARE(rows(), QStringLiteral("27 13 18 12 15 0"));  // stops when the potential runs out
        QTest::keyClick(form->Edit6, Qt::Key_Down);
        QCOMPARE(rows(), QStringLiteral("27 13 17 12 15 1"));
        QTest::keyClick(form->Edit2, Qt::Key_Up);  // the level spinner steps too, discarding the moves
        QCOMPARE(form->Edit2->text(), QStringLiteral("2"));
        QCOMPARE(rows(), QStringLiteral("27 14 15 13 16 10"));
        QTest::mouseClick(form->UpDown6->findChild<QToolButton*>("down"), Qt::LeftButton);
        QTest::keyClick(form->Edit2, Qt::Key_Down);
        QCOMPARE(form->Edit2->text(), QStringLiteral("0"));  // the stored level is the floor
        QCOMPARE(rows(), QStringLiteral("25 12 13 11 14 0"));
    }

    // Typing passes through shorter levels ("12" through "1"); a level below
    // the stored one shows the stored level's rows meanwhile and is set right
    // when editing ends, keeping the points moved since.
    void levelBelowTheStoredOneIsSetRightWhenEditingEnds_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Return below") << "3" << int(Qt::Key_Return) << "5"
                                      << "26 13 13 11 14 0";
        QTest::newRow("Tab away below") << "3" << int(Qt::Key_Tab) << "5"
                                        << "26 13 13 11 14 0";
        QTest::newRow("two digits through a lower one") << "12" << int(Qt::Key_Return) << "12"
                                                        << "33 20 20 18 21 35";
    }
    void levelBelowTheStoredOneIsSetRightWhenEditingEnds()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, level);
        QFETCH(QString, expected);
        setBeast(5, {25, 13, 13, 11, 14}, 1);
        reopen();
        // The offscreen platform activates no window; focus changes need one.
        QApplication::setActiveWindow(form);
        form->Edit2->setFocus();
        setLevel(typed);
        QCOMPARE(form->Edit2->text(), typed);  // typing is never interrupted
        QTest::mouseClick(form->UpDown5->findChild<QToolButton*>("down"), Qt::LeftButton);
        QTest::mouseClick(form->UpDown1->findChild<QToolButton*>("up"), Qt::LeftButton);
        QTest::keyClick(form->Edit2, Qt::Key(key));
        QCOMPARE(form->Edit2->text(), level);
        QCOMPARE(rows(), expected);
        QVERIFY(form->isVisible());
    }

    void ratio()
    {
        ModalWatcher watcher;
        setLevel("10");
        form->CheckBox1->click();
        QCOMPARE(rows(), QStringLiteral("45 22 53 31 24 0"));
        QTest::mouseClick(form->UpDown3->findChild<QToolButton*>("down"), Qt::LeftButton);
        QCOMPARE(rows(), QStringLiteral("45 22 52 31 24 1"));
        form->CheckBox1->click();  // unchecking applies nothing
        QCOMPARE(rows(), QStringLiteral("45 22 52 31 24 1"));
        form->Edit9->setText("2");
        form->CheckBox1->click();
        QCOMPARE(watcher.boxes().size(), size_t{1});
        QCOMPARE(watcher.boxes()[0].text, QStringLiteral("比例之和需为5或10或100！"));
        QCOMPARE(watcher.boxes()[0].title, QStringLiteral("提示信息"));
        QCOMPARE(watcher.boxes()[0].icon, QMessageBox::NoIcon);
        QVERIFY(form->CheckBox1->isChecked());
        form->CheckBox1->click();
        form->Edit9->setText("");
        form->CheckBox1->click();
        QCOMPARE(watcher.boxes().size(), size_t{2});
        QCOMPARE(watcher.boxes()[1].text, QStringLiteral("'' is not a valid integer value."));
        QCOMPARE(watcher.boxes()[1].icon, QMessageBox::Critical);
        QCOMPARE(rows(), QStringLiteral("45 22 52 31 24 1"));
        setLevel("3");  // a level change clears the box and the moves
        QVERIFY(!form->CheckBox1->isChecked());
        QCOMPARE(rows(), QStringLiteral("28 15 16 14 17 15"));
    }

    void commitCloseReopen()
    {
        form->Edit1->setText("小仙");
        setLevel("10");
        form->CheckBox1->click();
        QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
        const TPet& b = *CurrentBeast;
        QCOMPARE(b.Name, std::string("小仙"));
        QCOMPARE(b.Level, 10);
        QCOMPARE((std::array<int32_t, 6>{b.Physique, b.Magic, b.Strength, b.Endurance, b.Agility, b.Potential}),
                 (std::array<int32_t, 6>{45, 22, 53, 31, 24, 0}));
        const int32_t hp = b.Hp;
        TPet copy = b;
        copy.ComputeAttributes(10);
        QCOMPARE(hp, copy.Hp);
        QVERIFY(panelShows(QStringLiteral("小仙")));
        const auto shown = PanelText::Values(b);
        for (int n = 18; n <= 23; ++n)
            QCOMPARE(Form2->findChild<QLabel*>(QString("Label%1").arg(n))->text(),
                     QString::fromStdString(shown[static_cast<std::size_t>(n - 1)]));
        QTest::mouseClick(form->BitBtn1, Qt::LeftButton);  // again: the same values
        QCOMPARE(b.Strength, 53);

        QTest::mouseClick(form->UpDown1->findChild<QToolButton*>("down"), Qt::LeftButton);
        form->Edit13->setText("7");
        QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(b.Physique, 45);  // closing writes nothing
        reopen();
        QCOMPARE(rows(), QStringLiteral("45 22 53 31 24 0"));
        QCOMPARE(form->Edit13->text(), QStringLiteral("7"));  // weights are kept
        QTest::keyClick(form->Edit2, Qt::Key_Down);
        QCOMPARE(form->Edit2->text(), QStringLiteral("10"));  // the committed level is the floor
    }

    void commitRefusals()
    {
        ModalWatcher watcher;
        CurrentBeast->Level = 20;
        reopen();
        setLevel("5");
        form->Edit1->setText("新名");
        QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
        QCOMPARE(CurrentBeast->Level, 20);  // never lowered
        QCOMPARE(form->Edit2->text(), QStringLiteral("20"));
        QCOMPARE(CurrentBeast->Name, std::string("新名"));

        form->Edit1->setText("别名");
        form->Edit2->setText("");  // reported by the level change too
        QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
        QCOMPARE(watcher.boxes().size(), size_t{2});
        QCOMPARE(watcher.boxes()[1].text, QStringLiteral("'' is not a valid integer value."));
        QCOMPARE(CurrentBeast->Name, std::string("新名"));  // nothing half-written
    }

    void keyFilters()
    {
        ModalWatcher watcher;  // the emptied level is reported
        form->Edit2->setFocus();
        form->Edit2->setCursorPosition(1);
        QTest::keyClick(form->Edit2, Qt::Key_Backspace);
        QCOMPARE(form->Edit2->text(), QStringLiteral("0"));
        QTest::keyClicks(form->Edit2, "a-.");
        QCOMPARE(form->Edit2->text(), QStringLiteral("0"));
        form->Edit2->selectAll();
        QTest::keyClicks(form->Edit2, "7");
        QCOMPARE(form->Edit2->text(), QStringLiteral("7"));
        QTest::keyClick(form->Edit2, Qt::Key_Home);
        QTest::keyClick(form->Edit2, Qt::Key_Delete);
        QCOMPARE(form->Edit2->text(), QString());
        form->Edit9->selectAll();
        QTest::keyClicks(form->Edit9, "x4");
        QCOMPARE(form->Edit9->text(), QStringLiteral("4"));
    }

    void nameLimit()
    {
        form->Edit1->clear();
        QTest::keyClicks(form->Edit1, "abcdefghijklmn");
        QCOMPARE(form->Edit1->text(), QStringLiteral("abcdefghijkl"));
        form->Edit1->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("仙😀子仙子仙子仙"));
        form->Edit1->paste();
        QCOMPARE(form->Edit1->text(), QStringLiteral("仙子仙子仙子"));
        QCOMPARE(Cp936Counter().Length(form->Edit1->text().toStdString()), 12);
    }
};

QTEST_MAIN(TestModify)
#include "tst_modify.moc"
