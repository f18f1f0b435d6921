#include "remote/RequestRules.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {
struct Page
{
    const char *path;
    const char *name;
};
constexpr Page kPages[] = {
    {"/remote", "remote"},
    {"/overlay", "overlay"},
    {"/board", "board"},
    {"/live.js", "live.js"},
    {"/remote.js", "remote.js"},
    {"/view.js", "view.js"},
    {"/view-cache.js", "view-cache.js"},
};

struct Action
{
    const char *path;
    RemoteAction action;
};
constexpr Action kActions[] = {
    {"/api/v1/left/plus", RemoteAction::LeftPlus},   {"/api/v1/left/minus", RemoteAction::LeftMinus},
    {"/api/v1/right/plus", RemoteAction::RightPlus}, {"/api/v1/right/minus", RemoteAction::RightMinus},
    {"/api/v1/update", RemoteAction::Update},        {"/api/v1/reset", RemoteAction::Reset},
    {"/api/v1/restore", RemoteAction::Restore},
};
constexpr std::string_view kGetOnly = "/action";

Verdict refused(int status, std::string reason, std::string allow = {})
{
    Verdict verdict;
    verdict.status = status;
    verdict.reason = std::move(reason);
    verdict.allow = std::move(allow);
    return verdict;
}

Verdict made(Verdict::Kind kind)
{
    Verdict verdict;
    verdict.kind = kind;
    verdict.status = 200;
    return verdict;
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// Takes as long for a wrong code as for a right one: how far a guess got
// cannot be timed.
bool sameCode(const std::string &given, const std::string &ours)
{
    if (ours.empty())
        return false;
    unsigned difference = given.size() == ours.size() ? 0U : 1U;
    for (std::size_t i = 0; i < given.size(); ++i)
        difference |=
            unsigned(static_cast<unsigned char>(given[i]) ^ static_cast<unsigned char>(ours[i % ours.size()]));
    return difference == 0;
}

// "host", "host:8321", "[::1]:8321": one of this machine's names, and this
// server's port (or none given where the port is HTTP's own).
bool namesThisMachine(const std::string &authority, const RemoteAccess &access)
{
    std::string host = authority;
    std::string port;
    const std::size_t bracket = authority.rfind(']');
    const std::size_t colon = authority.rfind(':');
    if (colon != std::string::npos && (bracket == std::string::npos || colon > bracket)) {
        host = authority.substr(0, colon);
        port = authority.substr(colon + 1);
    }
    if (port.empty() ? access.port != 80 : port != std::to_string(access.port))
        return false;
    const std::string name = lowerCase(host);
    return !name.empty() && std::find(access.hostNames.begin(), access.hostNames.end(), name) != access.hostNames.end();
}

// A request a page sent carries its Origin; the program's own pages are at
// this machine's names and this port. No Origin: not sent by a page.
bool fromOurPagesOrNoPage(const HttpRequest &request, const RemoteAccess &access)
{
    if (request.headers.count("origin") == 0)
        return true;
    constexpr std::string_view kScheme = "http://";
    const std::string origin = lowerCase(request.header("origin"));
    return origin.compare(0, kScheme.size(), kScheme) == 0 && namesThisMachine(origin.substr(kScheme.size()), access);
}

// Made by another site's page: a request a browser marks so must not
// change the score, whatever code its address carries. Devices that are
// not browsers send no Sec-Fetch-Site.
bool fromAnotherSite(const HttpRequest &request)
{
    const std::string site = lowerCase(request.header("sec-fetch-site"));
    return site == "cross-site" || site == "same-site" || request.repeatedHeaders.count("sec-fetch-site") > 0;
}

// 16 bytes in base64: 22 characters, the last carrying 2 bits, and "==".
bool isWebSocketKey(const std::string &key)
{
    constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    constexpr std::size_t kDigits = 22;
    if (key.size() != kDigits + 2 || key.compare(kDigits, 2, "==") != 0)
        return false;
    for (std::size_t i = 0; i < kDigits; ++i) {
        const std::size_t value = kAlphabet.find(key[i]);
        if (value == std::string_view::npos || (i + 1 == kDigits && value % 16 != 0))
            return false;
    }
    return true;
}

enum class CodeGiven { None, Wrong, View, Control };

CodeGiven codeOf(const HttpRequest &request, const RemoteAccess &access)
{
    const std::optional<std::string> code = request.queryValue("code");
    if (!code || code->empty())
        return CodeGiven::None;
    if (sameCode(*code, access.controlCode))
        return CodeGiven::Control;
    if (sameCode(*code, access.viewCode))
        return CodeGiven::View;
    return CodeGiven::Wrong;
}

Verdict refusedForCode(CodeGiven given)
{
    if (given == CodeGiven::None)
        return refused(403, "Code missing: open the address the scoreboard shows");
    if (given == CodeGiven::View)
        return refused(403, "The view code only reads");
    Verdict verdict = refused(403, "Wrong code");
    verdict.wrongCode = true;
    return verdict;
}

const Action *actionAt(const std::string &path, const std::string &method, Verdict *wrongMethod)
{
    for (const Action &action : kActions) {
        const std::string_view at = action.path;
        const bool plain = path == at;
        const bool getOnly = path.size() == at.size() + kGetOnly.size() && path.compare(0, at.size(), at) == 0 &&
                             path.compare(at.size(), std::string::npos, kGetOnly) == 0;
        if (!plain && !getOnly)
            continue;
        const char *wanted = plain ? "POST" : "GET";
        if (method != wanted)
            *wrongMethod = refused(405, plain ? "Use POST, or GET .../action" : "Use GET", wanted);
        return &action;
    }
    return nullptr;
}

// Reading: the view code or the control code.
Verdict readingWith(const HttpRequest &request, const RemoteAccess &access, Verdict::Kind kind)
{
    const CodeGiven given = codeOf(request, access);
    if (given != CodeGiven::View && given != CodeGiven::Control)
        return refusedForCode(given);
    Verdict verdict = made(kind);
    verdict.control = given == CodeGiven::Control;
    return verdict;
}

Verdict judged(const HttpRequest &request, const RemoteAccess &access)
{
    if (request.repeatedHeaders.count("host") > 0 || request.repeatedHeaders.count("origin") > 0)
        return refused(400, "Host or Origin sent twice");
    if (request.headers.count("host") == 0)
        return refused(400, "Host header missing");
    if (!namesThisMachine(request.header("host"), access))
        return refused(403, "Host is not this machine");

    const std::string &path = request.path;
    if (path == "/ws") {
        if (request.method != "GET")
            return refused(405, "Use GET", "GET");
        if (!request.upgrade || lowerCase(request.header("upgrade")) != "websocket")
            return refused(426, "WebSocket only");
        if (!request.http11OrLater())
            return refused(400, "WebSocket needs HTTP/1.1");
        // RFC 6455's version, and a key of 16 bytes in base64.
        if (request.header("sec-websocket-version") != "13")
            return refused(426, "WebSocket version 13 only");
        if (!isWebSocketKey(request.header("sec-websocket-key")))
            return refused(400, "Sec-WebSocket-Key missing or malformed");
        if (!fromOurPagesOrNoPage(request, access))
            return refused(403, "Origin is not a page of this program");
        return readingWith(request, access, Verdict::Kind::WebSocket);
    }
    if (request.upgrade)
        return refused(400, "WebSocket only at /ws");

    constexpr const char *kReadMethods = "GET, HEAD";
    const bool reads = request.method == "GET" || request.method == "HEAD";

    for (const Page &page : kPages) {
        if (path != page.path)
            continue;
        if (!reads)
            return refused(405, "Use GET or HEAD", kReadMethods);
        Verdict verdict = made(Verdict::Kind::Page);
        verdict.page = page.name;
        return verdict;
    }

    if (path == "/api/v1/state") {
        if (!reads)
            return refused(405, "Use GET or HEAD", kReadMethods);
        return readingWith(request, access, Verdict::Kind::State);
    }

    Verdict wrongMethod;
    const Action *action = actionAt(path, request.method, &wrongMethod);
    if (!action)
        return refused(404, "No such page: try /remote, /overlay or /board");
    if (wrongMethod.status != 0)
        return wrongMethod;
    if (!fromOurPagesOrNoPage(request, access))
        return refused(403, "Origin is not a page of this program");
    if (fromAnotherSite(request))
        return refused(403, "A change from another site's page");
    const CodeGiven given = codeOf(request, access);
    if (given != CodeGiven::Control)
        return refusedForCode(given);
    const std::string id = request.queryValue("id").value_or(std::string());
    if (id.size() > kRequestIdLimit)
        return refused(400, "Request id over 64 characters");
    Verdict verdict = made(Verdict::Kind::Act);
    verdict.action = action->action;
    verdict.requestId = id;
    verdict.control = true;
    verdict.confirmed = request.queryValue("confirm").value_or(std::string()) == "1";
    return verdict;
}
} // namespace

Verdict JudgeRequest(const HttpRequest &request, const RemoteAccess &access)
{
    Verdict verdict = judged(request, access);
    verdict.headOnly = request.method == "HEAD";
    return verdict;
}
