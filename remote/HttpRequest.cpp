#include "remote/HttpRequest.h"

#include <http_parser.h>

#include <algorithm>
#include <cctype>
#include <climits>

namespace {
std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::string trimmed(const std::string &text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Form encoding: "+" is a space, "%41" is "A"; a stray "%" stays as it is.
std::string percentDecoded(std::string_view text)
{
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            decoded += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            decoded += char(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}
} // namespace

std::string HttpRequest::header(const std::string &lowerCaseName) const
{
    const auto found = headers.find(lowerCaseName);
    return found == headers.end() ? std::string() : found->second;
}

std::optional<std::string> HttpRequest::queryValue(std::string_view key) const
{
    std::string_view rest = query;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('&'), rest.size());
        const std::string_view pair = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        const std::size_t equals = std::min(pair.find('='), pair.size());
        if (percentDecoded(pair.substr(0, equals)) == key)
            return percentDecoded(pair.substr(std::min(equals + 1, pair.size())));
    }
    return std::nullopt;
}

struct HttpRequestReader::Parser
{
    http_parser parser{};
    http_parser_settings settings{};

    static HttpRequestReader &reader(http_parser *parser) { return *static_cast<HttpRequestReader *>(parser->data); }

    explicit Parser(HttpRequestReader &owner)
    {
        http_parser_init(&parser, HTTP_REQUEST);
        parser.data = &owner;
        settings.on_url = [](http_parser *p, const char *at, std::size_t length) {
            HttpRequestReader &r = reader(p);
            if (r.m_target.size() + length > kTargetLimit) {
                r.refuse(414, "Request target over 2 KiB");
                return -1;
            }
            r.m_target.append(at, length);
            return 0;
        };
        settings.on_header_field = [](http_parser *p, const char *at, std::size_t length) {
            HttpRequestReader &r = reader(p);
            r.m_inHeaders = true;
            if (r.m_inValue && !r.keepHeader())
                return -1;
            r.m_field.append(at, length);
            return 0;
        };
        settings.on_header_value = [](http_parser *p, const char *at, std::size_t length) {
            HttpRequestReader &r = reader(p);
            r.m_inValue = true;
            r.m_value.append(at, length);
            return 0;
        };
        settings.on_headers_complete = [](http_parser *p) { return reader(p).headComplete() ? 0 : -1; };
        settings.on_body = [](http_parser *p, const char *at, std::size_t length) {
            HttpRequestReader &r = reader(p);
            // Chunked bodies tell their size only as they come.
            if (r.m_request.body.size() + length > kBodyLimit) {
                r.refuse(413, "Request body over 1 KiB");
                return -1;
            }
            r.m_request.body.append(at, length);
            return 0;
        };
        settings.on_message_complete = [](http_parser *p) {
            reader(p).m_state = State::Complete;
            // What follows belongs to the next request, or to a WebSocket.
            http_parser_pause(p, 1);
            return 0;
        };
    }
};

HttpRequestReader::HttpRequestReader() : m_parser(std::make_unique<Parser>(*this)) {}

HttpRequestReader::~HttpRequestReader() = default;

std::size_t HttpRequestReader::read(std::string_view bytes)
{
    std::size_t taken = 0;
    while (m_state == State::Reading && taken < bytes.size()) {
        std::string_view chunk = bytes.substr(taken);
        // The head is fed no further than its limit, so that a head that
        // never ends costs no more than one that does.
        if (!m_headComplete)
            chunk = chunk.substr(0, kHeadLimit - m_headRead);
        const std::size_t parsed =
            m_request.method.empty()
                ? readMethod(chunk)
                : http_parser_execute(&m_parser->parser, &m_parser->settings, chunk.data(), chunk.size());
        taken += parsed;
        if (!m_headComplete)
            m_headRead += parsed;
        if (m_state != State::Reading)
            break;
        if (HTTP_PARSER_ERRNO(&m_parser->parser) != HPE_OK) {
            refuse(400, "Malformed request");
            break;
        }
        if (!m_headComplete && m_headRead >= kHeadLimit) {
            if (m_inHeaders)
                refuse(431, "Request head over 8 KiB");
            else
                refuse(414, "Request line over 8 KiB");
            break;
        }
    }
    return taken;
}

