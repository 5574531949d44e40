// Short spoken messages for screen readers: what a click did, when nothing else would say it.
#pragma once

#include <QWidget>
#include <functional>

namespace velsora {

// An invisible one-pixel widget that reaches screen readers as a notification. Screen readers
// speak a notification when it is shown, so each message renames it and tells them it was shown
// (without really hiding and showing it, which would repaint the window at every click).
// Changing a control's name or description cannot carry the news instead: Qt 6.4 sends the
// object rather than the new text with those events, and Orca drops them.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    // Says the message, worked out only while a screen reader listens: nobody else hears it.
    void announce(const std::function<QString()>& message);

    // Makes screen readers see announcers as notifications; once, at start.
    static void registerAccessibleRole();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velsora
