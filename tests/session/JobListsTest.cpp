// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/JobLists.h"
#include "jobs/JobCabinets.h"
#include "jobs/SheetsJson.h"
#include "session/CabinetSession.h"

#include "DataProgramFolder.h"
#include "ScriptedPrompter.h"
#include "TempFolder.h"

#include "core/CabinetFile.h"
#include "core/FileIo.h"
#include "core/ParameterIndex.h"
#include "cutlist/CutListGroups.h"
#include "sheets/Stock.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>

namespace boxmill {
namespace {

namespace fs = std::filesystem;

// A program folder and a job beside a copy of Busy.cab, listed twice under
// two labels.
class JobListsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::LayOutProgramFolder(folder.path() / "program");
        ASSERT_EQ(session.startUp(folder.path() / "program"), StartUpOutcome::Ready);
        fs::create_directories(folder.path() / "job" / "base");
        fs::copy_file(fs::path(BOXMILL_TEST_DATA_DIR) / "Busy.cab", folder.path() / "job" / "base" / "Busy.cab");
        ASSERT_TRUE(session.loadCabinetFile(folder.path() / "job" / "base" / "Busy.cab"));
        session.recalculateAfterLoad();
        single = ListJobCabinet(session.model(), session.layout(), "Busy", 1);
    }

    Result<std::vector<JobCabinet>> load(const Job& job)
    {
        return LoadJobCabinets(session.model(), session.data().vocabulary, job, jobFile());
    }
    fs::path jobFile() const { return folder.path() / "job" / "Kitchen.job"; }

    test::TempFolder folder;
    test::ScriptedPrompter prompter;
    test::ScriptedDialogs dialogs;
    CabinetSession session {prompter, dialogs};
    JobCabinet single;
};

// What each cabinet says while it is read and listed is kept with it, led
// by its label, for the caller to show or not; nothing is shown meanwhile.
TEST_F(JobListsTest, EachCabinetKeepsItsMessagesUnderItsLabel)
{
    auto record = ReadCabinetFile(folder.path() / "job" / "base" / "Busy.cab").value();
    record.setParamText(Param::DrawerDepth, "30");
    ASSERT_TRUE(WriteCabinetFile(folder.path() / "job" / "base" / "Deep.cab", record));
    const auto cabinets = load(Job {{{"base/Busy.cab", 1, "Left"}, {"base/Deep.cab", 2, "Deep"}}});
    ASSERT_TRUE(cabinets) << cabinets.error();
    EXPECT_EQ(JobCabinetMessages(*cabinets),
              (Messages {{MessageKind::Error, "Deep: " + std::string(kDrawerDepthMessage)}}));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(JobListsTest, CombinedListKeepsLabelsAndMultipliesQuantities)
{
    const auto cabinets = load(Job {{{"base/Busy.cab", 2, "Left"}, {"base/Busy.cab", 1, "Right"}}});
    ASSERT_TRUE(cabinets) << cabinets.error();
    const auto rows = CombinedRows(*cabinets);
    std::vector<std::pair<std::string, CutListRow>> alone;
    for (const auto& batch : single.cutList) {
        for (const auto& row : batch.rows)
            alone.emplace_back(batch.partName, row);
    }
    ASSERT_FALSE(alone.empty());
    ASSERT_EQ(rows.size(), 2 * alone.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& [name, row] = alone[i % alone.size()];
        const bool left = i < alone.size();
        EXPECT_EQ(rows[i].label, left ? "Left" : "Right");
        EXPECT_EQ(rows[i].partName, name);
        EXPECT_EQ(rows[i].row.quantity, row.quantity * (left ? 2 : 1));
        EXPECT_EQ(rows[i].row.width, row.width);
        EXPECT_EQ(rows[i].row.length, row.length);
        EXPECT_EQ(rows[i].row.material, row.material);
    }

    // Each wood's area is three cabinets', rounded up once; labour is
    // three times the cabinet's own.
    const JobCost cost = CombinedCost(*cabinets, session.model().units);
    ASSERT_EQ(cost.wood.rows.size(), single.cost.rows.size());
    for (std::size_t i = 0; i < cost.wood.rows.size(); ++i)
        EXPECT_DOUBLE_EQ(cost.wood.rows[i].area, 3 * single.cost.rows[i].area) << cost.wood.rows[i].wood;
    ASSERT_TRUE(single.labour);
    EXPECT_EQ(cost.labour, 3 * *single.labour);
    ASSERT_TRUE(cost.total);
    EXPECT_EQ(*cost.total, cost.labour + cost.wood.partsTotal);
}

TEST_F(JobListsTest, MissingOrRefusedCabinetRefusesTheJobNamingIt)
{
    const CabinetRecord before = session.model().recordForSave();
    test::WriteAllBytes(folder.path() / "job" / "Short.cab", "too short to be a cabinet");
    const auto missing = load(Job {{{"base/Busy.cab", 1, "Sink"}, {"Gone.cab", 1, "Pantry"}}});
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().find("Kitchen.job: the cabinet \"Pantry\" (\"Gone.cab\") cannot be used"),
              std::string::npos)
        << missing.error();
    const auto refused = load(Job {{{"Short.cab", 1, "Hood"}}});
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().find("\"Hood\" (\"Short.cab\")"), std::string::npos) << refused.error();
    EXPECT_FALSE(load(Job {}));
    // Loading a job leaves the session's own cabinet as it was.
    EXPECT_EQ(SerializeCabinetRecord(session.model().recordForSave(), {}), SerializeCabinetRecord(before, {}));
}

