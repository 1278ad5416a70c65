// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the whole start-up over a program folder whose files hold the fuzzed
// bytes, then everything a start-up leads to: layout, drawing and listing.
//
// The input is the files' contents in the order of kFiles, each ended by
// kSeparator; a file the input does not reach is missing from the folder.
#include "FuzzSupport.h"

#include "core/CabinetModel.h"
#include "core/ProgramData.h"
#include "core/StartUp.h"
#include "cutlist/CostCalculator.h"
#include "cutlist/CutlistEditor.h"
#include "designer/FaceDrawing.h"
#include "geometry/Layout.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSeparator = "\n@@@@\n";
constexpr const char* kFiles[] = {"Standard.dat", "Dims.dat", "IncParts.dat", "CabParts.dat", "Wood.dat", "Newcab.dat"};

// One folder for the whole run, removed when the fuzzer exits. Memory
// backed where there is such a folder: on disk, writing six files an input
// takes most of the time. Kept on the heap, so that it outlives the static
// objects the exit destroys before the removal runs.
const fs::path& ProgramFolder()
{
    static const fs::path* const folder = [] {
        for (const fs::path& base : {fs::path("/dev/shm"), fs::temp_directory_path()}) {
            std::string pattern = (base / "boxmill-fuzz-XXXXXX").string();
            if (::mkdtemp(pattern.data()) == nullptr)
                continue;
            fs::create_directory(fs::path(pattern) / "Base");
            return new fs::path(pattern);
        }
        std::abort();
    }();
    static const bool removedAtExit = std::atexit([] {
                                          std::error_code ignored;
                                          fs::remove_all(*folder, ignored);
                                      }) == 0;
    (void)removedAtExit;
    return *folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace boxmill;
    const fs::path& folder = ProgramFolder();
    std::string_view rest = fuzz::Bytes(data, size);
    for (const char* name : kFiles) {
        const auto end = rest.find(kSeparator);
        if (end == std::string_view::npos) {
            fs::remove(folder / name);
            continue;
        }
        std::ofstream(folder / name, std::ios::binary | std::ios::trunc)
            .write(rest.data(), static_cast<std::streamsize>(end));
        rest.remove_prefix(end + kSeparator.size());
    }

    ProgramData programData;
    CabinetModel model;
    fuzz::CheckingPrompter prompter;
    if (StartUp(folder, programData, model, prompter) != StartUpOutcome::Ready)
        return 0;
    // The start-up's own messages are checked above; what the cut list says
    // about the cabinet is the cabinet target's business.
    LayoutResult layout;
    LayoutAfterLoad(model, layout);
    DrawCabinetFace(model, layout);
    CostCalculator cost;
    BuildListing(ListingBuild::All, model, layout, cost, "01/01/26");
    return 0;
}
