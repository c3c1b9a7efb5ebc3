#pragma once
// The shading mask file (.SHM): 36 lines of nine mask values (one line per
// azimuth column, altitudes 5° to 85°), one line with the mean, an empty
// line and a block of printed text that records what the mask is for.
// Readers use the first 37 lines only.
#include <string>

#include "energy_input/shading_mask.h"

namespace energy_input {

// Saves the file. `mask` and `mean` as RoundShadingMask left them;
// `orientation` the text of the exposure list; `fileName` with ".SHM".
bool WriteShadingMaskFile(const std::string& path, const ShadingMask& mask, common::Single mean,
                          const std::string& orientation, const WindowShading& s, const std::string& fileName,
                          std::string& error);

// Fills `mask` and `mean` only when all 325 values were read.
bool ReadShadingMaskFile(const std::string& path, ShadingMask& mask, common::Single& mean, std::string& error);

}  // namespace energy_input
