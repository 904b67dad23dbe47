// The picture blit: the RGBA pixels the program drew for a graph, straight
// from its memory into the graph's canvas, whose bitmap takes the picture's
// size (one canvas pixel to each device pixel, page_canvas_size.js).

mergeInto(LibraryManager.library, {
  waves_page_show_picture__deps: ['$wavesPage'],
  waves_page_show_picture: function (id, pixels, width, height) {
    const canvas = wavesPage.elements[id];
    if (canvas.width !== width) canvas.width = width;
    if (canvas.height !== height) canvas.height = height;
    if (width === 0 || height === 0) return;
    const data = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4);
    canvas.getContext('2d').putImageData(new ImageData(data, width, height), 0, 0);
  },
});
