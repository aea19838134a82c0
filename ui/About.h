#pragma once
// The About dialog: title, version, a note about the program and three
// contact lines. No buttons and no logic; closed with the close box or Esc.

#include <QDialog>

class QFrame;
class QLabel;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    QFrame* Bevel1;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;

protected:
    void showEvent(QShowEvent* event) override;
};

extern TAboutForm* AboutForm;
