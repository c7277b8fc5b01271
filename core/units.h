// Lengths as the program measures them: marks, windows and sheets in twips, paper in millimetres.
#pragma once

namespace core {

inline constexpr double kTwipsPerInch = 1440;
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kTwipsPerMillimetre = kTwipsPerInch / kMillimetresPerInch;

} // namespace core
