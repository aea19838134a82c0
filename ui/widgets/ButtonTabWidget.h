#pragma once
// A page control whose tabs are drawn as push buttons of a fixed width, the
// current one pressed in. Painted with the style's own button, so it needs
// no style sheet (which would bring the style-sheet machinery into the
// start-up of the main window).

#include <QTabWidget>

class ButtonTabWidget : public QTabWidget {
    Q_OBJECT
public:
    ButtonTabWidget(int tabWidth, int tabHeight, QWidget* parent = nullptr);
};
