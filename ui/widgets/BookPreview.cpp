#include "ui/widgets/BookPreview.h"

#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

#include "ui/model/PanelText.h"

BookPreview::BookPreview(QWidget* parent) : QWidget(parent)
{
    setObjectName("Panel3");
    Icon = new QLabel(this);
    Icon->setObjectName("Image1");
    Icon->setAccessibleName("技能书图标");
    Icon->setGeometry(10, 16, 40, 40);

    Scroll = new QScrollArea(this);
    Scroll->setObjectName("ScrollBox1");
    Scroll->setAccessibleName("技能书说明");
    Scroll->setFrameShape(QFrame::NoFrame);
    Scroll->setGeometry(64, 10, 190, 52);
    Scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Scroll->setFocusPolicy(Qt::NoFocus);
    Scroll->viewport()->setAutoFillBackground(false);

    Text = new QLabel;
    Text->setObjectName("Label1");
    Text->setTextFormat(Qt::PlainText);
    Text->setWordWrap(true);
    Text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Text->setFixedWidth(169);
    Text->setAutoFillBackground(false);
    Scroll->setWidget(Text);
}

void BookPreview::Show(const SkillEntry& book, const QPixmap& icon)
{
    Icon->clear();
    if (book.Icon < 0 || icon.isNull())
        return;
    const QString name = QString::fromStdString(book.Skill);
    const QString description = QString::fromStdString(book.Description);
    Icon->setPixmap(icon);
    Icon->setToolTip(QString::fromStdString(PanelText::ToolTip(book)));
    Icon->setAccessibleName("技能书图标：" + name);
    Text->setText(description);
    Text->setAccessibleName(name);
    Text->setAccessibleDescription(description);
    fit();
}

void BookPreview::fit()
{
    // The height the text takes at the label's fixed width (adjustSize()
    // would wrap it for a narrower width first and come out a line too high).
    const int width = Text->width();
    const int textHeight = Text->heightForWidth(width);
    // Three lines of 宋体 12 px are 54 px against the area's 52; what would be
    // cut is the lower half of the last line's descent, where Chinese text
    // and its punctuation leave no ink. Such a text counts as fitting.
    const int blankFoot = (Text->fontMetrics().descent() + 1) / 2;
    const int visible = Scroll->height();
    const bool scrolls = textHeight - blankFoot > visible;
    Text->resize(width, scrolls ? textHeight : std::min(textHeight, visible));
    // A scroll bar, and a Tab stop, only for a text that does not fit.
    Scroll->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    Scroll->setFocusPolicy(scrolls ? Qt::StrongFocus : Qt::NoFocus);
    Scroll->verticalScrollBar()->setValue(0);
}
