// Pictures for a worksheet, as on the desktop: Ctrl+C copies the picture
// of the window's client area as the page shows it (page_picture.js), and
// Ctrl+Shift+C that of the graph that has the focus (its canvas, without
// the frame round it), or of the window where no graph has it. Command
// takes the place of Ctrl on a Mac. While text is selected the keys copy
// the text, as the browser always does.
//
// The picture goes to the clipboard as one image/png at the device's
// resolution, through the asynchronous Clipboard API, with its resolution
// in it as the desktop's has. A notice (role
// status, read out by screen readers) says what was copied, and hides a few
// seconds later; where the browser refuses (no ClipboardItem, not a secure
// context, no permission), the same notice says so and offers the picture
// as a PNG file to save instead, through a link to it in the page's memory
// (a blob: URL), so that nothing is fetched.

mergeInto(LibraryManager.library, {
  $wavesCopy: {
    shownFor: 4000,    // ms that the notice of a copy stays
    notice: null,
    said: null,        // the notice's sentence
    save: null,        // the notice's link to the picture as a file
    timer: 0,
    saved: '',         // the blob: URL the link holds, released with the next copy

    say: function (source) { return wavesTranslate('PictureCopyNotice', source); },

    build: function () {
      const notice = document.createElement('div');
      notice.id = 'waves-copy-notice';
      notice.className = 'copy-notice';
      notice.setAttribute('role', 'status');
      notice.hidden = true;
      const said = document.createElement('span');
      const save = document.createElement('a');
      save.hidden = true;
      save.textContent = wavesTranslate('WebPage', QT_TRANSLATE_NOOP('WebPage', 'Save the picture as a PNG file'));
      save.addEventListener('click', function () { setTimeout(wavesCopy.hide, 0); });
      notice.append(said, ' ', save);
      document.body.append(notice);
      wavesCopy.notice = notice;
      wavesCopy.said = said;
      wavesCopy.save = save;
    },

    hide: function () {
      const copy = wavesCopy;
      clearTimeout(copy.timer);
      copy.timer = 0;
      copy.notice.hidden = true;
      copy.save.hidden = true;
      copy.said.textContent = '';
    },

    announce: function (text) {
      const copy = wavesCopy;
      copy.hide();
      copy.notice.hidden = false;
      copy.said.textContent = text;
      copy.timer = setTimeout(copy.hide, copy.shownFor);
    },

    // The notice stays until the next copy, with the picture to save.
    refuse: function (picture, fileName) {
      const copy = wavesCopy;
      copy.hide();
      copy.notice.hidden = false;
      copy.said.textContent = wavesTranslate('WebPage', QT_TRANSLATE_NOOP('WebPage',
          'The browser did not let the page copy the picture to the clipboard.'));
      picture.then(function (blob) {
        if (copy.saved) URL.revokeObjectURL(copy.saved);
        copy.saved = URL.createObjectURL(blob);
        copy.save.href = copy.saved;
        copy.save.download = fileName;
        copy.save.hidden = false;
      });
    },

    // The PNG with its resolution, 96 dots per inch times the device pixel
    // ratio (a pHYs chunk after the header), so that a word processor
    // places it at the size the screen shows it, as the desktop's copy.
    png: function (canvas) {
      return new Promise(function (resolve, reject) {
        canvas.toBlob(function (blob) { if (blob) resolve(blob); else reject(new Error('no picture')); }, 'image/png');
      }).then(function (blob) { return blob.arrayBuffer(); }).then(function (buffer) {
        const perMetre = Math.round(96 * devicePixelRatio / 0.0254);
        const chunk = new DataView(new ArrayBuffer(21));
        chunk.setUint32(0, 9);
        [0x70, 0x48, 0x59, 0x73].forEach(function (letter, at) { chunk.setUint8(4 + at, letter); });  // pHYs
        chunk.setUint32(8, perMetre);
        chunk.setUint32(12, perMetre);
        chunk.setUint8(16, 1);  // the unit is the metre
        chunk.setUint32(17, wavesCopy.crc(new Uint8Array(chunk.buffer, 4, 13)));
        const afterHeader = 8 + 25;  // the signature, then IHDR's length, type, 13 bytes and CRC
        return new Blob([buffer.slice(0, afterHeader), chunk.buffer, buffer.slice(afterHeader)], { type: 'image/png' });
      });
    },

    crcTable: null,
    crc: function (bytes) {
      let table = wavesCopy.crcTable;
      if (!table) {
        table = wavesCopy.crcTable = new Uint32Array(256);
        for (let n = 0; n < 256; ++n) {
          let c = n;
          for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
          table[n] = c >>> 0;
        }
      }
      let c = 0xffffffff;
      for (const byte of bytes) c = table[(c ^ byte) & 0xff] ^ (c >>> 8);
      return (c ^ 0xffffffff) >>> 0;
    },

    copy: function (canvas, fileName, message) {
      const copy = wavesCopy;
      const picture = copy.png(canvas);
      const clipboard = navigator.clipboard;
      if (!isSecureContext || typeof ClipboardItem !== 'function' || !clipboard || !clipboard.write) {
        copy.refuse(picture, fileName);
        return;
      }
      // The item takes the promise, so the key's user activation is still
      // there when the clipboard is written.
      clipboard.write([new ClipboardItem({ 'image/png': picture })]).then(
        function () { copy.announce(message); },
        function () { copy.refuse(picture, fileName); });
    },

    key: function (event) {
      if (event.key !== 'c' && event.key !== 'C') return;
      if (!(event.ctrlKey || event.metaKey) || event.altKey || event.isComposing) return;
      if (!getSelection().isCollapsed) return;
      if (!document.getElementById('waves').dataset.ready) return;
      event.preventDefault();
      const copy = wavesCopy;
      const focused = document.activeElement;
      if (event.shiftKey && wavesCanvasSize.graphIds.has(focused)) {
        copy.copy(focused, 'waves-graph.png',
                  copy.say(QT_TRANSLATE_NOOP('PictureCopyNotice', 'Picture of the graph %1 copied'))
                      .replace('%1', function () { return focused.getAttribute('aria-label'); }));
        return;
      }
      copy.copy(wavesWindowPicture(), 'waves-window.png', event.shiftKey
                ? copy.say(QT_TRANSLATE_NOOP('PictureCopyNotice', 'No graph has the focus: picture of the window copied'))
                : copy.say(QT_TRANSLATE_NOOP('PictureCopyNotice', 'Picture of the window copied')));
    },
  },

  waves_page_offer_copy__deps: ['$wavesCopy', '$wavesCanvasSize', '$wavesWindowPicture'],
  waves_page_offer_copy: function () {
    wavesCopy.build();
    addEventListener('keydown', wavesCopy.key);
  },
});
