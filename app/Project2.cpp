// The program's main routine: sets up the application, creates every window
// hidden, in order, then shows the main window, opens the store of kept
// beasts once it is on screen, and runs the event loop.
#include <QApplication>

#include "ui/Application.h"
#include "ui/skin/Skin.h"
#include "ui/Windows.h"
#include "ui/store/BeastStore.h"

int main(int argc, char* argv[])
{
    // Dates in Chinese wherever Qt writes them (the save dialog's file
    // list), as the rest of the program speaks Chinese; a locale the user
    // forced on everything (LC_ALL) stays.
    if (qEnvironmentVariableIsEmpty("LC_ALL"))
        qputenv("LC_TIME", "zh_CN.UTF-8");
    QApplication app(argc, argv);
    if (!SetUpApplication(app))
        return 1;
    InstallSkin(app);
    CreateWindows();
    ShowMainWindow();
    OpenStoreWhenShown(BeastStore::DefaultPath());
    const int result = QApplication::exec();
    DestroyWindows();
    return result;
}
