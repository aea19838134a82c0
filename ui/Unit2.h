#pragma once
// The beast panel: shows CurrentBeast. Owns the one TPet of the program,
// which it creates unrolled: the session's start-up roll fills it, and the
// panel hears of that roll, like every later change, through ShowChange.

#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

#include "ui/widgets/AutoSizeLabel.h"
#include "ui/widgets/IconList.h"
#include "engine/pet.h"
#include "ui/model/BeastChange.h"
#include "ui/model/PanelText.h"

#include "ui/CurrentBeast.h"

class GradeMark;
class QLabel;
class SlotMarker;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    // Each refresh reads CurrentBeast, which lives as long as the panel, and
    // writes only to the panel. Values too wide for their box on the backdrop
    // shrink, then elide, with the full value in their tooltip.
    void RefreshAll();  // picture, aptitudes, points, attributes, skills
    void RefreshPicture();
    void RefreshAptitudes();   // seven aptitudes, growth, element
    void RefreshPoints();      // name, level, five attribute points, potential
    void RefreshAttributes();  // Hp, Mp, Damage, Defense, Speed, Spirit
    void RefreshSkills();      // the 12 slots, the framed certified slot, the "+N" marker

    // Redraws the parts that `change` touched (BeastChange::PartsFor), in
    // the order RefreshAll runs them. Connected to BeastSession::Changed.
    void ShowChange(const BeastChange& change);

    // The built-in data the panel holds: catalogue lines, description lines
    // and the 89 icons (index 88 is the certification frame).
    std::vector<std::string> Memo1;
    std::vector<std::string> Memo2;
    IconList ImageList1;

    // The picture in front, as a catalogue index (-1 before the first one).
    int PictureIndex() const { return pictureIndex_; }
    // The "+N" marker for the skills without a slot of their own; its
    // tooltip lists them.
    QLabel* MoreSkills() const { return moreSkills_; }
    // The mark on the slot the last action changed (hidden when none).
    SlotMarker* Marker() const { return marker_; }
    // The grade of the roll the beast is, by the picture's top left corner.
    GradeMark* Grade() const { return gradeMark_; }
    QLabel* Picture() const { return picture_; }

signals:
    // After each Refresh* has written its part: one BeastChange::Part.
    void Refreshed(unsigned part);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // "复制图片" and "保存图片…" (PanelShare), by mouse or the menu key.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void createPicture();
    void createValueFields();
    void createSkillSlots();
    void createMoreSkillsMarker();
    void SetValue(int number, const std::string& text);
    // Value labels first .. last (numbered from 1) from CurrentBeast.
    void SetValues(int first, int last);
    // The slot's icon, framed when certified; empty when there is neither.
    QPixmap SlotPicture(const SkillEntry& entry) const;
    void RefreshMoreSkillsMarker();
    void ShowMark(const BeastChange& change);
    void ShowGrade(const BeastChange& change);

    QPixmap backdrop_;
    QLabel* picture_ = nullptr;
    AutoSizeLabel* moreSkills_ = nullptr;
    SlotMarker* marker_ = nullptr;
    GradeMark* gradeMark_ = nullptr;
    std::vector<AutoSizeLabel*> values_;
    std::array<QLabel*, PanelText::SlotCount> slots_{};
    int pictureIndex_ = -1;
};

extern TForm2* Form2;
