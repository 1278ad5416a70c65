// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string_view>

class QPrinter;
class QWidget;

namespace boxmill {

// Which printer, and whether to print at all: the system's print dialog in
// the program, a PDF file in tests.
using PrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent)>;

// The system's print dialog; true to print.
bool AskForPrinter(QPrinter& printer, QWidget* parent);

inline constexpr std::string_view kPrinterFailed = "The printer could not print: nothing was printed.";

} // namespace boxmill
