#include "RemoteRequestCheck.h"

#include "remote/WebSocketLink.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// Any bytes a device on the network could send to the remote control: as
// HTTP requests on one connection (first byte below 0x80), or as WebSocket
// frames after an upgrade (0x80 and above). Nothing may crash, no limit may
// be passed, and no request may get further than its code, Host and Origin
// allow.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    if (size == 0 || data[0] < 0x80) {
        if (const std::string problem = RemoteRequestCheck::Check(bytes); !problem.empty()) {
            std::fprintf(stderr, "%s\n", problem.c_str());
            std::abort();
        }
        return 0;
    }
    constexpr int kLimit = 1024;
    WebSocketLink link(nullptr, kLimit);
    QObject::connect(&link, &WebSocketLink::textMessageReceived, [](const QString &text) {
        if (text.toUtf8().size() > kLimit) {
            std::fprintf(stderr, "a message over the limit was taken\n");
            std::abort();
        }
    });
    const std::size_t piece = 1 + data[0] % 32;
    for (std::size_t at = 1; at < size; at += piece)
        link.take(QByteArray(reinterpret_cast<const char *>(data) + at, qsizetype(std::min(piece, size - at))));
    return 0;
}
