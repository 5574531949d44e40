// The one place where errors raised by event handlers are caught and reported.
#pragma once

#include <QHash>
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
        QString action; // what the player did, in words, where the window told us
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
    // The player's words for what starts a handler, e.g. pressing a button.
    void describeHandler(const char* handler, const QString& action);

    void run(const char* handler, const std::function<void()>& body) noexcept;

    // The text the message box shows.
    [[nodiscard]] static QString messageFor(const Report& report);

private:
    void report(const Report& report) noexcept;

    QWidget* owner_;
    Reporter reporter_;
    QHash<QString, QString> actions_;
};

} // namespace velsora
