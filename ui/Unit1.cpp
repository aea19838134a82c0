#include "Unit1.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QTabWidget>

#include "ButtonTabWidget.h"
#include "Fonts.h"
#include "MessageBoxes.h"
#include "RadioList.h"
#include "Record.h"
#include "Unit2.h"
#include "Unit3.h"
#include "About.h"
#include "data/builtin_data.h"
#include "petdiy.h"
#include "petmodify.h"
#include "ui/model/PanelText.h"

std::string SelectedBook;
std::string CertifyChoice;
TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    setObjectName("Form1");
    setWindowTitle(ApplicationTitle());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(732, 523);
    setAttribute(Qt::WA_QuitOnClose);
    // MS Sans Serif has no Chinese; its captions come out in 宋体 at 12 px,
    // so that face serves the whole window (and, the panel using it too, is
    // the only Chinese face loaded at start-up).
    setFont(SongTiFont(12));

    Panel5 = new QWidget(this);
    Panel5->setObjectName("Panel5");
    Panel5->setAccessibleName("召唤兽");
    Panel5->setGeometry(0, 0, 472, 403);

    PageControl1 = new ButtonTabWidget(55, 20, this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setAccessibleName("召唤兽选择");
    PageControl1->setGeometry(0, 403, 472, 73);
    static const int lefts[] = {32, 120, 208, 296};
    for (const BeastPage& page : BeastPickerPages()) {
        auto* tab = new QWidget;
        for (std::size_t i = 0; i < page.Beasts.size() && i < 4; ++i) {
            auto* button = new QPushButton(QString::fromStdString(page.Beasts[i]), tab);
            button->setObjectName(QString("SpeedButton%1").arg(button->text()));
            button->setAccessibleName(button->text());
            button->setFlat(true);
            button->setGeometry(lefts[i], 8, 73, 22);
            connect(button, &QPushButton::clicked, this, [this, button] { SpeedButton1Click(button); });
        }
        PageControl1->addTab(tab, QString::fromStdString(page.Caption));
    }

    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName("PageControl2");
    PageControl2->setAccessibleName("技能书");
    PageControl2->setGeometry(472, 0, 260, 403);
    RadioGroup1 = MakeBookList(0, 2);
    RadioGroup2 = MakeBookList(1, 2);
    RadioGroup3 = MakeBookList(2, 1);

    auto* preview = new QWidget(this);
    preview->setObjectName("Panel3");
    preview->setGeometry(472, 403, 260, 73);
    Image1 = new QLabel(preview);
    Image1->setObjectName("Image1");
    Image1->setAccessibleName("技能书图标");
    Image1->setGeometry(10, 16, 40, 40);
    ScrollBox1 = new QScrollArea(preview);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setGeometry(64, 10, 190, 52);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Label1 = new QLabel;
    Label1->setObjectName("Label1");
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFixedWidth(169);
    Label1->setAccessibleName("技能书说明");
    ScrollBox1->setWidget(Label1);
    ScrollBox1->viewport()->setAutoFillBackground(false);
    Label1->setAutoFillBackground(false);

    MakeButton("BitBtn27", "召唤兽修正", 56, 89, &TForm1::BitBtn27Click);
    MakeButton("BitBtn28", "完全DIY", 192, 89, &TForm1::BitBtn28Click);
    MakeButton("BitBtn25", "认证", 328, 89, &TForm1::BitBtn25Click);
    MakeButton("BitBtn26", "打书", 512, 89, &TForm1::BitBtn26Click);
    MakeButton("BitBtn1", "关于软件", 648, 65, &TForm1::BitBtn1Click);
    CreateRecordButton(this);
}

RadioList* TForm1::MakeBookList(int index, int columns)
{
    const BookList& list = BookLists()[index];
    QStringList items;
    for (const std::string& item : list.Items)
        items.append(QString::fromStdString(item));
    auto* group = new RadioList(QString("RadioGroup%1").arg(index + 1), items, columns);
    group->setAccessibleName(QString::fromStdString(list.Title));
    for (int i = 0; i < group->Count(); ++i)
        group->Item(i)->setToolTip(items[i] + "\n" + QString::fromStdString(SkillDescription(list.Items[i])));
    connect(group, &RadioList::MarkMoved, this, &TForm1::RadioGroup1Click);
    PageControl2->addTab(group, QString::fromStdString(list.Title));
    return group;
}

void TForm1::MakeButton(const char* name, const char* caption, int left, int width, void (TForm1::*handler)())
{
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(name);
    button->setAccessibleName(button->text());
    button->setGeometry(left, 476 + 10, width, 25);
    connect(button, &QPushButton::clicked, this, handler);
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TForm1::FormShow()
{
    if (!Form2 || Form2->parentWidget() == Panel5)
        return;
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    Form2->setParent(Panel5, Qt::Widget);
    Form2->move(10, 10);
    Form2->show();
}

void TForm1::SpeedButton1Click(QPushButton* sender)
{
    const TPet before = *CurrentBeast;
    CurrentBeast->LoadBeast(sender->text().toStdString());
    NoteRoll(before, *CurrentBeast);
    Form2->RefreshAll();
}

void TForm1::RadioGroup1Click(const QString& chosen)
{
    Image1->clear();
    const std::string name = chosen.toStdString();
    const int index = PanelText::IconIndex(Form2->Memo2, name);
    if (index >= 0) {
        if (index < static_cast<int>(Form2->ImageList1.size()))
            Image1->setPixmap(Form2->ImageList1[index]);
        Label1->setText(QString::fromStdString(SkillDescription(name)));
        Label1->adjustSize();
        Image1->setToolTip(chosen + "\n" + Label1->text());
    }
    SelectedBook = name;
}

void TForm1::BitBtn26Click()
{
    if (SelectedBook.empty())
        return;
    const TPet before = *CurrentBeast;
    CurrentBeast->HitBook(SelectedBook);
    NoteBook(SelectedBook, before, *CurrentBeast);
    Form2->RefreshSkills();
}

void TForm1::BitBtn25Click()
{
    std::vector<std::string> list;
    if (!CurrentBeast->CertifiableSkills(list)) {
        ShowInfoMessage(this, "此召唤兽无可认证技能或已经认证！");
        return;
    }
    Form3->ShowChoices(list);
    Form3->exec();
    if (!CertifyChoice.empty()) {
        const TPet before = *CurrentBeast;
        CurrentBeast->Certify(CertifyChoice);
        NoteCertify(CertifyChoice, before, *CurrentBeast);
        CertifyChoice.clear();
        Form2->RefreshSkills();
    }
}

void TForm1::BitBtn27Click()
{
    ModifyForm->exec();
}

void TForm1::BitBtn28Click()
{
    DIYForm->exec();
}

void TForm1::BitBtn1Click()
{
    AboutForm->exec();
}
