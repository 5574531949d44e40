// Short spoken messages for screen readers: what a click did, when nothing else would say it.
#pragma once

#include <QWidget>
#include <functional>

namespace velsora {

// An invisible one-pixel widget that reaches screen readers as a notification, and the object each
// message comes from. How a message reaches them depends on Qt and the system: Qt from 6.8 has an
// announcement of its own, which it hands to UI Automation on Windows and to AT-SPI on Linux. Before
// 6.8, UI Automation raises a notification for a value change whose value is text, and on Linux the
// notification is renamed and said to be shown (without really hiding and showing it, which would
// repaint the window at every click), as Orca speaks a notification when it is shown. Changing a
// control's name or description cannot carry the news instead: Qt 6.4 sends the object rather than
// the new text with those events, and Orca drops them.
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
