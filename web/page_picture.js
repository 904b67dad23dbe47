// The picture of the window's client area as the page shows it, at the
// device's resolution, for a copy (page_copy.js): composed on a canvas from
// what the elements are and where the browser has laid them out.
//
// Every control paints, in the order the page stacks them, its background,
// its borders (solid, or outset and inset as two shades), the bevel of a
// frame, the canvas of a graph pixel for pixel (it already covers exactly
// its device pixels), the radio button of an option, the arrows of an arrow
// pair, and then its texts, each at the place and in the font the browser
// set it. Texts only screen readers hear are left out.

mergeInto(LibraryManager.library, {
  $wavesPicture__deps: ['$wavesPage'],
  $wavesPicture: {
    light: '#ffffff',
    shadow: '#808080',

    visible: function (element) {
      if (element.hidden || element.classList.contains('spoken')) return false;
      const style = getComputedStyle(element);
      return style.display !== 'none' && style.visibility !== 'hidden';
    },

    // The picture's coordinates of a box of the page: device pixels from
    // the client area's top-left corner, each edge on the device pixel the
    // browser snaps it to.
    Mapper: function (origin) {
      const ratio = devicePixelRatio;
      const snap = function (at) { return Math.round(at * ratio); };
      return function (box) {
        const x = snap(box.left) - snap(origin.left);
        const y = snap(box.top) - snap(origin.top);
        return { x: x, y: y, w: snap(box.left + box.width) - snap(origin.left) - x,
                 h: snap(box.top + box.height) - snap(origin.top) - y };
      };
    },

    // A border of two shades, as CSS draws outset and inset ones.
    bevel: function (context, box, width, topLeft, bottomRight) {
      context.fillStyle = topLeft;
      context.fillRect(box.x, box.y, box.w, width);
      context.fillRect(box.x, box.y, width, box.h);
      context.fillStyle = bottomRight;
      context.fillRect(box.x, box.y + box.h - width, box.w, width);
      context.fillRect(box.x + box.w - width, box.y, width, box.h);
    },

    borders: function (context, box, style, scale) {
      const sides = ['Top', 'Right', 'Bottom', 'Left'];
      const widths = sides.map(function (side) { return parseFloat(style['border' + side + 'Width']) * scale; });
      const kind = style.borderTopStyle;
      if (kind === 'none' || widths.every(function (width) { return width === 0; })) return;
      if (kind === 'outset' || kind === 'inset') {
        const outset = kind === 'outset';
        wavesPicture.bevel(context, box, widths[0], outset ? wavesPicture.light : wavesPicture.shadow,
                           outset ? wavesPicture.shadow : wavesPicture.light);
        return;
      }
      const rectangles = [[box.x, box.y, box.w, widths[0]], [box.x + box.w - widths[1], box.y, widths[1], box.h],
                          [box.x, box.y + box.h - widths[2], box.w, widths[2]], [box.x, box.y, widths[3], box.h]];
      sides.forEach(function (side, index) {
        context.fillStyle = style['border' + side + 'Color'];
        context.fillRect.apply(context, rectangles[index]);
      });
    },

    radio: function (context, box, checked) {
      const radius = Math.min(box.w, box.h) / 2;
      const x = box.x + box.w / 2;
      const y = box.y + box.h / 2;
      context.beginPath();
      context.arc(x, y, radius - devicePixelRatio / 2, 0, 2 * Math.PI);
      context.fillStyle = wavesPicture.light;
      context.fill();
      context.lineWidth = devicePixelRatio;
      context.strokeStyle = '#767676';
      context.stroke();
      if (!checked) return;
      context.beginPath();
      context.arc(x, y, radius * 0.5, 0, 2 * Math.PI);
      context.fillStyle = '#0060df';
      context.fill();
    },

    // The triangle of an arrow of a pair, as its ::after draws it.
    arrow: function (context, element, box, scale) {
      const style = getComputedStyle(element, '::after');
      const up = element.classList.contains('up');
      const half = parseFloat(style.borderTopWidth) * scale;
      const x = box.x + box.w / 2;
      const tip = box.y + box.h / 2 + (up ? -1.5 * half : 1.5 * half);
      const base = box.y + box.h / 2 + (up ? 0.5 * half : -0.5 * half);
      context.beginPath();
      context.moveTo(x, tip);
      context.lineTo(x + half, base);
      context.lineTo(x - half, base);
      context.closePath();
      context.fillStyle = up ? style.borderBottomColor : style.borderTopColor;
      context.fill();
    },

    text: function (context, node, style, map, scale) {
      const text = node.textContent;
      if (!text.trim()) return;
      const range = document.createRange();
      range.selectNodeContents(node);
      const box = map(range.getBoundingClientRect());
      if (box.w === 0) return;
      context.font = style.fontStyle + ' ' + style.fontWeight + ' ' + parseFloat(style.fontSize) * scale + 'px ' +
                     style.fontFamily;
      context.fillStyle = style.color;
      context.textAlign = 'left';
      context.textBaseline = 'alphabetic';
      const metrics = context.measureText(text);
      const ascent = metrics.fontBoundingBoxAscent;
      const descent = metrics.fontBoundingBoxDescent;
      context.fillText(text, box.x, box.y + (box.h - ascent - descent) / 2 + ascent);
    },

    paint: function (context, element, map, scale) {
      if (!wavesPicture.visible(element)) return;
      const style = getComputedStyle(element);
      const page = element.getBoundingClientRect();
      const box = map(page);
      if (style.backgroundColor && style.backgroundColor !== 'transparent' &&
          style.backgroundColor !== 'rgba(0, 0, 0, 0)') {
        context.fillStyle = style.backgroundColor;
        context.fillRect(box.x, box.y, box.w, box.h);
      }
      wavesPicture.borders(context, box, style, scale);
      const classes = element.classList;
      if (classes.contains('frame')) {
        const line = scale;
        wavesPicture.bevel(context, box, line, wavesPicture.shadow, wavesPicture.light);
        wavesPicture.bevel(context, { x: box.x + line, y: box.y + line, w: box.w - 2 * line, h: box.h - 2 * line },
                           line, wavesPicture.light, wavesPicture.shadow);
      }
      if (element instanceof HTMLCanvasElement && element.width > 0 && element.height > 0) {
        const inset = parseFloat(style.borderLeftWidth) * wavesPage.zoom;
        const content = map({ left: page.left + inset, top: page.top + inset, width: 0, height: 0 });
        context.drawImage(element, content.x, content.y);
      }
      if (element instanceof HTMLInputElement && element.type === 'radio') {
        wavesPicture.radio(context, box, element.checked);
      }
      if (classes.contains('arrow')) wavesPicture.arrow(context, element, box, scale);
      const children = [...element.childNodes];
      // A frame's caption lies over its bevel, so it comes after it.
      for (const child of children) {
        if (child.nodeType === Node.TEXT_NODE) wavesPicture.text(context, child, style, map, scale);
        else if (child.nodeType === Node.ELEMENT_NODE) wavesPicture.paint(context, child, map, scale);
      }
    },
  },

  // A canvas with the picture of the client area, at the device's pixels.
  $wavesWindowPicture__deps: ['$wavesPage', '$wavesPicture'],
  $wavesWindowPicture: function () {
    const client = wavesPage.client;
    const origin = client.getBoundingClientRect();
    const picture = document.createElement('canvas');
    picture.width = Math.round(origin.width * devicePixelRatio);
    picture.height = Math.round(origin.height * devicePixelRatio);
    const context = picture.getContext('2d');
    // Lengths the browser computes are the window's own, before its zoom.
    const scale = wavesPage.zoom * devicePixelRatio;
    const map = wavesPicture.Mapper(origin);
    context.fillStyle = getComputedStyle(client).backgroundColor;
    context.fillRect(0, 0, picture.width, picture.height);
    const controls = [...client.children].sort(function (one, other) {
      return (Number(one.style.zIndex) || 0) - (Number(other.style.zIndex) || 0);
    });
    for (const control of controls) wavesPicture.paint(context, control, map, scale);
    return picture;
  },
});
