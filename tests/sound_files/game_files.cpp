#include "game_files.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

std::filesystem::path gameDir() {
    const char* dir = std::getenv("TEZRA_GAME_DIR");
    return dir ? std::filesystem::path(dir) : std::filesystem::path("game");
}

std::vector<std::uint8_t> readGameFile(const std::string& name) {
    std::ifstream in(gameDir() / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
