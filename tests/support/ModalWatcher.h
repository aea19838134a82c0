#pragma once
// Answers the modal windows that a handler under test opens, so that the
// handler's own exec() returns and the test can look at what was shown.
//
//     ModalWatcher watcher;                      // closes each message box with OK
//     watcher.onNext([](QWidget* w) { ... });    // or handle the next modal window
//     form.handler();
//     QCOMPARE(watcher.boxes().size(), 1);
//
// Every modal window seen is recorded; message boxes by title, text, icon and
// button count.

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

struct SeenMessageBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
};

class ModalWatcher {
public:
    using Handler = std::function<void(QWidget*)>;

    ModalWatcher()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    // Handles the next modal window that is not a message box (a dialog that
    // the handler shows with exec()). Handlers run in order, one per window.
    void onNext(Handler handler) { handlers_.push_back(std::move(handler)); }

    const std::vector<SeenMessageBox>& boxes() const { return boxes_; }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == last_ || !modal->isVisible())
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            last_ = modal;
            boxes_.push_back({box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())});
            box->accept();
            return;
        }
        if (handlers_.empty())
            return;
        last_ = modal;
        Handler handler = std::move(handlers_.front());
        handlers_.pop_front();
        handler(modal);
    }

    QTimer timer_;
    // A guarded pointer: a later window may reuse a closed one's address.
    QPointer<QWidget> last_;
    std::deque<Handler> handlers_;
    std::vector<SeenMessageBox> boxes_;
};
