#include "ui/widgets/UpDownButton.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

UpDownButton::UpDownButton(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setAutoRepeat(true);
        // The keyboard steps through the edit's Up and Down keys instead.
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setIconSize(QSize(7, 4));
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    connect(up_, &QToolButton::clicked, this, [this] { Step(Direction::Up); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(Direction::Down); });
}

void UpDownButton::SetAssociate(QLineEdit* edit)
{
    if (edit_)
        edit_->removeEventFilter(this);
    edit_ = edit;
    if (edit_)
        edit_->installEventFilter(this);
}

void UpDownButton::SetCaption(const QString& caption)
{
    up_->setAccessibleName(caption + QStringLiteral("加一"));
    down_->setAccessibleName(caption + QStringLiteral("减一"));
}

void UpDownButton::Step(Direction direction)
{
    emit Clicked(direction);
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
