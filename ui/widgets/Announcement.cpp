#include "ui/widgets/Announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {
// The notification role, which QWidget's own interface never takes.
class AnnouncementAccessible : public QAccessibleWidget {
public:
    explicit AnnouncementAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Notification) {}
};

QAccessibleInterface* MakeAccessible(const QString& key, QObject* object)
{
    if (key == QLatin1String("Announcement") && object && object->isWidgetType())
        return new AnnouncementAccessible(static_cast<QWidget*>(object));
    return nullptr;
}
}  // namespace

Announcement::Announcement(QWidget* parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(&MakeAccessible), true);
    (void)installed;
    setObjectName("Announcement");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(1, 1);
    hide();
}

void Announcement::Say(const QString& text)
{
    // Hidden and shown again: a fresh "showing" for every action.
    hide();
    setAccessibleName(text);
    show();
}
