#pragma once
// The check that ends every Qt test program's cleanup(): after the objects
// waiting for deferred deletion are gone, no top-level window may be left,
// so a window that a test (or the code under test) forgot to release fails
// the test that leaked it rather than passing unnoticed.
//
// In a program with widgets the top-level widgets are listed, shown or not;
// in one without, the top-level windows.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <QWindow>
#include <QtTest>

#ifdef QT_WIDGETS_LIB
#include <QApplication>
#include <QWidget>
#endif

inline QStringList LeakedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList leaked;
#ifdef QT_WIDGETS_LIB
    for (const QWidget* w : QApplication::topLevelWidgets())
        leaked << QString("%1 (%2)").arg(w->metaObject()->className(), w->objectName());
#else
    for (const QWindow* w : QGuiApplication::topLevelWindows())
        leaked << QString("%1 (%2)").arg(w->metaObject()->className(), w->objectName());
#endif
    return leaked;
}

inline void VerifyNoLeakedWindows()
{
    const QStringList leaked = LeakedWindows();
    QVERIFY2(leaked.isEmpty(), qPrintable("top-level windows left: " + leaked.join(", ")));
}
