// Writes every sound effect of the game as a 16-bit mono WAV file, to listen
// to them and look at them (sox stat, spectrograms) outside the game.
// Usage: soundgen <folder>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "audio/sound_synth.h"

namespace {

void put16(std::ofstream& out, std::uint16_t v)
{
    const char bytes[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

bool writeWav(const std::string& path, const std::vector<float>& samples)
{
    std::ofstream out(path, std::ios::binary);
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kSoundSampleRate);
    put32(out, kSoundSampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (float v : samples) put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lrint(v * 32767.0f))));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen <folder>\n");
        return 2;
    }
    for (int i = 0; i < kSoundCount; ++i) {
        const SoundId id = static_cast<SoundId>(i);
        const std::string path = std::string(argv[1]) + "/" + soundName(id) + ".wav";
        if (!writeWav(path, synthesizeSound(id))) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
