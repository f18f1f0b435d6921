#include "serial/LinkResult.h"

const char *LinkErrorName(LinkError error)
{
    switch (error) {
    case LinkError::None: return "none";
    case LinkError::PortNumberOutOfRange: return "port number out of range";
    case LinkError::NoDeviceForPort: return "no device for port";
    case LinkError::NoSuchDevice: return "no such device";
    case LinkError::PermissionDenied: return "permission denied";
    case LinkError::InUse: return "in use";
    case LinkError::OpenFailed: return "open failed";
    case LinkError::NotOpen: return "not open";
    case LinkError::WriteFailed: return "write failed";
    }
    return "unknown";
}
