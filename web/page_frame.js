// The window's frame on the page: the window's box with its caption and
// client area, where it lies in the viewport, its zoom, and its edges and
// its canvases' edges moved onto whole device pixels.
//
// The core decides the window's size and place (fit to the viewport,
// centred); the page only shows it there, and tells the core when the
// viewport or the device pixel ratio changes.

mergeInto(LibraryManager.library, {
  $wavesFrame__deps: ['$wavesPage', '$wavesAddress', '$wavesCanvasSize'],
  $wavesFrame: {
    frameBorder: 0,    // the window's border and caption, in the window's pixels
    captionHeight: 0,
    caption: null,
    origin: [0, 0],    // where the core placed the window, in the viewport's pixels

    // Device pixels to one of the window's pixels.
    devicePerPixel: function () { return wavesPage.zoom * devicePixelRatio; },

    // A length in the window's pixels moved to the nearest whole device pixel.
    snapped: function (value) {
      const k = wavesFrame.devicePerPixel();
      return Math.round(value * k) / k;
    },

    // The window's client area and every canvas start on a whole device
    // pixel and span whole device pixels, so the bitmap each canvas gets
    // is the very grid of device pixels that shows it.
    snapToDevicePixels: function () {
      if (!wavesPage.windowBox) return;
      const k = wavesFrame.devicePerPixel();
      const border = Math.max(1, Math.round(wavesFrame.frameBorder * k));
      wavesPage.windowBox.style.borderWidth = wavesPage.px(border / k);
      wavesFrame.caption.style.height = wavesPage.px(wavesFrame.snapped(wavesFrame.captionHeight));
      for (const canvas of wavesCanvasSize.graphBoxes.keys()) {
        const box = wavesCanvasSize.graphBoxes.get(canvas);
        const left = Math.round(box[0] * k);
        const top = Math.round(box[1] * k);
        const right = Math.round((box[0] + box[2]) * k);
        const bottom = Math.round((box[1] + box[3]) * k);
        const line = Math.max(1, Math.round(k));
        const style = canvas.style;
        style.left = wavesPage.px(left / k);
        style.top = wavesPage.px(top / k);
        style.width = wavesPage.px((right - left) / k);
        style.height = wavesPage.px((bottom - top) / k);
        style.borderWidth = wavesPage.px(line / k);
        wavesCanvasSize.covers(canvas, [Math.max(0, right - left - 2 * line), Math.max(0, bottom - top - 2 * line)]);
      }
      wavesFrame.placeWindow();
    },

    // The window's client area on a whole device pixel of the viewport.
    placeWindow: function () {
      const ratio = devicePixelRatio;
      const zoom = wavesPage.zoom;
      const inset = parseFloat(wavesPage.windowBox.style.borderWidth || '0') * zoom;
      const above = inset + parseFloat(wavesFrame.caption.style.height || '0') * zoom;
      const left = Math.round((wavesFrame.origin[0] + inset) * ratio) / ratio - inset;
      const top = Math.round((wavesFrame.origin[1] + wavesAddress.noticeHeight() + above) * ratio) / ratio - above;
      wavesPage.windowBox.style.left = wavesPage.px(Math.max(0, left) / zoom);
      wavesPage.windowBox.style.top = wavesPage.px(Math.max(0, top) / zoom);
    },
  },

  waves_page_open_window__deps: ['$wavesPage', '$wavesFrame', '$wavesCanvasSize', '$wavesRepeat', '$wavesAddress'],
  waves_page_open_window: function (title, outerWidth, outerHeight, clientWidth, clientHeight, border,
                                    background) {
    const main = document.getElementById('waves');
    const text = UTF8ToString(title);
    const box = document.createElement('div');
    box.className = 'window';
    box.style.width = wavesPage.px(outerWidth);
    box.style.height = wavesPage.px(outerHeight);
    box.style.borderWidth = wavesPage.px(border);
    wavesFrame.frameBorder = border;
    wavesFrame.captionHeight = outerHeight - clientHeight - 2 * border;
    const caption = document.createElement('h1');
    wavesFrame.caption = caption;
    caption.lang = 'ja';
    caption.textContent = text;
    caption.style.height = wavesPage.px(outerHeight - clientHeight - 2 * border);
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = wavesPage.px(clientWidth);
    client.style.height = wavesPage.px(clientHeight);
    client.style.backgroundColor = UTF8ToString(background);
    const hidden = document.createElement('div');
    hidden.hidden = true;
    box.append(caption, client);
    main.append(box, hidden);
    wavesPage.windowBox = box;
    wavesPage.client = client;
    wavesPage.hidden = hidden;
    wavesCanvasSize.start();

    // A long press opens no menu over the window; the mouse's right button
    // still offers the browser's menu of a graph's picture.
    box.addEventListener('contextmenu', function (event) {
      if (event.pointerType !== 'mouse' || !wavesCanvasSize.graphIds.has(event.target)) event.preventDefault();
    });
    // The browser's zoom changes the viewport; the window is fitted to it again.
    addEventListener('resize', function () { Module['_waves_viewport_changed'](); });
    // A new device pixel ratio changes the canvases' device pixels; not
    // every browser reports that by itself, so each canvas is measured again.
    (function watchRatio() {
      matchMedia('(resolution: ' + devicePixelRatio + 'dppx)').addEventListener('change', function () {
        wavesFrame.snapToDevicePixels();
        wavesCanvasSize.measureAgain();
        watchRatio();
      }, { once: true });
    })();
    addEventListener('hashchange', wavesAddress.changedOutside);
    // An arrow stops repeating wherever the pointer is let go.
    addEventListener('pointerup', wavesRepeat.release);
    addEventListener('blur', wavesRepeat.release);
  },

  // CSS zoom lays the window out again at the new size, so its text is set
  // at the scaled size and its canvases cover whole device pixels.
  waves_page_zoom_window__deps: ['$wavesPage', '$wavesFrame'],
  waves_page_zoom_window: function (scale) {
    wavesPage.zoom = scale;
    wavesPage.windowBox.style.zoom = String(scale);
    wavesFrame.snapToDevicePixels();
  },

  // The zoom scales the window's own left and top too (placeWindow).
  waves_page_place_window__deps: ['$wavesFrame'],
  waves_page_place_window: function (left, top) {
    wavesFrame.origin = [left, top];
    wavesFrame.placeWindow();
  },

  waves_page_viewport_width: function () { return document.documentElement.clientWidth; },
  waves_page_viewport_height__deps: ['$wavesAddress'],
  waves_page_viewport_height: function () {
    return Math.max(0, document.documentElement.clientHeight - wavesAddress.noticeHeight());
  },
});
