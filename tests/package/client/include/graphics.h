#pragma once
// The client's own header, named like one of the engine's: "graphics.h" in the client's code
// must be this one, and the engine's headers must keep finding theirs.

namespace client {
inline constexpr int kEan13Modules = 95;
}  // namespace client
