// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CabinetRecord.h"
#include "Result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace boxmill {

// The first 2564 bytes are the record; anything after them is ignored on
// reading. A short file, or one whose counts do not fit the program's tables
// or whose sizes are out of range (ValidateCabinetRecord), is refused with a
// message that says why.
Result<CabinetRecord> ParseCabinetRecord(std::string_view bytes);
Result<CabinetRecord> ReadCabinetFile(const std::filesystem::path& path);

// The record followed by whatever the replaced file held after its first
// 2564 bytes, so a longer file written by another tool keeps its tail.
std::string SerializeCabinetRecord(const CabinetRecord& record, std::string_view replacedFile);
// A record with sizes a load would refuse is not written.
Status WriteCabinetFile(const std::filesystem::path& path, const CabinetRecord& record);

} // namespace boxmill
