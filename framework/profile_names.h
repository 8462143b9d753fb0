// The files the masks read their settings from.
#pragma once

namespace framework {

inline constexpr const char* kQuorvexIni = "Quorvex.ini";
inline constexpr const char* kZenkorMainIni = "ZenkorMain.ini";

}  // namespace framework
