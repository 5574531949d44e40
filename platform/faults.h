// A seam for tests: makes a chosen property write of the platform fail.
#pragma once

namespace velsora::faults {

// The write after `writesToAllow` successful ones raises PlatformError; then the seam disarms.
void failAfter(int writesToAllow);
void disarm();
// Called by every property write and list or control-array change before it takes effect.
void beforeWrite(const char* what);

} // namespace velsora::faults
