// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the .job reader: every refusal must be fit to
// show, and a job it took must be written back as text that reads back as
// the same job.
#include "FuzzSupport.h"

#include "jobs/JobFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace boxmill;
    fuzz::CheckingPrompter prompter;
    const auto job = ParseJobText(fuzz::Bytes(data, size), "fuzz.job");
    if (!job) {
        prompter.message(MessageKind::Error, job.error());
        return 0;
    }
    const auto text = JobText(*job);
    if (!text)
        return 0;
    const auto again = ParseJobText(*text, "fuzz.job");
    if (!again || !(*again == *job))
        std::abort();
    return 0;
}
