#include "MessageBoxes.h"

#include <QMessageBox>

namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    // Beast names and pasted edit texts reach these boxes: never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("MessageBox"));
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
