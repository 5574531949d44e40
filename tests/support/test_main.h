// The main() of every GUI test: the program's look, then the test object.
#pragma once

#include "window/main_window.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTest>

#include <vector>

namespace velsora::testing {
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
