// The page around the game's WebAssembly build: it checks what the browser offers, shows the
// loading line, keeps the canvas at the frame's shape, and hands the game keys (by their
// place), the mouse, pads, sound, the player's files (IndexedDB) and the tab's visibility.
// It decides nothing of the game: every rule runs in C++ (platform/web/ is the other side).
'use strict';

(function () {
  const statusLine = document.getElementById('status');
  const storageLine = document.getElementById('storage');
  const canvas = document.getElementById('frame');
  const params = new URLSearchParams(location.search);

  function say(line) {
    statusLine.textContent = line;
    statusLine.hidden = !line;
  }

  // What the page cannot do without, named in one sentence when missing.
  function missingFeature() {
    if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') return 'WebAssembly';
    if (!canvas.getContext || !canvas.getContext('2d') || typeof ImageData !== 'function') return 'canvas drawing';
    if (typeof Promise !== 'function' || typeof MessageChannel !== 'function') return 'modern JavaScript';
    if (typeof fetch !== 'function') return 'fetch';
    return '';
  }

  const lacking = missingFeature();
  if (lacking) {
    say('dream-arena needs a browser with ' + lacking + ', which this one does not offer.');
    return;
  }

  const context2d = canvas.getContext('2d', { alpha: false });

  // Key codes (KeyboardEvent.code, the key's place) as the USB usage numbers the game's own key
  // codes are, so the game's one binding table serves the browser as it serves the desktop.
  const scancodes = (function () {
    const table = {};
    'ABCDEFGHIJKLMNOPQRSTUVWXYZ'.split('').forEach((letter, i) => { table['Key' + letter] = 4 + i; });
    '1234567890'.split('').forEach((digit, i) => { table['Digit' + digit] = 30 + i; });
    const named = ['Enter', 'Escape', 'Backspace', 'Tab', 'Space', 'Minus', 'Equal', 'BracketLeft', 'BracketRight',
      'Backslash', '', 'Semicolon', 'Quote', 'Backquote', 'Comma', 'Period', 'Slash', 'CapsLock'];
    named.forEach((name, i) => { if (name) table[name] = 40 + i; });
    for (let f = 1; f <= 12; ++f) table['F' + f] = 57 + f;
    ['PrintScreen', 'ScrollLock', 'Pause', 'Insert', 'Home', 'PageUp', 'Delete', 'End', 'PageDown', 'ArrowRight',
      'ArrowLeft', 'ArrowDown', 'ArrowUp', 'NumLock', 'NumpadDivide', 'NumpadMultiply', 'NumpadSubtract', 'NumpadAdd',
      'NumpadEnter'].forEach((name, i) => { table[name] = 70 + i; });
    '1234567890'.split('').forEach((digit, i) => { table['Numpad' + digit] = 89 + i; });
    table.NumpadDecimal = 99;
    table.IntlBackslash = 100;
    table.ContextMenu = 101;
    ['ControlLeft', 'ShiftLeft', 'AltLeft', 'MetaLeft', 'ControlRight', 'ShiftRight', 'AltRight', 'MetaRight']
      .forEach((name, i) => { table[name] = 224 + i; });
    return table;
  })();

  // What the keyboard's layout prints at each place (navigator.keyboard, where offered), read
  // before the game starts: the game names its keys by it ("Z" at W's place under AZERTY).
  const layoutNames = {};
  function readLayoutNames() {
    if (!navigator.keyboard || !navigator.keyboard.getLayoutMap) return;
    addRunDependency('layout');
    navigator.keyboard.getLayoutMap().then((map) => {
      map.forEach((printed, code) => {
        if (scancodes[code] !== undefined && printed.trim()) layoutNames[scancodes[code]] = printed.replace(/^[a-z]$/, (c) => c.toUpperCase());
      });
    }, () => {}).finally(() => removeRunDependency('layout'));
  }
  function layoutKeyName(scancode) { return layoutNames[scancode] || ''; }

  // The browser keeps its own keys: reload, developer tools, and anything with Ctrl or Meta.
  function browserKeeps(event) {
    return event.code === 'F5' || event.code === 'F12' || event.ctrlKey || event.metaKey;
  }

  // ---- Rests: the game's blocking waits, awaited here so the tab is never held. ----

  // A zero-delay turn of the event loop (setTimeout would wait at least 4 ms when nested).
  const turns = [];
  const turnChannel = new MessageChannel();
  turnChannel.port1.onmessage = () => { const next = turns.shift(); if (next) next(); };
  function nextTurn(callback) { turns.push(callback); turnChannel.port2.postMessage(0); }

  let inputWaiter = null;
  function inputArrived() {
    if (inputWaiter) { const wake = inputWaiter; inputWaiter = null; wake(); }
  }

  // Resolves once us microseconds have passed (or input came, when untilInput), always after
  // at least one turn of the event loop. Long waits sleep on a timer, the last few
  // milliseconds on zero-delay turns, so an update due in 11 ms comes in 11 ms.
  function rest(us, untilInput) {
    return new Promise((resolve) => {
      const end = performance.now() + us / 1000;
      let timer = 0;
      let done = false;
      const finish = () => {
        if (done) return;
        done = true;
        timings.wokeAt = performance.now();
        clearTimeout(timer);
        if (inputWaiter === finish) inputWaiter = null;
        readPads();
        resolve();
      };
      if (untilInput) inputWaiter = finish;
      const step = () => {
        if (done) return;
        const left = end - performance.now();
        if (left <= 0) finish();
        else if (left > 5) timer = setTimeout(step, left - 4);
        else nextTurn(step);
      };
      nextTurn(step);
    });
  }

  // ---- The frame on the canvas. ----

  let picture = { x: 0, y: 0, width: 1600, height: 960 };
  // For the benchmark (tests/web/bench.mjs): the last 1,000 frames' times from the pass's
  // wake-up to its picture on the canvas, and when each was shown.
  const timings = (window.pageTimings = { wokeAt: 0, work: [], shownAt: [] });
  function noteFrame() {
    const now = performance.now();
    if (timings.work.length === 1000) { timings.work.shift(); timings.shownAt.shift(); }
    timings.work.push(now - timings.wokeAt);
    timings.shownAt.push(now);
  }
  let firstFrameShown = false;

  // The canvas's place and size in the window, as the game fits its picture to a window.
  function layOut() {
    if (!Module.calledRun && !Module._webLayOut) return;
    const rect = Module._webLayOut(window.innerWidth, window.innerHeight) >> 2;
    const ints = Module.HEAP32;
    picture = { x: ints[rect], y: ints[rect + 1], width: ints[rect + 2], height: ints[rect + 3] };
    canvas.style.width = picture.width + 'px';
    canvas.style.height = picture.height + 'px';
  }

  function present(pixels, width, height) {
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
    }
    const bytes = new Uint8ClampedArray(Module.HEAPU8.buffer, pixels, width * height * 4);
    context2d.putImageData(new ImageData(bytes, width, height), 0, 0);
    noteFrame();
    if (!firstFrameShown) {
      firstFrameShown = true;
      window.firstFrameMs = performance.now();
      say('');
    }
  }

  // The display's refresh rate, from the spacing of animation frames (the median of 20).
  function measureRefresh() {
    return new Promise((resolve) => {
      const stamps = [];
      const tick = (t) => {
        stamps.push(t);
        if (stamps.length < 21) return requestAnimationFrame(tick);
        const gaps = stamps.slice(1).map((s, i) => s - stamps[i]).sort((a, b) => a - b);
        const median = gaps[gaps.length >> 1];
        resolve(median > 0 ? Math.round(1000 / median) : 60);
      };
      requestAnimationFrame(tick);
      setTimeout(() => resolve(60), 1000);  // a hidden tab draws no frames
    });
  }

  function toggleFullscreen() {
    if (document.fullscreenElement) {
      if (document.exitFullscreen) document.exitFullscreen().catch(() => {});
    } else if (document.documentElement.requestFullscreen) {
      document.documentElement.requestFullscreen().catch(() => {});
    }
  }

  // ---- Input. ----

  window.addEventListener('keydown', (event) => {
    const code = scancodes[event.code];
    if (code === undefined || browserKeeps(event) || !Module._webKey) return;
    event.preventDefault();
    startSound();
    Module._webKey(code, 1, event.repeat ? 1 : 0, event.altKey ? 1 : 0);
    inputArrived();
  });
  window.addEventListener('keyup', (event) => {
    const code = scancodes[event.code];
    if (code === undefined || !Module._webKey) return;
    event.preventDefault();
    Module._webKey(code, 0, 0, 0);
    inputArrived();
  });

  function cursorFrom(event) {
    if (Module._webCursor) Module._webCursor(Math.floor(event.clientX), Math.floor(event.clientY));
  }
  function button(event, down) {
    if ((event.button !== 0 && event.button !== 2) || !Module._webButton) return;
    cursorFrom(event);
    Module._webButton(event.button, down ? 1 : 0);
    inputArrived();
  }
  canvas.addEventListener('mousedown', (event) => {
    event.preventDefault();
    canvas.focus();
    startSound();
    button(event, true);
  });
  window.addEventListener('mouseup', (event) => button(event, false));
  window.addEventListener('mousemove', (event) => { cursorFrom(event); inputArrived(); });
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());

  // A hidden tab is a minimised window; a window that loses focus loses it as natively.
  document.addEventListener('visibilitychange', () => {
    if (Module._webWindowAway) Module._webWindowAway(document.hidden ? 1 : 0);
    inputArrived();
  });
  window.addEventListener('blur', () => { if (Module._webFocus) Module._webFocus(0); inputArrived(); });
  window.addEventListener('focus', () => { if (Module._webFocus) Module._webFocus(1); });
  window.addEventListener('resize', layOut);
  document.addEventListener('fullscreenchange', () => {
    if (Module._webFullscreenChanged) Module._webFullscreenChanged(document.fullscreenElement ? 1 : 0);
    layOut();
  });

  // Pads through the Gamepad API's standard layout: every button and axis that changed since
  // the last look goes to the game, which maps them as it maps the desktop's pads.
  const padsSeen = {};
  function readPads() {
    if (!navigator.getGamepads || !Module._webPadButton) return;
    const pads = navigator.getGamepads();
    const present = {};
    for (const pad of pads) {
      if (!pad || pad.mapping !== 'standard') continue;
      present[pad.index] = true;
      let seen = padsSeen[pad.index];
      if (!seen) {
        seen = padsSeen[pad.index] = { buttons: [], axes: [] };
        Module._webPadAdded(pad.index);
      }
      pad.buttons.forEach((b, i) => {
        const value = Math.round(b.value * 32767);
        if (seen.buttons[i] !== value) {
          seen.buttons[i] = value;
          Module._webPadButton(pad.index, i, value);
        }
      });
      pad.axes.forEach((a, i) => {
        const value = Math.max(-32768, Math.min(32767, Math.round(a * 32767)));
        if (seen.axes[i] !== value) {
          seen.axes[i] = value;
          Module._webPadAxis(pad.index, i, value);
        }
      });
    }
    for (const index of Object.keys(padsSeen)) {
      if (!present[index]) {
        delete padsSeen[index];
        Module._webPadRemoved(Number(index));
      }
    }
  }

  // ---- Sound: Web Audio, started by the first click or key (browsers ask for a gesture). ----

  const sound = { context: null, gain: null, level: 1, files: [], decoded: [], voices: [] };

  // A file the browser cannot decode stays silent, and says so once on the console.
  function decodeSound(id) {
    sound.context.decodeAudioData(sound.files[id].slice(0)).then(
      (buffer) => { sound.decoded[id] = buffer; },
      (error) => {
        sound.decoded[id] = null;
        console.warn('a sound of the game cannot be decoded by this browser: ' + ((error && error.message) || error));
      });
  }

  // For the tests: how many sound files the game handed over, and how many the browser decoded.
  window.soundReport = () => ({
    files: sound.files.length,
    decoded: sound.decoded.filter((buffer) => buffer).length,
    running: !!sound.context && sound.context.state === 'running',
  });

  function startSound() {
    if (sound.context) {
      if (sound.context.state === 'suspended') sound.context.resume();
      return;
    }
    const AudioContext = window.AudioContext || window.webkitAudioContext;
    if (!AudioContext) return;
    sound.context = new AudioContext();
    sound.gain = sound.context.createGain();
    sound.gain.gain.value = sound.level;
    sound.gain.connect(sound.context.destination);
    sound.files.forEach((bytes, id) => decodeSound(id));
  }

  // The file's bytes, kept to be decoded once sound starts; returns the sound's number.
  function loadSound(pointer, length) {
    const id = sound.files.length;
    sound.files.push(Module.HEAPU8.slice(pointer, pointer + length).buffer);
    if (sound.context) decodeSound(id);
    return id;
  }

  // Plays sound id on a voice: a voice still playing starts again, as natively.
  function playSound(voice, id) {
    const buffer = sound.decoded[id];
    if (!sound.context || !buffer) return;
    const old = sound.voices[voice];
    if (old) { try { old.stop(); } catch (e) { /* already ended */ } }
    const source = sound.context.createBufferSource();
    source.buffer = buffer;
    source.connect(sound.gain);
    source.start();
    sound.voices[voice] = source;
  }

  function setSoundLevel(level) {
    sound.level = level;
    if (sound.gain) sound.gain.gain.value = level;
  }

  // ---- The player's files: a folder kept in IndexedDB. ----

  const playerFolder = '/player';
  let storageWorks = true;
  let syncing = false;
  let syncAgain = false;

  function storageRefused(error) {
    if (!storageWorks) return;
    storageWorks = false;
    storageLine.textContent = 'This browser keeps no files for the page (' + ((error && error.message) || error) +
      '): settings and scores last until it is closed.';
    storageLine.hidden = false;
  }

  function saveFiles() {
    if (!storageWorks) return;
    if (syncing) { syncAgain = true; return; }
    syncing = true;
    FS.syncfs(false, (error) => {
      syncing = false;
      if (error) return storageRefused(error);
      if (syncAgain) { syncAgain = false; saveFiles(); }
    });
  }

  function underPlayerFolder(path) { return String(path).startsWith(playerFolder + '/'); }

  // Every change the game makes to its files ends with a rename, a removal or a new folder:
  // each is followed by a save of the whole folder (one IndexedDB transaction).
  function watchPlayerFiles() {
    for (const name of ['rename', 'unlink', 'mkdir', 'rmdir']) {
      const original = FS[name];
      FS[name] = function (path) {
        const result = original.apply(FS, arguments);
        if (underPlayerFolder(path)) setTimeout(saveFiles, 0);
        return result;
      };
    }
  }

  function mountPlayerFiles() {
    FS.mkdir(playerFolder);
    ENV.XDG_CONFIG_HOME = playerFolder + '/config';
    ENV.XDG_DATA_HOME = playerFolder + '/data';
    try {
      if (!window.indexedDB) throw new Error('no IndexedDB');
      FS.mount(IDBFS, {}, playerFolder);
    } catch (error) {
      storageRefused(error);
      return;
    }
    addRunDependency('player-files');
    FS.syncfs(true, (error) => {
      if (error) storageRefused(error);
      watchPlayerFiles();
      removeRunDependency('player-files');
    });
  }

  // ---- Loading and start. ----

  // The file packager's progress ("Downloading data... (done/total)") as the loading line.
  function showStatus(text) {
    if (firstFrameShown) return;
    const match = /\((\d+)\/(\d+)\)/.exec(text || '');
    if (match) {
      const done = Number(match[1]);
      const total = Number(match[2]);
      say('Loading the game: ' + Math.floor((100 * done) / total) + '% of ' + (total / 1048576).toFixed(1) + ' MB');
    } else if (text) {
      say('Loading the game…');
    }
  }

  // The command line of this visit: ?watch-best watches the best kept round, ?watch=FILE a
  // kept round; ?replay=URL (the tests' entry) replays a recorded session with its digests.
  function commandLine() {
    if (params.has('watch-best')) return ['--watch-best'];
    if (params.has('watch')) return ['--watch', params.get('watch')];
    return [];
  }

  // Leaving the game throws emscripten's ExitStatus through the awaited rest it left from:
  // the end of the program, not an error of the page.
  window.addEventListener('unhandledrejection', (event) => {
    if (event.reason && event.reason.name === 'ExitStatus') event.preventDefault();
  });

  const Module = (window.Module = {
    arguments: commandLine(),
    canvas,
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    setStatus: showStatus,
    preRun: [mountPlayerFiles, readLayoutNames],
    webGlue: { rest, present, layOut, toggleFullscreen, loadSound, playSound, setSoundLevel, nextTurn, layoutKeyName },
    onRuntimeInitialized() {
      layOut();
      measureRefresh().then((hz) => Module._webSetRefresh(hz));
      if (document.hidden) Module._webWindowAway(1);
      document.getElementById('best-button').hidden = false;
    },
    onAbort(what) { say('The game stopped: ' + what); },
    // The program's real end (emscripten also passes through exit, without ending, when main
    // first rests).
    onExit(status) { say(status === 0 ? 'Thanks for your play. Reload the page to play again.' : 'The game ended.'); },
  });

  if (params.has('replay')) {
    // The tests' entry: the folder ?replay= names holds a recorded session and its monster
    // table; the page watches the session with a digest of every pass, and tells the result.
    const folder = params.get('replay');
    Module.preRun.push(() => {
      addRunDependency('session');
      const bytes = (name) => fetch(folder + name).then((r) => {
        if (!r.ok) throw new Error(name + ': ' + r.status);
        return r.arrayBuffer();
      });
      Promise.all([bytes('session.replay'), bytes('monsterData.txt')]).then(([session, table]) => {
        // A working folder of its own: the session's monster table beside the packed pictures.
        FS.mkdir('/replay');
        FS.writeFile('/replay/session.replay', new Uint8Array(session));
        FS.writeFile('/replay/monsterData.txt', new Uint8Array(table));
        FS.symlink('/resources', '/replay/resources');
        FS.chdir('/replay');
        ENV.DREAM_ARENA_WATCH_DIGESTS = '/replay/digests.txt';
        removeRunDependency('session');
      }, (error) => say('The session could not be fetched: ' + error.message));
    });
    Module.arguments = ['--watch', '/replay/session.replay'];
    Module.onExit = (status) => {
      say('The session was replayed.');
      const log = '/replay/digests.txt';
      const digests = FS.analyzePath(log).exists ? FS.readFile(log, { encoding: 'utf8' }) : '';
      window.replayDone = { status, digests };
    };
  }

  document.getElementById('best-button').addEventListener('click', () => {
    const panel = document.getElementById('best');
    panel.hidden = !panel.hidden;
    if (!panel.hidden && Module._webScoreListing)
      document.getElementById('best-table').textContent = UTF8ToString(Module._webScoreListing());
    canvas.focus();
  });

  say('Loading the game…');
  const script = document.createElement('script');
  script.src = 'dream-arena.js';
  script.onerror = () => say('The game could not be loaded from this server.');
  document.body.appendChild(script);
})();
