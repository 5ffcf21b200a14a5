#pragma once

#include <string_view>

// Keeps the XML library off the network: schema includes and imports are read from
// local files only. While a document is being read, nothing at all is loaded.
class LocalEntityLoader {
public:
    // While one lives, the calling thread's external loads are all refused.
    class DocumentScope {
    public:
        DocumentScope();
        ~DocumentScope();
        DocumentScope(const DocumentScope&) = delete;
        DocumentScope& operator=(const DocumentScope&) = delete;
    };

    // Initialises the library and installs the loader for the whole process (the
    // library has one loader, not one per thread). Safe to call from several threads
    // and more than once.
    static void install();

    // True for plain paths and "file://" URLs, false for every other "scheme://" URL.
    static bool allows(std::string_view url);
};
