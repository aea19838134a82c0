#include "ui/Record.h"

#include <QPointer>
#include <QPushButton>

#include "ui/RecordWindow.h"
#include "ui/widgets/ReturnPressesButton.h"
#include "ui/Unit2.h"
#include "ui/model/BookRecord.h"

namespace {
BookRecord& Storage()
{
    static BookRecord record;
    return record;
}

QPointer<RecordWindow>& Window()
{
    static QPointer<RecordWindow> window;
    return window;
}

void Refresh()
{
    if (RecordWindow* window = Window())
        window->Refresh();
}
}  // namespace

BookRecord& RunRecord()
{
    return Storage();
}

void NoteRoll(const TPet& before, const TPet& after)
{
    Storage().NoteRoll(before, after);
    Refresh();
}

void NoteBook(const std::string& book, const TPet& before, const TPet& after)
{
    Storage().NoteBook(book, before, after);
    Refresh();
}

void NoteCertify(const std::string& skill, const TPet& before, const TPet& after)
{
    Storage().NoteCertify(skill, before, after);
    Refresh();
}

void NoteCorrection(const TPet& before, const TPet& after)
{
    Storage().NoteCorrection(before, after);
    Refresh();
}

void NoteCustom(const TPet& before, const TPet& after)
{
    Storage().NoteCustom(before, after);
    Refresh();
}

void CreateRecordButton(QWidget* mainWindow)
{
    auto* button = new QPushButton("记录", mainWindow);
    button->setObjectName("RecordButton");
    button->setAccessibleName(button->text());
    button->setAccessibleDescription("打开打书记录");
    new ReturnPressesButton(button);  // as on the row's other buttons
    // The free space between "认证" (ends at 417) and "打书" (starts at 512),
    // centred, on the row's top and height.
    button->setGeometry(432, 486, 65, 25);
    QObject::connect(button, &QPushButton::clicked, mainWindow, [mainWindow] { ShowRecordWindow(mainWindow); });
    auto* certify = mainWindow->findChild<QWidget*>("BitBtn25");
    auto* hit = mainWindow->findChild<QWidget*>("BitBtn26");
    if (certify && hit) {
        QWidget::setTabOrder(certify, button);
        QWidget::setTabOrder(button, hit);
    }
}

void ShowRecordWindow(QWidget* mainWindow)
{
    QPointer<RecordWindow>& window = Window();
    if (!window) {
        if (CurrentBeast)
            Storage().Start(*CurrentBeast);
        window = new RecordWindow(Storage(), mainWindow);
        window->PlaceBeside(mainWindow);
    }
    window->Refresh();
    window->show();
    window->raise();
    window->activateWindow();
}

RecordWindow* ExistingRecordWindow()
{
    return Window();
}

void ResetRecord()
{
    delete Window().data();
    Storage() = BookRecord();
}
