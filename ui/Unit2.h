#pragma once
// The beast panel: shows CurrentBeast. Owns the one TPet of the program.

#include <QWidget>

#include "engine/pet.h"

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
};

extern TForm2* Form2;
