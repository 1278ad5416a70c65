// SPDX-License-Identifier: GPL-3.0-or-later
#include "CabinetLoading.h"

#include "Layout.h"

#include "core/CabinetFile.h"

namespace boxmill {

Result<LoadedCabinet> LoadCabinet(const std::filesystem::path& path, const CabinetModel& base,
                                  const Vocabulary& vocabulary)
{
    auto record = ReadCabinetFile(path);
    if (!record)
        return Result<LoadedCabinet>::failure(record.error());
    LoadedCabinet loaded {base, LayoutResult {}, {}};
    CabinetModel& model = loaded.model;
    loaded.messages = model.adoptRecord(*record, vocabulary);
    model.folders.cabinetPath = path;
    model.folders.cabinetName = path.filename().string();
    model.folders.cabinetStyle = model.folders.cabinetName;
    model.folders.cabinetFolder = path.parent_path();
    LayoutAfterLoad(model, loaded.layout);
    return loaded;
}

} // namespace boxmill
