#include "UpDownButton.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

#include "engine/strict_number.h"

UpDownButton::UpDownButton(QWidget* parent)
    : QWidget(parent)
    , up_(new QToolButton(this))
    , down_(new QToolButton(this))
{
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setIconSize(QSize(7, 4));
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    connect(up_, &QToolButton::clicked, this, &UpDownButton::StepUp);
    connect(down_, &QToolButton::clicked, this, &UpDownButton::StepDown);
}

void UpDownButton::SetAssociate(QLineEdit* edit)
{
    if (edit_)
        edit_->removeEventFilter(this);
    edit_ = edit;
    if (edit_)
        edit_->installEventFilter(this);
}

void UpDownButton::SetRange(int floor, int ceiling)
{
    floor_ = floor;
    ceiling_ = ceiling;
}

int UpDownButton::Position() const
{
    if (edit_) {
        int32_t typed = 0;
        if (ParseInt32(edit_->text().toStdString(), typed))
            return typed;
    }
    return position_;
}

bool UpDownButton::Step(Direction direction)
{
    const int now = Position();
    // A position outside the range first snaps into it, as the arrows only
    // ever show positions inside it.
    const int from = std::clamp(now, std::min(floor_, ceiling_), ceiling_);
    int to = from;
    if (direction == Direction::Up && from < ceiling_)
        to = from + 1;
    else if (direction == Direction::Down && from > floor_)
        to = from - 1;
    if (to == from)
        return false;
    position_ = to;
    if (edit_)
        edit_->setText(QString::number(to));
    emit Clicked(direction);
    return true;
}

bool UpDownButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? Direction::Up : Direction::Down);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDownButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
