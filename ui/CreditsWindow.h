#pragma once
// The icon credits: every game-icons.net icon the pictures are drawn from,
// with its author, the pictures made from it and its licence, above the
// licences' links. Opened from the About dialog's artwork line; read-only,
// resizable, closed with "关闭", the close box or Esc. The table scrolls
// with the arrow and page keys.

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

class TCreditsWindow : public QDialog {
    Q_OBJECT
public:
    explicit TCreditsWindow(QWidget* parent = nullptr);

    QLabel* Intro;
    QTreeWidget* IconList;
    QPushButton* CloseButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createIntro();
    void createIconList();
    void createCloseButton();
};
