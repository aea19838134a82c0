#pragma once
// Placeholder until the dialog is built: an empty modal dialog.

#include <QDialog>

class TDIYForm : public QDialog {
    Q_OBJECT
public:
    explicit TDIYForm(QWidget* parent = nullptr);
};

extern TDIYForm* DIYForm;
