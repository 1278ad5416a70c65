// SPDX-License-Identifier: GPL-3.0-or-later
#include "ParameterEntry.h"

#include "CabinetModel.h"
#include "MessageText.h"
#include "NumberText.h"
#include "Prompter.h"

#include <cmath>

namespace boxmill {

ParameterEntryText ShowParameter(const CabinetModel& model, int index)
{
    const double value = ParseDecimal(model.record.paramText(index)).value_or(0.0);
    const std::string text = FormatMeasure(value, model.units);
    if (model.units == UnitMode::Metric)
        return {text, {}};
    // Empty boxes would be refused if entered again, so zero has to show.
    if (text.empty())
        return {"0", {}};
    // Split on the blank rather than on the value: a value just under an
    // inch formats as "1 " and must show as whole inches, or entering it
    // again would offer "1 " as a fraction and be refused.
    const auto blank = text.find(' ');
    if (blank == std::string::npos)
        return {{}, text};
    return {text.substr(0, blank), text.substr(blank + 1)};
}

bool EnterParameter(CabinetModel& model, int index, const ParameterEntryText& typed, Prompter& prompter)
{
    std::optional<double> value;
    if (model.units == UnitMode::Inches) {
        // Empty boxes are a slip rather than a wish for zero, which shows as
        // "0" and is entered as such.
        if (typed.inches.empty() && typed.fraction.empty()) {
            prompter.message(MessageKind::Error, kNoInchesMessage);
            return false;
        }
        const auto whole = ParseInteger(typed.inches.empty() ? std::string("0") : typed.inches);
        if (!whole || *whole < 0 || *whole > 999) {
            prompter.message(MessageKind::Error,
                             QuoteTypedText(typed.inches) + " is not a valid number of whole inches.");
            return false;
        }
        const auto fraction =
            ParseMeasure(typed.fraction.empty() ? std::string("0") : typed.fraction, model.units, prompter);
        if (!fraction)
            return false;
        value = static_cast<double>(*whole) + *fraction;
    } else {
        if (typed.inches.empty()) {
            prompter.message(MessageKind::Error, kNoMillimetresMessage);
            return false;
        }
        value = ParseMeasure(typed.inches, model.units, prompter);
        if (!value)
            return false;
        // A cabinet the loader would refuse could be neither saved nor
        // opened again.
        if (*value > kLargestLength) {
            prompter.message(MessageKind::Error, QuoteTypedText(typed.inches) + " is more than the " +
                                                     FormatDecimal(std::floor(kLargestLength * 25.4)) +
                                                     " millimetres a cabinet may measure.");
            return false;
        }
    }
    model.record.setParamText(index, FormatDecimal(*value));
    model.rebuildParamValues();
    return true;
}

} // namespace boxmill
