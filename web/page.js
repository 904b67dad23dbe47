// The web page's side of the program: it makes the elements that the
// program asks for, shows the pictures the program draws, and reports the
// user's pointer and keyboard events back to the program's handlers.
//
// It holds no data of its own: positions, captions, colours, fonts and
// names all arrive through these calls, from the layout tables the desktop
// window is built from, and names in the page's language (start.js).
// The layout's captions are English, and marked so. Text is only ever set
// as text (textContent, an attribute), never parsed as HTML.

mergeInto(LibraryManager.library, {
  $wavesPage__deps: ['$wavesAddress'],
  $wavesPage: {
    elements: [],      // by control id
    windowBox: null,   // the window's frame, placed in the page
    client: null,      // the window's client area, where the controls live
    hidden: null,      // descriptions that screen readers read, not shown
    zoom: 1,           // the window's scale (waves_page_zoom_window)
    // An arrow held down steps again after a pause, then at a steady rate,
    // as on the desktop.
    repeatDelay: 500,
    repeatInterval: 50,
    held: null,        // {timer, element, pointer} while an arrow is held down
    // Every canvas tells the program how many device pixels it covers, when
    // it is first shown and whenever that changes, and the program draws its
    // picture at that size: one canvas pixel to each device pixel.
    sizer: null,       // the ResizeObserver of the canvases
    graphIds: null,    // a Map: canvas -> control id
    unsized: null,     // a Set of the canvases whose size the program has not heard yet
    whenSized: null,   // what to do once it has heard them all
    // Where the program put each canvas, in the window's pixels; the page
    // moves its edges onto whole device pixels (snap) and knows from that
    // how many device pixels it covers, whether or not the browser counts
    // them itself (device-pixel-content-box).
    graphBoxes: null,  // a Map: canvas -> [left, top, width, height]
    graphDevice: null, // a Map: canvas -> [width, height] in device pixels
    countsDevicePixels: typeof ResizeObserverEntry !== 'undefined' &&
                        'devicePixelContentBoxSize' in ResizeObserverEntry.prototype,
    frameBorder: 0,    // the window's border and caption, in the window's pixels
    captionHeight: 0,
    caption: null,
    origin: [0, 0],    // where the core placed the window, in the viewport's pixels

    kinds: ['frame', 'graph', 'label', 'option', 'push', 'spin'],


    px: function (value) { return value + 'px'; },

    // Device pixels to one of the window's pixels.
    devicePerPixel: function () { return wavesPage.zoom * devicePixelRatio; },

    // A length in the window's pixels moved to the nearest whole device pixel.
    snapped: function (value) {
      const k = wavesPage.devicePerPixel();
      return Math.round(value * k) / k;
    },

    // The window's client area and every canvas start on a whole device
    // pixel and span whole device pixels, so the bitmap each canvas gets
    // is the very grid of device pixels that shows it.
    snapToDevicePixels: function () {
      if (!wavesPage.windowBox) return;
      const k = wavesPage.devicePerPixel();
      const border = Math.max(1, Math.round(wavesPage.frameBorder * k));
      wavesPage.windowBox.style.borderWidth = wavesPage.px(border / k);
      wavesPage.caption.style.height = wavesPage.px(wavesPage.snapped(wavesPage.captionHeight));
      for (const canvas of wavesPage.graphBoxes.keys()) {
        const box = wavesPage.graphBoxes.get(canvas);
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
        const device = [Math.max(0, right - left - 2 * line), Math.max(0, bottom - top - 2 * line)];
        const known = wavesPage.graphDevice.get(canvas);
        wavesPage.graphDevice.set(canvas, device);
        if (!wavesPage.countsDevicePixels && known && (known[0] !== device[0] || known[1] !== device[1])) {
          Module['_waves_graph_resized'](wavesPage.graphIds.get(canvas), device[0], device[1]);
        }
      }
      wavesPage.placeWindow();
    },

    // The window's client area on a whole device pixel of the viewport.
    placeWindow: function () {
      const ratio = devicePixelRatio;
      const zoom = wavesPage.zoom;
      const inset = parseFloat(wavesPage.windowBox.style.borderWidth || '0') * zoom;
      const above = inset + parseFloat(wavesPage.caption.style.height || '0') * zoom;
      const left = Math.round((wavesPage.origin[0] + inset) * ratio) / ratio - inset;
      const top = Math.round((wavesPage.origin[1] + wavesAddress.noticeHeight() + above) * ratio) / ratio - above;
      wavesPage.windowBox.style.left = wavesPage.px(Math.max(0, left) / zoom);
      wavesPage.windowBox.style.top = wavesPage.px(Math.max(0, top) / zoom);
    },

    place: function (element, left, top, width, height, stacking) {
      const style = element.style;
      style.left = wavesPage.px(left);
      style.top = wavesPage.px(top);
      style.width = wavesPage.px(width);
      style.height = wavesPage.px(height);
      style.zIndex = String(stacking);
    },

    // The text a screen reader reads as the element's description, kept in
    // a hidden element that the element points to.
    describe: function (element, text) {
      const id = element.id + '-description';
      let description = document.getElementById(id);
      if (!text) {
        if (description) description.remove();
        element.removeAttribute('aria-describedby');
        return;
      }
      if (!description) {
        description = document.createElement('div');
        description.id = id;
        wavesPage.hidden.append(description);
        element.setAttribute('aria-describedby', id);
      }
      description.textContent = text;
    },

    step: function (id, up) { Module['_waves_spin'](id, up ? 1 : 0); },

    // Stops a held arrow; for an event of another pointer than the one
    // holding it, nothing.
    release: function (event) {
      const held = wavesPage.held;
      if (!held) return;
      if (event && event.pointerId !== undefined && event.pointerId !== held.pointer) return;
      clearTimeout(held.timer);
      clearInterval(held.timer);
      held.element.classList.remove('up-pressed', 'down-pressed');
      wavesPage.held = null;
    },

    // Pointer and keyboard for an arrow pair: the upper half steps up, the
    // lower half down, for a mouse, a finger or a pen alike; Up and Down do
    // the same from the keyboard.
    bindSpin: function (element, id) {
      // A finger or a pen is captured by the element it lands on (an arrow),
      // at once or when it first moves; without that capture the pair hears
      // it leave, as it hears the mouse.
      const uncapture = function (event) {
        if (event.target.hasPointerCapture(event.pointerId)) event.target.releasePointerCapture(event.pointerId);
      };
      element.addEventListener('gotpointercapture', uncapture);
      // Each half is its own element and hears its own presses, so which
      // half was pressed never rests on comparing a pointer's position with
      // a box measured in another space (inside a zoomed window not every
      // browser measures both in the same pixels).
      for (const arrow of element.querySelectorAll('.arrow')) {
        const up = arrow.classList.contains('up');
        arrow.addEventListener('pointerdown', function (event) {
          if (event.button !== 0) return;
          wavesPage.release();
          uncapture(event);
          element.classList.add(up ? 'up-pressed' : 'down-pressed');
          const held = { element: element, timer: 0, pointer: event.pointerId };
          wavesPage.held = held;
          wavesPage.step(id, up);
          held.timer = setTimeout(function () {
            wavesPage.step(id, up);
            held.timer = setInterval(function () { wavesPage.step(id, up); }, wavesPage.repeatInterval);
          }, wavesPage.repeatDelay);
        });
      }
      for (const name of ['pointerup', 'pointercancel', 'pointerleave']) {
        element.addEventListener(name, wavesPage.release);
      }
      element.addEventListener('keydown', function (event) {
        if (event.key !== 'ArrowUp' && event.key !== 'ArrowDown') return;
        event.preventDefault();
        wavesPage.step(id, event.key === 'ArrowUp');
      });
    },

    create: function (kind, id, caption, parent) {
      let element;
      switch (kind) {
        case 'frame':
          element = document.createElement('div');
          if (caption) {
            const title = document.createElement('span');
            title.lang = 'en';
            title.className = 'caption';
            title.id = 'control-' + id + '-caption';
            title.textContent = caption;
            element.append(title);
            element.setAttribute('aria-labelledby', title.id);
          }
          break;
        case 'graph':
          element = document.createElement('canvas');
          element.setAttribute('role', 'img');
          element.tabIndex = 0;
          wavesPage.graphIds.set(element, id);
          wavesPage.observe(element);
          break;
        case 'label':
          element = document.createElement('div');
          element.append(document.createElement('span'), caption);
          if (caption) element.lang = 'en';
          break;
        case 'option': {
          element = document.createElement('label');
          const input = document.createElement('input');
          input.type = 'radio';
          input.id = 'control-' + id + '-input';
          input.name = 'group-' + parent;
          input.addEventListener('change', function () {
            if (input.checked) Module['_waves_click'](id);
          });
          const text = document.createElement('span');
          text.lang = 'en';
          text.textContent = caption;
          element.append(input, text);
          break;
        }
        case 'push':
          element = document.createElement('button');
          element.type = 'button';
          element.textContent = caption;
          element.addEventListener('click', function () { Module['_waves_click'](id); });
          break;
        case 'spin':
          element = document.createElement('div');
          element.setAttribute('role', 'spinbutton');
          element.tabIndex = 0;
          for (const half of ['up', 'down']) {
            const arrow = document.createElement('span');
            arrow.className = 'arrow ' + half;
            element.append(arrow);
          }
          wavesPage.bindSpin(element, id);
          break;
      }
      element.id = 'control-' + id;
      element.className = (element.className ? element.className + ' ' : '') + 'control ' + kind;
      return element;
    },

    observe: function (canvas) {
      wavesPage.unsized.add(canvas);
      if (wavesPage.countsDevicePixels) wavesPage.sizer.observe(canvas, { box: 'device-pixel-content-box' });
      else wavesPage.sizer.observe(canvas);
    },

    sized: function (entries) {
      for (const entry of entries) {
        const canvas = entry.target;
        const device = entry.devicePixelContentBoxSize && entry.devicePixelContentBoxSize[0];
        // Without the browser's count, the count the snapped edges make.
        const counted = device ? [device.inlineSize, device.blockSize] : wavesPage.graphDevice.get(canvas);
        const width = counted[0];
        const height = counted[1];
        Module['_waves_graph_resized'](wavesPage.graphIds.get(canvas), width, height);
        wavesPage.unsized.delete(canvas);
      }
      if (wavesPage.unsized.size === 0 && wavesPage.whenSized) {
        const then = wavesPage.whenSized;
        wavesPage.whenSized = null;
        then();
      }
    },

    // The element that answers for a control to assistive technology.
    named: function (id) {
      const element = wavesPage.elements[id];
      return element.classList.contains('option') ? element.querySelector('input') : element;
    },
  },

  waves_page_open_window__deps: ['$wavesPage', '$wavesAddress'],
  waves_page_open_window: function (title, outerWidth, outerHeight, clientWidth, clientHeight, border,
                                    background) {
    const main = document.getElementById('waves');
    const text = UTF8ToString(title);
    document.title = text;
    const box = document.createElement('div');
    box.className = 'window';
    box.style.width = wavesPage.px(outerWidth);
    box.style.height = wavesPage.px(outerHeight);
    box.style.borderWidth = wavesPage.px(border);
    wavesPage.frameBorder = border;
    wavesPage.captionHeight = outerHeight - clientHeight - 2 * border;
    const caption = document.createElement('h1');
    wavesPage.caption = caption;
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
    wavesPage.sizer = new ResizeObserver(wavesPage.sized);
    wavesPage.graphIds = new Map();
    wavesPage.graphBoxes = new Map();
    wavesPage.graphDevice = new Map();
    wavesPage.unsized = new Set();

    // A long press opens no menu over the window; the mouse's right button
    // still offers the browser's menu of a graph's picture.
    box.addEventListener('contextmenu', function (event) {
      if (event.pointerType !== 'mouse' || !wavesPage.graphIds.has(event.target)) event.preventDefault();
    });
    // The browser's zoom changes the viewport; the window is fitted to it again.
    addEventListener('resize', function () { Module['_waves_viewport_changed'](); });
    // A new device pixel ratio changes the canvases' device pixels; not
    // every browser reports that by itself, so each canvas is measured again.
    (function watchRatio() {
      matchMedia('(resolution: ' + devicePixelRatio + 'dppx)').addEventListener('change', function () {
        wavesPage.snapToDevicePixels();
        for (const canvas of wavesPage.graphIds.keys()) {
          wavesPage.sizer.unobserve(canvas);
          wavesPage.observe(canvas);
        }
        watchRatio();
      }, { once: true });
    })();
    addEventListener('hashchange', wavesAddress.changedOutside);
    // An arrow stops repeating wherever the pointer is let go.
    addEventListener('pointerup', wavesPage.release);
    addEventListener('blur', wavesPage.release);
  },

  // CSS zoom lays the window out again at the new size, so its text is set
  // at the scaled size and its canvases cover whole device pixels.
  waves_page_zoom_window__deps: ['$wavesPage'],
  waves_page_zoom_window: function (scale) {
    wavesPage.zoom = scale;
    wavesPage.windowBox.style.zoom = String(scale);
    wavesPage.snapToDevicePixels();
  },

  // The zoom scales the window's own left and top too (placeWindow).
  waves_page_place_window__deps: ['$wavesPage', '$wavesAddress'],
  waves_page_place_window: function (left, top) {
    wavesPage.origin = [left, top];
    wavesPage.placeWindow();
  },

  waves_page_viewport_width: function () { return document.documentElement.clientWidth; },
  waves_page_viewport_height__deps: ['$wavesAddress'],
  waves_page_viewport_height: function () {
    return Math.max(0, document.documentElement.clientHeight - wavesAddress.noticeHeight());
  },

  waves_page_add_control__deps: ['$wavesPage'],
  waves_page_add_control: function (id, name, kind, parent, left, top, width, height, stacking, caption) {
    const element = wavesPage.create(wavesPage.kinds[kind], id, UTF8ToString(caption), parent);
    element.dataset.name = UTF8ToString(name);
    wavesPage.place(element, left, top, width, height, stacking);
    if (wavesPage.graphIds.has(element)) {
      wavesPage.graphBoxes.set(element, [left, top, width, height]);
      wavesPage.snapToDevicePixels();
    }
    wavesPage.elements[id] = element;
    if (parent < 0) {
      wavesPage.client.append(element);
    } else {
      const group = wavesPage.elements[parent];
      group.setAttribute('role', 'radiogroup');
      group.append(element);
    }
  },

  waves_page_style_control__deps: ['$wavesPage'],
  waves_page_style_control: function (id, background, colour, fontFamily, fontPixels, italic, weight, align,
                                      transparent) {
    const style = wavesPage.elements[id].style;
    const back = UTF8ToString(background);
    const fore = UTF8ToString(colour);
    // A default background is one fixed grey, not the engine's own ButtonFace
    // (Firefox's is darker), so the text colours chosen legible on it are.
    style.backgroundColor = transparent ? 'transparent' : (back || '#efefef');
    style.color = fore || 'ButtonText';
    const family = UTF8ToString(fontFamily);
    if (family) {
      style.fontFamily = family;
      style.fontSize = wavesPage.px(fontPixels);
      style.fontStyle = italic ? 'italic' : 'normal';
      style.fontWeight = String(weight);
    }
    style.textAlign = ['left', 'right', 'center'][align];
  },

  waves_page_name_control__deps: ['$wavesPage'],
  waves_page_name_control: function (id, name, description) {
    const element = wavesPage.named(id);
    element.setAttribute('aria-label', UTF8ToString(name));
    if (element.classList.contains('frame') && !element.hasAttribute('role')) element.setAttribute('role', 'group');
    wavesPage.describe(element, UTF8ToString(description));
  },

  waves_page_own__deps: ['$wavesPage'],
  waves_page_own: function (owner, owned) {
    const element = wavesPage.elements[owner];
    const ids = element.getAttribute('aria-owns');
    const id = wavesPage.elements[owned].id;
    element.setAttribute('aria-owns', ids ? ids + ' ' + id : id);
  },

  // A value label reads with what it belongs to: "A amplitude 0.5".
  waves_page_set_subject__deps: ['$wavesPage'],
  waves_page_set_subject: function (id, subject) {
    const spoken = wavesPage.elements[id].firstChild;
    spoken.className = 'spoken';
    spoken.textContent = UTF8ToString(subject) + ' ';
  },

  waves_page_set_text__deps: ['$wavesPage'],
  waves_page_set_text: function (id, text) {
    wavesPage.elements[id].lastChild.textContent = UTF8ToString(text);
  },

  waves_page_set_value__deps: ['$wavesPage'],
  waves_page_set_value: function (id, text) {
    const element = wavesPage.elements[id];
    const value = UTF8ToString(text);
    element.setAttribute('aria-valuenow', String(Number(value)));
    element.setAttribute('aria-valuetext', value);
  },

  waves_page_set_checked__deps: ['$wavesPage'],
  waves_page_set_checked: function (id, checked) {
    const input = wavesPage.elements[id].querySelector('input');
    input.checked = checked !== 0;
  },

  waves_page_set_description__deps: ['$wavesPage'],
  waves_page_set_description: function (id, text) {
    wavesPage.describe(wavesPage.elements[id], UTF8ToString(text));
  },

  waves_page_show_picture__deps: ['$wavesPage'],
  waves_page_show_picture: function (id, pixels, width, height) {
    const canvas = wavesPage.elements[id];
    if (canvas.width !== width) canvas.width = width;
    if (canvas.height !== height) canvas.height = height;
    if (width === 0 || height === 0) return;
    const data = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4);
    canvas.getContext('2d').putImageData(new ImageData(data, width, height), 0, 0);
  },

  waves_page_ready__deps: ['$wavesPage'],
  waves_page_ready: function () {
    wavesPage.whenSized = function () {
      performance.mark('waves-ready');
      document.getElementById('waves').dataset.ready = 'true';
    };
    wavesPage.sized([]);
  },

  waves_page_translate: function (context, source) {
    const text = wavesTranslate(UTF8ToString(context), UTF8ToString(source));
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    if (copy) stringToUTF8(text, copy, size);
    return copy;
  },

  waves_page_fail: function (reason) {
    console.error('waves: ' + UTF8ToString(reason));
    document.getElementById('waves-failed').hidden = false;
  },
});
