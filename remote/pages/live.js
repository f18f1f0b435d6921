// The link of a page to the scoreboard program. The program sends the whole
// state when the WebSocket opens and after every change, and a heartbeat
// every 4 s; a page that hears nothing for 9 s takes the link for dead.
// While the program is away (not started yet, restarting) the page asks
// twice a second, so it shows the score within a second of the program
// starting, however long it waited; it never gives up.
"use strict";

const Live = (() => {
    const code = new URLSearchParams(location.search).get("code") || "";
    // Which page asks: the scoreboard's window names the page it refused.
    const view = document.body.dataset.page;
    const retryMs = 500;
    const refusedRetryMs = 5000;
    const silentMs = 9000;
    // The page's words, in its language, as the program put them in it.
    const texts = JSON.parse(document.getElementById("texts")?.textContent || "{}");

    // handlers.state(state): the whole state; handlers.link(how): "connecting",
    // "live", "lost" (reconnecting), "refused" (the code is not, or no longer,
    // valid), "no code".
    function connect(handlers) {
        let socket = null;
        let watchdog = 0;
        let wasLive = false;

        // Without a code it still asks, slowly, naming its page: the
        // scoreboard's window can then list it as refused.
        const refusal = code ? "refused" : "no code";
        handlers.link(code ? "connecting" : "no code");
        probe();

        // Asks for the state over plain HTTP first: it shows the score at
        // once and tells a program that is away from a code refused.
        async function probe() {
            let answer;
            try {
                answer = await fetch("/api/v1/state?" + query(), {cache: "no-store"});
            } catch (error) {
                setTimeout(probe, retryMs);
                return;
            }
            if (answer.status === 403 || !code) {
                handlers.link(refusal);
                setTimeout(probe, refusedRetryMs);
                return;
            }
            if (answer.ok)
                handlers.state(await answer.json());
            open();
        }

        function open() {
            const scheme = location.protocol === "https:" ? "wss://" : "ws://";
            const opened = new WebSocket(scheme + location.host + "/ws?" + query());
            socket = opened;
            opened.onmessage = (event) => {
                if (socket !== opened)
                    return;
                heard();
                const message = JSON.parse(event.data);
                if (!message.heartbeat)
                    handlers.state(message);
            };
            opened.onopen = () => {
                if (socket !== opened)
                    return;
                wasLive = true;
                heard();
                handlers.link("live");
            };
            opened.onclose = () => {
                if (socket === opened)
                    lost();
            };
        }

        function heard() {
            clearTimeout(watchdog);
            watchdog = setTimeout(() => {
                // A dead link may take minutes to close by itself: drop it.
                const silent = socket;
                lost();
                silent.close();
            }, silentMs);
        }

        function lost() {
            clearTimeout(watchdog);
            socket = null;
            handlers.link(wasLive ? "lost" : "connecting");
            setTimeout(probe, retryMs);
        }
    }

    function query() {
        return "code=" + encodeURIComponent(code) + "&view=" + encodeURIComponent(view);
    }

    // Sends an action; a retry after a lost answer carries the same request
    // id, so the program carries it out once. Resolves to the state after it,
    // or throws an Error whose message says why not; where the program
    // answered with its state (409: Update would lower the board's scores,
    // and asks to be confirmed; 503: it failed at once) the Error carries
    // that as .state, and the answer's .status.
    async function act(action, confirmed = false) {
        const bytes = new Uint8Array(12);
        crypto.getRandomValues(bytes);
        const id = Array.from(bytes, (b) => b.toString(16).padStart(2, "0")).join("");
        const address = "/api/v1/" + action + "?code=" + encodeURIComponent(code) + "&id=" + id +
                        (confirmed ? "&confirm=1" : "");
        for (let attempt = 0; ; ++attempt) {
            let answer;
            try {
                answer = await fetch(address, {method: "POST", cache: "no-store"});
            } catch (error) {
                if (attempt >= 6)
                    throw new Error(say("notReached"));
                await new Promise((resolve) => setTimeout(resolve, retryMs));
                continue;
            }
            if (answer.ok)
                return answer.json();
            const failed = new Error(answer.statusText);
            failed.status = answer.status;
            if ((answer.headers.get("Content-Type") || "").startsWith("application/json")) {
                failed.state = await answer.json();
                failed.message = failed.state.status;
            } else {
                failed.message = (await answer.text()).trim() || answer.statusText;
            }
            throw failed;
        }
    }

    // The text `id` with its %1 %2 ... filled in, in one pass: a score or a
    // status that holds "%2" stays as it is.
    function say(id, ...values) {
        return (texts[id] || "").replace(/%([1-9])/g, (mark, n) => n <= values.length ? String(values[n - 1]) : mark);
    }

    // "08" as the board shows a score.
    function twoDigits(score) {
        return String(score).padStart(2, "0");
    }

    return {connect, act, twoDigits, say, code};
})();
