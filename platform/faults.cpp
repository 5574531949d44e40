// Counts property writes and fails the armed one.
#include "faults.h"
#include "errors.h"

namespace velsora::faults {

namespace {
int remaining = -1; // -1: disarmed
}

void failAfter(int writesToAllow)
{
    remaining = writesToAllow;
}
void disarm()
{
    remaining = -1;
}

void beforeWrite(const char* what)
{
    if (remaining < 0) {
        return;
    }
    if (remaining == 0) {
        remaining = -1;
        throw PlatformError(QString::fromLatin1(what));
    }
    --remaining;
}

} // namespace velsora::faults
