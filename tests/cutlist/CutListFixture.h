// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScriptedPrompter.h"

#include "core/CabinetModel.h"
#include "core/FileIo.h"
#include "core/Messages.h"
#include "core/Vocabulary.h"
#include "cutlist/CostCalculator.h"
#include "cutlist/CutListBuild.h"
#include "geometry/Layout.h"
#include "tools/NewcabSource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace boxmill::test {

inline Vocabulary DataVocabulary()
{
    const std::filesystem::path data = BOXMILL_DATA_DIR;
    const auto read = [&](const char* name) { return ReadTextLines(data / name).value(); };
    return Vocabulary(read("Dims.dat"), read("IncParts.dat"), read("CabParts.dat"));
}

// A cabinet written in the readable form of data/Newcab.txt.
inline CabinetRecord CompileCabinetSource(const std::filesystem::path& source)
{
    auto record = CompileNewcab(ReadFileBytes(source).value(), DataVocabulary());
    if (!record)
        throw std::runtime_error(source.string() + ": " + record.error());
    return *record;
}

inline const std::filesystem::path kDefaultCabinetSource = std::filesystem::path(BOXMILL_DATA_DIR) / "Newcab.txt";
inline const std::filesystem::path kBusyCabinetSource = std::filesystem::path(BOXMILL_TEST_DATA_DIR) / "Busy.txt";

// A cut list build on a real cabinet: the default cabinet unless a test
// loads another, changed item by item and laid out again before each build.
class CutListTest : public ::testing::Test {
protected:
    CutListTest() { load(kDefaultCabinetSource); }

    void load(const std::filesystem::path& source)
    {
        ScriptedPrompter quiet;
        model.adoptRecord(CompileCabinetSource(source), DataVocabulary(), quiet);
        LayoutAfterLoad(model, layout);
    }

    void item(int section, SectionItem which, int value) { model.record.setSectionItem(section, which, value); }
    void include(int item, bool value) { model.record.setIncludeFlag(item, value); }
    void option(CabinetOption which, bool value) { model.options.set(which, value); }
    void flag(int recordOffset, bool value) { model.record.setFlag(recordOffset, value); }
    void param(int index, const char* text)
    {
        model.record.setParamText(index, text);
        model.rebuildParamValues();
    }
    void sections(int count)
    {
        model.record.setSectionCount(count);
        model.sectionCount = count;
    }

    CutList build(CutListKind kind)
    {
        RecalculateLayout(model, layout);
        return told(BuildCutList(kind, model, layout));
    }
    // The result, its messages shown as the windows show them.
    template <typename T> T told(WithMessages<T> built)
    {
        Tell(prompter, built.messages);
        return std::move(built.value);
    }

    // "quantity part | width | length" of every row, in order; of one part
    // name only when `part` is given.
    static std::vector<std::string> Rows(const CutList& list, const std::string& part = {})
    {
        std::vector<std::string> rows;
        for (const auto& batch : list) {
            if (!part.empty() && batch.partName != part)
                continue;
            for (const auto& row : batch.rows)
                rows.push_back(row.quantityText() + " " + batch.partName + " | " + row.width + " | " + row.length);
        }
        return rows;
    }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> texts;
        for (const auto& shown : prompter.shown)
            texts.push_back(shown.text);
        return texts;
    }

    CabinetModel model;
    LayoutResult layout;
    ScriptedPrompter prompter;
    CostCalculator cost;
};

} // namespace boxmill::test
