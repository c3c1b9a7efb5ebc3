// Writes the energy-model files of the sample office project through the
// program's own writers:
//   make_office_energy_files [source folder]
// reads <source>/data/MATLCIA.IDB and .ILF and writes OFFICE.ECI,
// OFFICE.ASS, OFFICE.CON and the shading masks into <source>/samples/office.
#include <iostream>
#include <string>

#include "assessment/lcia_database.h"
#include "office_energy_sample.h"

int main(int argc, char** argv) {
  std::string source = argc > 1 ? argv[1] : OSTREVO_SOURCE_DIR;
  if (source.back() != '/') source += '/';
  common::MaterialTable materials;
  std::string error;
  if (!ModCal::LoadLCIADatabase(materials, source + "data/MATLCIA.ILF", source + "data/MATLCIA.IDB", error)) {
    std::cerr << "The sample database could not be read: " << error << "\n";
    return 1;
  }
  energytest::OfficeEnergySample sample;
  if (!energytest::MakeOfficeEnergySample(materials, sample, error) ||
      !energytest::WriteOfficeEnergySample(sample, source + "samples/office/", error)) {
    std::cerr << "The sample files were not written: " << error << "\n";
    return 1;
  }
  std::cout << "Wrote the energy-model files of samples/office.\n";
  return 0;
}
