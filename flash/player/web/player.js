// The page of the program's movie player: one movie at a time on a calm background, driven
// by the program through window.abacolo (load, play, stop). It reports what happens on the
// console as "abacolo-event <name> <detail>" lines, which the program reads.
"use strict";

(function () {
    const scheme = "abacolo:";

    // The engine refuses fetch() for our own URL scheme, while the emulator loads everything
    // (its code, the movies) with fetch(): serve those requests with XMLHttpRequest instead.
    const nativeFetch = window.fetch.bind(window);
    window.fetch = function (input, init) {
        const url = new URL(input instanceof Request ? input.url : String(input), document.baseURI);
        if (url.protocol !== scheme)
            return nativeFetch(input, init);
        return new Promise((resolve, reject) => {
            const request = new XMLHttpRequest();
            request.open("GET", url.href);
            request.responseType = "arraybuffer";
            request.onload = () => {
                if (request.status !== 0 && (request.status < 200 || request.status > 299)) {
                    fetchFailed(url.href);
                    resolve(new Response(null, { status: request.status }));
                    return;
                }
                const type = request.getResponseHeader("Content-Type") || "application/octet-stream";
                resolve(new Response(request.response, { status: 200, headers: { "Content-Type": type } }));
            };
            request.onerror = () => {
                fetchFailed(url.href);
                reject(new TypeError("cannot read " + url.href));
            };
            request.send();
        });
    };

    function emit(name, detail) {
        console.log("abacolo-event " + name + " " + (detail || ""));
    }

    // The emulator's own overlays (play button, error and message panels, menus) never show:
    // a paused movie stays as it is, a broken one leaves the calm background.
    const hiddenParts = "#play-button, #unmute-overlay, #splash-screen, #panic, #message-overlay,"
        + " #context-menu-overlay, #hardware-acceleration-modal, #clipboard-modal, #save-manager,"
        + " #volume-controls-modal, #video-modal { display: none !important; }";

    // An empty one-frame movie, loaded to have the emulator ready before the first real movie.
    const blankMovie = new Uint8Array([70, 87, 83, 6, 20, 0, 0, 0, 48, 10, 0, 160, 0, 12, 1, 0,
                                       64, 0, 0, 0]);

    let settings = { background: "#006370", quality: "high", scale: "showAll" };
    let playing = true;
    let current = null;     // { element, url, failed }
    let ready = false;

    function options() {
        return {
            autoplay: playing ? "on" : "off",
            backgroundColor: settings.background,
            quality: settings.quality,
            scale: settings.scale,
            letterbox: "off",
            contextMenu: "off",
            menu: false,
            splashScreen: false,
            unmuteOverlay: "hidden",
            allowFullscreen: false,
            openUrlMode: "deny",
            allowScriptAccess: false,   // movies cannot run code in this page
            allowNetworking: "internal",
            upgradeToHttps: false,
            warnOnUnsupportedContent: false,
            showSwfDownload: false,
            logLevel: "error",
        };
    }

    function fetchFailed(href) {
        if (current && current.url === href)
            fail(current);
    }

    function fail(movie) {
        if (movie !== current || movie.failed)
            return;
        movie.failed = true;
        emit("failed", movie.url);
    }

    function apply() {
        if (!current || !current.element)
            return;
        const api = current.element.ruffle();
        if (playing)
            api.resume();
        else
            api.suspend();
    }

    function afterFrames(count, then) {
        if (count <= 0)
            then();
        else
            requestAnimationFrame(() => afterFrames(count - 1, then));
    }

    // A fresh element for every movie: an element that failed once stays broken.
    function freshElement(movie) {
        const stage = document.getElementById("stage");
        stage.replaceChildren();
        const element = window.RufflePlayer.newest().createPlayer();
        const style = document.createElement("style");
        style.textContent = hiddenParts;
        element.shadowRoot.appendChild(style);
        new MutationObserver(() => {
            if (element.shadowRoot.getElementById("panic"))
                fail(movie);
        }).observe(element.shadowRoot, { childList: true, subtree: true });
        stage.appendChild(element);
        return element;
    }

    function becameReady() {
        if (ready)
            return;
        ready = true;
        emit("ready", "");
    }

    async function start(movie, source) {
        if (!window.RufflePlayer) {
            // The emulator is not installed: the area stays calm.
            current = movie;
            fail(movie);
            return;
        }
        movie.element = freshElement(movie);
        current = movie;
        if (movie.url) {
            movie.element.addEventListener("loadedmetadata", () => {
                if (movie !== current || movie.failed)
                    return;
                apply();
                emit("loaded", movie.url);
                afterFrames(2, () => {
                    if (movie === current && !movie.failed)
                        emit("shown", movie.url);
                });
            });
        }
        try {
            await movie.element.ruffle().load(Object.assign(source, options()));
        } catch (error) {
            fail(movie);
        }
        becameReady();
        if (movie === current)
            apply();
    }

    window.abacolo = {
        configure(values) {
            settings = Object.assign(settings, values);
            document.body.style.background = settings.background;
        },
        load(url, base) {
            start({ url: url, failed: false }, { url: url, base: base });
        },
        play() {
            playing = true;
            apply();
        },
        stop() {
            playing = false;
            apply();
        },
        // Gets the emulator ready without a movie of the program's.
        warm() {
            if (!current)
                start({ url: "", failed: false }, { data: blankMovie });
        },
    };
})();
