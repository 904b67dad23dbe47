// Press and repeat: an arrow pair of the page steps once when an arrow is
// pressed, and, held down, again after a pause and then at a steady rate
// (the layout's timings, wavesLayoutFacts, the desktop's own) until it is
// let go, for a mouse, a finger or a pen alike. Up and Down step from the
// keyboard.

mergeInto(LibraryManager.library, {
  $wavesRepeat: {
    held: null,        // {timer, element, pointer} while an arrow is held down

    step: function (id, up) { Module['_waves_spin'](id, up ? 1 : 0); },

    // Stops a held arrow; for an event of another pointer than the one
    // holding it, nothing.
    release: function (event) {
      const held = wavesRepeat.held;
      if (!held) return;
      if (event && event.pointerId !== undefined && event.pointerId !== held.pointer) return;
      clearTimeout(held.timer);
      clearInterval(held.timer);
      held.element.classList.remove('up-pressed', 'down-pressed');
      wavesRepeat.held = null;
    },

    // Pointer and keyboard for an arrow pair: the upper half steps up, the
    // lower half down.
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
          wavesRepeat.release();
          uncapture(event);
          element.classList.add(up ? 'up-pressed' : 'down-pressed');
          const held = { element: element, timer: 0, pointer: event.pointerId };
          wavesRepeat.held = held;
          wavesRepeat.step(id, up);
          held.timer = setTimeout(function () {
            wavesRepeat.step(id, up);
            held.timer = setInterval(function () { wavesRepeat.step(id, up); }, wavesLayoutFacts.repeatInterval);
          }, wavesLayoutFacts.repeatDelay);
        });
      }
      for (const name of ['pointerup', 'pointercancel', 'pointerleave']) {
        element.addEventListener(name, wavesRepeat.release);
      }
      element.addEventListener('keydown', function (event) {
        if (event.key !== 'ArrowUp' && event.key !== 'ArrowDown') return;
        event.preventDefault();
        wavesRepeat.step(id, event.key === 'ArrowUp');
      });
    },
  },
});
