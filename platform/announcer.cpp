// Spoken messages through an invisible notification widget.
#include "announcer.h"

#include <QAccessibleWidget>

namespace velsora {

namespace {
QAccessibleInterface* notificationAccessible(const QString& /*className*/, QObject* object)
{
    // Matched by type, not by the class name, so that a rename cannot silently undo it.
    auto* announcer = qobject_cast<Announcer*>(object);
    return announcer != nullptr ? new QAccessibleWidget(announcer, QAccessible::Notification) : nullptr;
}
} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void Announcer::announce(const std::function<QString()>& message)
{
    if (!QAccessible::isActive()) {
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent news(this, message());
#elif defined(Q_OS_WIN)
    QAccessibleValueChangeEvent news(this, message());
#else
    setAccessibleName(message());
    QAccessibleEvent news(this, QAccessible::ObjectShow);
#endif
    QAccessible::updateAccessibility(&news);
}

void Announcer::registerAccessibleRole()
{
    QAccessible::installFactory(notificationAccessible);
}

void Announcer::paintEvent(QPaintEvent* /*event*/)
{
    // Nothing to see: the message is for the ear only.
}

} // namespace velsora
