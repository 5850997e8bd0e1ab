// Writes the game's sound effects and stage tunes into the folder given on the command line.
#include <array>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "effects.h"
#include "song.h"
#include "tunes.h"
#include "wav_writer.h"

namespace {

namespace fs = std::filesystem;

// Writes beside the target and renames, so an interrupted build never leaves half a file.
bool writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    const fs::path partial = path.string() + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::cerr << "tezra_soundgen: cannot write " << partial << '\n';
            return false;
        }
    }
    std::error_code error;
    fs::rename(partial, path, error);
    if (error) {
        std::cerr << "tezra_soundgen: cannot rename to " << path << ": " << error.message() << '\n';
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: tezra_soundgen OUTPUT_FOLDER\n";
        return 2;
    }
    const fs::path folder = argv[1];
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        std::cerr << "tezra_soundgen: cannot create " << folder << ": " << error.message() << '\n';
        return 1;
    }
    try {
        bool ok = true;
        for (const soundgen::Effect& effect : soundgen::allEffects()) {
            ok &= writeFile(folder / EffectFile(effect.effect),
                            soundgen::encodeWav(effect.render(), soundgen::kEffectRate));
        }
        const std::array<soundgen::Song (*)(), kStageTuneFiles.size()> tunes = {
            soundgen::stageOneTune, soundgen::stageTwoTune, soundgen::stageThreeTune};
        for (std::size_t stage = 0; stage < tunes.size(); ++stage) {
            ok &= writeFile(folder / kStageTuneFiles[stage], soundgen::encodeSong(tunes[stage]()));
        }
        return ok ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "tezra_soundgen: " << e.what() << '\n';
        return 1;
    }
}
