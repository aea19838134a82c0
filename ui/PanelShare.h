#pragma once
// Sharing the beast panel as a picture: "复制图片" puts the share card, the
// panel exactly as drawn with the grade and every skill named in text below
// it, on the clipboard; "保存图片…" asks for a file and writes the card as
// PNG.

#include <QImage>
#include <QList>

#include <QString>
#include <functional>

class BeastSession;
class QAction;
class QMenu;
class QWidget;

class PanelShare {
public:
    // The panel whose picture is shared and the session whose beast names
    // the file; both may be nullptr (nothing to share), and a panel that is
    // destroyed is forgotten.
    // `more` are further actions the menu offers below its own two;
    // `report` hears of a copy or save done ("图片已保存：…"), for the
    // status line.
    static void Attach(QWidget* panel, const BeastSession* session, const QList<QAction*>& more = {},
                       std::function<void(const QString&)> report = {});
    // The share card: the attached panel as drawn, at the screen's pixel
    // ratio, above the lines of ShareCard for the session's beast; null
    // without a panel, the panel alone without a session.
    static QImage Picture();
    // `panel` with `text` below it, wrapped to the panel's width, in the
    // panel's pixel ratio on parchment.
    static QImage Card(const QImage& panel, const QString& text);
    // Puts Picture() on the clipboard. Returns false without a panel.
    static bool Copy();
    // Writes `image` as PNG to `path` through a temporary file in the same
    // folder that replaces `path` only once it is complete; on failure
    // nothing is left behind, `path` is unchanged and `error` says why (a
    // full disk as such).
    static bool Save(const QImage& image, const QString& path, QString* error);
    // Asks for a file with the program's own dialog, in the folder saved to
    // last (this run) under a name of the beast, its grade and the time,
    // adds ".png" when the name lacks it, saves there, and reports success
    // or failure. Cancelling writes nothing, not even the dialog's settings.
    static void SaveWithDialog(QWidget* parent);
    // A menu with both actions, parented to `parent`.
    static QMenu* Menu(QWidget* parent);
};
