// The lesson handed on to a tablet or a phone: a button at the right end
// of the window's caption bar opens a dialog with the page's full address
// (the lesson in its fragment, page_address.js) as a QR code, as large as
// the viewport allows, the address as text and a button that copies it.
// A page opened from a file has no address another device could open: the
// dialog says so in one sentence and copies the lesson's text instead.
//
// The dialog is modal: the page behind it is inert, Tab and Shift+Tab go
// round its buttons, and Escape or its close button ends it and gives the
// focus back to the caption bar's button. Its keys reach nothing behind it.
// The QR code is drawn by the encoder the page carries (qrcode-generator,
// inlined by seal_page.py), on a canvas of whole device pixels per module.
// The dialog is made when it is first opened.

mergeInto(LibraryManager.library, {
  $wavesShare: {
    quietModules: 4,   // the light margin a reader needs round the code
    shortestShare: 0.6,  // the code is never smaller than this of the viewport's shorter side
    opener: null,      // the caption bar's button
    backdrop: null,    // covers the viewport while the dialog is open
    dialog: null,
    code: null,        // the canvas of the QR code
    address: null,     // the address as text
    hint: null,        // what the dialog offers, in one sentence
    action: null,      // Copy link, or Copy the lesson text
    said: null,        // what the last copy did
    text: null,        // what the action copies

    say: function (source) { return wavesTranslate('WebPage', source); },

    element: function (tag, className, parent) {
      const element = document.createElement(tag);
      if (className) element.className = className;
      if (parent) parent.append(element);
      return element;
    },

    // The address of the page in its lesson as it is now, even where the
    // last change has not reached the address bar yet.
    currentAddress: function () {
      const state = wavesAddress.state;
      return state ? new URL('#' + state.text, location.href).href : location.href;
    },

    lessonText: function () {
      const state = wavesAddress.state;
      if (state) return state.text;
      try { return decodeURIComponent(location.hash.slice(1)); } catch (malformed) { return location.hash.slice(1); }
    },

    build: function () {
      const share = wavesShare;
      const backdrop = share.element('div', 'share-backdrop', document.body);
      backdrop.hidden = true;
      const dialog = share.element('div', 'share-dialog', backdrop);
      dialog.id = 'waves-share';
      dialog.setAttribute('role', 'dialog');
      dialog.setAttribute('aria-modal', 'true');
      const title = share.element('h2', '', dialog);
      title.id = 'waves-share-title';
      title.textContent = share.say(QT_TRANSLATE_NOOP('WebPage', 'Share this lesson'));
      dialog.setAttribute('aria-labelledby', title.id);
      share.code = share.element('canvas', 'share-code', dialog);
      share.code.setAttribute('role', 'img');
      share.code.setAttribute('aria-label', share.say(QT_TRANSLATE_NOOP('WebPage', "QR code of the lesson's address")));
      share.hint = share.element('p', 'share-hint', dialog);
      share.hint.id = 'waves-share-hint';
      dialog.setAttribute('aria-describedby', share.hint.id);
      share.address = share.element('p', 'share-address', dialog);
      share.address.lang = 'en';
      const buttons = share.element('div', 'share-buttons', dialog);
      share.action = share.element('button', 'push', buttons);
      share.action.type = 'button';
      share.action.addEventListener('click', share.copy);
      const close = share.element('button', 'push', buttons);
      close.type = 'button';
      close.textContent = share.say(QT_TRANSLATE_NOOP('WebPage', 'Close'));
      close.addEventListener('click', share.close);
      share.said = share.element('p', 'share-said', dialog);
      share.said.setAttribute('role', 'status');
      dialog.addEventListener('keydown', share.key);
      backdrop.addEventListener('click', function (event) { if (event.target === backdrop) share.close(); });
      share.backdrop = backdrop;
      share.dialog = dialog;
    },

    open: function () {
      const share = wavesShare;
      if (!share.dialog) share.build();
      const fromFile = location.protocol === 'file:';
      share.said.textContent = '';
      share.code.hidden = fromFile;
      share.address.hidden = fromFile;
      if (fromFile) {
        share.text = share.lessonText();
        share.hint.textContent = share.say(QT_TRANSLATE_NOOP('WebPage',
            'This page was opened from a file on this computer, which no tablet or phone can open, so ' +
            'there is no link to share; copy the lesson as text instead.'));
        share.action.textContent = share.say(QT_TRANSLATE_NOOP('WebPage', 'Copy the lesson text'));
      } else {
        share.text = share.currentAddress();
        share.hint.textContent = share.say(QT_TRANSLATE_NOOP('WebPage',
            'Scan the code with a tablet or a phone to open this page in this lesson there.'));
        share.address.textContent = share.text;
        share.action.textContent = share.say(QT_TRANSLATE_NOOP('WebPage', 'Copy link'));
      }
      document.getElementById('waves').inert = true;
      share.backdrop.hidden = false;
      if (!fromFile) {
        share.fit();
        addEventListener('resize', share.fit);
      }
      share.action.focus();
    },

    close: function () {
      const share = wavesShare;
      if (share.backdrop.hidden) return;
      removeEventListener('resize', share.fit);
      share.backdrop.hidden = true;
      document.getElementById('waves').inert = false;
      share.opener.focus();
    },

    // The code takes all the room the rest of the dialog leaves it, in
    // whole device pixels per module, and never less than shortestShare
    // of the viewport's shorter side (the dialog scrolls then).
    fit: function () {
      const share = wavesShare;
      const code = share.code;
      const qr = qrcode(0, 'M');
      qr.addData(share.text);
      qr.make();
      const count = qr.getModuleCount();
      const modules = count + 2 * share.quietModules;
      code.style.width = code.style.height = '0px';
      const width = document.documentElement.clientWidth;
      const height = document.documentElement.clientHeight;
      const dialogStyle = getComputedStyle(share.dialog);
      const across = parseFloat(dialogStyle.paddingLeft) + parseFloat(dialogStyle.paddingRight);
      const others = share.dialog.getBoundingClientRect().height;
      const room = Math.max(Math.min(width - across - 16, height - others - 16),
                            share.shortestShare * Math.min(width, height));
      const moduleDevice = Math.max(1, Math.floor(room * devicePixelRatio / modules));
      const side = moduleDevice * modules;
      code.width = code.height = side;
      code.style.width = code.style.height = side / devicePixelRatio + 'px';
      const context = code.getContext('2d');
      context.fillStyle = '#fff';
      context.fillRect(0, 0, side, side);
      context.fillStyle = '#000';
      for (let row = 0; row < count; ++row) {
        for (let column = 0; column < count; ++column) {
          if (qr.isDark(row, column)) {
            context.fillRect((column + share.quietModules) * moduleDevice, (row + share.quietModules) * moduleDevice,
                             moduleDevice, moduleDevice);
          }
        }
      }
    },

    copy: function () {
      const share = wavesShare;
      const fromFile = location.protocol === 'file:';
      const done = share.say(fromFile ? QT_TRANSLATE_NOOP('WebPage', 'Lesson text copied')
                                      : QT_TRANSLATE_NOOP('WebPage', 'Link copied'));
      const refused = function () {
        share.said.textContent = share.say(QT_TRANSLATE_NOOP('WebPage',
            'The browser did not let the page copy it; select the text and copy it yourself.'));
        if (fromFile) {
          share.address.hidden = false;
          share.address.textContent = share.text;
        }
        getSelection().selectAllChildren(share.address);
      };
      if (!navigator.clipboard || !navigator.clipboard.writeText) {
        refused();
        return;
      }
      navigator.clipboard.writeText(share.text).then(function () { share.said.textContent = done; }, refused);
    },

    // Escape ends the dialog; Tab and Shift+Tab go round its buttons.
    key: function (event) {
      event.stopPropagation();
      if (event.key === 'Escape') {
        event.preventDefault();
        wavesShare.close();
        return;
      }
      if (event.key !== 'Tab') return;
      const stops = [...wavesShare.dialog.querySelectorAll('button')];
      const at = stops.indexOf(document.activeElement);
      const next = event.shiftKey ? (at <= 0 ? stops.length - 1 : at - 1) : (at + 1) % stops.length;
      event.preventDefault();
      stops[next].focus();
    },
  },

  waves_page_offer_share__deps: ['$wavesShare', '$wavesAddress', '$wavesPage'],
  waves_page_offer_share: function () {
    const share = wavesShare;
    const caption = wavesPage.windowBox.querySelector('h1');
    const opener = document.createElement('button');
    opener.type = 'button';
    opener.className = 'share-button';
    opener.textContent = share.say('Share this lesson');
    opener.style.height = caption.style.height;
    opener.setAttribute('aria-haspopup', 'dialog');
    opener.addEventListener('click', share.open);
    wavesPage.windowBox.append(opener);
    share.opener = opener;
  },
});
