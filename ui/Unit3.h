#pragma once
// The certification chooser: one red entry per certifiable skill; a click,
// or Return/Space on the focused entry, leaves the skill's name in
// CertifyChoice and closes the chooser. Escape and the close box close it
// without a pick.

#include <QDialog>

#include <string>
#include <vector>

class ChoiceEntry;

// The entries of the last fill, created by ShowChoices, released on close.
extern std::vector<ChoiceEntry*> ChoiceLabels;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    // One entry per name, in list order, at left 16, top 56 + 26 * i; the
    // first takes the focus. Entries of an earlier fill are released first.
    // The chooser grows when more than three entries need room.
    void ShowChoices(const std::vector<std::string>& list);
    void ChoiceClick(ChoiceEntry* sender);

protected:
    void done(int result) override;

private:
    void FormClose();
};

extern TForm3* Form3;
