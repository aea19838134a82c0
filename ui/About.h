#pragma once
// The About dialog: title, version, a note about the program and three
// contact lines. No buttons; closed with the close box or Esc. The artwork
// line (Label7) is a link that opens the icon credits over the dialog.

#include <QDialog>

#include "ui/LazyWindow.h"

class QFrame;
class QLabel;
class LinkLabel;
class TCreditsWindow;

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
    LinkLabel* Label7;
    QLabel* Label8;
    // Created at the first opening; reused after.
    TCreditsWindow* CreditsWindow = nullptr;

    // Shows the icon credits window-modally over the dialog.
    void Label7Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createArtworkLink();
};

extern LazyWindow<TAboutForm> AboutForm;
