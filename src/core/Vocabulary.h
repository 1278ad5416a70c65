// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace boxmill {

// The names the program's data files give to parameters, include items and
// part kinds. The program knows each only by its index; the names are for
// the user.
class Vocabulary {
public:
    Vocabulary() = default;
    Vocabulary(std::vector<std::string> parameterNames, std::vector<std::string> includeNames,
               std::vector<std::string> partNames);

    // In Dims.dat order: the position of a name is the parameter's index.
    const std::vector<std::string>& parameterBase() const { return m_parameterBase; }
    // The same names as the parameter list shows them: alphabetically,
    // ignoring case.
    const std::vector<std::string>& sortedParameters() const { return m_sorted; }
    const std::vector<std::string>& includeNames() const { return m_includeNames; }
    // Always 31 entries; lines missing from CabParts.dat are empty.
    const std::vector<std::string>& partNames() const { return m_partNames; }

    // Exact comparison, first match wins: two parameters of the same name
    // both resolve to the first.
    std::optional<int> parameterIndexOfName(const std::string& name) const;
    // The row of the sorted list that selecting parameter `index` picks.
    std::optional<int> sortedRowOfParameter(int index) const;
    std::string parameterName(int index) const;

private:
    std::vector<std::string> m_parameterBase;
    std::vector<std::string> m_sorted;
    std::vector<std::string> m_includeNames;
    std::vector<std::string> m_partNames;
};

} // namespace boxmill
