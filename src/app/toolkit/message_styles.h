#pragma once

// Message box style codes, and the answers a box reports. Plain C++, so that
// the platform code can name them too.
namespace MessageStyle {
inline constexpr int Ok = 0;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Exclamation = 48;
} // namespace MessageStyle

namespace MessageAnswer {
inline constexpr int Ok = 1;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace MessageAnswer
