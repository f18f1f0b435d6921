#pragma once

// What must hold for any bytes a device sends to the remote control's
// server, checked from outside the code under test: the request reader's
// limits, and that no verdict lets a request change the score, read it or
// open a WebSocket unless the request itself shows the right code, this
// machine's name in Host and no foreign Origin; that a HEAD never acts, nor
// a request a browser marked as another site's. The reading of the request
// here is a second, deliberately plain one (its own percent-decoding and
// Host parsing), so that one mistake is unlikely to hide in both.

#include "remote/HttpRequest.h"
#include "remote/RequestRules.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace RemoteRequestCheck {

inline const RemoteAccess &Access()
{
    static const RemoteAccess access{"ctrlcode23", "viewcode45", {"localhost", "127.0.0.1", "scorepc"}, 8321};
    return access;
}

inline std::string Lower(std::string text)
{
    for (char &c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Every value in the query, each decoded by hand: "%41" is "A", "+" a space.
inline std::vector<std::string> QueryValues(const std::string &query)
{
    std::vector<std::string> values;
    std::string value;
    bool inValue = false;
    for (std::size_t i = 0; i <= query.size(); ++i) {
        const char c = i < query.size() ? query[i] : '&';
        if (c == '&') {
            if (inValue)
                values.push_back(value);
            value.clear();
            inValue = false;
        } else if (c == '=' && !inValue) {
            inValue = true;
        } else if (inValue) {
            if (c == '%' && i + 2 < query.size() && std::isxdigit(static_cast<unsigned char>(query[i + 1])) &&
                std::isxdigit(static_cast<unsigned char>(query[i + 2]))) {
                value += char(std::stoi(query.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else {
                value += c == '+' ? ' ' : c;
            }
        }
    }
    return values;
}

inline bool Gives(const HttpRequest &request, const std::string &code)
{
    const std::vector<std::string> values = QueryValues(request.query);
    return std::find(values.begin(), values.end(), code) != values.end();
}

// "name:8321" where name is one of this machine's.
inline bool OurAuthority(const std::string &authority)
{
    const std::string port = ":" + std::to_string(Access().port);
    if (authority.size() <= port.size() || authority.compare(authority.size() - port.size(), port.size(), port) != 0)
        return false;
    const std::string name = Lower(authority.substr(0, authority.size() - port.size()));
    const auto &names = Access().hostNames;
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Empty when the verdict is one the rules allow for this request; else what is wrong.
inline std::string Problem(const HttpRequest &request, const Verdict &verdict)
{
    const RemoteAccess &access = Access();
    if (request.body.size() > HttpRequestReader::kBodyLimit)
        return "a body over the limit was read";
    std::size_t head = request.method.size() + request.path.size() + request.query.size();
    for (const auto &[name, value] : request.headers)
        head += name.size() + value.size();
    if (head > HttpRequestReader::kHeadLimit)
        return "a head over the limit was read";
    if (request.method != "GET" && request.method != "HEAD" && request.method != "POST")
        return "a request by " + request.method + " was judged";
    for (const auto &[name, value] : request.headers)
        if (name.find_first_of(" \t") != std::string::npos)
            return "a header named with a blank: " + name;
    if (verdict.headOnly != (request.method == "HEAD"))
        return "headOnly on a " + request.method;

    if (verdict.kind == Verdict::Kind::Refuse) {
        static const int kRefusals[] = {400, 403, 404, 405, 413, 414, 417, 426, 431, 501};
        if (std::find(std::begin(kRefusals), std::end(kRefusals), verdict.status) == std::end(kRefusals))
            return "refused with status " + std::to_string(verdict.status);
        if (verdict.reason.empty() || verdict.reason.find(access.controlCode) != std::string::npos ||
            verdict.reason.find(access.viewCode) != std::string::npos)
            return "a refusal's reason is empty or holds a code: " + verdict.reason;
        if (verdict.status == 405 && (verdict.allow.empty() || verdict.allow.find(request.method) != std::string::npos))
            return "a 405 to " + request.method + " allowing \"" + verdict.allow + "\"";
        // Where GET reads (the pages, the state), HEAD does too.
        const bool reading =
            request.path == "/api/v1/state" || (request.path != "/ws" && request.path.compare(0, 5, "/api/") != 0);
        if (verdict.status == 405 && reading && verdict.allow != "GET, HEAD")
            return "a 405 at " + request.path + " allowing \"" + verdict.allow + "\"";
        return {};
    }
    if (!OurAuthority(request.header("host")) || request.repeatedHeaders.count("host") > 0)
        return "let in with Host " + request.header("host");
    const bool reads = request.method == "GET" || request.method == "HEAD";
    if ((verdict.kind == Verdict::Kind::Page || verdict.kind == Verdict::Kind::State) && !reads)
        return "read by " + request.method;
    if (verdict.kind == Verdict::Kind::Page)
        return {};
    const bool control = Gives(request, access.controlCode);
    if (verdict.kind == Verdict::Kind::Act) {
        if (!control)
            return "an action without the control code";
        if (request.method == "HEAD")
            return "a HEAD acts";
        const std::string site = Lower(request.header("sec-fetch-site"));
        if (site == "cross-site" || site == "same-site")
            return "a change marked " + site;
        const bool getOnly =
            request.path.size() > 7 && request.path.compare(request.path.size() - 7, 7, "/action") == 0;
        if (request.method != (getOnly ? "GET" : "POST"))
            return "an action by " + request.method;
    } else if (!control && !Gives(request, access.viewCode)) {
        return "read without a code";
    }
    const std::string key = request.header("sec-websocket-key");
    if (verdict.kind == Verdict::Kind::WebSocket &&
        (request.versionMajor * 10 + request.versionMinor < 11 || key.size() != 24 || key.compare(22, 2, "==") != 0))
        return "a WebSocket over HTTP/" + std::to_string(request.versionMajor) + "." +
               std::to_string(request.versionMinor) + " with key " + key;
    // A scheme is the same in any case ("HTTP://" is "http://").
    if (verdict.kind != Verdict::Kind::State && request.headers.count("origin") > 0 &&
        (Lower(request.header("origin")).compare(0, 7, "http://") != 0 ||
         !OurAuthority(request.header("origin").substr(7))))
        return "a change or a WebSocket from Origin " + request.header("origin");
    return {};
}

// Feeds `bytes` as one connection would bring them, in pieces of the sizes
// the first byte picks, judging each whole request as the server does.
// Empty when everything held; else what did not.
inline std::string Check(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    const std::size_t piece = 1 + static_cast<unsigned char>(bytes[0]) % 64;
    bytes.remove_prefix(1);
    HttpRequestReader reader;
    std::string pending;
    for (std::size_t at = 0; at < bytes.size();) {
        pending.append(bytes.substr(at, piece));
        at += piece;
        while (!pending.empty()) {
            const std::size_t taken = reader.read(pending);
            pending.erase(0, taken);
            if (reader.state() == HttpRequestReader::State::Reading)
                break;
            if (reader.state() == HttpRequestReader::State::Refused) {
                const int status = reader.refusalStatus();
                if (status != 400 && status != 413 && status != 414 && status != 417 && status != 431 && status != 501)
                    return "the reader refused with " + std::to_string(status);
                return {};
            }
            const Verdict verdict = JudgeRequest(reader.request(), Access());
            if (std::string problem = Problem(reader.request(), verdict); !problem.empty())
                return problem;
            if (verdict.kind == Verdict::Kind::WebSocket || verdict.kind == Verdict::Kind::Refuse ||
                !reader.request().keepAlive)
                return {}; // the connection goes elsewhere, or ends
            reader.startNext();
        }
    }
    return {};
}

} // namespace RemoteRequestCheck
