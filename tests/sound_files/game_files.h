#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The folder the build writes the game into (TEZRA_GAME_DIR), and the bytes of one file there;
// empty when the file is missing.
std::filesystem::path gameDir();
std::vector<std::uint8_t> readGameFile(const std::string& name);
