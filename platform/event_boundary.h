// The one place where errors raised by event handlers are caught and reported.
#pragma once

#include "checked.h"

#include <QString>
#include <functional>
#include <memory>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

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

    // What a control's event runs: a handler, then what follows it, each step through the boundary
    // under its own Handler, so that a step that fails is reported as itself and does not keep the
    // next one from running. Only the boundary makes one, and the controls connect their events to
    // nothing else: no event reaches the puzzle around the boundary.
    template <class... Args> class Dispatch {
    public:
        void operator()(Args... args) const
        {
            if (member_) {
                member_();
                return;
            }
            for (const Step& step : *steps_) {
                boundary_->run(*step.handler, [&] { step.body(args...); });
            }
        }

        // A step that follows the handler, even when the handler failed.
        [[nodiscard]] Dispatch then(const Handler& handler, std::type_identity_t<std::function<void(Args...)>> body) &&
        {
            steps_->push_back({&handler, std::move(body)});
            return std::move(*this);
        }

        // The event of one member of a control array: every step gets the member's index. It
        // shares the array's steps, so that loading a member costs one small allocation.
        [[nodiscard]] Dispatch<> forMember(Integer index) const
            requires(std::is_same_v<std::tuple<Args...>, std::tuple<Integer>>)
        {
            Dispatch<> member(boundary_, nullptr);
            member.member_ = [event = *this, index] { event(index); };
            return member;
        }

    private:
        friend class EventBoundary;
        template <class...> friend class Dispatch;
        struct Step {
            const Handler* handler;
            std::function<void(Args...)> body;
        };
        explicit Dispatch(EventBoundary* boundary) : Dispatch(boundary, std::make_shared<std::vector<Step>>()) {}
        Dispatch(EventBoundary* boundary, std::shared_ptr<std::vector<Step>> steps)
            : boundary_(boundary)
            , steps_(std::move(steps))
        {
        }

        EventBoundary* boundary_ = nullptr;
        std::shared_ptr<std::vector<Step>> steps_; // shared by every copy
        std::function<void()> member_;             // a member's event: the array's, with its index
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
        Dispatch<Args...> event(this);
        event.steps_->push_back({&handler, std::move(body)});
        return event;
    }

    // Runs one handler, or a step that is not a control's event, through the boundary.
    void run(const Handler& handler, const std::function<void()>& body) noexcept;

    // The text the message box shows.
    [[nodiscard]] static QString messageFor(const Report& report);

private:
    void report(const Handler& handler, int number, const QString& description) noexcept;

    QWidget* owner_;
    Reporter reporter_;
};

} // namespace velsora
