// How many device pixels each canvas covers, told to the program: when the
// canvas is first shown and whenever that changes, the program hears it
// (waves_graph_resized) and draws its picture at that size, one canvas
// pixel to each device pixel.
//
// A ResizeObserver watches the canvases. Where the browser counts device
// pixels itself (device-pixel-content-box) its count is the size; elsewhere
// the count that the window's snapped edges make (page_frame.js) is.

mergeInto(LibraryManager.library, {
  $wavesCanvasSize: {
    sizer: null,       // the ResizeObserver of the canvases
    graphIds: null,    // a Map: canvas -> control id
    unsized: null,     // a Set of the canvases whose size the program has not heard yet
    whenSized: null,   // what to do once it has heard them all
    // Where the program put each canvas, in the window's pixels, and how
    // many device pixels its snapped edges enclose.
    graphBoxes: null,  // a Map: canvas -> [left, top, width, height]
    graphDevice: null, // a Map: canvas -> [width, height] in device pixels
    countsDevicePixels: typeof ResizeObserverEntry !== 'undefined' &&
                        'devicePixelContentBoxSize' in ResizeObserverEntry.prototype,

    // Once the window is open: no canvas yet.
    start: function () {
      wavesCanvasSize.sizer = new ResizeObserver(wavesCanvasSize.sized);
      wavesCanvasSize.graphIds = new Map();
      wavesCanvasSize.graphBoxes = new Map();
      wavesCanvasSize.graphDevice = new Map();
      wavesCanvasSize.unsized = new Set();
    },

    observe: function (canvas) {
      wavesCanvasSize.unsized.add(canvas);
      if (wavesCanvasSize.countsDevicePixels) wavesCanvasSize.sizer.observe(canvas, { box: 'device-pixel-content-box' });
      else wavesCanvasSize.sizer.observe(canvas);
    },

    // Every canvas measured again, as if it were new.
    measureAgain: function () {
      for (const canvas of wavesCanvasSize.graphIds.keys()) {
        wavesCanvasSize.sizer.unobserve(canvas);
        wavesCanvasSize.observe(canvas);
      }
    },

    // The device pixels the canvas's snapped edges enclose; where the browser
    // does not count them itself, a new count is the canvas's new size.
    covers: function (canvas, device) {
      const known = wavesCanvasSize.graphDevice.get(canvas);
      wavesCanvasSize.graphDevice.set(canvas, device);
      if (!wavesCanvasSize.countsDevicePixels && known && (known[0] !== device[0] || known[1] !== device[1])) {
        Module['_waves_graph_resized'](wavesCanvasSize.graphIds.get(canvas), device[0], device[1]);
      }
    },

    sized: function (entries) {
      for (const entry of entries) {
        const canvas = entry.target;
        const device = entry.devicePixelContentBoxSize && entry.devicePixelContentBoxSize[0];
        // Without the browser's count, the count the snapped edges make.
        const counted = device ? [device.inlineSize, device.blockSize] : wavesCanvasSize.graphDevice.get(canvas);
        const width = counted[0];
        const height = counted[1];
        Module['_waves_graph_resized'](wavesCanvasSize.graphIds.get(canvas), width, height);
        wavesCanvasSize.unsized.delete(canvas);
      }
      if (wavesCanvasSize.unsized.size === 0 && wavesCanvasSize.whenSized) {
        const then = wavesCanvasSize.whenSized;
        wavesCanvasSize.whenSized = null;
        then();
      }
    },
  },

  // The page is ready once the program has heard every canvas's size.
  waves_page_ready__deps: ['$wavesCanvasSize'],
  waves_page_ready: function () {
    wavesCanvasSize.whenSized = function () {
      performance.mark('waves-ready');
      document.getElementById('waves').dataset.ready = 'true';
    };
    wavesCanvasSize.sized([]);
  },
});
