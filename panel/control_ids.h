// Control ids of the panel (dialog 101) and the Joint Value Setting dialog
// (dialog 102). The dialog templates use the same numbers.
#pragma once

namespace jolvent::control {

inline constexpr int kPanelDialog = 101;
inline constexpr int kJointValueDialog = 102;

inline constexpr int kPitchSlider = 1001;
inline constexpr int kYawSlider = 1002;
inline constexpr int kRollSlider = 1003;
inline constexpr int kJointSlider = 1004;

inline constexpr int kYawBox = 1012;
inline constexpr int kPitchBox = 1013;
inline constexpr int kRollBox = 1014;
inline constexpr int kJointBox = 1015;

inline constexpr int kUndoButton = 1010;
inline constexpr int kResetButton = 1011;
inline constexpr int kAutoShadeCheck = 1016;
inline constexpr int kJointMinLabel = 1017;
inline constexpr int kJointMaxLabel = 1019;

inline constexpr int kMinBox = 1007;
inline constexpr int kCurBox = 1008;
inline constexpr int kMaxBox = 1009;

}  // namespace jolvent::control
