#pragma once

// The product's names and every address the program reaches, in one place.
// Code that contacts a host takes its base address as a parameter; these are
// the values the program passes in.

#include <string_view>

namespace names {

inline constexpr std::string_view kProductName = "Protoscribe";
inline constexpr std::string_view kProductVersion = "1.1";
inline constexpr std::string_view kMakerName = "Norvale Software";
inline constexpr std::string_view kMakerHomePage = "http://www.norvalesoftware.com";
// Where services that ask who calls them (E-utilities) can reach the maker.
inline constexpr std::string_view kMakerContactAddress = "support@norvalesoftware.com";

// The public trial registry as the user reads it in window texts and messages.
inline constexpr std::string_view kRegistryDisplayName = "ClinicalTrials.gov";
// Shorter name used in the file dialogs' filter label.
inline constexpr std::string_view kRegistryAlternativeName = "ClinicalTrials.gov PRS";

// Namespaces the registry expects on an uploaded collection.
inline constexpr std::string_view kPrsNamespace = "http://clinicaltrials.gov/prs";
inline constexpr std::string_view kRrsNamespace = "http://clinicaltrials.gov/rrs";
inline constexpr std::string_view kXsiNamespace = "http://www.w3.org/2001/XMLSchema-instance";

// Registry sites.
inline constexpr std::string_view kPrsLoginSite = "https://register.clinicaltrials.gov/";
inline constexpr std::string_view kPrsInformationSite = "https://clinicaltrials.gov/submit-studies/prs-accounts";
inline constexpr std::string_view kDefinitionsPage = "https://prsinfo.clinicaltrials.gov/definitions.html";

// Literature and vocabulary look-ups.
inline constexpr std::string_view kPubMedHost = "https://pubmed.ncbi.nlm.nih.gov";
inline constexpr std::string_view kEutilsHost = "https://eutils.ncbi.nlm.nih.gov";
inline constexpr std::string_view kMeshBrowser = "https://meshb.nlm.nih.gov/search";
inline constexpr std::string_view kCitationMatcher = "https://pubmed.ncbi.nlm.nih.gov/citmatch/";

// The maker's site: upgrade page and message-line page.
inline constexpr std::string_view kMakerSite = "http://www.norvalesoftware.com";

} // namespace names
