#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes 16-bit PCM mono samples as a RIFF/WAVE file, little-endian whatever the host.
bool writeWaveFile(const std::string &path, const std::vector<std::int16_t> &samples, int sampleRate);
