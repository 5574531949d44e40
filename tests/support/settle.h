// Runs the event loop until a pass delivers nothing: posted updates are painted by then.
#pragma once

#include <QEventLoop>

namespace velsora::testing {

inline void settle()
{
    QEventLoop loop;
    while (loop.processEvents(QEventLoop::AllEvents)) {
    }
}

} // namespace velsora::testing
