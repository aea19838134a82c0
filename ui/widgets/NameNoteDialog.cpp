#include "ui/widgets/NameNoteDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

bool AskNameAndNote(QWidget* parent, const QString& title, QString& name, QString& note)
{
    QDialog dialog(parent);
    dialog.setObjectName("NameNoteDialog");
    dialog.setWindowTitle(title);
    auto* form = new QFormLayout(&dialog);
    auto* nameEdit = new QLineEdit(name, &dialog);
    nameEdit->setObjectName("KeepName");
    nameEdit->setAccessibleName("名字");
    nameEdit->setMaxLength(40);
    nameEdit->selectAll();
    auto* noteEdit = new QLineEdit(note, &dialog);
    noteEdit->setObjectName("KeepNote");
    noteEdit->setAccessibleName("备注");
    noteEdit->setMaxLength(200);
    form->addRow("名字(&N)：", nameEdit);
    form->addRow("备注(&B)：", noteEdit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText("确定");
    buttons->button(QDialogButtonBox::Cancel)->setText("取消");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    name = nameEdit->text().trimmed();
    note = noteEdit->text();
    return true;
}
