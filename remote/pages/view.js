// The view-only pages: the overlay for OBS and the hall screen. They show
// what the board shows (?show=window: the window's scores, ahead of the
// board). From the address, all optional:
//   left=Lions&right=Tigers       team names
//   leftColor=%23b00020&rightColor=navy   each team's colour (any CSS colour)
//   size=64                        the scores' height in pixels (overlay)
"use strict";

(() => {
    const $ = (id) => document.getElementById(id);
    const asked = new URLSearchParams(location.search);
    const twoDigits = document.body.dataset.page === "board";
    const showWindow = asked.get("show") === "window";

    for (const side of ["left", "right"]) {
        const name = asked.get(side);
        if (name) {
            $(side + "-name").textContent = name;
            $(side + "-name").hidden = false;
        }
        const colour = asked.get(side + "Color");
        if (colour && CSS.supports("color", colour))
            $(side + "-team").style.setProperty("--team", colour);
    }
    const size = Number(asked.get("size"));
    if (size >= 8 && size <= 1000)
        document.documentElement.style.setProperty("--size", size + "px");

    function scoreText(score) {
        if (score === null)
            return "-";
        return twoDigits ? Live.twoDigits(score) : String(score);
    }

    function show(state) {
        $("left").textContent = scoreText(showWindow ? state.left : state.boardLeft);
        $("right").textContent = scoreText(showWindow ? state.right : state.boardRight);
        document.body.classList.add("shown");
    }

    const words = {
        "refused": "Scoreboard: this address's code is not valid - copy the view address again",
        "no code": "Scoreboard: this address lacks its code - copy the view address from the scoreboard",
    };
    function showLink(how) {
        // The last score stays, dimmed, while the program is away.
        document.body.classList.toggle("offline", how !== "live");
        $("notice").textContent = words[how] || "";
        $("notice").hidden = !words[how];
    }

    Live.connect({state: show, link: showLink});
    // Where the browser allows it (on this computer), the page is kept for a
    // start while the program is away.
    if ("serviceWorker" in navigator)
        navigator.serviceWorker.register("/view-cache.js").catch(() => {});
})();
