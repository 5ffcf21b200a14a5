#include "platform/ShellErrors.h"

#include "platform/Shell.h"

#include <array>

namespace {

struct CodeText {
    int code;
    const char* text;
};

constexpr std::array kTexts{
    CodeText{ShellResult::OutOfResources, "The operating system is out\nof memory or resources."},
    CodeText{ShellResult::FileNotFound, "The specified file was not found."},
    CodeText{ShellResult::PathNotFound, "The specified path was not found."},
    CodeText{ShellResult::AccessDenied,
             "The operating system denied\naccess to the specified file."},
    CodeText{ShellResult::OutOfMemory, "There was not enough memory to complete the operation."},
    CodeText{ShellResult::BadFormat,
             "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    CodeText{ShellResult::SharingViolation, "A sharing violation occurred. "},
    CodeText{ShellResult::AssociationIncomplete,
             "The filename association is\nincomplete or invalid."},
    CodeText{ShellResult::DdeTimeout,
             "The DDE transaction could not\nbe completed because the request timed out."},
    CodeText{ShellResult::DdeFailed, "The DDE transaction failed."},
    CodeText{ShellResult::DdeBusy, "The DDE transaction could not\nbe completed because other "
                                   "DDE transactions\nwere being processed."},
    CodeText{ShellResult::NoAssociation,
             "There is no application associated\nwith the given filename extension."},
    CodeText{ShellResult::DllNotFound, "The specified dynamic-link library was not found."},
};

} // namespace

QString ShellErrors::text(int code) {
    for (const CodeText& entry : kTexts) {
        if (entry.code == code) {
            return QString::fromUtf8(entry.text);
        }
    }
    return QStringLiteral("Unknown Error (%1) occurred.").arg(code);
}

QString ShellErrors::linkFailureMessage(int code) {
    return QStringLiteral("Can't open link:\n\n") + text(code);
}
