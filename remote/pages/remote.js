// The phone's remote control: the four +/- buttons, Update scoreboard,
// Reset Score and Restore run the same operations as the window's buttons.
"use strict";

(() => {
    const $ = (id) => document.getElementById(id);
    const linkWords = {
        "connecting": Live.say("link.connecting"),
        "lost": Live.say("link.lost"),
        "refused": Live.say("link.refused"),
        "no code": Live.say("link.noCode"),
    };
    let link = "connecting";
    // Opened with the view code: every button would only be refused.
    let viewOnly = false;

    function scores(left, right) {
        return Live.twoDigits(left) + " " + Live.twoDigits(right);
    }

    function show(state) {
        $("left").textContent = Live.twoDigits(state.left);
        $("right").textContent = Live.twoDigits(state.right);
        const known = state.boardLeft !== null && state.boardRight !== null;
        const board = known ? scores(state.boardLeft, state.boardRight) : Live.say("board.unknown");
        $("board").textContent = state.behind ? Live.say("board.behind", board) : board;
        $("board").classList.toggle("behind", state.behind);
        $("port").textContent = state.port === null ? Live.say("port.none") : Live.say("port.open", state.port);
        $("status").textContent = state.status;
        $("status").classList.toggle("failure", state.failure);
        // Usable during a send: a press then waits its turn, as the status says.
        $("update").setAttribute("aria-busy", state.sending ? "true" : "false");
        // The offer's own last words name the window's button.
        const offer = state.lastMatch || null;
        $("last").hidden = !offer;
        if (offer) {
            $("last-offer").textContent = offer.offer;
            $("restore").textContent = Live.say("restore", scores(offer.left, offer.right));
        }
        if (!updateStep.box.hidden)
            askAboutUpdate(state);
        viewOnly = state.control === false;
        showUsable();
    }

    function showLink(how) {
        // Back: a press reaches the program again, whatever one met before.
        if (how === "live" && link !== "live")
            $("problem").textContent = "";
        link = how;
        const banner = $("link");
        banner.hidden = how === "live";
        banner.textContent = linkWords[how] || "";
        banner.classList.toggle("refused", how === "refused" || how === "no code");
        showUsable();
    }

    function showUsable() {
        const refused = link === "refused" || link === "no code";
        $("view-only").hidden = !viewOnly || refused;
        for (const button of document.querySelectorAll("button"))
            button.disabled = refused || viewOnly;
        if (refused || viewOnly) {
            resetStep.ask(false);
            updateStep.ask(false);
        }
    }

    // A second press to confirm, in place of the button that asked it.
    function confirmStep(boxId, buttonId, noId) {
        const step = {box: $(boxId), timer: 0};
        step.ask = (asking) => {
            clearTimeout(step.timer);
            step.box.hidden = !asking;
            $(buttonId).hidden = asking;
            if (asking) {
                $(noId).focus();
                // A brush against the phone is not an answer.
                step.timer = setTimeout(() => step.ask(false), 8000);
            }
        };
        $(noId).addEventListener("click", () => {
            step.ask(false);
            $(buttonId).focus();
        });
        return step;
    }
    const resetStep = confirmStep("confirm", "reset", "reset-no");
    const updateStep = confirmStep("update-confirm", "update", "update-no");

    // The board keeps higher scores than the window would send it: said
    // with both, so that a restart's 00 00 does not wipe the match by a tap.
    function askAboutUpdate(state) {
        const board = state.boardLeft === null ? "--" : scores(state.boardLeft, state.boardRight);
        const wanted = scores(state.left, state.right);
        $("update-question").textContent = Live.say("update.question", board, wanted);
        $("update-yes").textContent = Live.say("update.put", wanted);
        $("update-no").textContent = Live.say("update.keep", board);
    }

    // Only the latest press says what became of it: an older one that
    // failed late must not stand beside a newer one that worked.
    let presses = 0;
    async function press(button) {
        const pressed = ++presses;
        $("problem").textContent = "";
        if (button.id === "reset-yes")
            resetStep.ask(false);
        if (button.id === "update-yes")
            updateStep.ask(false);
        try {
            show(await Live.act(button.dataset.action, "confirmed" in button.dataset));
        } catch (error) {
            if (error.state)
                show(error.state);
            if (error.status === 409) {
                askAboutUpdate(error.state);
                updateStep.ask(true);
            } else if (pressed === presses) {
                $("problem").textContent = error.message;
            }
        }
    }

    for (const button of document.querySelectorAll("button[data-action]"))
        button.addEventListener("click", () => press(button));
    $("reset").addEventListener("click", () => resetStep.ask(true));

    Live.connect({state: show, link: showLink});
})();
