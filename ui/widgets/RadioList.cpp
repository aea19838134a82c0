#include "ui/widgets/RadioList.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QResizeEvent>

#include "ui/model/RadioListLayout.h"

RadioList::RadioList(const QString& name, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(parent), buttons_(new QButtonGroup(this)), columns_(columns)
{
    setObjectName(name);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], this);
        radio->setObjectName(QString("%1Item%2").arg(name).arg(i));
        radio->setAccessibleName(radio->text());
        buttons_->addButton(radio, i);
    }
    if (!items.isEmpty())
        Item(0)->setChecked(true);
    // toggled(true) is silent for the item that already carries the mark.
    connect(buttons_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            emit MarkMoved(buttons_->button(id)->text());
    });
}

int RadioList::Count() const
{
    return static_cast<int>(buttons_->buttons().size());
}

QRadioButton* RadioList::Item(int index) const
{
    return static_cast<QRadioButton*>(buttons_->button(index));
}

void RadioList::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    const QRect area = contentsRect();
    const QList<QAbstractButton*> items = buttons_->buttons();
    const auto boxes = RadioListLayout::Arrange(static_cast<int>(items.size()), columns_, area.width(), area.height());
    for (std::size_t i = 0; i < boxes.size(); ++i)
        items[static_cast<qsizetype>(i)]->setGeometry(area.left() + boxes[i].Left, area.top() + boxes[i].Top,
                                                      boxes[i].Width, boxes[i].Height);
}
