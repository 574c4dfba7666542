// The two commands of the skin tool: packing a skin folder and printing what a skin holds.
#pragma once

#include <cstdio>
#include <string>

namespace skin {

// Writes the compressed skin file of the skin folder whose INI file is `ini_path`. Throws when
// the INI lacks a section a skin needs or a picture cannot be read.
void PackCompressedSkin(const std::string& ini_path, const std::string& out_path);

// Writes the stored skin of a skin folder: its Pictures stream and its INI text (lines with CR LF).
// Warns on stderr when the INI lacks a section a skin needs (such a stored skin loads empty).
void PackStoredSkin(const std::string& ini_path, const std::string& pictures_out, const std::string& ini_out);

// Prints what a skin holds: where it came from, its version strings, each picture's size and depth,
// and one line per window, object and control record (section, class and every value). `path` is
// a skin folder, its INI file, a compressed skin file or a Pictures stream; `ini_path`, when not
// empty, names the INI text that goes with a Pictures stream.
void PrintSkinInfo(const std::string& path, const std::string& ini_path, std::FILE* out);

}  // namespace skin
