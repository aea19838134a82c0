#include "petdiy.h"

TDIYForm* DIYForm = nullptr;

TDIYForm::TDIYForm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DIYForm"));
    setWindowTitle(QStringLiteral("完全DIY"));
}
