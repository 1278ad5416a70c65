// SPDX-License-Identifier: GPL-3.0-or-later
#include "Vocabulary.h"

#include "Constants.h"

#include <algorithm>
#include <cctype>

namespace boxmill {

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    const auto lower = [](unsigned char c) { return std::tolower(c); };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) {
        return lower(static_cast<unsigned char>(x)) < lower(static_cast<unsigned char>(y));
    });
}

} // namespace

Vocabulary::Vocabulary(std::vector<std::string> parameterNames, std::vector<std::string> includeNames,
                       std::vector<std::string> partNames)
    : m_parameterBase(std::move(parameterNames))
    , m_includeNames(std::move(includeNames))
    , m_partNames(std::move(partNames))
{
    m_partNames.resize(kPartRows);
    m_sorted = m_parameterBase;
    std::stable_sort(m_sorted.begin(), m_sorted.end(), LessIgnoringCase);
}

std::optional<int> Vocabulary::parameterIndexOfName(const std::string& name) const
{
    const auto it = std::find(m_parameterBase.begin(), m_parameterBase.end(), name);
    if (it == m_parameterBase.end())
        return std::nullopt;
    return static_cast<int>(it - m_parameterBase.begin());
}

std::optional<int> Vocabulary::sortedRowOfParameter(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_parameterBase.size()))
        return std::nullopt;
    const auto& name = m_parameterBase[static_cast<std::size_t>(index)];
    const auto it = std::find(m_sorted.begin(), m_sorted.end(), name);
    if (it == m_sorted.end())
        return std::nullopt;
    return static_cast<int>(it - m_sorted.begin());
}

std::string Vocabulary::parameterName(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_parameterBase.size()))
        return "parameter " + std::to_string(index);
    return m_parameterBase[static_cast<std::size_t>(index)];
}

} // namespace boxmill
