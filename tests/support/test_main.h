// The main() of every GUI test: the program's look, then the test object.
#pragma once

#include "window/application.h"
#include "window/main_window.h"

#include <QAccessible>
#include <QApplication>
#include <QRandomGenerator>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>
#include <vector>

namespace velsora::testing {
// A screen reader, as Qt's accessibility serves one: while it lives, accessibility is active, as a
// screen reader's request makes it, and every event a screen reader would be sent is heard here.
class ScreenReader {
public:
    ScreenReader()
    {
        heard().clear();
        QAccessible::installUpdateHandler(&hear);
        setActive(true);
    }
    ~ScreenReader()
    {
        setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;
    ScreenReader(ScreenReader&&) = delete;
    ScreenReader& operator=(ScreenReader&&) = delete;

    // The last news spoken (Qt's announcement, or before Qt 6.8 a notification shown), how many were
    // spoken by either way, and the last list item reported with the focus.
    [[nodiscard]] static QString news() { return last(kNews, QAccessible::Notification); }
    [[nodiscard]] static auto newsCount()
    {
        return std::ranges::count_if(heard(), [](const Heard& h) {
            return h.role == QAccessible::Notification && !h.name.isEmpty()
                   && (h.event == QAccessible::ObjectShow || h.event == kNews);
        });
    }
    [[nodiscard]] static QString focus() { return last(QAccessible::Focus, QAccessible::ListItem); }

private:
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    static constexpr QAccessible::Event kNews = QAccessible::Announcement;
#else
    static constexpr QAccessible::Event kNews = QAccessible::ObjectShow;
#endif
    struct Heard {
        QAccessible::Event event;
        QAccessible::Role role;
        QString name;
    };
    static std::vector<Heard>& heard()
    {
        static std::vector<Heard> all;
        return all;
    }
    // An announcement carries its own text; any other event has the object's name read.
    static void hear(QAccessibleEvent* event)
    {
        if (QAccessibleInterface* object = event->accessibleInterface()) {
            QString said = object->text(QAccessible::Name);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
            if (event->type() == QAccessible::Announcement) {
                said = static_cast<QAccessibleAnnouncementEvent*>(event)->message();
            }
#endif
            heard().push_back({event->type(), object->role(), said});
        }
    }
    static void setActive(bool active)
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(active);
    }
    static QString last(QAccessible::Event event, QAccessible::Role role)
    {
        for (auto it = heard().rbegin(); it != heard().rend(); ++it) {
            if (it->event == event && it->role == role) return it->name;
        }
        return {};
    }
};

// The seed of a randomised test: the value after --seed, taken out of the arguments, or a new one.
inline quint32 takeSeed(std::vector<char*>& args)
{
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (qstrcmp(args[i], "--seed") == 0) {
            const auto seed = static_cast<quint32>(QByteArray(args[i + 1]).toULong());
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                       args.begin() + static_cast<std::ptrdiff_t>(i + 2));
            return seed;
        }
    }
    return QRandomGenerator::global()->generate();
}
} // namespace velsora::testing

// For randomised tests: the test object's constructor takes the seed, which is printed.
#define VELSORA_SEEDED_TEST_MAIN(TestObject)                                                                           \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        std::vector<char*> args(argv, argv + argc);                                                                    \
        const quint32 seed = velsora::testing::takeSeed(args);                                                         \
        int count = static_cast<int>(args.size());                                                                     \
        QApplication app(count, args.data());                                                                          \
        velsora::applyAppearance();                                                                                    \
        qInfo("seed %u (repeat with --seed %u)", seed, seed);                                                          \
        TestObject test(seed);                                                                                         \
        return QTest::qExec(&test, count, args.data());                                                                \
    }

#define VELSORA_TEST_MAIN(TestObject)                                                                                  \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        velsora::applyAppearance();                                                                                    \
        TestObject test;                                                                                               \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
