#include "model/NotKeptReport.h"

#include "names/NamesAndAddresses.h"

#include <algorithm>

void NotKeptReport::add(std::string path, std::size_t count) {
    const auto [found, inserted] = m_index.try_emplace(path, m_entries.size());
    if (inserted)
        m_entries.push_back({std::move(path), 0});
    m_entries[found->second].count += count;
}

std::string NotKeptReport::message() const {
    std::string text;
    if (m_publicRecord)
        text += "This file is a public record of " + std::string(names::kRegistryDisplayName) +
                ", not an upload file: only the elements it shares with the upload format are "
                "kept.\n\n";
    if (m_entries.empty())
        return text;
    text += kHeading;
    text += '\n';
    const std::size_t listed = std::min(m_entries.size(), kListedLines);
    for (std::size_t i = 0; i < listed; ++i)
        text += "\n" + m_entries[i].path + " (" + std::to_string(m_entries[i].count) + ")";
    if (m_entries.size() > listed)
        text += "\nand " + std::to_string(m_entries.size() - listed) + " more";
    return text;
}
