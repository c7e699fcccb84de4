#pragma once
// What the engine's fuzz drivers share: their start and the file each input
// is written to.

#include <QString>

#include <cstddef>
#include <cstdint>

namespace BqTest
{
// A throw-away home, a Qt application and ImageMagick under the program's
// policy; `seed` fills an empty corpus folder named on the command line.
// Returns the home.
QString StartEngineFuzzer(int* argc, char*** argv, void (*seed)(const QString& folder));
// Writes one input to `path`; a failure stops the process.
void WriteFuzzInput(const QString& path, const uint8_t* data, size_t size);
} // namespace BqTest
