#pragma once

#include <QString>

// Opens a document or a web address with the user's preferred program.
//
// `open` answers a result code: greater than 32 is success; 32 or less names
// the failure, with the numbering the program's messages use (ShellResult).
class Shell {
public:
    virtual ~Shell() = default;

    virtual int open(const QString& target) = 0;

    static bool succeeded(int result) { return result > 32; }
};

// Result codes of Shell::open.
namespace ShellResult {
inline constexpr int OutOfResources = 0;
inline constexpr int FileNotFound = 2;
inline constexpr int PathNotFound = 3;
inline constexpr int AccessDenied = 5;
inline constexpr int OutOfMemory = 8;
inline constexpr int NoAssociation = 31;
inline constexpr int Success = 42;
} // namespace ShellResult
