// The picture blit: the RGBA pixels the program drew for a graph, straight
// from its memory into the graph's canvas, whose bitmap takes the picture's
// size (one canvas pixel to each device pixel, page_canvas_size.js).

mergeInto(LibraryManager.library, {
  // Each canvas's context and the view of the program's pixels it shows,
  // made again only when the picture moves, changes size, or the memory
  // grows (which detaches the old buffer): a redraw allocates nothing.
  $wavesBlit: {
    shown: null,  // a Map: canvas -> {context, pixels, image}, made at first use
  },

  waves_page_show_picture__deps: ['$wavesPage', '$wavesBlit'],
  waves_page_show_picture: function (id, pixels, width, height) {
    const canvas = wavesPage.elements[id];
    if (canvas.width !== width) canvas.width = width;
    if (canvas.height !== height) canvas.height = height;
    if (width === 0 || height === 0) return;
    if (!wavesBlit.shown) wavesBlit.shown = new Map();
    let shown = wavesBlit.shown.get(canvas);
    if (!shown || shown.pixels !== pixels || shown.image.width !== width || shown.image.height !== height ||
        shown.image.data.buffer !== HEAPU8.buffer) {
      const data = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4);
      shown = { context: canvas.getContext('2d'), pixels: pixels, image: new ImageData(data, width, height) };
      wavesBlit.shown.set(canvas, shown);
    }
    shown.context.putImageData(shown.image, 0, 0);
  },
});
