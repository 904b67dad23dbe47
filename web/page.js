// The web page's side of the program: the elements of the program's
// controls, by control id, and the calls by which the program sets their
// text, values, names and descriptions. The window's frame (page_frame.js),
// the elements of each kind (page_factory.js), held arrows (page_repeat.js),
// the canvases' device pixels (page_canvas_size.js) and the pictures
// (page_blit.js) have their own files.
//
// It holds no data of its own: positions, captions, colours, fonts and
// names all arrive through these calls, from the layout tables the desktop
// window is built from, the layout's names for kinds and alignments from
// wavesLayoutFacts (built from the same layout), and names in the page's
// language (start.js). The layout's captions are English, and marked so.
// Text is only ever set as text (textContent, an attribute), never parsed
// as HTML.

mergeInto(LibraryManager.library, {
  $wavesPage: {
    elements: [],      // by control id
    windowBox: null,   // the window's frame, placed in the page (page_frame.js)
    client: null,      // the window's client area, where the controls live
    hidden: null,      // descriptions that screen readers read, not shown
    zoom: 1,           // the window's scale (waves_page_zoom_window)

    px: function (value) { return value + 'px'; },

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

    // The element that answers for a control to assistive technology.
    named: function (id) {
      const element = wavesPage.elements[id];
      return element.classList.contains('option') ? element.querySelector('input') : element;
    },
  },

  waves_page_add_control__deps: ['$wavesPage', '$wavesFactory', '$wavesCanvasSize'],
  waves_page_add_control: function (id, name, kind, parent, left, top, width, height, stacking, caption) {
    const element = wavesFactory.create(wavesLayoutFacts.kinds[kind], id, UTF8ToString(caption), parent);
    element.dataset.name = UTF8ToString(name);
    wavesPage.place(element, left, top, width, height, stacking);
    // Its edges move onto device pixels when the window is sized, which
    // start-up does once every control is built (waves_page_zoom_window).
    if (wavesCanvasSize.graphIds.has(element)) wavesCanvasSize.graphBoxes.set(element, [left, top, width, height]);
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
    style.textAlign = wavesLayoutFacts.alignments[align];
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
