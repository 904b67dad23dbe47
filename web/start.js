// Runs before the program: chooses the page's language, makes sure the
// browser can run the program, and loads the WebAssembly module from the
// page itself, with no request of any kind.
//
// The language is the first of the browser's languages (navigator.languages)
// that the page has translations for (wavesTranslations, built from the
// program's translation file), English if none; the document's lang says
// which. Where WebAssembly or a 2D canvas is missing, or the program stops,
// the page shows one sentence that says so instead of staying blank.

// Marks a text for Qt's lupdate, which finds the page's own texts here.
function QT_TRANSLATE_NOOP(context, text) { return text; }

var wavesLanguage = (function () {
  const wanted = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language];
  for (const tag of wanted) {
    const primary = String(tag).toLowerCase().split('-')[0];
    if (primary === 'en' || wavesTranslations[primary]) return primary;
  }
  return 'en';
})();

function wavesTranslate(context, source) {
  const table = wavesTranslations[wavesLanguage];
  const text = table && table[context + '\u0004' + source];
  return text || source;
}

// The sentence a page opened with a lesson it cannot show says; %1 is why.
var wavesRefusedLesson = wavesTranslate('WebPage', QT_TRANSLATE_NOOP('WebPage',
    'The lesson in this link could not be opened: %1 The page starts as usual.'));

(function () {
  document.documentElement.lang = wavesLanguage;
  const notices = {
    'waves-unavailable': QT_TRANSLATE_NOOP('WebPage', 'This page needs a browser that runs WebAssembly and ' +
                                                      'draws on a canvas, such as a current Chrome, Edge, ' +
                                                      'Firefox or Safari.'),
    'waves-failed': QT_TRANSLATE_NOOP('WebPage', 'The program could not start; please reload the page.'),
  };
  // The page's sentence for a browser without JavaScript is in its
  // <noscript>, filled in from the translation file when the page is built.
  QT_TRANSLATE_NOOP('WebPage', 'This page needs JavaScript; please allow it for this page.');
  for (const id in notices) document.getElementById(id).textContent = wavesTranslate('WebPage', notices[id]);

  function show(id) {
    const notice = document.getElementById(id);
    if (notice) notice.hidden = false;
  }
  const canvas = document.createElement('canvas');
  const usable = typeof WebAssembly === 'object' && typeof WebAssembly.instantiate === 'function' &&
                 typeof DecompressionStream === 'function' &&
                 typeof canvas.getContext === 'function' && canvas.getContext('2d') !== null;
  if (!usable) {
    show('waves-unavailable');
    Module['noInitialRun'] = true;
    Module['instantiateWasm'] = function () { return {}; };
    return;
  }
  Module['onAbort'] = function () { show('waves-failed'); };
  // The runtime would call main through exit(), which unwinds by throwing
  // once main has returned; this program's runtime lives on after main, so
  // main is called as it is.
  Module['noInitialRun'] = true;
  Module['onRuntimeInitialized'] = function () { Module['_main'](0, 0); };
  // The module is part of this file, gzip-compressed (seal_page.py):
  // instantiate it from its bytes, without a fetch (which the page's
  // security policy forbids), compiling it while it is decompressed where
  // the browser can (instantiateStreaming), else once it is whole.
  Module['instantiateWasm'] = function (imports, receive) {
    // Decoded natively where the browser can, else by Emscripten's decoder.
    const encoded = wasmBinaryFile.slice(wasmBinaryFile.indexOf(',') + 1);
    const bytes = Uint8Array.fromBase64 ? Uint8Array.fromBase64(encoded) : tryParseAsDataURI(wasmBinaryFile);
    const unpacked = function () {
      return new Response(new Response(bytes).body.pipeThrough(new DecompressionStream('gzip')),
                          { headers: { 'Content-Type': 'application/wasm' } });
    };
    const whole = function () {
      return unpacked().arrayBuffer().then(function (module) { return WebAssembly.instantiate(module, imports); });
    };
    const instantiated = typeof WebAssembly.instantiateStreaming === 'function'
        ? WebAssembly.instantiateStreaming(unpacked(), imports).catch(whole) : whole();
    instantiated.then(
      function (result) { receive(result.instance); },
      function (error) { console.error(error); show('waves-failed'); });
    return {};
  };
})();
