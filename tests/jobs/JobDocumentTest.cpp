// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/JobDocument.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace boxmill {
namespace {

namespace fs = std::filesystem;

// A job saved as kitchen/K.job over Base.cab and Wall.cab in kitchen/cabs.
class JobDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(kitchen());
        ASSERT_TRUE(doc.saveAs(kitchen() / "K.job"));
        ASSERT_TRUE(doc.add({kitchen() / "cabs" / "Base.cab", kitchen() / "cabs" / "Wall.cab"}));
        ASSERT_TRUE(doc.save());
    }
    fs::path kitchen() const { return folder.path() / "kitchen"; }

    test::TempFolder folder;
    JobDocument doc;
};

std::string Labels(const Job& job)
{
    std::string text;
    for (const auto& entry : job.cabinets)
        text += entry.label + "x" + std::to_string(entry.quantity) + " ";
    return text;
}

TEST_F(JobDocumentTest, EditsAreAppliedOrRefusedWholeAndUndone)
{
    struct Case {
        const char* name;
        std::function<Status(JobDocument&)> edit;
        const char* labels; // after the edit; empty when refused
        const char* refusal = "";
    };
    const Case cases[] = {
        {"quantity", [](JobDocument& d) { return d.setQuantity(1, 100); }, "Basex1 Wallx100 "},
        {"label, blanks dropped", [](JobDocument& d) { return d.setLabel(0, "  Sink "); }, "Sinkx1 Wallx1 "},
        {"move down", [](JobDocument& d) { return d.move(0, 1); }, "Wallx1 Basex1 "},
        {"remove", [](JobDocument& d) { return d.remove(0); }, "Wallx1 "},
        {"same file again", [](JobDocument& d) { return d.add({"x/Base.cab"}); }, "Basex1 Wallx1 Base 2x1 "},
        {"quantity 0", [](JobDocument& d) { return d.setQuantity(0, 0); }, "",
         "Cabinet 1 of the job: its quantity is not from 1 to 100."},
        {"quantity 101", [](JobDocument& d) { return d.setQuantity(1, 101); }, "", "its quantity is not from 1"},
        {"empty label", [](JobDocument& d) { return d.setLabel(0, "  "); }, "", "its label is empty"},
        {"repeated label", [](JobDocument& d) { return d.setLabel(1, "BASE"); }, "", "\"BASE\" is used twice"},
        {"bar in label", [](JobDocument& d) { return d.setLabel(1, "a|b"); }, "", "holds a \"|\""},
        {"bar in path", [](JobDocument& d) { return d.add({"/tmp/a|b.cab"}); }, "", "its file name holds a \"|\""},
        {"no file", [](JobDocument& d) { return d.add({""}); }, "", "its file name is empty"},
        {"no such row", [](JobDocument& d) { return d.remove(2); }, "", "no such cabinet"},
        {"move past end", [](JobDocument& d) { return d.move(0, 2); }, "", "no such cabinet"},
    };
    for (const auto& c : cases) {
        JobDocument edited = doc;
        const Job before = edited.job();
        const Status status = c.edit(edited);
        if (*c.labels) {
            ASSERT_TRUE(status) << c.name << ": " << status.error();
            EXPECT_EQ(Labels(edited.job()), c.labels) << c.name;
            EXPECT_TRUE(edited.modified()) << c.name;
            edited.undo();
            EXPECT_EQ(edited.job(), before) << c.name;
            EXPECT_FALSE(edited.modified()) << c.name;
            edited.redo();
            EXPECT_EQ(Labels(edited.job()), c.labels) << c.name;
        } else {
            ASSERT_FALSE(status) << c.name;
            EXPECT_NE(status.error().find(c.refusal), std::string::npos) << c.name << ": " << status.error();
            EXPECT_EQ(edited.job(), before) << c.name;
            EXPECT_FALSE(edited.modified()) << c.name;
            EXPECT_EQ(edited.undoName(), "Add Cabinets") << c.name;
        }
    }
}

