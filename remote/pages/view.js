// The view-only pages: the overlay for OBS and the hall screen. They show
// what the board shows (?show=window: the window's scores, which may differ
// from the board's). From the address, all optional:
//   left=Lions&right=Tigers       team names
//   leftColor=%23b00020&rightColor=navy   each team's colour (any CSS colour)
//   size=64                        the scores' height in pixels (overlay)
//
// A code that is wrong or no longer valid shows nothing at all: these pages
// are on air, where a notice would be broadcast. The scoreboard's Remote
// control window says which page it refused.
"use strict";

(() => {
    const $ = (id) => document.getElementById(id);
    const asked = new URLSearchParams(location.search);
    const twoDigits = document.body.dataset.page === "board";
    const showWindow = asked.get("show") === "window";
    // How far a long name shrinks before it is cut short.
    const smallestName = 0.6;

    const names = [];
    for (const side of ["left", "right"]) {
        const name = asked.get(side);
        if (name) {
            $(side + "-name").textContent = name;
            $(side + "-name").hidden = false;
            names.push($(side + "-name"));
        }
        const colour = asked.get(side + "Color");
        if (colour && CSS.supports("color", colour))
            $(side + "-team").style.setProperty("--team", colour);
    }
    const size = Number(asked.get("size"));
    if (size >= 8 && size <= 1000)
        document.documentElement.style.setProperty("--size", size + "px");

    // Both names at one size, the smaller that fits; the style sheet cuts
    // short with "..." what does not fit even then.
    function fitNames() {
        let scale = 1;
        for (const name of names)
            name.style.fontSize = "";
        for (const name of names) {
            if (name.scrollWidth > name.clientWidth)
                scale = Math.min(scale, name.clientWidth / name.scrollWidth);
        }
        if (scale === 1)
            return;
        scale = Math.max(smallestName, scale);
        for (const name of names)
            name.style.fontSize = parseFloat(getComputedStyle(name).fontSize) * scale + "px";
    }
    fitNames();
    document.fonts.ready.then(fitNames);
    addEventListener("resize", fitNames);

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

    function showLink(how) {
        // The last score stays, dimmed, while the program is away.
        document.body.classList.toggle("offline", how !== "live");
        document.body.classList.toggle("refused", how === "refused" || how === "no code");
    }

    Live.connect({state: show, link: showLink});
    // Where the browser allows it (on this computer), the page is kept for a
    // start while the program is away.
    if ("serviceWorker" in navigator)
        navigator.serviceWorker.register("/view-cache.js").catch(() => {});
})();
