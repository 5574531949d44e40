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
    setAccessibleName(message());
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
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
