#pragma once
// Each window test starts from the windows as the program creates them and
// leaves nothing behind: call OpenWindows() from init() and CloseWindows()
// from cleanup(), so no test depends on what an earlier one did.

#include <QApplication>
#include <QStringList>
#include <QtTest>

#include "Unit1.h"
#include "Unit2.h"
#include "Windows.h"

inline void OpenWindows()
{
    CreateWindows();
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
}

inline void CloseWindows()
{
    DestroyWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(CurrentBeast, nullptr);
    QStringList leaked;
    for (QWidget* w : QApplication::topLevelWidgets())
        leaked << QString("%1 (%2)").arg(w->metaObject()->className(), w->objectName());
    QVERIFY2(leaked.isEmpty(), qPrintable("top-level widgets left: " + leaked.join(", ")));
}
