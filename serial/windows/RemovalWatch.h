#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

// Windows refuses "Safely remove" for a device that a program holds open,
// unless the program registered its handle: then Windows asks it first, and
// it closes the port. The Windows platform's notice window does this for the
// link.
class RemovalWatch
{
public:
    virtual ~RemovalWatch() = default;

    // The handle is open on the device at `path` ("COM5").
    virtual void watch(HANDLE handle, const std::string &path) = 0;
    // The handle is about to close.
    virtual void closing(HANDLE handle) = 0;
};
