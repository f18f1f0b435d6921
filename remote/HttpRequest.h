#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

// One HTTP/1.1 request as the remote control's server received it. Plain
// C++, so that the request handling can be fuzzed on its own.
struct HttpRequest
{
    std::string method; // "GET", "HEAD" or "POST": the reader refuses any other
    std::string path;   // "/api/v1/state", as sent
    std::string query;  // "code=...&id=...", as sent, without the '?'
    // Header names in lower case. A header sent twice is kept as first sent,
    // and named in `repeatedHeaders`: whoever reads it may refuse rather
    // than guess which one counts.
    std::map<std::string, std::string> headers;
    std::set<std::string> repeatedHeaders;
    std::string body;
    int versionMajor = 1; // HTTP/1.1
    int versionMinor = 1;
    bool keepAlive = false;
    bool upgrade = false; // asks to become another protocol (a WebSocket)

    bool http11OrLater() const { return versionMajor > 1 || (versionMajor == 1 && versionMinor >= 1); }
    // Empty when the header is absent.
    std::string header(const std::string &lowerCaseName) const;
    // The value of `key` in the query, percent-decoded; nothing when absent.
    std::optional<std::string> queryValue(std::string_view key) const;
};

// Reads one request at a time from the bytes of a connection, with Node's
// http-parser, within the limits the server sets: a head of at most 8 KiB, a
// target of at most 2 KiB, a body of at most 1 KiB. Bytes after a whole
// request are left unread, for the next request or, after a WebSocket
// upgrade, for the WebSocket.
class HttpRequestReader
{
public:
    static constexpr std::size_t kHeadLimit = std::size_t(8) * 1024;
    static constexpr std::size_t kTargetLimit = std::size_t(2) * 1024;
    static constexpr std::size_t kBodyLimit = 1024;

    enum class State { Reading, Complete, Refused };

    HttpRequestReader();
    ~HttpRequestReader();
    HttpRequestReader(const HttpRequestReader &) = delete;
    HttpRequestReader &operator=(const HttpRequestReader &) = delete;

    // Reads what belongs to the request under way; returns how many bytes it
    // took. Takes nothing once the request is complete or refused.
    std::size_t read(std::string_view bytes);

    State state() const { return m_state; }
    // Once complete. Its method is there as soon as it was read, also when
    // the request is refused later (a HEAD's refusal has no body either).
    const HttpRequest &request() const { return m_request; }
    // The head is read, it said "Expect: 100-continue" and its body has not
    // begun: the client waits for "100 Continue" before sending it.
    bool expectsContinue() const;
    // Once refused: the status to answer with and a short reason.
    int refusalStatus() const { return m_refusalStatus; }
    const std::string &refusalReason() const { return m_refusalReason; }

    // Ready for the next request on the same connection.
    void startNext();

private:
    struct Parser;
    friend struct Parser;

    std::size_t readMethod(std::string_view bytes);
    bool keepHeader();
    bool headComplete();
    void refuse(int status, std::string reason);

    std::unique_ptr<Parser> m_parser;
    State m_state = State::Reading;
    HttpRequest m_request;
    std::string m_method;
    std::string m_target;
    std::string m_field;
    std::string m_value;
    bool m_inValue = false;
    bool m_inHeaders = false;
    bool m_headComplete = false;
    bool m_continueAsked = false;
    std::size_t m_headRead = 0;
    int m_refusalStatus = 0;
    std::string m_refusalReason;
};
