// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the reader of Printopt.dat, the print settings,
// and checks that what it accepts names entries of the two lists and reads
// back the same from the file the options window writes.
#include "FuzzSupport.h"

#include "print/PrintSettings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace boxmill;
    const auto settings = ParsePrintOptions(fuzz::Bytes(data, size));
    if (!settings) {
        fuzz::CheckingPrompter prompter;
        prompter.message(MessageKind::Error, settings.error());
        return 0;
    }
    if (settings->zoom() < 1.0 || settings->zoom() > 5.0 || settings->gap() < 10 || settings->gap() > 50)
        std::abort();
    const auto again = ParsePrintOptions(FormatPrintOptions(*settings));
    if (!again || !(*again == *settings))
        std::abort();
    return 0;
}
