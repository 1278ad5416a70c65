// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the reader of Standard.dat, the unit setting, and
// checks that what it reads is what the program writes for that mode.
#include "FuzzSupport.h"

#include "core/StandardFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace boxmill;
    const auto flags = boxmill::ParseUnitFlags(fuzz::Bytes(data, size));
    if (!flags) {
        fuzz::CheckingPrompter prompter;
        prompter.message(MessageKind::Error, flags.error());
        return 0;
    }
    // Only an inch flag of exactly 1 means inches; the program's own file
    // for the mode read must say the same.
    const UnitFlags written = UnitFlags::forMode(flags->mode());
    if (written.mode() != flags->mode() || (flags->mode() == UnitMode::Inches) != (data[0] == 1))
        std::abort();
    return 0;
}
