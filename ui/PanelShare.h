#pragma once
// Sharing the beast panel as a picture: "复制图片" puts the panel, exactly
// as drawn, on the clipboard; "保存图片…" asks for a file and writes it as
// PNG. That file is the only one the program ever writes, and only here.

#include <QImage>
#include <QString>

class BeastSession;
class QMenu;
class QWidget;

class PanelShare {
public:
    // The panel whose picture is shared and the session whose beast names
    // the file; both may be nullptr (nothing to share), and a panel that is
    // destroyed is forgotten.
    static void Attach(QWidget* panel, const BeastSession* session);
    // The attached panel as drawn, at the screen's pixel ratio; null without
    // one.
    static QImage Picture();
    // Puts Picture() on the clipboard. Returns false without a panel.
    static bool Copy();
    // Writes `image` as PNG to `path` through a temporary file in the same
    // folder that replaces `path` only once it is complete; on failure
    // nothing is left behind, `path` is unchanged and `error` says why.
    static bool Save(const QImage& image, const QString& path, QString* error);
    // Asks for a file with the standard dialog, saves there, and reports a
    // failure in a message box over `parent`. Cancelling writes nothing.
    static void SaveWithDialog(QWidget* parent);
    // A menu with both actions, parented to `parent`.
    static QMenu* Menu(QWidget* parent);
};
