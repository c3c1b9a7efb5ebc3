#pragma once
// Open and save dialogs: Qt's own (non-native) file dialog, so they behave
// the same everywhere, with the windows' filters listing both letter cases.
#include <QStringList>
#include <optional>
#include <string>

#include "forms/platform.h"

namespace qtui {

// "Description|*.EXT|..." to Qt name filters, one per pair, the description
// shown once with the patterns the dialog matches:
// "LCA project files (*.PRJ)|*.PRJ" -> "LCA project files (*.PRJ *.prj)".
// Patterns separated by ";" are listed each with its other letter case;
// "*.*" means every file ("*").
QStringList ToQtFilters(const std::string& filter);

// Runs the dialog; the chosen absolute path, or nullopt when cancelled.
// The open dialog accepts a name that does not exist yet (commands name new
// files and folders through it); the save dialog asks nothing on overwrite:
// forms::Platform::SaveFileDialog asks, once, where the file is not the
// window's own.
std::optional<std::string> RunFileDialog(const forms::FileDialogRequest& request, bool open);

}  // namespace qtui
