#pragma once
// The certification chooser: one red entry per certifiable skill; a click
// leaves the skill's name in CertifyChoice and closes the chooser.

#include <QDialog>

#include <string>
#include <vector>

class QLabel;

// The entries of the last fill, created by ShowChoices, released on close.
extern std::vector<QLabel*> ChoiceLabels;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    void ShowChoices(const std::vector<std::string>& list);
    void ChoiceClick(QLabel* sender);

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormClose();
};

extern TForm3* Form3;
