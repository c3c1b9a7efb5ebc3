#pragma once
// The sample office of samples/office as a project folder, for the
// simulation's tests and benchmarks.
#include <string>

#include "common/program.h"

namespace testsupport {

// Copies the sample office's energy model, constructions, air-side systems,
// plants, non-AC services and shading masks into `folder` (ending in "/"),
// replacing files of the same name. False, with the reason, when one cannot
// be copied.
bool CopySampleOfficeFiles(const std::string& folder, std::string& error);
// Copies every file of the sample office, its project, groups, components
// and elements too, into `folder` likewise.
bool CopySampleOfficeProject(const std::string& folder, std::string& error);

// Sets `prog` up as the energy input and energy calculation windows leave it
// before a run of the sample office in `folder`: the project and data
// folders, the file names, and the energy model and air-side systems read
// from the folder, both as the input windows hold them and as the run's own.
bool LoadSampleOffice(common::Program& prog, const std::string& folder, std::string& error);

}  // namespace testsupport
