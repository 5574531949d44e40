// The main() of every GUI test: the program's look, then the test object.
#pragma once

#include "window/main_window.h"

#include <QApplication>
#include <QTest>

#define VELSORA_TEST_MAIN(TestObject)                                                                                  \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        velsora::applyAppearance();                                                                                    \
        TestObject test;                                                                                               \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
