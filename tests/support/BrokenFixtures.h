// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The broken files under tests/data/broken/<reader>/, one folder a reader.
// Each <case>.<ext> is handed to its reader, which must refuse it or warn
// about it; what it said is kept beside the case in <case>.expected, so a
// changed message shows as a diff. A file beyond a reader's cap would cost
// megabytes in the repository: <case>.grow holds a size in bytes, and the
// case's bytes are repeated up to it when the test runs.
//
// After an intended change of a message, write the .expected files anew
// and read the diff before committing it:
//   BOXMILL_UPDATE_BROKEN=1 ctest --test-dir build/dev -R BrokenFiles

#include "RecordFixtures.h"
#include "TempFolder.h"

#include "core/Prompter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill::test {

// Every reader folder, each walked by the test of the layer that holds the
// reader; a folder missing from this list would never be walked.
inline const std::set<std::string> kBrokenFixtureReaders = {
    "cabinet", "cabinet-text", "standard", "lists", "wood", "stock", "job", "panel", "print-options", "rtf",
};

struct ReaderVerdict {
    enum class Kind { Accepted, Warned, Refused };
    Kind kind = Kind::Accepted;
    std::vector<std::string> messages;
    // What the reader left behind that it should not have: a refusal that
    // changed what was loaded before. Empty when all is well.
    std::string partialState;
};

inline ReaderVerdict Refused(std::string message)
{
    return {ReaderVerdict::Kind::Refused, {std::move(message)}, {}};
}

// Messages as the user would see them, with the kind each was given.
class RecordingPrompter : public Prompter {
public:
    void message(MessageKind kind, std::string_view text) override
    {
        (kind == MessageKind::Error ? errors : warnings).emplace_back(text);
    }
    bool ask(MessageKind, std::string_view text, QuestionButtons) override
    {
        warnings.emplace_back(text);
        return false;
    }

    std::vector<std::string> errors;
    std::vector<std::string> warnings;
};

inline std::filesystem::path BrokenFixtureFolder()
{
    return std::filesystem::path(BOXMILL_TEST_DATA_DIR) / "broken";
}

// The verdict as the .expected file holds it. The temporary folder the case
// was read from is written <folder>, so the text is the same on every run.
inline std::string VerdictText(const ReaderVerdict& verdict, const std::filesystem::path& folder)
{
    static constexpr const char* kKinds[] = {"accepted", "warned", "refused"};
    std::string text = std::string(kKinds[static_cast<int>(verdict.kind)]) + "\n";
    for (const auto& message : verdict.messages)
        text += message + "\n";
    const std::string from = folder.string();
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at))
        text.replace(at, from.size(), "<folder>");
    return text;
}

// Hands every case of `reader`'s folder to `read`, which is given the case
// as a file of the same name in a fresh folder. `taken` names the cases the
// reader is meant to take without a word; any other case it takes is a fault.
inline void CheckBrokenFixtures(const std::string& reader,
                                const std::function<ReaderVerdict(const std::filesystem::path&)>& read,
                                const std::set<std::string>& taken = {})
{
    namespace fs = std::filesystem;
    ASSERT_TRUE(kBrokenFixtureReaders.contains(reader)) << reader;
    const fs::path folder = BrokenFixtureFolder() / reader;
    std::vector<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const auto extension = entry.path().extension();
        if (entry.is_regular_file() && extension != ".expected" && extension != ".grow")
            cases.push_back(entry.path());
    }
    std::sort(cases.begin(), cases.end());
    ASSERT_FALSE(cases.empty()) << "no cases in " << folder;
    const bool update = std::getenv("BOXMILL_UPDATE_BROKEN") != nullptr;

    for (const fs::path& fixture : cases) {
        SCOPED_TRACE(fixture.string());
        std::string bytes = ReadAllBytes(fixture);
        auto grow = fixture;
        if (fs::exists(grow.replace_extension(".grow"))) {
            const std::size_t size = std::stoul(ReadAllBytes(grow));
            ASSERT_FALSE(bytes.empty());
            std::string grown;
            grown.reserve(size + bytes.size());
            while (grown.size() < size)
                grown += bytes;
            grown.resize(size);
            bytes = std::move(grown);
        }
        const TempFolder temp;
        WriteAllBytes(temp / fixture.filename().string(), bytes);
        const ReaderVerdict verdict = read(temp / fixture.filename().string());
        const bool mayTake = taken.contains(fixture.stem().string());
        EXPECT_EQ(verdict.kind == ReaderVerdict::Kind::Accepted, mayTake)
            << (mayTake ? "a case the reader takes is refused now: take it off the list"
                        : "a broken file was taken without a word");
        EXPECT_EQ(verdict.partialState, "");
        for (const auto& message : verdict.messages) {
            const bool clean = std::none_of(message.begin(), message.end(), [](char c) {
                return (static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7F;
            });
            EXPECT_TRUE(clean) << "a message holds a control character: " << message;
        }

        const std::string text = VerdictText(verdict, temp.path());
        auto expectedFile = fixture;
        expectedFile.replace_extension(".expected");
        if (update)
            WriteAllBytes(expectedFile, text);
        else
            EXPECT_EQ(ReadAllBytes(expectedFile), text) << "BOXMILL_UPDATE_BROKEN=1 writes " << expectedFile;
    }
}

} // namespace boxmill::test
