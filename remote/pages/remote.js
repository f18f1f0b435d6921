// The phone's remote control: the four +/- buttons, Update scoreboard and
// Reset Score run the same operations as the window's buttons.
"use strict";

(() => {
    const $ = (id) => document.getElementById(id);
    const linkWords = {
        "connecting": "Connecting...",
        "lost": "Connection lost - reconnecting...",
        "refused": "This address's code is not valid: open the control address the scoreboard's " +
                   "Remote control window shows now.",
        "no code": "This address lacks its code: open the control address the scoreboard's " +
                   "Remote control window shows.",
    };

    function show(state) {
        $("left").textContent = Live.twoDigits(state.left);
        $("right").textContent = Live.twoDigits(state.right);
        const known = state.boardLeft !== null && state.boardRight !== null;
        const board = known ? Live.twoDigits(state.boardLeft) + " " + Live.twoDigits(state.boardRight) : "not known";
        $("board").textContent = state.behind ? board + " - the window is ahead" : board;
        $("board").classList.toggle("behind", state.behind);
        $("port").textContent = state.port === null ? "none open" : "port " + state.port + " open";
        $("status").textContent = state.status;
        $("status").classList.toggle("failure", state.failure);
        // Usable during a send: a press then waits its turn, as the status says.
        $("update").setAttribute("aria-busy", state.sending ? "true" : "false");
    }

    function showLink(how) {
        const banner = $("link");
        const refused = how === "refused" || how === "no code";
        banner.hidden = how === "live";
        banner.textContent = linkWords[how] || "";
        banner.classList.toggle("refused", refused);
        for (const button of document.querySelectorAll("button"))
            button.disabled = refused;
    }

    let confirmTimer = 0;
    function askToConfirm(asking) {
        clearTimeout(confirmTimer);
        $("confirm").hidden = !asking;
        $("reset").hidden = asking;
        if (asking) {
            $("reset-no").focus();
            // A brush against the phone is not an answer.
            confirmTimer = setTimeout(() => askToConfirm(false), 8000);
        }
    }

    async function press(button) {
        $("problem").textContent = "";
        if (button.id === "reset-yes")
            askToConfirm(false);
        try {
            show(await Live.act(button.dataset.action));
        } catch (error) {
            $("problem").textContent = error.message;
        }
    }

    for (const button of document.querySelectorAll("button[data-action]"))
        button.addEventListener("click", () => press(button));
    $("reset").addEventListener("click", () => askToConfirm(true));
    $("reset-no").addEventListener("click", () => {
        askToConfirm(false);
        $("reset").focus();
    });

    Live.connect({state: show, link: showLink});
})();
