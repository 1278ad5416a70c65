// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandardFile.h"

#include "FileIo.h"

namespace boxmill {

Result<UnitFlags> ParseUnitFlags(std::string_view bytes)
{
    if (bytes.size() < 2)
        return Result<UnitFlags>::failure("it must hold two bytes.");
    return UnitFlags {static_cast<std::uint8_t>(bytes[0]), static_cast<std::uint8_t>(bytes[1])};
}

Result<UnitFlags> ReadUnitFlags(const std::filesystem::path& file)
{
    auto bytes = ReadFileBytes(file, FileCap::UnitSetting);
    if (!bytes)
        return Result<UnitFlags>::failure(bytes.error());
    auto flags = ParseUnitFlags(*bytes);
    if (!flags)
        return Result<UnitFlags>::failure("\"" + file.string() + "\" is damaged: " + flags.error());
    return flags;
}

Status WriteUnitFlags(const std::filesystem::path& file, UnitMode mode)
{
    const UnitFlags flags = UnitFlags::forMode(mode);
    const char bytes[2] = {static_cast<char>(flags.inches), static_cast<char>(flags.metric)};
    return WriteFileAtomic(file, std::string_view(bytes, 2));
}

} // namespace boxmill
