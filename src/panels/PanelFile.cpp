// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelFile.h"

#include "core/FileIo.h"

#include <algorithm>
#include <system_error>

namespace boxmill {

namespace {

std::string Quoted(const std::filesystem::path& path)
{
    return "\"" + path.filename().string() + "\"";
}

} // namespace

Result<PanelStyle> ParsePanelStyle(std::string_view bytes)
{
    if (bytes.size() < static_cast<std::size_t>(kPanelStyleSize))
        return Result<PanelStyle>::failure("This is not a raised panel file: it holds " + std::to_string(bytes.size()) +
                                           " bytes, and a panel style takes " + std::to_string(kPanelStyleSize) + ".");
    PanelStyle::Bytes raw {};
    std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.data()), raw.size(), raw.begin());
    return PanelStyle(raw);
}

Result<PanelStyle> ReadPanelStyleFile(const std::filesystem::path& path)
{
    auto bytes = ReadFileBytes(path, kPanelFileCap);
    if (!bytes)
        return Result<PanelStyle>::failure(bytes.error());
    auto style = ParsePanelStyle(*bytes);
    if (!style)
        return Result<PanelStyle>::failure(Quoted(path) + ": " + style.error());
    return style;
}

std::string SerializePanelStyle(const PanelStyle& style, std::string_view replacedFile)
{
    std::string out(reinterpret_cast<const char*>(style.bytes().data()), style.bytes().size());
    if (replacedFile.size() > out.size())
        out.append(replacedFile.substr(out.size()));
    return out;
}

Status WritePanelStyleFile(const std::filesystem::path& path, const PanelStyle& style)
{
    std::string existing;
    std::error_code code;
    if (std::filesystem::exists(path, code)) {
        auto bytes = ReadFileBytes(path, kPanelFileCap);
        if (!bytes)
            return Status::failure(Quoted(path) + " was not saved: " + bytes.error());
        existing = std::move(bytes).value();
    }
    return WriteFileAtomic(path, SerializePanelStyle(style, existing));
}

} // namespace boxmill
