// Spoken messages through an invisible notification widget.
#include "announcer.h"

#include <QAccessibleWidget>

namespace velsora {

namespace {
QAccessibleInterface* notificationAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("velsora::Announcer") && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}
} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void Announcer::announce(const QString& message)
{
    setAccessibleName(message);
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
