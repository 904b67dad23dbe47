// The page's address as the place of the lesson: the program reads its
// fragment, keeps the lesson there after every event (without a history
// entry), and says in a notice above the window why a lesson it names
// cannot be opened. Text from the address is only ever set as text.

mergeInto(LibraryManager.library, {
  $wavesAddress: {
    // The lesson goes into the address at once, but at most every
    // interval ms (a browser refuses to have its address rewritten
    // hundreds of times a second); the last one always arrives.
    interval: 100,
    state: null,       // {text, written, timer} once a lesson has been kept
    // The address's fragment as the page last read or wrote it; any other
    // was put there from outside, and its hashchange is on its way.
    knownHash: '',
    // A fragment longer than this is refused without reading all of it.
    fragmentLimit: 4096,

    write: function () {
      const state = wavesAddress.state;
      state.timer = 0;
      if (location.hash !== wavesAddress.knownHash) return;
      state.written = performance.now();
      history.replaceState(history.state, '', '#' + state.text);
      wavesAddress.knownHash = location.hash;
    },

    // A lesson not yet written into the address must not overwrite the
    // one the address now names.
    changedOutside: function () {
      const state = wavesAddress.state;
      if (state && state.timer) {
        clearTimeout(state.timer);
        state.timer = 0;
      }
      Module['_waves_fragment_changed']();
    },

    // The notice above the window takes its place from the viewport.
    noticeHeight: function () {
      const notice = document.getElementById('waves-state-refused');
      return notice && !notice.hidden ? notice.offsetHeight : 0;
    },
  },

  waves_page_fragment__deps: ['$wavesAddress'],
  waves_page_fragment: function (length) {
    wavesAddress.knownHash = location.hash;
    const raw = location.hash.slice(1, wavesAddress.fragmentLimit + 2);
    let text = raw;
    try { text = decodeURIComponent(raw); } catch (malformed) { /* read as it stands */ }
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    if (!copy) return 0;
    HEAP32[length >> 2] = stringToUTF8(text, copy, size);
    return copy;
  },

  waves_page_keep_state__deps: ['$wavesAddress'],
  waves_page_keep_state: function (text) {
    const state = wavesAddress.state || (wavesAddress.state = { text: '', written: -Infinity, timer: 0 });
    state.text = UTF8ToString(text);
    if (state.timer) return;
    const wait = state.written + wavesAddress.interval - performance.now();
    if (wait <= 0) wavesAddress.write();
    else state.timer = setTimeout(wavesAddress.write, wait);
  },

  // Hiding or showing the notice changes the room the window has.
  waves_page_refuse_state__deps: ['$wavesPage'],
  waves_page_refuse_state: function (reason) {
    const notice = document.getElementById('waves-state-refused');
    const text = UTF8ToString(reason);
    if (!text && notice.hidden) return;
    notice.hidden = !text;
    if (text) notice.textContent = wavesRefusedLesson.replace('%1', function () { return text; });
    if (wavesPage.windowBox) Module['_waves_viewport_changed']();
  },
});
