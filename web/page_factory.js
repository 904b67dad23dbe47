// The element factory: the element of each kind of control, with the
// events it reports to the program. A frame is a box with its caption, a
// graph a canvas, a label a text, an option button a radio input with its
// caption, a push button a button, an arrow pair two arrows (page_repeat.js).
// Captions are set as text and marked English, as the layout's are.

mergeInto(LibraryManager.library, {
  $wavesFactory__deps: ['$wavesCanvasSize', '$wavesRepeat'],
  $wavesFactory: {
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
          wavesCanvasSize.graphIds.set(element, id);
          wavesCanvasSize.observe(element);
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
          wavesRepeat.bindSpin(element, id);
          break;
      }
      element.id = 'control-' + id;
      element.className = (element.className ? element.className + ' ' : '') + 'control ' + kind;
      return element;
    },
  },
});
