#pragma once
// A tab page whose controls are made the first time it is shown. The pages
// a run never opens cost nothing: no control on them is made, polished,
// named for screen readers or laid out at start-up.

#include <QWidget>

#include <functional>

class QTabWidget;

class LazyPage : public QWidget {
    Q_OBJECT
public:
    // `build` makes the page's controls as children of the page it is given.
    explicit LazyPage(std::function<void(QWidget* page)> build, QWidget* parent = nullptr);

    // Makes the controls now unless they are made already; the builder runs
    // at most once. Controls made while the page sits in a window take the
    // place in the window's Tab order that they would have had if made with
    // the page: after the focusable controls before the page, before those
    // after it. On a page already shown they are shown at once.
    void Build();
    bool IsBuilt() const;

    // Builds each LazyPage of `tabs` as soon as it becomes the current page,
    // so that its controls exist even while the window is hidden.
    static void BuildWhenCurrent(QTabWidget* tabs);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The nearest control before the page in the window's focus chain that
    // takes focus, or nullptr when there is none.
    QWidget* FocusableBefore() const;

    std::function<void(QWidget*)> build_;
};
