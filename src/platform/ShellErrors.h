#pragma once

#include <QString>

// The words for the failure codes of Shell::open.
class ShellErrors {
public:
    // The text for one code; codes without their own text read
    // "Unknown Error (<code>) occurred."
    static QString text(int code);

    // The message a link shows when its address could not be opened.
    static QString linkFailureMessage(int code);
};
