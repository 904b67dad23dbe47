// The means over the product graphs (core/graphs/mean_overlay.h) in the
// page: the key M, which the program toggles them with, and the caption
// written over a graph's picture at the right end of its mean's line, so
// that it is part of the canvas's picture (saved and copied with it).

mergeInto(LibraryManager.library, {
  // Anywhere in the page, M (or m) without Ctrl, Alt or Meta; not while an
  // input method composes text.
  waves_page_listen_for_mean_key: function () {
    addEventListener('keydown', function (event) {
      if (event.key !== 'm' && event.key !== 'M') return;
      if (event.ctrlKey || event.altKey || event.metaKey || event.isComposing) return;
      event.preventDefault();
      Module['_waves_mean_key']();
    });
  },

  // Writes text right-aligned at the canvas's right edge, just above the
  // height fraction (0 top, 1 bottom) of its picture, or below it where
  // there is no room above, and always inside the picture. The font is
  // fontPixels of the layout's pixels, scaled as the canvas is.
  waves_page_show_mean_caption__deps: ['$wavesPage'],
  waves_page_show_mean_caption: function (id, text, fraction, fontPixels, fontFamily, colour) {
    const canvas = wavesPage.elements[id];
    if (canvas.width === 0 || canvas.height === 0) return;
    const scale = canvas.width / parseFloat(canvas.style.width);
    const size = Math.max(1, Math.round(fontPixels * scale));
    const gap = Math.max(1, Math.round(2 * scale));
    const line = fraction * canvas.height;
    let baseline = line - gap;
    if (baseline - size < 0) baseline = line + gap + size;
    baseline = Math.min(Math.max(baseline, size), canvas.height - gap);
    const context = canvas.getContext('2d');
    context.font = size + 'px ' + UTF8ToString(fontFamily);
    context.fillStyle = UTF8ToString(colour);
    context.textAlign = 'right';
    context.textBaseline = 'alphabetic';
    context.fillText(UTF8ToString(text), canvas.width - gap, baseline);
  },
});
