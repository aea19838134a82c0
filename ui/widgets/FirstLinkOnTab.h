#pragma once
// Tab into a rich-text label with links lands on its first link, Shift+Tab
// on its last, so that every Tab stop there marks a link: by itself a label
// takes the focus first with no link marked, and nothing shows. A click or
// any other way in leaves the label as it is.

#include <QObject>

class QLabel;

class FirstLinkOnTab : public QObject {
    Q_OBJECT
public:
    // Watches `label`, which becomes the filter's parent.
    explicit FirstLinkOnTab(QLabel* label);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* label_;
};
