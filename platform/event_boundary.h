// The one place where errors raised by event handlers are caught and reported.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace velsora {

// Every event handler runs through run(): an error stops the handler at the failing
// step, keeps what it already changed, is reported to the player, and the program goes on.
class EventBoundary {
public:
    struct Report {
        QString handler;
        int number = 0;
        QString description;
    };
    using Reporter = std::function<void(const Report&)>;

    explicit EventBoundary(QWidget* owner);

    // Tests replace the message box with a recorder.
    void setReporter(Reporter reporter);

    void run(const char* handler, const std::function<void()>& body) noexcept;

    // The text the message box shows.
    [[nodiscard]] static QString messageFor(const Report& report);

private:
    void report(const Report& report) noexcept;

    QWidget* owner_;
    Reporter reporter_;
};

} // namespace velsora
