// The settings every mask reads at construction: the framework directory, the path of
// "ZenkorMain.ini" and the 22 encoder lists shared by all masks.
#pragma once

#include <string>
#include <string_view>

namespace framework {

// Reads "SYSTEM"/"Path" of "Quorvex.ini" and the encoder lists of "ZenkorMain.ini" into the
// shared buffers again.
void LoadSharedSettings();

// "ZenkorMain.ini" in the framework directory, or the bare name when "Path" is empty.
const std::string& ZenkorMainPath();

// The encoder list stored under key (such as "ENCODER_CURRENCY"), "" when unknown or unset.
const std::string& EncoderList(std::string_view key);

// A value of "ZenkorMain.ini" (default "", 1024-byte buffer).
std::string ReadZenkorMain(const char* section, const char* key);

}  // namespace framework
