#include "ui/widgets/MessageBoxes.h"

#include "ui/widgets/ArtPixmap.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGridLayout>
#include <QIcon>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

// A box sized to its text alone can be narrower than its own caption, which
// the window manager then elides ("青霭灵踪之… 模拟器3.0"). Keep it wide
// enough for the caption in a bold title font next to the title bar's icon
// and its three buttons, as the system's own message boxes are.
void FitCaption(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int titleBarExtras = 120;
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + titleBarExtras;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    // Beast names and pasted edit texts reach these boxes: never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("MessageBox"));
    // The skin's own glyph, not the platform's stock one.
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setIcon(ArtPixmap::Icon(QStringLiteral(":/art/btn_ok.png")));
    FitCaption(box);
    box.exec();
}

}  // namespace

QString ApplicationTitle()
{
    return QStringLiteral("青霭灵踪之打书模拟器3.0");
}

void ShowInfoMessage(QWidget* parent, const QString& text)
{
    ShowBox(parent, QMessageBox::NoIcon, QStringLiteral("提示信息"), text);
}

void ShowErrorReport(QWidget* parent, const QString& text)
{
    ShowBox(parent, QMessageBox::Critical, ApplicationTitle(),
            text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.'));
}

QString InvalidIntegerText(const QString& offending)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(offending);
}

QString InvalidFloatText(const QString& offending)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(offending);
}