TEST_F(JobListsTest, JsonCarriesEveryPartInsideItsSheetWithItsCabinet)
{
    const auto cabinets = load(Job {{{"base/Busy.cab", 3, "Sink"}, {"base/Busy.cab", 1, "Hood"}}});
    ASSERT_TRUE(cabinets) << cabinets.error();
    const auto stock = ReadStockFile(fs::path(BOXMILL_DATA_DIR) / "Stock.txt");
    ASSERT_TRUE(stock) << stock.error();
    CutSettings settings;
    const auto plans = PlanJobSheets(*cabinets, session.model().units, *stock, settings);
    const auto json = nlohmann::json::parse(SheetsJson(plans, settings));
    const JobCost cost = CombinedCost(*cabinets, session.model().units);
    ASSERT_EQ(json["groups"].size(), plans.size());
    std::map<std::string, int> partsByCabinet;
    int sheetGroups = 0;
    for (const auto& group : json["groups"]) {
        ASSERT_TRUE(group["wood"].is_string());
        ASSERT_TRUE(group["thickness"].is_number());
        if (!group.contains("sheet"))
            continue;
        ++sheetGroups;
        EXPECT_DOUBLE_EQ(group["kerf"].get<double>(), 0.125);
        EXPECT_DOUBLE_EQ(group["trim"].get<double>(), 0.25);
        const double length = group["sheet"]["length"].get<double>();
        const double width = group["sheet"]["width"].get<double>();
        EXPECT_LE(group["lower_bound"].get<int>(), static_cast<int>(group["sheets"].size()));
        EXPECT_LE(group["size_bound"].get<int>(), static_cast<int>(group["sheets"].size()));
        // Beside the whole sheets, what the wood cost listing charges the
        // same wood and stock by area.
        const auto row = std::find_if(cost.wood.rows.begin(), cost.wood.rows.end(), [&](const WoodCostRow& r) {
            return r.wood == group["wood"] && ParseMoney(group["area_cost"].get<std::string>()) == r.cost;
        });
        EXPECT_NE(row, cost.wood.rows.end()) << group.dump().substr(0, 200);
        for (const auto& sheet : group["sheets"]) {
            ASSERT_TRUE(sheet["cuts"].is_array());
            ASSERT_TRUE(sheet["offcuts"].is_array());
            for (const auto& part : sheet["parts"]) {
                const double x = part["x"].get<double>();
                const double y = part["y"].get<double>();
                EXPECT_GE(x, 0.25);
                EXPECT_GE(y, 0.25);
                EXPECT_LE(x + part["length"].get<double>(), length - 0.25 + 1e-9) << part.dump();
                EXPECT_LE(y + part["width"].get<double>(), width - 0.25 + 1e-9) << part.dump();
                ASSERT_TRUE(part["rotated"].is_boolean());
                ASSERT_TRUE(part["name"].is_string());
                ++partsByCabinet[part["cabinet"].get<std::string>()];
            }
        }
    }
    ASSERT_GT(sheetGroups, 0);
    // Every sheet part of three sinks and one hood, each under its label.
    EXPECT_EQ(partsByCabinet.size(), 2u);
    EXPECT_EQ(partsByCabinet["Sink"], 3 * partsByCabinet["Hood"]);
    EXPECT_GT(partsByCabinet["Hood"], 0);
}

} // namespace
} // namespace boxmill
