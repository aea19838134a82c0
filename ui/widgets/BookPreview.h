#pragma once
// The main window's book preview ("Panel3"): the marked book's icon in a
// 40 × 40 cell and its description in a borderless scrolling area that
// scrolls, and takes a Tab stop, only when the text does not fit.

#include <QWidget>

struct SkillEntry;
class QLabel;
class QPixmap;
class QScrollArea;

class BookPreview : public QWidget {
    Q_OBJECT
public:
    explicit BookPreview(QWidget* parent = nullptr);

    // Shows `book` with `icon`. Empties the icon cell first; a book no
    // description line names (Icon < 0) or a null icon leaves the text.
    void Show(const SkillEntry& book, const QPixmap& icon);

    QLabel* Icon = nullptr;         // "Image1"
    QScrollArea* Scroll = nullptr;  // "ScrollBox1"
    QLabel* Text = nullptr;         // "Label1"

private:
    void fit();
};
