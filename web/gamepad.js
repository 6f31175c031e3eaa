// The pad, through the browser's gamepad support, with the desktop's buttons: the bottom face
// button accelerates (and chooses in the menus), the right one brakes (and goes back), the
// left one flashes, the top one switches the headlights, start pauses; the d-pad or the left
// stick steers. The page reads the pads once a frame and gives the game each change as the
// pad's own event.
(() => {
  'use strict';
  // A pad the browser knows numbers its buttons one way (its "standard" mapping); another is
  // read as the desktop reads it, start at 7 or 9.
  const standardButtons = { 0: 'padA', 1: 'padB', 2: 'padX', 3: 'padY', 9: 'padStart' };
  const otherButtons = { 0: 'padA', 1: 'padB', 2: 'padX', 3: 'padY', 7: 'padStart', 9: 'padStart' };
  // The standard d-pad's buttons and their directions (the game's bits: up 1, right 2,
  // down 4, left 8).
  const standardHat = { 12: 1, 13: 4, 14: 8, 15: 2 };
  const stickDeadZone = 0.25; // a stick at rest reads a little off centre

  const keyCodes = {};
  const keyOf = (name) => (keyCodes[name] ??= Module.ccall('velmoraKeyNamed', 'number', ['string'], [name]));
  const isDown = (button) => (typeof button === 'object' ? button.pressed : button > 0.5);
  const stickValue = (value) => Math.round(Math.max(-1, Math.min(1, value || 0)) * 32767);

  // What every pad together holds now: the buttons by name, the d-pad's bits, the stick.
  function readPads() {
    const now = { buttons: new Set(), hat: 0, stick: [0, 0] };
    const pads = navigator.getGamepads ? navigator.getGamepads() : [];
    for (const pad of pads) {
      if (!pad || pad.connected === false) continue;
      const names = pad.mapping === 'standard' ? standardButtons : otherButtons;
      pad.buttons.forEach((button, index) => {
        if (!isDown(button)) return;
        if (index in names) now.buttons.add(names[index]);
        if (pad.mapping === 'standard' && index in standardHat) now.hat |= standardHat[index];
      });
      for (const axis of [0, 1]) {
        if (Math.abs(pad.axes[axis] || 0) > Math.abs(now.stick[axis] / 32767)) now.stick[axis] = stickValue(pad.axes[axis]);
      }
    }
    return now;
  }

  let last = { buttons: new Set(), hat: 0, stick: [0, 0] };
  function poll() {
    requestAnimationFrame(poll);
    const now = readPads();
    let used = false;
    for (const name of now.buttons) {
      if (!last.buttons.has(name)) {
        used = true;
        if (velmoraPage.playing()) Module._velmoraKey(keyOf(name), 1);
      }
    }
    for (const name of last.buttons) {
      if (!now.buttons.has(name) && velmoraPage.playing()) Module._velmoraKey(keyOf(name), 0);
    }
    if (now.hat !== last.hat) {
      used = used || now.hat !== 0;
      if (velmoraPage.playing()) Module._velmoraPadHat(now.hat);
    }
    for (const axis of [0, 1]) {
      if (now.stick[axis] === last.stick[axis]) continue;
      used = used || Math.abs(now.stick[axis]) > stickDeadZone * 32767;
      if (velmoraPage.playing()) Module._velmoraPadStick(axis, now.stick[axis]);
    }
    last = now;
    // A pad player needs no touch controls, and may start the game from the pad (the sound
    // then waits for a click or a key: the browser's rule).
    if (used) {
      velmoraPage.setTouching(false);
      if (!velmoraPage.playing() && !document.getElementById('start').classList.contains('hidden')) velmoraPage.play();
    }
  }
  requestAnimationFrame(poll);
})();