TEST_F(JobDocumentTest, UndoAndRedoWalkTheEditsInOrder)
{
    ASSERT_TRUE(doc.setQuantity(0, 3));
    ASSERT_TRUE(doc.setLabel(0, "Sink"));
    EXPECT_EQ(doc.undoName(), "Label");
    doc.undo();
    doc.undo();
    EXPECT_EQ(Labels(doc.job()), "Basex1 Wallx1 ");
    EXPECT_EQ(doc.redoName(), "Quantity");
    doc.redo();
    // A new edit drops what could be redone.
    ASSERT_TRUE(doc.remove(1));
    EXPECT_FALSE(doc.canRedo());
    EXPECT_EQ(Labels(doc.job()), "Basex3 ");
    // An edit that changes nothing is not one to undo.
    ASSERT_TRUE(doc.setQuantity(0, 3));
    EXPECT_EQ(doc.undoName(), "Remove Cabinet");
}

TEST_F(JobDocumentTest, PathsAreRelativeBeneathTheJobAndAbsoluteElsewhere)
{
    ASSERT_TRUE(doc.add({folder.path() / "shared" / "Base.cab", kitchen() / "cabs" / ".." / "Tall.cab"}));
    const auto& cabinets = doc.job().cabinets;
    EXPECT_EQ(cabinets[0].path, "cabs/Base.cab");
    EXPECT_EQ(cabinets[2].path, (folder.path() / "shared" / "Base.cab").string());
    EXPECT_EQ(cabinets[2].label, "Base 2");
    EXPECT_EQ(cabinets[3].path, "Tall.cab");

    // A job never saved has no folder yet: every path is whole.
    JobDocument untitled;
    ASSERT_TRUE(untitled.add({kitchen() / "cabs" / "Base.cab"}));
    EXPECT_EQ(untitled.fileName(), "Untitled.job");
    EXPECT_EQ(untitled.job().cabinets[0].path, (kitchen() / "cabs" / "Base.cab").string());
}

// Wherever the job is saved, each line still names the file it named.
TEST_F(JobDocumentTest, SaveAsElsewhereKeepsEveryCabinetAndUndoToo)
{
    const fs::path outside = folder.path() / "shared" / "Hood.cab";
    ASSERT_TRUE(doc.add({outside}));
    ASSERT_TRUE(doc.setQuantity(0, 2));
    const auto files = [](const JobDocument& d) {
        std::vector<fs::path> located;
        for (const auto& entry : d.job().cabinets)
            located.push_back((d.jobFile().parent_path() / entry.path).lexically_normal());
        return located;
    };
    const auto before = files(doc);
    for (const fs::path& target :
         {folder.path() / "other" / "K.job", kitchen() / "cabs" / "K.job", kitchen() / "K.job"}) {
        fs::create_directories(target.parent_path());
        ASSERT_TRUE(doc.saveAs(target)) << target;
        EXPECT_EQ(files(doc), before) << target;
        EXPECT_FALSE(doc.modified());
        const auto read = ReadJobFile(target);
        ASSERT_TRUE(read) << read.error();
        EXPECT_EQ(*read, doc.job()) << target;
        JobDocument undone = doc;
        undone.undo();
        EXPECT_EQ(files(undone), before) << target;
    }
    // Back home the paths read as they were first written.
    EXPECT_EQ(doc.job().cabinets[0].path, "cabs/Base.cab");
    EXPECT_EQ(doc.job().cabinets[2].path, outside.string());

    JobDocument reopened;
    ASSERT_TRUE(reopened.open(kitchen() / "K.job"));
    EXPECT_EQ(reopened.job(), doc.job());
    EXPECT_FALSE(reopened.canUndo());
}

TEST_F(JobDocumentTest, AFailedOpenOrSaveChangesNothing)
{
    ASSERT_TRUE(doc.setQuantity(0, 4));
    const JobDocument before = doc;
    EXPECT_FALSE(doc.saveAs(folder.path() / "missing" / "K.job"));
    EXPECT_FALSE(doc.open(folder.path() / "missing.job"));
    EXPECT_EQ(doc.job(), before.job());
    EXPECT_EQ(doc.file(), before.file());
    EXPECT_TRUE(doc.modified());
    EXPECT_TRUE(doc.canUndo());

    JobDocument untitled;
    const Status save = untitled.save();
    ASSERT_FALSE(save);
    EXPECT_EQ(save.error(), "Untitled.job has not been saved yet: choose a name for it.");
}

} // namespace
} // namespace boxmill
