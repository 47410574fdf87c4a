// What the compiler makes of the script: the choice of the output-kind dialog, stored as ResKind.
#pragma once

namespace restallow {

inline constexpr int kResOutput = 0;  // a resource file (.res)
inline constexpr int kDcrOutput = 1;  // a component resource for Delphi's palette (.dcr)

}  // namespace restallow
