#include "ui/Record.h"

#include <QPointer>

#include "ui/RecordWindow.h"
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
}  // namespace

BookRecord& RunRecord()
{
    return Storage();
}

RecordWindow* ShowRecordWindow(QWidget* mainWindow, const std::string& book)
{
    QPointer<RecordWindow>& window = Window();
    if (!window) {
        if (CurrentBeast)
            Storage().Start(*CurrentBeast);
        window = new RecordWindow(Storage(), mainWindow);
        window->PlaceBeside(mainWindow);
    }
    window->SetBook(book);
    window->Refresh();
    window->Present();
    return window;
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
