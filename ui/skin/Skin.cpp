#include "ui/skin/Skin.h"

#include <QApplication>
#include <QToolTip>

#include "ui/skin/SkinPalette.h"
#include "ui/skin/SkinStyle.h"

namespace {

// The widget classes a desktop theme may give palettes of their own; those
// would win over the application's palette for their widgets.
const char* const ThemedClasses[] = {
    "QToolButton",      "QAbstractButton", "QCheckBox", "QRadioButton", "QHeaderView", "QAbstractItemView",
    "QMessageBoxLabel", "QTabBar",         "QLabel",    "QGroupBox",    "QMenu",       "QMenuBar",
    "QTextEdit",        "QTextControl",    "QLineEdit",
};

}  // namespace

void InstallSkin(QApplication& app)
{
    // The program takes no style sheet: one given on the command line
    // (-stylesheet) would half-apply over the skin and make text unreadable.
    app.setStyleSheet(QString());
    // The style first: setting it reloads the theme's class palettes.
    QApplication::setStyle(new SkinStyle);
    const QPalette palette = SkinPalette();
    QApplication::setPalette(palette);
    for (const char* name : ThemedClasses)
        if (QApplication::palette(name) != palette)
            QApplication::setPalette(palette, name);
    QToolTip::setPalette(palette);
}
