// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/JobFile.h"

#include "TempFolder.h"
#include "WindowsEditorText.h"

#include "core/FileIo.h"

#include <gtest/gtest.h>

namespace boxmill {
namespace {

TEST(JobFile, ReadsBackWhatItWrites)
{
    const Job job {{{"Base/Sink.cab", 1, "Sink"}, {"../shared/Wall 30.cab", 2, "Wall 30, left"}}};
    const auto text = JobText(job);
    ASSERT_TRUE(text) << text.error();
    const auto again = ParseJobText(*text, "Kitchen.job");
    ASSERT_TRUE(again) << again.error();
    EXPECT_EQ(*again, job);

    // Blank lines, comments, CR LF, blanks around fields and a missing label
    // (the file's name stands in) are all read.
    const auto loose = ParseJobText("# kitchen\r\n\r\n  Sink.cab|3  \r\nWall30.cab | 1 |\r\n", "K.job");
    ASSERT_TRUE(loose) << loose.error();
    EXPECT_EQ(*loose, (Job {{{"Sink.cab", 3, "Sink"}, {"Wall30.cab", 1, "Wall30"}}}));
}

TEST(JobFile, RefusesTheWholeFileNamingTheLine)
{
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"Sink.cab", "K.job, line 1: a cabinet is CABINET FILE | QUANTITY | LABEL."},
        {"# c\nSink.cab | 1 | a | b", "K.job, line 2: a cabinet is CABINET FILE | QUANTITY | LABEL."},
        {" | 1 | Sink", "K.job, line 1: the cabinet file is not named."},
        {"Sink.cab | 0 | Sink", "K.job, line 1: the quantity must be a whole number from 1 to 100, not \"0\"."},
        {"Sink.cab | 101 | Sink", "K.job, line 1: the quantity must be a whole number from 1 to 100, not \"101\"."},
        {"Sink.cab | two | Sink", "K.job, line 1: the quantity must be a whole number from 1 to 100, not \"two\"."},
        {"Sink.cab | 1 | Si\x01nk", "K.job, line 1: the line holds a control character."},
        {"A.cab | 1 | Sink\nB.cab | 1 | sink", "K.job, line 2: the label \"sink\" is used twice."},
        // Two files of one name in two folders need labels of their own.
        {"a/Sink.cab | 1\nb/Sink.cab | 1", "K.job, line 2: the label \"Sink\" is used twice."},
    };
    for (const auto& c : cases) {
        const auto job = ParseJobText(c.text, "K.job");
        ASSERT_FALSE(job) << c.text;
        EXPECT_EQ(job.error(), c.message) << c.text;
    }
}

TEST(JobFile, RefusesToWriteWhatItCouldNotReadAndKeepsTheOldFile)
{
    test::TempFolder folder;
    const auto path = folder.path() / "K.job";
    ASSERT_TRUE(WriteJobFile(path, Job {{{"Sink.cab", 1, "Sink"}}}));
    const std::string before = ReadFileBytes(path).value();
    const Job refused[] = {
        {{{"", 1, "Sink"}}},
        {{{"Si|nk.cab", 1, "Sink"}}},
        {{{"Sink.cab", 1, "Si\nnk"}}},
        {{{"Sink.cab", 1, " Sink"}}},
        {{{"Sink.cab", 0, "Sink"}}},
        {{{"#Sink.cab", 1, "Sink"}}},
        {{{"A.cab", 1, "Sink"}, {"B.cab", 1, "SINK"}}},
    };
    for (const auto& job : refused) {
        EXPECT_FALSE(WriteJobFile(path, job)) << job.cabinets.front().path;
        EXPECT_EQ(ReadFileBytes(path).value(), before);
    }
}

} // namespace

TEST(JobFile, ReadsWhatAWindowsEditorSaves)
{
    test::ExpectReadsWhatAWindowsEditorSaves({"job", "Base/Sink.cab | 2 | Sink\n",
                                              [](const std::string& bytes) {
                                                  const auto job = ParseJobText(bytes, "Kitchen.job");
                                                  return job ? job->cabinets.at(0).path : test::ReadError(job.error());
                                              },
                                              "Kitchen.job"});
}

} // namespace boxmill
