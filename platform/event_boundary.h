// The one place where errors raised by event handlers are caught and reported.
#pragma once

#include "checked.h"

#include <QString>
#include <exception>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

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

    // What a control's event runs: only the boundary makes one, and the controls connect their
    // events to nothing else, so no event reaches the puzzle around the boundary.
    template <class... Args> class Dispatch {
    public:
        void operator()(Args... args) const { (*body_)(args...); }

        // The event of one member of a control array: the array's, given the member's index.
        [[nodiscard]] Dispatch<> forMember(Integer index) const
        {
            return Dispatch<>([body = body_, index] { (*body)(index); });
        }

    private:
        friend class EventBoundary;
        template <class...> friend class Dispatch;
        using Body = std::function<void(Args...)>;
        explicit Dispatch(Body body) : body_(std::make_shared<const Body>(std::move(body))) {}

        std::shared_ptr<const Body> body_; // shared by the members of an array
    };

    explicit EventBoundary(QWidget* owner);
    // The reporter holds `this`: a copy would report through the original.
    EventBoundary(const EventBoundary&) = delete;
    EventBoundary& operator=(const EventBoundary&) = delete;
    EventBoundary(EventBoundary&&) = delete;
    EventBoundary& operator=(EventBoundary&&) = delete;
    ~EventBoundary() = default;

    // Tests replace the message box with a recorder.
    void setReporter(Reporter reporter);

    // An event's handler, for a control to connect its event to; `Args` is Integer for the
    // members of a control array, whose handlers receive the member's index.
    template <class... Args>
    [[nodiscard]] Dispatch<Args...> dispatch(const Handler& handler,
                                             std::type_identity_t<std::function<void(Args...)>> body)
    {
        return Dispatch<Args...>(
            [this, &handler, body = std::move(body)](Args... args) { run(handler, [&] { body(args...); }); });
    }

    // The same, then what follows the handler: it runs even when the handler failed, and an error
    // of its own is reported as itself.
    template <class... Args>
    [[nodiscard]] Dispatch<Args...>
    dispatch(const Handler& handler, std::type_identity_t<std::function<void(Args...)>> body, const Handler& followUp,
             std::type_identity_t<std::function<void(Args...)>> next)
    {
        return Dispatch<Args...>(
            [this, &handler, &followUp, body = std::move(body), next = std::move(next)](Args... args) {
                run(handler, [&] { body(args...); });
                run(followUp, [&] { next(args...); });
            });
    }

    // Runs one handler, or a step that is not a control's event, through the boundary.
    void run(const Handler& handler, const std::function<void()>& body) noexcept;

    // The text the message box shows.
    [[nodiscard]] static QString messageFor(const Report& report);

private:
    void report(const Handler& handler, const std::exception_ptr& failure) noexcept;

    QWidget* owner_;
    Reporter reporter_;
};

} // namespace velsora
