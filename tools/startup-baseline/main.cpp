// An empty window of the main window's size: the yardstick for start-up time
// and resident memory. Runs until it is killed, like the program.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(732, 523);
    window.show();
    return QApplication::exec();
}
