#include "energy_input/shading_mask_file.h"

#include "common/data_file.h"
#include "common/number_text.h"
#include "common/paths.h"

namespace energy_input {

using common::Single;

namespace {

common::DataWriter ShadingMaskFileWriter(const ShadingMask& mask, Single mean, const std::string& orientation,
                                         const WindowShading& s, const std::string& fileName) {
  common::DataWriter w;
  for (const auto& column : mask) {
    for (Single v : column) w.Sng(v);
    w.EndLine();
  }
  w.Sng(mean).EndLine();
  w.EndLine();
  w.Line("The above shading mask is for:");
  // Every label is 37 characters long so that the values line up.
  w.Line("Window orientation                   " + orientation + " ");
  w.Line("Window Width (m)                     " + common::PrintText(s.W));
  w.Line("Window Height (m)                    " + common::PrintText(s.H));
  w.Line("Overhang Projection (m)              " + common::PrintText(s.OP));
  w.Line("Overhang above window top (m)        " + common::PrintText(s.DT));
  w.Line("Left Sidefin Projection (m)          " + common::PrintText(s.LP));
  w.Line("Left Sidefin from LHS of window (m)  " + common::PrintText(s.DL));
  w.Line("Right Sidefin Projection (m)         " + common::PrintText(s.RP));
  w.Line("Right Sidefin from RHS of window (m) " + common::PrintText(s.DR));
  w.Line("Filename for this set of data        " + fileName + " ");
  return w;
}

}  // namespace

bool WriteShadingMaskFile(const std::string& path, const ShadingMask& mask, Single mean, const std::string& orientation,
                          const WindowShading& s, const std::string& fileName, std::string& error) {
  return common::WriteDataFile(path, ShadingMaskFileWriter(mask, mean, orientation, s, fileName), &error);
}

bool ReadShadingMaskFile(const std::string& path, ShadingMask& mask, Single& mean, std::string& error) {
  auto text = common::ReadWholeFile(path, &error);
  if (!text) return false;
  common::DataReader in(std::move(*text));
  ShadingMask read{};
  Single readMean = 0;
  bool ok = true;
  // Each line holds one column or the mean and nothing more; the printed
  // text below them is not read.
  for (auto& column : read) {
    for (Single& v : column) ok = ok && in.Read(v);
    ok = ok && in.EndOfLine();
  }
  ok = ok && in.Read(readMean) && in.EndOfLine();
  if (!ok) {
    error = in.Error();
    return false;
  }
  mask = read;
  mean = readMean;
  return true;
}

}  // namespace energy_input
