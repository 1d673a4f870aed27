#include "WaveFile.h"

#include <fstream>

namespace {
void put16(std::ofstream &out, std::uint32_t v)
{
    const char bytes[2] = {static_cast<char>(v & 0xff), static_cast<char>((v >> 8) & 0xff)};
    out.write(bytes, 2);
}

void put32(std::ofstream &out, std::uint32_t v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}
} // namespace

bool writeWaveFile(const std::string &path, const std::vector<std::int16_t> &samples, int sampleRate)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const std::uint32_t channels = 1;
    const std::uint32_t bits = 16;
    const std::uint32_t blockAlign = channels * bits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * blockAlign);

    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, channels);
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    put16(out, blockAlign);
    put16(out, bits);
    out.write("data", 4);
    put32(out, dataBytes);
    for (const std::int16_t s : samples)
        put16(out, static_cast<std::uint16_t>(s));
    out.close();
    return static_cast<bool>(out);
}
