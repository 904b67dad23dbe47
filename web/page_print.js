// Printing the window alone: Ctrl+P or the browser's own print puts the
// window, without its caption bar, centred on one landscape sheet and
// scaled to fill it, on white, without the notices or the share dialog
// (the print style in page_tools.css).
//
// The scale is the largest at which the window fits the printable area of
// both an A4 and a US Letter sheet in landscape, within the page's margins
// (page_tools.css), so it is one sheet whichever the printer takes. Before
// the print, every graph is drawn again through the program, as when its
// canvas covers a new number of device pixels, at printDpi over that area,
// so that its lines are still one fine line on paper; after it, each
// canvas is measured again and gets back its picture for the screen.

mergeInto(LibraryManager.library, {
  $wavesPrint: {
    // The printable area, in CSS px (96 per inch): the smaller of A4 and
    // US Letter landscape each way, less the margins of @page.
    marginMm: 8,
    sheetsMm: [[297, 210], [279.4, 215.9]],
    printDpi: 300,
    zoom: 1,
    printing: false,

    pxOfMm: function (mm) { return mm * 96 / 25.4; },

    fit: function () {
      const print = wavesPrint;
      const box = wavesPage.windowBox;
      const caption = box.querySelector('h1');
      const width = parseFloat(box.style.width);
      const height = parseFloat(box.style.height) - parseFloat(caption.style.height);
      let across = Infinity;
      let down = Infinity;
      for (const sheet of print.sheetsMm) {
        across = Math.min(across, print.pxOfMm(sheet[0] - 2 * print.marginMm));
        down = Math.min(down, print.pxOfMm(sheet[1] - 2 * print.marginMm));
      }
      // A hair under, so that rounding never spills onto a second sheet.
      print.zoom = Math.min(across / width, down / height) * 0.995;
      box.style.setProperty('--waves-print-zoom', String(print.zoom));
    },

    // Device pixels of a canvas's content box at the print's resolution.
    before: function () {
      const print = wavesPrint;
      if (print.printing) return;
      print.printing = true;
      const perPixel = print.zoom * print.printDpi / 96;
      for (const canvas of wavesCanvasSize.graphIds.keys()) {
        const id = wavesCanvasSize.graphIds.get(canvas);
        const style = getComputedStyle(canvas);
        const width = parseFloat(style.width) - parseFloat(style.borderLeftWidth) - parseFloat(style.borderRightWidth);
        const height = parseFloat(style.height) - parseFloat(style.borderTopWidth) -
                       parseFloat(style.borderBottomWidth);
        Module['_waves_graph_resized'](id, Math.round(width * perPixel), Math.round(height * perPixel));
      }
    },

    after: function () {
      if (!wavesPrint.printing) return;
      wavesPrint.printing = false;
      wavesCanvasSize.measureAgain();
    },
  },

  waves_page_offer_print__deps: ['$wavesPrint', '$wavesPage', '$wavesCanvasSize'],
  waves_page_offer_print: function () {
    wavesPrint.fit();
    addEventListener('beforeprint', wavesPrint.before);
    addEventListener('afterprint', wavesPrint.after);
  },
});