bool HttpRequestReader::expectsContinue() const
{
    return m_state == State::Reading && m_headComplete && m_continueAsked && m_request.body.empty();
}

// The method is read here, not by http-parser, which takes any method it
// does not know for a malformed request: a method is any token, and one
// this server does not serve is answered 501.
std::size_t HttpRequestReader::readMethod(std::string_view bytes)
{
    constexpr std::size_t kMethodLimit = 16;
    const auto tokenChar = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
    };
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const char c = bytes[at];
        // Blank lines before a request are allowed, as after a body some
        // clients send one.
        if (m_method.empty() && (c == '\r' || c == '\n'))
            continue;
        if (c == ' ' && !m_method.empty()) {
            if (m_method != "GET" && m_method != "HEAD" && m_method != "POST") {
                refuse(501, "Only GET, HEAD and POST are served");
                return at + 1;
            }
            m_request.method = m_method;
            const std::string line = m_method + ' ';
            http_parser_execute(&m_parser->parser, &m_parser->settings, line.data(), line.size());
            return at + 1;
        }
        if (!tokenChar(c)) {
            refuse(400, "Malformed request");
            return at + 1;
        }
        m_method += c;
        if (m_method.size() > kMethodLimit) {
            refuse(501, "Only GET, HEAD and POST are served");
            return at + 1;
        }
    }
    return bytes.size();
}

void HttpRequestReader::startNext()
{
    m_request = HttpRequest();
    m_method.clear();
    m_target.clear();
    m_field.clear();
    m_value.clear();
    m_inValue = false;
    m_inHeaders = false;
    m_headComplete = false;
    m_continueAsked = false;
    m_headRead = 0;
    if (m_state == State::Complete)
        http_parser_pause(&m_parser->parser, 0);
    m_state = State::Reading;
}

bool HttpRequestReader::keepHeader()
{
    // "Host : x" is a Host header to some readers and not to others: none
    // of them is left to guess.
    if (m_field.find_first_of(" \t") != std::string::npos) {
        refuse(400, "Whitespace before a header's colon");
        return false;
    }
    const std::string name = lowerCase(m_field);
    if (m_request.headers.count(name) > 0)
        m_request.repeatedHeaders.insert(name);
    else
        m_request.headers[name] = trimmed(m_value);
    m_field.clear();
    m_value.clear();
    m_inValue = false;
    return true;
}

bool HttpRequestReader::headComplete()
{
    if (m_inValue && !keepHeader())
        return false;
    m_headComplete = true;
    http_parser &parser = m_parser->parser;
    m_request.versionMajor = parser.http_major;
    m_request.versionMinor = parser.http_minor;
    m_request.keepAlive = http_should_keep_alive(&parser) != 0;
    m_request.upgrade = parser.upgrade != 0;

    // Only the origin form ("/path?query") names a resource of this server.
    http_parser_url url{};
    http_parser_url_init(&url);
    if (m_target.empty() || m_target[0] != '/' ||
        http_parser_parse_url(m_target.data(), m_target.size(), 0, &url) != 0) {
        refuse(400, "Malformed request target");
        return false;
    }
    const auto field = [&](http_parser_url_fields which) {
        if ((url.field_set & (1U << which)) == 0)
            return std::string();
        return m_target.substr(url.field_data[which].off, url.field_data[which].len);
    };
    m_request.path = field(UF_PATH);
    m_request.query = field(UF_QUERY);

    if (parser.content_length != ULLONG_MAX && parser.content_length > kBodyLimit) {
        refuse(413, "Request body over 1 KiB");
        return false;
    }
    if (m_request.headers.count("expect") > 0) {
        if (m_request.repeatedHeaders.count("expect") > 0 || lowerCase(m_request.header("expect")) != "100-continue") {
            refuse(417, "Only Expect: 100-continue is understood");
            return false;
        }
        // An HTTP/1.0 client does not wait for it.
        m_continueAsked = m_request.http11OrLater();
    }
    return true;
}

void HttpRequestReader::refuse(int status, std::string reason)
{
    m_state = State::Refused;
    m_refusalStatus = status;
    m_refusalReason = std::move(reason);
}
