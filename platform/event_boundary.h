// The one place where errors raised by event handlers are caught and reported.
#pragma once

#include <QString>
#include <exception>
#include <functional>

class QWidget;

namespace velsora {

// An event handler as the player's error box names it: its name in the program, and what the
// player did that ran it, in words (UTF-8).
struct Handler {
    const char* name;
    const char* action;
};

// Every event handler runs through the boundary: an error stops the handler at the failing step,
// keeps what it already changed, is reported to the player, and the program goes on.
class EventBoundary {
public:
    struct Report {
        QString handler;
        int number = 0;
        QString description;
        QString action; // what the player did, in words
    };
    using Reporter = std::function<void(const Report&)>;

    explicit EventBoundary(QWidget* owner);
    // The reporter holds `this`: a copy would report through the original.
    EventBoundary(const EventBoundary&) = delete;
    EventBoundary& operator=(const EventBoundary&) = delete;
    EventBoundary(EventBoundary&&) = delete;
    EventBoundary& operator=(EventBoundary&&) = delete;
    ~EventBoundary() = default;

    // Tests replace the message box with a recorder.
    void setReporter(Reporter reporter);

    // Runs one handler, or a step that is not a control's event, through the boundary.
    void run(const Handler& handler, const std::function<void()>& body) noexcept;
    // A handler, then the step that follows it: the step runs even when the handler failed, and an
    // error of its own is reported as itself.
    void run(const Handler& handler, const std::function<void()>& body, const Handler& followUp,
             const std::function<void()>& next) noexcept;

    // The text the message box shows.
    [[nodiscard]] static QString messageFor(const Report& report);

private:
    void report(const Handler& handler, const std::exception_ptr& failure) noexcept;

    QWidget* owner_;
    Reporter reporter_;
};

} // namespace velsora
