#pragma once

#include <QString>

// Addresses that arrive from the network reach the shell only when they are
// plain web addresses: an absolute http or https address with a host. Anything
// else (file:, javascript:, a program's own scheme, a bare path) could make the
// desktop run or open something on this machine.
class WebAddress {
public:
    static bool isWebAddress(const QString& address);
};
