// The yardsticks for start-up time and resident memory: an empty window of
// the main window's size, or with --text the same window holding one line of
// Chinese in the panel's face (what any window showing Chinese pays for
// fontconfig and a CJK face). Runs until it is killed, like the program.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(732, 523);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        auto* label = new QLabel(QStringLiteral("召唤兽"), &window);
        QFont font;
        font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
        font.setPixelSize(14);
        label->setFont(font);
        label->move(10, 10);
    }
    window.show();
    return QApplication::exec();
}
