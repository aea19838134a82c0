#pragma once
// The beast panel: shows CurrentBeast. Owns the one TPet of the program.

#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <string>
#include <vector>

#include "AutoSizeLabel.h"
#include "IconList.h"
#include "engine/pet.h"

class QLabel;

// The one beast of the program, created by the panel and alive while it is.
extern TPet* CurrentBeast;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    void RefreshAll();         // picture, aptitudes, points, attributes, skills
    void RefreshPicture();
    void RefreshAptitudes();   // seven aptitudes, growth, element
    void RefreshPoints();      // name, level, five attribute points, potential
    void RefreshAttributes();  // Hp, Mp, Damage, Defense, Speed, Spirit
    void RefreshSkills();      // the 12 slots and the framed certified slot

    // The built-in data the panel holds: catalogue lines, description lines
    // and the 89 icons (index 88 is the certification frame).
    std::vector<std::string> Memo1;
    std::vector<std::string> Memo2;
    IconList ImageList1;

    // The picture in front, as a catalogue index (-1 before the first one).
    int PictureIndex() const { return pictureIndex_; }
    // The "+N" marker for skills beyond the twelfth slot.
    QLabel* MoreSkills() const { return moreSkills_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    AutoSizeLabel* ValueLabel(int number) const;
    QLabel* Slot(int slot) const;
    void SetValue(int number, const std::string& text);
    // Value labels first .. last (numbered from 1) from CurrentBeast.
    void SetValues(int first, int last);

    QPixmap backdrop_;
    QLabel* picture_ = nullptr;
    AutoSizeLabel* moreSkills_ = nullptr;
    std::vector<AutoSizeLabel*> values_;
    int pictureIndex_ = -1;
};

extern TForm2* Form2;
