// SPDX-License-Identifier: GPL-3.0-or-later
#include "CabinetFile.h"

#include "FileIo.h"

#include <algorithm>
#include <system_error>

namespace boxmill {

Result<CabinetRecord> ParseCabinetRecord(std::string_view bytes)
{
    if (bytes.size() < static_cast<std::size_t>(RecordOffset::Size))
        return Result<CabinetRecord>::failure("This is not a cabinet file: it holds " + std::to_string(bytes.size()) +
                                              " bytes, and a cabinet file holds " + std::to_string(RecordOffset::Size) +
                                              ".");
    CabinetRecord::Bytes raw {};
    std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.data()), raw.size(), raw.begin());
    CabinetRecord record(raw);
    if (auto problem = ValidateCabinetRecord(record))
        return Result<CabinetRecord>::failure(*problem);
    return record;
}

Result<CabinetRecord> ReadCabinetFile(const std::filesystem::path& path)
{
    auto bytes = ReadFileBytes(path, FileCap::Cabinet);
    if (!bytes)
        return Result<CabinetRecord>::failure(bytes.error());
    auto record = ParseCabinetRecord(*bytes);
    if (!record)
        return Result<CabinetRecord>::failure("\"" + path.filename().string() + "\": " + record.error());
    return record;
}

std::string SerializeCabinetRecord(const CabinetRecord& record, std::string_view replacedFile)
{
    std::string out(reinterpret_cast<const char*>(record.bytes().data()), record.bytes().size());
    if (replacedFile.size() > out.size())
        out.append(replacedFile.substr(out.size()));
    return out;
}

Status WriteCabinetFile(const std::filesystem::path& path, const CabinetRecord& record)
{
    // Sizes can be typed that a load refuses (millimetres go further than
    // inches); a file the program will not open again is not written.
    if (auto problem = CheckRecordSizes(record))
        return Status::failure("\"" + path.filename().string() + "\" was not saved, as it could not be opened again. " +
                               *problem);
    std::string existing;
    std::error_code code;
    if (std::filesystem::exists(path, code)) {
        // Its tail is kept, so it is read under the cabinet cap: a save over
        // a file that is no cabinet (a device, a huge file) is refused rather
        // than swallowing it.
        auto bytes = ReadFileBytes(path, FileCap::Cabinet);
        if (!bytes)
            return Status::failure(bytes.error());
        existing = std::move(bytes).value();
    }
    return WriteFileAtomic(path, SerializeCabinetRecord(record, existing));
}

} // namespace boxmill
