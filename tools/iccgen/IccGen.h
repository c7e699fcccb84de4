#pragma once
// Generates the two ICC profiles the application ships: sRGB and a CMYK
// press profile ("RSWOP") built from a simple ink model, so no third-party
// profile file has to be distributed.

#include <string>

namespace IccGen {

// The ink model behind RSWOP.ICM; samples are 0..1.
// CMYK -> sRGB: ((1-C)(1-K), (1-M)(1-K), (1-Y)(1-K)).
void CmykToRgb(const double cmyk[4], double rgb[3]);
// sRGB -> CMYK: CMY = 1 - RGB, K = min(C, M, Y), C' = (C-K)/(1-K).
void RgbToCmyk(const double rgb[3], double cmyk[4]);

// Each writes one profile file; false when the file cannot be written.
bool WriteSrgbProfile(const std::string& path);
bool WriteRswopProfile(const std::string& path);

// Writes "sRGB.icm" and "RSWOP.ICM" into folder; false on the first failure.
bool WriteAllProfiles(const std::string& folder);

} // namespace IccGen
