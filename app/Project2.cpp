// The program's main routine: creates every window hidden, in order, then
// shows the main window and runs the event loop.
#include <QApplication>
#include <QIcon>

#include "About.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "petdiy.h"
#include "petmodify.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("qingai-dashu");
    QApplication::setApplicationDisplayName("青霭灵踪之打书模拟器3.0");
    QApplication::setWindowIcon(QIcon(":/art/app_icon_64.png"));
    QApplication::setDesktopFileName("qingai-dashu");

    // The windows are owned here and torn down in reverse order at exit;
    // the dialogs take the main window as parent so they centre on it.
    TForm1 mainWindow;
    Form1 = &mainWindow;
    Form2 = new TForm2;
    Form3 = new TForm3(Form1);
    ModifyForm = new TModifyForm(Form1);
    DIYForm = new TDIYForm(Form1);
    AboutForm = new TAboutForm(Form1);

    mainWindow.show();
    const int result = QApplication::exec();
    delete Form2;  // child of Panel5 once shown; deleting releases CurrentBeast
    Form2 = nullptr;
    return result;
}
