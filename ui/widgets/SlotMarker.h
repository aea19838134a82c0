#pragma once
// The mark on the skill slot the last action changed: a gold inner frame and
// a small sign ("新", "换", "认") in the slot's top right corner. It lets
// mouse events through and is hidden while there is no mark.

#include <QWidget>

class SlotMarker : public QWidget {
    Q_OBJECT
public:
    explicit SlotMarker(QWidget* parent = nullptr);

    // Covers `slot` (in the parent's coordinates) with `sign`; an empty sign
    // hides the mark. `description` is what screen readers hear.
    void Mark(const QRect& slot, const QString& sign, const QString& description);
    QString Sign() const { return sign_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString sign_;
};
