#include "ui/About.h"

#include "ui/widgets/ArtPixmap.h"
#include "ui/widgets/AutoSizeLabel.h"
#include "ui/widgets/CentredOver.h"
#include "ui/CreditsWindow.h"
#include "ui/widgets/DialogFlags.h"
#include "ui/skin/Fonts.h"
#include "ui/widgets/LinkLabel.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QShowEvent>

LazyWindow<TAboutForm> AboutForm;

namespace {

QLabel* Styled(QLabel* label, const char* name, bool bold)
{
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

// The titles and the version line size themselves; the note and the contact
// lines wrap in their given boxes.
QLabel* Placed(QWidget* parent, const char* name, const QString& text, bool bold, QPoint at)
{
    return Styled(new AutoSizeLabel(text, parent, at), name, bold);
}

QLabel* Wrapped(QLabel* label, const char* name, QRect box)
{
    Styled(label, name, false);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(box);
    return label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent, FixedDialogFlags())
{
    setObjectName(QStringLiteral("AboutForm"));
    // A window title shows "&" as it is; it marks no shortcut there.
    setWindowTitle(QStringLiteral("关于软件&作者"));
    const QFont font = YaHeiFont(14);
    setFont(font);
    setFixedSize(370, 271);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 353, 257);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(56, 16, 48, 48);
    Image1->setPixmap(ArtPixmap::Load(QStringLiteral(":/art/about.png")));

    Label1 = Placed(this, "Label1", QStringLiteral("青霭灵踪之打书模拟器"), true, QPoint(120, 16));
    Label2 = Placed(this, "Label2", QStringLiteral("第三版3.0"), false, QPoint(160, 32));
    Label3 = Placed(this, "Label3", QStringLiteral("关于软件"), true, QPoint(16, 72));
    const QString note = QStringLiteral("      界面与核心代码进行了更新，因而定义为第三版；本工具纯属娱乐，"
                                        "跟游戏无挂钩，只是单纯的模拟青霭灵踪洗BB和打书；游戏讲究几率，"
                                        "忌用以此工具作参考进行游戏的真实打书！");
    Label4 = Wrapped(new QLabel(note, this), "Label4", QRect(16, 88, 337, 81));
    Label5 = Placed(this, "Label5", QStringLiteral("关于作者"), true, QPoint(16, 168));
    Label6 = Wrapped(new QLabel(QStringLiteral("●重写：打书模拟器开发组，纯属自娱"), this), "Label6",
                     QRect(16, 192, 329, 25));
    createArtworkLink();
    Label8 = Wrapped(new QLabel(QStringLiteral("●本程序依 MIT 许可开源"), this), "Label8", QRect(16, 240, 169, 25));
}

void TAboutForm::createArtworkLink()
{
    LinkLabel::InstallAccessibility();
    Label7 = new LinkLabel(QStringLiteral("●图标取自 game-icons.net，依 CC BY 3.0 改绘"), this);
    Wrapped(Label7, "Label7", QRect(16, 216, 329, 25));
    Label7->setToolTip(QStringLiteral("查看每个图标的作者与许可"));
    Label7->setAccessibleDescription(Label7->toolTip());
    connect(Label7, &LinkLabel::activated, this, &TAboutForm::Label7Click);
}

void TAboutForm::Label7Click()
{
    if (!CreditsWindow)
        CreditsWindow = new TCreditsWindow(this);
    CreditsWindow->open();
}

void TAboutForm::showEvent(QShowEvent* event)
{
    // Centred on the main window at every showing.
    if (const QWidget* owner = parentWidget())
        setGeometry(CentredOver(owner->window(), this));
    QDialog::showEvent(event);
}
