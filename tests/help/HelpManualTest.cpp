// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempFolder.h"
#include "help/HelpKeys.h"
#include "help/RtfReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

using namespace boxmill;
namespace fs = std::filesystem;

namespace {

const fs::path kShippedManual = fs::path(BOXMILL_PROGRAM_DIR) / "Cabhelp.rtf";
const fs::path kShippedReadMe = fs::path(BOXMILL_PROGRAM_DIR) / "Readme.rtf";
const fs::path kSourceDir = fs::path(BOXMILL_DATA_DIR).parent_path();

std::vector<std::string_view> AllKeys()
{
    std::vector<std::string_view> keys(kHelpKeys.begin(), kHelpKeys.end());
    keys.push_back(kWelcomeHelpKey);
    return keys;
}

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Standard output of a shell command, or nothing when it could not run.
std::optional<std::string> RunCommand(const std::string& command)
{
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return std::nullopt;
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    if (pclose(pipe) != 0)
        return std::nullopt;
    return out;
}

std::string Quoted(const fs::path& path)
{
    return "'" + path.string() + "'";
}

// Help selects the first occurrence of a key in the plain text, so a key
// that shows up earlier (inside a longer heading or in running text) would
// open the manual at the wrong page. Returns the keys that fail, with where.
std::vector<std::string> KeysNotFirstSeenAsHeading(const std::string& text)
{
    std::vector<std::string> failures;
    for (std::string_view key : AllKeys()) {
        const std::size_t at = text.find(key);
        if (at == std::string::npos) {
            failures.push_back("missing: " + std::string(key));
            continue;
        }
        const std::size_t lineStart = text.rfind('\n', at) == std::string::npos ? 0 : text.rfind('\n', at) + 1;
        const std::size_t lineEnd = text.find('\n', at);
        std::string line = text.substr(lineStart, lineEnd - lineStart);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
            line.pop_back();
        if (line != key)
            failures.push_back("first found inside \"" + line.substr(0, 80) + "\": " + std::string(key));
    }
    return failures;
}

} // namespace

TEST(HelpManual, EveryKeyFirstAppearsAsAHeadingOfItsOwn)
{
    const Result<RtfDocument> manual = ReadRtfFile(kShippedManual);
    ASSERT_TRUE(manual.ok()) << manual.error();
    const std::string text = RtfPlainText(*manual);
    EXPECT_EQ(KeysNotFirstSeenAsHeading(text), std::vector<std::string>());

    // The key's paragraph is styled as a heading, so the selected line
    // stands out on the page as well as in the text.
    std::vector<std::string> paragraphs;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        paragraphs.push_back(line);
    ASSERT_EQ(paragraphs.size(), manual->paragraphs.size());
    for (std::string_view key : AllKeys()) {
        for (std::size_t i = 0; i < paragraphs.size(); ++i) {
            if (paragraphs[i] == key) {
                EXPECT_GT(manual->paragraphs[i].headingLevel, 0) << key;
                break;
            }
        }
    }
}

TEST(HelpManual, IndependentReadersFindEveryKeyAsItsHeading)
{
    for (const char* reader : {"unrtf --text", "pandoc -f rtf -t plain --wrap=none"}) {
        const std::optional<std::string> text = RunCommand(std::string(reader) + " " + Quoted(kShippedManual));
        ASSERT_TRUE(text.has_value()) << reader << " did not run; scripts/install-deps.sh installs it";
        EXPECT_EQ(KeysNotFirstSeenAsHeading(*text), std::vector<std::string>()) << reader;
    }
}

TEST(HelpManual, TheShippedDocumentsAreWhatTheToolMakesFromTheirSources)
{
    // Two runs give the same bytes, and the same bytes as the committed
    // files: an edited page that was not converted again fails here.
    test::TempFolder temp;
    const fs::path tool = kSourceDir / "tools" / "make-help.sh";
    for (const char* run : {"first", "second"}) {
        const fs::path out = temp / run;
        fs::create_directories(out);
        ASSERT_TRUE(RunCommand(Quoted(tool) + " " + Quoted(out)).has_value()) << "make-help.sh failed";
        for (const char* name : {"Cabhelp.rtf", "Readme.rtf"})
            EXPECT_EQ(ReadBytes(out / name), ReadBytes(kSourceDir / "data" / name)) << run << " " << name;
    }
}

TEST(HelpManual, TheReadMeWalksThroughAFirstCabinet)
{
    const Result<RtfDocument> readMe = ReadRtfFile(kShippedReadMe);
    ASSERT_TRUE(readMe.ok()) << readMe.error();
    const std::string text = RtfPlainText(*readMe);
    std::size_t from = 0;
    for (const char* step : {"Set up", "Design a first cabinet", "Get the cut list and the cost", "Print", "Save"}) {
        from = text.find(step, from);
        EXPECT_NE(from, std::string::npos) << step;
    }
}
