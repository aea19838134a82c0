// Soak run: random user actions through the real windows (offscreen unless a
// display is given), printing the resident memory and the heap in use every
// 1,000 actions, so that growth over a long session shows as a rising column.
//
//     qingai-soak [actions]      (default 10000)
//
// The actions are those a user takes: a beast button, a book choice, "打书",
// "认证" (picking an entry or closing the chooser), a correction and a full
// custom commit, and opening or closing the record window. Each modal window
// is answered by a timer, as the user would answer it.
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <random>
#include <string>

#include <malloc.h>
#include <unistd.h>

#include "data/builtin_data.h"
#include "ui/Application.h"
#include "ui/Windows.h"
#include "ui/RecordWindow.h"
#include "ui/Unit1.h"
#include "ui/Unit3.h"
#include "ui/petdiy.h"
#include "ui/petmodify.h"
#include "ui/skin/Skin.h"
#include "ui/widgets/ChoiceEntry.h"

namespace {

std::mt19937 Random(20);

int Below(int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(Random);
}

// What the program holds on the heap, without the allocator's free pages: a
// leak raises this column, while caches warming up and fragmentation raise
// only the resident size.
double HeapMegabytes()
{
    return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

double ResidentMegabytes()
{
    long pages = 0;
    long resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// While it lives, answers each modal window as a user would: a message box
// with OK, the chooser with a random entry or its close box.
class ModalAnswerer {
public:
    ModalAnswerer()
    {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                box->accept();
            else if (modal == Form3 && !ChoiceLabels.empty() && Below(4) != 0)
                Form3->ChoiceClick(
                    ChoiceLabels[static_cast<std::size_t>(Below(static_cast<int>(ChoiceLabels.size())))]);
            else
                modal->close();
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

void Roll()
{
    const auto& pages = BeastPickerPages();
    const int page = Below(static_cast<int>(pages.size()));
    const auto& beasts = pages[static_cast<std::size_t>(page)].Beasts;
    Form1->PageControl1->setCurrentIndex(page);
    const std::string& name = beasts[static_cast<std::size_t>(Below(static_cast<int>(beasts.size())))];
    if (auto* button = Form1->findChild<QPushButton*>("SpeedButton" + QString::fromStdString(name)))
        button->click();
}

void ChooseBook()
{
    const auto& lists = BookLists();
    const int list = Below(static_cast<int>(lists.size()));
    Form1->PageControl2->setCurrentIndex(list);
    const int item = Below(static_cast<int>(lists[static_cast<std::size_t>(list)].Items.size()));
    if (auto* radio = Form1->findChild<QRadioButton*>(QString("RadioGroup%1Item%2").arg(list + 1).arg(item)))
        radio->click();
}

void Press(const char* button)
{
    if (auto* b = Form1->findChild<QPushButton*>(button))
        b->click();
}

void Certify()
{
    ModalAnswerer answerer;
    Press("BitBtn25");
}

void Correct()
{
    ModifyForm->show();
    ModifyForm->Edit2->setText(QString::number(Below(161)));
    emit ModifyForm->Edit2->editingFinished();
    ModalAnswerer answerer;  // a level that does not convert gets a message box
    ModifyForm->BitBtn1->click();
    ModifyForm->close();
}

void CustomCommit()
{
    DIYForm->show();
    DIYForm->Edit1->setText(QString::number(1000 + Below(600)));
    ModalAnswerer answerer;
    DIYForm->BitBtn1->click();
    DIYForm->close();
}

void ToggleRecordWindow()
{
    RecordWindow* window = ExistingRecordWindow();
    if (window && window->isVisible() && Below(2) == 0)
        window->close();
    else
        Press("RecordButton");
}

void HitBook()
{
    Press("BitBtn26");
}

// One action, drawn with the weights of a session spent mostly on books.
void OneAction()
{
    static void (*const weighted[])() = {Roll,    ChooseBook, ChooseBook, HitBook,      HitBook,
                                         HitBook, Certify,    Correct,    CustomCommit, ToggleRecordWindow};
    weighted[Below(static_cast<int>(std::size(weighted)))]();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long actions = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    if (!SetUpApplication(app))
        return 1;
    InstallSkin(app);
    CreateWindows();
    Form1->show();
    QCoreApplication::processEvents();
    std::printf("actions\tRSS MB\theap MB\n0\t%.2f\t%.2f\n", ResidentMegabytes(), HeapMegabytes());
    for (long done = 1; done <= actions; ++done) {
        OneAction();
        if (done % 1000 == 0 || done == actions)
            std::printf("%ld\t%.2f\t%.2f\n", done, ResidentMegabytes(), HeapMegabytes());
        std::fflush(stdout);
    }
    DestroyWindows();
    return 0;
}
