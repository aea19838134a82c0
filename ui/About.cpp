#include "About.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>

TAboutForm* AboutForm = nullptr;

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, bool bold, const QRect& rect, bool wrap)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    QFont font;
    font.setFamilies({QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(14);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(wrap);
    if (rect.isValid()) {
        label->setGeometry(rect);
    } else {
        label->move(rect.topLeft());
        label->adjustSize();
    }
    return label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutForm"));
    // Window titles take no shortcut letters, so the "&" shows as it is.
    setWindowTitle(QStringLiteral("关于软件&作者"));
    setFixedSize(370, 271);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::Panel);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 353, 257);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(56, 16, 48, 48);
    Image1->setPixmap(QPixmap(QStringLiteral(":/art/about.png")));

    const QRect noSize(0, 0, -1, -1);
    Label1 = MakeLabel(this, "Label1", QStringLiteral("青霭灵踪之打书模拟器"), true, noSize.translated(120, 16), false);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("第三版3.0"), false, noSize.translated(160, 32), false);
    Label3 = MakeLabel(this, "Label3", QStringLiteral("关于软件"), true, noSize.translated(16, 72), false);
    Label4 = MakeLabel(this, "Label4",
                       QStringLiteral("      界面与核心代码进行了更新，因而定义为第三版；本工具纯属娱乐，跟游戏无挂钩，"
                                      "只是单纯的模拟青霭灵踪洗BB和打书；游戏讲究几率，忌用以此工具作参考进行游戏的真实打书！"),
                       false, QRect(16, 88, 337, 81), true);
    Label5 = MakeLabel(this, "Label5", QStringLiteral("关于作者"), true, noSize.translated(16, 168), false);
    Label6 = MakeLabel(this, "Label6", QStringLiteral("●作者：青霭灵踪模拟器开发组"), false, QRect(16, 192, 329, 25), true);
    Label7 = MakeLabel(this, "Label7", QStringLiteral("●图标素材来自 game-icons.net，依 CC BY 3.0 使用并改绘"), false,
                       QRect(16, 216, 329, 25), true);
    Label8 = MakeLabel(this, "Label8", QStringLiteral("●仅供娱乐交流"), false, QRect(16, 240, 169, 25), true);
}

void TAboutForm::showEvent(QShowEvent* event)
{
    if (QWidget* owner = parentWidget())
        move(owner->window()->frameGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
