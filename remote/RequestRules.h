#pragma once

#include "remote/HttpRequest.h"

#include <string>
#include <vector>

// What a remote device may ask of the program, and who may ask it: one
// function from a request to a verdict, with no state and no network, so that
// every rule is checked in one table of requests and fuzzed.
//
// The rules:
// - the Host header names this machine (an address of it, "localhost" or its
//   host name): a web page whose name was pointed at this machine (DNS
//   rebinding) is refused;
// - the pages themselves are served to anyone who may connect: they hold no
//   score and no code, and take the code from their own address;
// - HEAD is answered wherever GET reads, never where GET acts;
// - reading the state and the WebSocket need a code, the view code or the
//   control code;
// - every change needs the control code, also from this computer (a web page
//   in the operator's own browser is local too), and a request from a page
//   (one that carries an Origin) must come from the program's own pages; a
//   browser marks a request another site's page made (an <img> pointing
//   at ".../action") with Sec-Fetch-Site, and such a change is refused;
// - a change is a POST; for devices that can only send GET (a stream deck's
//   "Website" action) the same action is at ".../action".

enum class RemoteAction { LeftPlus, LeftMinus, RightPlus, RightMinus, Update, Reset, Restore };

struct RemoteAccess
{
    std::string controlCode;
    std::string viewCode;
    // Every name of this machine a Host header may carry, in lower case:
    // "localhost", "127.0.0.1", "192.168.1.5", "[::1]", "scorepc".
    std::vector<std::string> hostNames;
    int port = 0;
};

struct Verdict
{
    enum class Kind {
        Refuse,    // answer `status` with `reason`
        Page,      // serve the page or file `page`
        State,     // the state as JSON
        Act,       // run `action`, then answer with the state
        WebSocket, // let the connection become a WebSocket
    };

    Kind kind = Kind::Refuse;
    int status = 0;
    std::string reason;     // one short sentence; never holds a code
    bool wrongCode = false; // a code was given and is none of ours: answered slowly
    std::string allow;      // the methods a 405 names
    std::string page;       // "remote", "overlay", "board", "live.js", ...
    RemoteAction action = RemoteAction::Update;
    std::string requestId;  // may be empty: a retry with the same id is carried out once
    bool control = false;   // State and WebSocket: the control code was given
    bool confirmed = false; // Act: "confirm=1", the change was asked for knowingly
    bool headOnly = false;  // a HEAD: answered as a GET would be, without the body, refusals too
};

constexpr std::size_t kRequestIdLimit = 64;

Verdict JudgeRequest(const HttpRequest &request, const RemoteAccess &access);
