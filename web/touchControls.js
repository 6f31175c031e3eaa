// The touch controls: shown from the first touch on the page, hidden again at a key or the
// pad, back at the next touch. Several fingers at once, each following its control as it
// slides from one to the next. A driving control presses the key the player bound to its
// action (so it follows the player's rebinding); in the menus the controls are the menus' own
// keys.
(() => {
  'use strict';
  // Driving actions by their number in the game's order: accelerate, steer right, steer left,
  // brake, flash, (spare), lights, pause. Menu keys by the names the options file gives them.
  const controls = [
    { id: 'steerLeft', label: '◀', action: 2 },
    { id: 'steerRight', label: '▶', action: 1 },
    { id: 'lights', label: 'Lights', action: 6 },
    { id: 'pause', label: '❚❚', action: 7 },
    { id: 'accelerate', label: 'Drive', action: 0 },
    { id: 'brake', label: 'Brake', action: 3 },
    { id: 'flash', label: 'Flash', action: 4 },
    { id: 'menuUp', label: '▲', key: 'up' },
    { id: 'menuDown', label: '▼', key: 'down' },
    { id: 'menuLeft', label: '◀', key: 'left' },
    { id: 'menuRight', label: '▶', key: 'right' },
    { id: 'choose', label: 'OK', key: 'enter' },
    { id: 'back', label: 'Back', key: 'esc' },
    { id: 'fullscreen', label: 'Full', toggle: () => velmoraPage.setFullscreen(!document.fullscreenElement) },
  ];
  // A press shorter than this still spans a pass of the game, so the game sees it.
  const shortestPressMs = 50;

  const overlay = document.getElementById('touch');
  for (const control of controls) {
    const element = document.createElement('div');
    element.id = 'touch-' + control.id;
    element.className = 'pad' + (control.action !== undefined ? ' driveOnly' : control.key ? ' menuOnly' : '');
    element.textContent = control.label;
    element.control = control;
    element.fingers = 0;
    overlay.appendChild(element);
  }

  const keyCodes = {}; // the game's code for each menu key, looked up once
  function keyOf(control) {
    if (control.action !== undefined) return Module._velmoraActionKey(control.action);
    if (!(control.key in keyCodes)) keyCodes[control.key] = Module.ccall('velmoraKeyNamed', 'number', ['string'], [control.key]);
    return keyCodes[control.key];
  }

  function press(element) {
    element.classList.add('held');
    if (!element.control.toggle) {
      const key = keyOf(element.control);
      if (key < 0) return;
      clearTimeout(element.releaseTimer);
      Module._velmoraKey(key, 1);
      element.pressedKey = key;
      element.pressedAt = performance.now();
    }
  }

  // The browser grants fullscreen only at the end of a touch; a finger that slides off, or
  // whose control is hidden or changed under it, does nothing.
  function release(element, lifted) {
    element.classList.remove('held');
    if (element.control.toggle) {
      if (lifted) element.control.toggle();
      return;
    }
    const key = element.pressedKey;
    if (key === undefined) return;
    element.pressedKey = undefined;
    const wait = element.pressedAt + shortestPressMs - performance.now();
    element.releaseTimer = setTimeout(() => Module._velmoraKey(key, 0), Math.max(0, wait));
  }

  const fingers = new Map(); // each finger's control, or null for none
  const spent = new Set(); // fingers that pressed a control no longer shown: ignored until lifted

  function enter(element) {
    if (element.fingers++ === 0) press(element);
  }
  function leave(element, lifted) {
    if (--element.fingers === 0) release(element, lifted);
  }

  function releaseAll() {
    for (const [id, element] of fingers) {
      if (element && element.fingers > 0) {
        element.fingers = 0;
        release(element, false);
      }
      fingers.set(id, null);
      spent.add(id);
    }
  }

  function controlAt(touch) {
    const element = document.elementFromPoint(touch.clientX, touch.clientY);
    return element && element.closest ? element.closest('#touch .pad') : null;
  }

  let touching = false;
  function setTouching(wanted) {
    if (wanted === touching) return;
    touching = wanted;
    document.body.classList.toggle('touching', wanted);
    if (!wanted) releaseAll();
    velmoraPage.fit();
  }

  let showsMenu = null;
  function followMenus() {
    requestAnimationFrame(followMenus);
    if (!touching || !velmoraPage.playing()) return;
    const menu = Module._velmoraMenuShown() !== 0;
    if (menu === showsMenu) return;
    releaseAll();
    showsMenu = menu;
    overlay.classList.toggle('menu', menu);
    overlay.classList.toggle('drive', !menu);
  }
  requestAnimationFrame(followMenus);

  // Touches on the covers and links stay taps (they start the game); elsewhere the page keeps
  // them, so a thumb beside a control neither scrolls nor takes the keys from the game.
  function onTouch(event) {
    setTouching(true);
    const ending = event.type === 'touchend' || event.type === 'touchcancel';
    for (const touch of event.changedTouches) {
      const id = touch.identifier;
      const before = fingers.get(id) || null;
      const now = ending || spent.has(id) ? null : controlAt(touch);
      if (ending) {
        fingers.delete(id);
        spent.delete(id);
      } else {
        fingers.set(id, now);
      }
      if (before !== now) {
        if (before) leave(before, ending);
        if (now) enter(now);
      }
    }
    if (event.cancelable && !(event.target.closest && event.target.closest('.cover, a, button'))) event.preventDefault();
  }
  for (const type of ['touchstart', 'touchmove', 'touchend', 'touchcancel']) {
    document.addEventListener(type, onTouch, { passive: false, capture: true });
  }
  document.addEventListener('keydown', () => setTouching(false), true);

  velmoraPage.setTouching = setTouching;
})();
