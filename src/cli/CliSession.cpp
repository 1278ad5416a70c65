// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliSession.h"

#include "core/ProgramFolder.h"
#include "cutlist/ShortDate.h"
#include "geometry/OpeningFit.h"
#include "session/PanelDesigner.h"
#include "session/SessionAccess.h"

#include <cstdlib>
#include <ctime>

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
    CabinetModel& model = SessionAccess::model(m_session);
    if (m_context.units && *m_context.units != model.units) {
        // For this run only: Standard.dat is left as it is.
        model.units = *m_context.units;
        SessionAccess::data(m_session).unitFlags = UnitFlags::forMode(model.units);
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
    if (m_context.panelStyle && !PanelDesigner(m_session).openPanelFile(*m_context.panelStyle))
        return kFileError;
    return kSuccess;
}

void CliSession::warnOfMisfits()
{
    for (const auto& misfit : OpeningMisfits(m_session.model(), m_session.layout()))
        m_prompter.message(MessageKind::Warning, misfit);
}

// Scripts and tests that compare listings set SOURCE_DATE_EPOCH, the
// reproducible-builds convention, and get that day (in UTC) in the header.
std::string HeaderDate()
{
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch == nullptr || *epoch == '\0')
        return TodaysShortDate();
    char* end = nullptr;
    const long long seconds = std::strtoll(epoch, &end, 10);
    if (*end != '\0')
        return TodaysShortDate();
    const auto when = static_cast<std::time_t>(seconds);
    std::tm utc {};
    gmtime_r(&when, &utc);
    return ShortDate(utc);
}

} // namespace boxmill::cli
