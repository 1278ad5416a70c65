// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the readers of Dims.dat, IncParts.dat and
// CabParts.dat, and checks the lookups the parameter list makes and the
// message a load writes with the names they give.
#include "FuzzSupport.h"

#include "core/CabinetModel.h"
#include "core/StartUp.h"

#include <cstdlib>
#include <numeric>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace boxmill;
    const std::string_view bytes = fuzz::Bytes(data, size);
    // The same bytes in each role: every list file is read the same way, but
    // each is cut to its own number of entries.
    const Vocabulary vocabulary = VocabularyFromLists(bytes, bytes, bytes);
    if (vocabulary.parameterBase().size() != kParamCount || vocabulary.includeNames().size() != kIncludeItems ||
        vocabulary.partNames().size() != kPartRows)
        std::abort();
    for (int i = 0; i < kParamCount; ++i) {
        const auto& name = vocabulary.parameterName(i);
        const auto found = vocabulary.parameterIndexOfName(name);
        if (!found || *found > i || vocabulary.parameterName(*found) != name)
            std::abort();
        const auto row = vocabulary.sortedRowOfParameter(i);
        if (!row || vocabulary.sortedParameters().at(static_cast<std::size_t>(*row)) != name)
            std::abort();
    }

    // Every value unreadable: the message quotes names from the lists.
    CabinetModel model;
    for (int i = 0; i < kParamCount; ++i)
        model.record.setParamText(i, "x");
    std::vector<int> params(kParamCount);
    std::iota(params.begin(), params.end(), 0);
    std::vector<int> rows(kPartRows);
    std::iota(rows.begin(), rows.end(), 0);
    fuzz::CheckingPrompter prompter;
    prompter.message(MessageKind::Warning, DescribeNonNumbers(model, vocabulary, params, rows));
    return 0;
}
