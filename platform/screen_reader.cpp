// Qt's accessibility state, or the tests' pretence.
#include "screen_reader.h"

#include <QAccessible>

namespace velsora::screen_reader {

namespace {
bool pretending = false;
}

bool listens()
{
    return pretending || QAccessible::isActive();
}

void pretendListening(bool listening)
{
    pretending = listening;
}

} // namespace velsora::screen_reader
