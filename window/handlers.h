// Every handler of the window's events, and every step that follows one, named once with the
// words the error box uses for what the player did.
#pragma once

#include "platform/event_boundary.h"

namespace velsora::handlers {

inline constexpr Handler Form_Load{"Form_Load", "отварянето на прозореца"};
inline constexpr Handler Command1_Click{"Command1_Click", "щракването върху клетка"};
inline constexpr Handler Command2_Click{"Command2_Click", "натискането на „Начало“"};
inline constexpr Handler Command3_Click{"Command3_Click", "натискането на „Чисти“"};
inline constexpr Handler Label2_Click{"Label2_Click", "щракването върху заглавието"};
inline constexpr Handler BoardKeys{"BoardKeys", "движението из квадрата с клавиатурата"};

// What follows a handler: keeping screen readers up to date with what it changed.
inline constexpr Handler MoveNews{"MoveNews", "съобщаването на хода на екранния четец"};
inline constexpr Handler StartNews{"StartNews", "съобщаването на новата игра на екранния четец"};
inline constexpr Handler ClearNews{"ClearNews", "съобщаването на изчистването на екранния четец"};

} // namespace velsora::handlers
