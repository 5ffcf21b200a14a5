#pragma once

#include <QString>

// Opens a document or a web address with the user's preferred program.
//
// `open` answers a result code: greater than 32 is success; 32 or less names
// the failure, with the numbering the program's messages use (ShellResult,
// worded by ShellErrors).
class Shell {
public:
    virtual ~Shell() = default;

    virtual int open(const QString& target) = 0;

    static bool succeeded(int result) { return result > 32; }
};

// Result codes of Shell::open.
namespace ShellResult {
inline constexpr int OutOfResources = 0;
inline constexpr int FileNotFound = 2; // also: the program to run is missing
inline constexpr int PathNotFound = 3;
inline constexpr int AccessDenied = 5;
inline constexpr int OutOfMemory = 8;
inline constexpr int BadFormat = 11; // the program file cannot be executed
inline constexpr int SharingViolation = 26;
inline constexpr int AssociationIncomplete = 27; // a handler exists but failed or is malformed
inline constexpr int DdeTimeout = 28;
inline constexpr int DdeFailed = 29;
inline constexpr int DdeBusy = 30;
inline constexpr int NoAssociation = 31; // no program handles the target
inline constexpr int DllNotFound = 32;
inline constexpr int Success = 42;
} // namespace ShellResult
