// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CabinetRecord.h"
#include "Result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace boxmill {

class Vocabulary;

// A cabinet file as it stands: the record, and whatever a longer file (one
// written by another tool) holds after the record's 2564 bytes.
struct CabinetFileImage {
    CabinetRecord record;
    std::string tail;

    friend bool operator==(const CabinetFileImage&, const CabinetFileImage&) = default;
};

// The bytes of a cabinet file, refused as the loader refuses them (a short
// file, counts or sizes out of range) or when longer than the program reads.
Result<CabinetFileImage> ParseCabinetFileImage(std::string_view bytes);
Result<CabinetFileImage> ReadCabinetFileImage(const std::filesystem::path& path);
std::string CabinetFileBytes(const CabinetFileImage& image);
// Exactly the image, whatever a file at `path` held before.
Status WriteCabinetFileImage(const std::filesystem::path& path, const CabinetFileImage& image);

// The readable form of a cabinet (docs/CABINET-TEXT.md): every field under
// its name, and in a [Bytes] section whatever no field shows (reserved
// bytes, characters behind a shortened text, a longer file's tail), so that
// reading the text back gives the same file byte for byte. The keys are the
// names the vocabulary gives; one whose names cannot serve as keys (empty,
// repeated, holding "=") is refused.
Result<std::string> FormatCabinetText(const CabinetFileImage& image, const Vocabulary& vocabulary);

// Reads the readable form. Every key must be known and given exactly once,
// and every value fit its field; a mistake is refused with a message that
// names its line. A cabinet the program would refuse to load is refused too.
Result<CabinetFileImage> ParseCabinetText(std::string_view text, const Vocabulary& vocabulary);

} // namespace boxmill
