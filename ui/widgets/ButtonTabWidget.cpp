#include "ui/widgets/ButtonTabWidget.h"

#include <QCursor>
#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTabBar>

namespace {

class ButtonTabBar : public QTabBar {
public:
    ButtonTabBar(QSize tabSize, QWidget* parent) : QTabBar(parent), tabSize_(tabSize)
    {
        setDrawBase(false);
        setExpanding(false);
        setElideMode(Qt::ElideNone);
        setAttribute(Qt::WA_Hover);
    }

protected:
    QSize tabSizeHint(int) const override { return tabSize_; }
    QSize minimumTabSizeHint(int) const override { return tabSize_; }

    bool event(QEvent* event) override
    {
        // The hovered button lights up like a push button does.
        if (event->type() == QEvent::HoverMove || event->type() == QEvent::HoverLeave)
            update();
        return QTabBar::event(event);
    }

    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        for (int i = 0; i < count(); ++i) {
            QStyleOptionButton option;
            option.initFrom(this);
            option.rect = tabRect(i);
            option.text = tabText(i);
            option.state &= ~QStyle::State_HasFocus;
            if (i == currentIndex()) {
                option.state |= QStyle::State_Sunken | QStyle::State_On;
                if (hasFocus())
                    option.state |= QStyle::State_HasFocus;
            } else {
                option.state |= QStyle::State_Raised;
            }
            if (underMouse() && option.rect.contains(mapFromGlobal(QCursor::pos())))
                option.state |= QStyle::State_MouseOver;
            else
                option.state &= ~QStyle::State_MouseOver;
            painter.drawControl(QStyle::CE_PushButton, option);
        }
    }

private:
    QSize tabSize_;
};

}  // namespace

ButtonTabWidget::ButtonTabWidget(int tabWidth, int tabHeight, QWidget* parent) : QTabWidget(parent)
{
    setTabBar(new ButtonTabBar(QSize(tabWidth, tabHeight), this));
    setDocumentMode(true);
}
