#pragma once
// Placeholder until the dialog is built: an empty modal dialog.

#include <QDialog>

class TModifyForm : public QDialog {
    Q_OBJECT
public:
    explicit TModifyForm(QWidget* parent = nullptr);
};

extern TModifyForm* ModifyForm;
