// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the cabinet text reader and the cabinet loader.
// A text the reader accepts must be a cabinet the loader accepts, and must
// come back unchanged through the writer; a cabinet file the loader accepts
// must come back byte for byte through its text.
#include "FuzzSupport.h"

#include "core/CabinetText.h"
#include "core/DefaultNames.h"
#include "core/Vocabulary.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace boxmill;

// The shipped names, which the seed texts are written in.
const Vocabulary& ShippedVocabulary()
{
    static const Vocabulary vocabulary = [] {
        static constexpr const char* kIncludeNames[] = {
            "Top",
            "Bottom",
            "Left Side",
            "Right Side",
            "Back",
            "Front",
            "Nailers",
            "Toe Kick/Sleepers",
            "Face Frame Stiles/Rails",
            "Mullions",
            "Mid Rails",
            "Shelves",
            "Partitions",
            "Partition Rails",
            "Drawer Boxes",
            "Drawer Faces",
            "Door Stiles/Rails",
            "Door Panels",
            "Door Mullions",
            "Carcass Rails",
        };
        return Vocabulary(std::vector<std::string>(kDefaultParameterNames.begin(), kDefaultParameterNames.end()),
                          std::vector<std::string>(std::begin(kIncludeNames), std::end(kIncludeNames)),
                          std::vector<std::string>(kDefaultPartNames.begin(), kDefaultPartNames.end()));
    }();
    return vocabulary;
}

// Every refusal of the reader is a message about a file: it must be fit to
// show whatever the file holds.
void CheckRefusal(const std::string& message)
{
    fuzz::CheckingPrompter checker;
    checker.message(MessageKind::Error, message);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto bytes = fuzz::Bytes(data, size);
    const Vocabulary& vocabulary = ShippedVocabulary();

    const auto read = ParseCabinetText(bytes, vocabulary);
    if (!read) {
        CheckRefusal(read.error());
    } else {
        if (!ParseCabinetFileImage(CabinetFileBytes(*read)))
            std::abort();
        const auto written = FormatCabinetText(*read, vocabulary);
        if (!written)
            std::abort();
        const auto again = ParseCabinetText(*written, vocabulary);
        if (!again || !(*again == *read))
            std::abort();
    }

    if (const auto image = ParseCabinetFileImage(bytes)) {
        const auto text = FormatCabinetText(*image, vocabulary);
        if (!text)
            std::abort();
        const auto back = ParseCabinetText(*text, vocabulary);
        if (!back || CabinetFileBytes(*back) != bytes)
            std::abort();
    }
    return 0;
}
