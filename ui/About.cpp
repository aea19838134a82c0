#include "About.h"

TAboutForm* AboutForm = nullptr;

TAboutForm::TAboutForm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("关于软件&作者"));
}
