// Runs before the program: makes sure the browser can run it, and loads the
// WebAssembly module from the page itself, with no request of any kind.
//
// Where WebAssembly or a 2D canvas is missing, or the program stops, the page
// shows one sentence that says so instead of staying blank.
(function () {
  function show(id) {
    const notice = document.getElementById(id);
    if (notice) notice.hidden = false;
  }
  const canvas = document.createElement('canvas');
  const usable = typeof WebAssembly === 'object' && typeof WebAssembly.instantiate === 'function' &&
                 typeof canvas.getContext === 'function' && canvas.getContext('2d') !== null;
  if (!usable) {
    show('waves-unavailable');
    Module['noInitialRun'] = true;
    Module['instantiateWasm'] = function () { return {}; };
    return;
  }
  Module['onAbort'] = function () { show('waves-failed'); };
  // The module is part of this file: instantiate it from its bytes, without
  // a fetch (which the page's security policy forbids).
  Module['instantiateWasm'] = function (imports, receive) {
    WebAssembly.instantiate(tryParseAsDataURI(wasmBinaryFile), imports).then(
      function (result) { receive(result.instance); },
      function (error) { console.error(error); show('waves-failed'); });
    return {};
  };
})();
