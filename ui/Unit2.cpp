// Placeholder panel until the windows exist.
#include "Unit2.h"

TPet* CurrentBeast = nullptr;
TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent) : QWidget(parent) {}
TForm2::~TForm2() = default;
void TForm2::RefreshAll() {}
void TForm2::RefreshPicture() {}
void TForm2::RefreshAptitudes() {}
void TForm2::RefreshPoints() {}
void TForm2::RefreshAttributes() {}
void TForm2::RefreshSkills() {}
