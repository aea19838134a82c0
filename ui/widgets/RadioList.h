#pragma once
// A radio list: a box of radio items in one or more columns with one item
// marked. The items take their places from the box's size, so a list on a
// page that has not been shown yet is neither laid out nor measured.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class RadioList : public QGroupBox {
    Q_OBJECT
public:
    // The first item starts marked. Items are named "<objectName>Item<i>"
    // after `name`.
    RadioList(const QString& name, const QStringList& items, int columns, QWidget* parent = nullptr);

    int Count() const;
    QRadioButton* Item(int index) const;

signals:
    // The mark moved to another item, by mouse or keyboard; pressing the
    // item that already carries it does not count.
    void MarkMoved(const QString& item);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QButtonGroup* buttons_;
    int columns_;
};
