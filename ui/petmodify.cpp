#include "petmodify.h"

TModifyForm* ModifyForm = nullptr;

TModifyForm::TModifyForm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ModifyForm"));
    setWindowTitle(QStringLiteral("召唤兽修正"));
}
