// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliSession.h"

#include "core/ProgramFolder.h"

#include <ostream>

namespace boxmill::cli {

namespace fs = std::filesystem;

CliSession::CliSession(CliContext& context)
    : m_context(context)
    , m_prompter(context.err)
    , m_session(m_prompter, m_dialogs)
{
}

int CliSession::open(const std::optional<fs::path>& cabinetFile)
{
    fs::path folder = m_context.programFolder;
    if (!m_context.programFolderGiven) {
        const auto chosen =
            ChooseProgramFolder({folder, InstalledDataFolder(m_context.executable), UserProgramFolder()});
        if (!chosen) {
            m_context.err << "error: " << chosen.error() << '\n';
            return kFileError;
        }
        folder = *chosen;
    }
    if (m_session.startUp(folder) != StartUpOutcome::Ready)
        return kFileError;
    CabinetModel& model = m_session.model;
    if (m_context.units && *m_context.units != model.units) {
        // For this run only: Standard.dat is left as it is.
        model.units = *m_context.units;
        m_session.data.unitFlags = UnitFlags::forMode(model.units);
    }
    if (cabinetFile) {
        if (!m_session.loadCabinetFile(*cabinetFile))
            return kFileError;
        model.folders.cabinetPath = *cabinetFile;
        model.folders.cabinetName = ExtractCabinetName(*cabinetFile);
        model.folders.cabinetStyle = model.folders.cabinetName;
        model.folders.cabinetFolder = cabinetFile->parent_path();
    }
    m_session.recalculateAfterLoad();
    return kSuccess;
}

} // namespace boxmill::cli
