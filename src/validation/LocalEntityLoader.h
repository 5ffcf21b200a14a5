#pragma once

#include <string_view>

// Keeps the XML library off the network: documents, DTDs, entities and schema
// imports are read from local files only.
class LocalEntityLoader {
public:
    // Initialises the library and installs the loader for the whole process (the
    // library has one loader, not one per thread). Safe to call from several threads
    // and more than once.
    static void install();

    // True for plain paths and "file://" URLs, false for every other "scheme://" URL.
    static bool allows(std::string_view url);
};
