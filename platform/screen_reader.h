// Whether a screen reader listens: what only it would read is worked out only then.
#pragma once

namespace velsora::screen_reader {

// Qt's accessibility is active (a screen reader asked for it), or a test pretends it is.
[[nodiscard]] bool listens();

// A seam for tests, where no screen reader can listen: they read what one would be told.
void pretendListening(bool listening);

} // namespace velsora::screen_reader
