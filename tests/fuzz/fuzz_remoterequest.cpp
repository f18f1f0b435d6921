#include "RemoteRequestCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// Any bytes a device on the network could send to the remote control, as
// HTTP requests on one connection. Nothing may crash, no limit may be
// passed, and no request may get further than its code, Host and Origin
// allow. The WebSocket's frames are Qt's to read.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    if (const std::string problem = RemoteRequestCheck::Check(bytes); !problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
