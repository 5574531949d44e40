// Catches every error at the event dispatch and tells the player in a message box.
#include "event_boundary.h"
#include "errors.h"

#include <QMessageBox>
#include <exception>

namespace velsora {

EventBoundary::EventBoundary(QWidget* owner) : owner_(owner)
{
    // The box opens once the failed handler has returned to the event loop: a modal loop inside
    // the click would deliver further events to a handler that is still running.
    reporter_ = [this](const Report& r) {
        QMetaObject::invokeMethod(
            owner_,
            [owner = owner_, text = messageFor(r)] { QMessageBox::critical(owner, QStringLiteral("Velsora"), text); },
            Qt::QueuedConnection);
    };
}

void EventBoundary::setReporter(Reporter reporter)
{
    reporter_ = std::move(reporter);
}

void EventBoundary::run(const Handler& handler, const std::function<void()>& body) noexcept
{
    try {
        body();
    } catch (...) {
        report(handler, std::current_exception());
    }
}

void EventBoundary::run(const Handler& handler, const std::function<void()>& body, const Handler& followUp,
                        const std::function<void()>& next) noexcept
{
    run(handler, body);
    run(followUp, next);
}

QString EventBoundary::messageFor(const Report& report)
{
    const QString where =
        report.action.isEmpty() ? report.handler : QStringLiteral("%1 (%2)").arg(report.action, report.handler);
    return QStringLiteral("Грешка %1 при %2:\n%3.\n\nДействието е прекъснато. Направените дотук промени "
                          "остават, а играта продължава.")
        .arg(report.number)
        .arg(where, report.description);
}

void EventBoundary::report(const Handler& handler, const std::exception_ptr& failure) noexcept
{
    const auto tell = [&](const RuntimeError& error) {
        if (reporter_) {
            reporter_({QString::fromUtf8(handler.name), error.number(), error.description(),
                       QString::fromUtf8(handler.action)});
        }
    };
    try {
        try {
            std::rethrow_exception(failure);
        } catch (const RuntimeError& e) {
            tell(e);
        } catch (const std::bad_alloc&) {
            tell(OutOfMemoryError());
        } catch (const std::exception& e) {
            tell(UnknownError(QString::fromLocal8Bit(e.what())));
        } catch (...) {
            tell(UnknownError());
        }
    } catch (...) {
        // Reporting must never let an exception reach the event loop.
    }
}

} // namespace velsora
