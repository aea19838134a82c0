#pragma once
// Each window test starts from the windows as the program creates them and
// leaves nothing behind: call OpenWindows() from init() and CloseWindows()
// from cleanup(), so no test depends on what an earlier one did.

#include <QApplication>
#include <QStringList>
#include <QtTest>

#include <string>
#include <vector>

#include "LeakCheck.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Windows.h"

inline void OpenWindows()
{
    CreateWindows();
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
}

inline void CloseWindows()
{
    DestroyWindows();
    QCOMPARE(CurrentBeast, nullptr);
    VerifyNoLeakedWindows();
}

// Gives CurrentBeast two certifiable skills after 夜战 and no certified
// skill, and redraws its slots; returns the two.
inline std::vector<std::string> GiveTwoCertifiableSkills()
{
    std::vector<std::string> certifiable;
    TPet::CertifiableSet(certifiable);
    CurrentBeast->Skills = {"夜战", certifiable[0], certifiable[1]};
    CurrentBeast->CertifiedSkill.clear();
    Form2->RefreshSkills();
    return {certifiable[0], certifiable[1]};
}
