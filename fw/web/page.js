// The page side of the browser backend: each window of the game as a window
// in the page (caption, close box, menu bar, client area), each control as
// a real page element at its pixel rectangle, two picture layers per window
// (canvases under and over the controls), and the browser's input, queued
// until the program takes it. The rules of the dialogs are the program's
// own (fw/dlgmgr): the page only shows and reports.
mergeInto(LibraryManager.library, {
  $QW__deps: ['$callUserCallback'],
  $QW: {
    windows: {}, // handle: window record
    controls: {}, // handle: control record
    input: [], // [kind, window, x, y, code]
    wake: null,
    root: null, // the first window, centred on the page
    scale: 1, // the page's scale for windows wider or taller than it
    shows: 0,
    // Input kinds, as the backend reads them.
    PRESS: 1, RELEASE: 2, KEY_DOWN: 3, KEY_UP: 4, COMMAND: 5, CLOSE: 6, CLICK: 7,
    SHIFT: 1, ALT: 2,
    // The program's texts are Latin-1.
    text: function (ptr) {
      var s = '';
      for (var i = ptr; HEAPU8[i]; ++i) s += String.fromCharCode(HEAPU8[i]);
      return s;
    },
    // The text without its mnemonic markers ("&&" is an "&").
    plain: function (text) {
      return text.replace(/&(&?)/g, '$1');
    },
    colour: function (c) {
      return 'rgb(' + (c & 255) + ',' + ((c >> 8) & 255) + ',' + ((c >> 16) & 255) + ')';
    },
    // A canvas the size of an RGBA picture of the program's memory, holding it.
    paint: function (canvas, rgba, w, h) {
      canvas.width = w;
      canvas.height = h;
      canvas.getContext('2d').putImageData(
          new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, w * h * 4).slice(), w, h), 0, 0);
    },
    el: function (tag, cls, parent) {
      var e = document.createElement(tag);
      if (cls) e.className = cls;
      if (parent) parent.appendChild(e);
      return e;
    },
    push: function (entry) {
      QW.input.push(entry);
      if (QW.wake) {
        var wake = QW.wake;
        QW.wake = null;
        // The program resumes here and may end (an exit unwinds to this call).
        callUserCallback(wake);
      }
    },
    // Device pixels per game pixel: whole, so that every picture stays sharp.
    backing: function () {
      return Math.max(1, Math.round((window.devicePixelRatio || 1) * QW.scale));
    },
    sizeLayer: function (layer, w, h) {
      var k = QW.backing();
      if (layer.k === k) return;
      var drawn = layer.k > 0;
      layer.k = k;
      layer.canvas.width = w * k;
      layer.canvas.height = h * k;
      if (!drawn) return;
      var ctx = layer.canvas.getContext('2d');
      ctx.imageSmoothingEnabled = false;
      ctx.drawImage(layer.plain, 0, 0, w * k, h * k);
    },
    // The point of the client area under the pointer, in game pixels.
    clientPoint: function (win, e) {
      var r = win.client.getBoundingClientRect();
      var s = r.width / win.w;
      return [Math.floor((e.clientX - r.left) / s), Math.floor((e.clientY - r.top) / s)];
    },
    // Fits every window in the page, whole; then places them again.
    layout: function () {
      var desk = document.getElementById('desktop');
      if (!desk || !QW.root) return;
      var root = QW.windows[QW.root];
      var margin = 8;
      var w = root.el.offsetWidth + 2 * margin, h = root.el.offsetHeight + 2 * margin;
      var vw = document.documentElement.clientWidth, vh = window.innerHeight;
      QW.scale = Math.min(1, vw / w, vh / h);
      desk.style.transform = QW.scale < 1 ? 'scale(' + QW.scale + ')' : '';
      desk.style.width = vw / QW.scale + 'px';
      desk.style.height = vh / QW.scale + 'px';
      for (var id in QW.windows) {
        var win = QW.windows[id];
        QW.sizeLayer(win.layers[0], win.w, win.h);
        QW.sizeLayer(win.layers[1], win.w, win.h);
      }
      QW.place();
    },
    // Lays the page out again before it next shows, once however many
    // windows came or went.
    relayout: function () {
      if (QW.frame) return;
      QW.frame = requestAnimationFrame(function () {
        QW.frame = 0;
        QW.layout();
        if (QW.focusAfter) QW.focusAfter.focus({preventScroll: true});
        QW.focusAfter = null;
      });
    },
    // The first window centred, every other at its place from its owner.
    place: function () {
      var desk = document.getElementById('desktop');
      var order = Object.keys(QW.windows).map(Number).sort(function (a, b) {
        return QW.windows[a].shownAt - QW.windows[b].shownAt;
      });
      order.forEach(function (id) {
        var win = QW.windows[id];
        if (!win.shown) return;
        var owner = QW.windows[win.owner];
        if (owner && !owner.shown) owner = null;
        var x, y;
        if (win.place === 1 && owner) {
          x = owner.left + owner.client.offsetLeft + win.x;
          y = owner.top + owner.client.offsetTop + win.y;
        } else if (win.place === 2 && owner) {
          x = owner.left + (owner.el.offsetWidth - win.el.offsetWidth) / 2;
          y = owner.top + (owner.el.offsetHeight - win.el.offsetHeight) / 2;
        } else {
          x = (desk.offsetWidth - win.el.offsetWidth) / 2;
          y = (desk.offsetHeight - win.el.offsetHeight) / 2;
        }
        // A window that would hide its owner whole steps aside, so the
        // owner still shows beneath it.
        if (owner && win.el.offsetWidth >= owner.el.offsetWidth &&
            win.el.offsetHeight >= owner.el.offsetHeight) {
          x = owner.left + 24;
          y = owner.top + 24;
        }
        win.left = Math.max(0, Math.round(x));
        win.top = Math.max(0, Math.round(y));
        win.el.style.left = win.left + 'px';
        win.el.style.top = win.top + 'px';
      });
    },
    // Keys the page gives the game rather than the browser.
    key: function (e, down) {
      if (!QW.root || ABORT || e.ctrlKey || e.metaKey) return;
      var k = e.keyCode;
      var dialogKey = k === 9 || k === 13 || k === 27 || k === 32 || (k >= 37 && k <= 40);
      var letter = (k >= 48 && k <= 57) || (k >= 65 && k <= 90);
      if (!dialogKey && !letter && k !== 115) return;
      if (dialogKey || e.altKey) e.preventDefault();
      QW.push([down ? QW.KEY_DOWN : QW.KEY_UP, 0, 0, 0,
               k | (e.shiftKey ? QW.SHIFT << 16 : 0) | (e.altKey ? QW.ALT << 16 : 0)]);
    },
  },

  qw_start__deps: ['$QW'],
  qw_start: function (face) {
    document.documentElement.style.setProperty('--qw-face', QW.colour(face));
    document.addEventListener('keydown', function (e) { QW.key(e, true); });
    document.addEventListener('keyup', function (e) { QW.key(e, false); });
    window.addEventListener('resize', QW.relayout);
  },

  qw_text_width__deps: ['$QW'],
  qw_text_width: function (text, px) {
    // Each letter's advance in whole pixels, as a text engine with hinted
    // metrics (the native game's) lays them out.
    var key = px + ' ' + QW.text(text);
    var widths = QW.widths || (QW.widths = {});
    if (!(key in widths)) {
      // One context for every text, its font set again only for another size.
      var ctx = QW.measurer || (QW.measurer = document.createElement('canvas').getContext('2d'));
      if (QW.measuredPx !== px) ctx.font = px + 'px ' + Module['qwFont'];
      QW.measuredPx = px;
      widths[key] = 0;
      for (var c of QW.text(text)) widths[key] += Math.round(ctx.measureText(c).width);
    }
    return widths[key];
  },

  qw_window_create__deps: ['$QW'],
  qw_window_create: function (id, caption, w, h, px, closeBox) {
    var desk = document.getElementById('desktop');
    var el = QW.el('div', 'qw-window', desk);
    el.setAttribute('role', 'dialog');
    el.hidden = true;
    el.style.fontSize = px + 'px';
    var bar = QW.el('div', 'qw-caption', el);
    var icon = QW.el('canvas', 'qw-caption-icon', bar);
    icon.width = icon.height = 0;
    var title = QW.el('span', 'qw-title', bar);
    title.id = 'qw-title-' + id;
    el.setAttribute('aria-labelledby', title.id);
    if (closeBox) {
      var close = QW.el('button', 'qw-close', bar);
      close.setAttribute('aria-label', 'Close');
      close.textContent = '\u2715';
      close.addEventListener('click', function () { QW.push([QW.CLOSE, id, 0, 0, 0]); });
    }
    var menu = QW.el('div', 'qw-menubar', el);
    menu.setAttribute('role', 'menubar');
    menu.hidden = true;
    var client = QW.el('div', 'qw-client', el);
    client.style.width = w + 'px';
    client.style.height = h + 'px';
    var win = {el: el, title: title, icon: icon, menu: menu, client: client, w: w, h: h,
               layers: [], shown: false, shownAt: 0, owner: 0, place: 0, x: 0, y: 0,
               left: 0, top: 0};
    [0, 1].forEach(function (n) {
      var canvas = QW.el('canvas', n ? 'qw-over' : 'qw-under', client);
      canvas.setAttribute('aria-hidden', 'true');
      var plain = document.createElement('canvas');
      plain.width = w;
      plain.height = h;
      win.layers.push({canvas: canvas, plain: plain, k: 0});
      QW.sizeLayer(win.layers[n], w, h);
    });
    title.textContent = QW.text(caption);
    // Mouse and touch alike: presses and releases at a point of the client area.
    client.addEventListener('pointerdown', function (e) {
      if (e.button !== 0) return;
      e.preventDefault();
      client.setPointerCapture(e.pointerId);
      var p = QW.clientPoint(win, e);
      QW.push([QW.PRESS, id, p[0], p[1], 0]);
    });
    client.addEventListener('pointerup', function (e) {
      if (e.button !== 0) return;
      var p = QW.clientPoint(win, e);
      QW.push([QW.RELEASE, id, p[0], p[1], 0]);
    });
    QW.windows[id] = win;
  },

  qw_window_caption__deps: ['$QW'],
  qw_window_caption: function (id, caption) {
    QW.windows[id].title.textContent = QW.text(caption);
  },

  qw_window_show__deps: ['$QW'],
  qw_window_show: function (id, owner, place, x, y) {
    var win = QW.windows[id];
    win.owner = owner;
    win.place = place;
    win.x = x;
    win.y = y;
    win.shown = true;
    win.shownAt = ++QW.shows;
    win.el.hidden = false;
    win.el.setAttribute('aria-modal', owner ? 'true' : 'false');
    document.getElementById('desktop').appendChild(win.el); // in front
    if (!QW.root) QW.root = id;
    QW.relayout();
  },

  qw_window_hide__deps: ['$QW'],
  qw_window_hide: function (id) {
    var win = QW.windows[id];
    win.shown = false;
    win.el.hidden = true;
  },

  qw_window_destroy__deps: ['$QW'],
  qw_window_destroy: function (id) {
    var win = QW.windows[id];
    win.el.remove();
    delete QW.windows[id];
    for (var c in QW.controls)
      if (QW.controls[c].window === id) delete QW.controls[c];
    if (QW.root === id) QW.root = null;
  },

  qw_window_enable__deps: ['$QW'],
  qw_window_enable: function (id, on) {
    var el = QW.windows[id].el;
    el.inert = !on;
    el.classList.toggle('qw-inactive', !on);
  },

  qw_window_front__deps: ['$QW'],
  qw_window_front: function (id) {
    document.getElementById('desktop').appendChild(QW.windows[id].el);
  },

  qw_window_icon__deps: ['$QW'],
  qw_window_icon: function (id, rgba, w, h) {
    var icon = QW.windows[id].icon;
    QW.paint(icon, rgba, w, h);
    // The page's icon is the game's (made after the first picture shows).
    if (!QW.favicon) {
      QW.favicon = true;
      setTimeout(function () {
        var link = document.querySelector('link[rel="icon"]');
        if (link) link.href = icon.toDataURL();
      }, 0);
    }
  },

  qw_menu_clear__deps: ['$QW'],
  qw_menu_clear: function (id) {
    var menu = QW.windows[id].menu;
    menu.textContent = '';
    menu.hidden = true;
  },

  qw_menu_add__deps: ['$QW'],
  qw_menu_add: function (id, text, command) {
    var menu = QW.windows[id].menu;
    var item = QW.el('button', 'qw-menuitem', menu);
    item.setAttribute('role', 'menuitem');
    item.textContent = QW.plain(QW.text(text));
    // The item acts in its turn, as the system command it is.
    item.addEventListener('click', function () { QW.push([QW.COMMAND, id, 0, 0, command]); });
    menu.hidden = false;
  },

  qw_control_create__deps: ['$QW'],
  qw_control_create: function (window, id, kind, x, y, w, h, align, frame) {
    var win = QW.windows[window];
    kind = UTF8ToString(kind);
    var c = {window: window, kind: kind, text: null, el: null, input: null};
    var el;
    if (kind === 'button') {
      el = c.text = document.createElement('button');
      el.type = 'button';
      el.tabIndex = -1;
    } else if (kind === 'check' || kind === 'radio') {
      el = document.createElement('label');
      c.input = QW.el('input', '', el);
      c.input.type = kind === 'check' ? 'checkbox' : 'radio';
      c.input.tabIndex = -1;
      c.text = QW.el('span', 'qw-text', el);
    } else if (kind === 'number') {
      el = document.createElement('div');
      el.setAttribute('role', 'textbox');
      el.setAttribute('aria-readonly', 'true');
      c.text = QW.el('span', 'qw-text', el);
    } else if (kind === 'group') {
      el = document.createElement('fieldset');
      c.legend = QW.el('legend', '', el);
      c.text = QW.el('span', 'qw-text', c.legend);
    } else if (kind === 'icon') {
      el = document.createElement('canvas');
      el.setAttribute('role', 'img');
    } else if (kind === 'frame') {
      el = document.createElement('div');
      el.style.borderColor = UTF8ToString(frame);
    } else {
      el = document.createElement('div');
      c.text = QW.el('span', 'qw-text', el);
    }
    // The program decides what a click does; a box only shows it. A click
    // that no press made (a screen reader's action) is the player's click,
    // in its turn.
    var clickable = c.input || (kind === 'button' ? el : null);
    if (clickable) {
      clickable.addEventListener('click', function (e) {
        e.preventDefault();
        if (e.detail === 0) QW.push([QW.CLICK, window, 0, 0, id]);
      });
    }
    el.classList.add('qw-control', 'qw-' + kind);
    el.dataset.align = align & 3;
    if (align & 4) el.classList.add('qw-middle');
    el.style.left = x + 'px';
    el.style.top = y + 'px';
    el.style.width = w + 'px';
    el.style.height = h + 'px';
    c.el = el;
    // The first control of the template lies on top of the ones after it.
    win.client.insertBefore(el, win.layers[1].canvas);
    el.style.zIndex = 1000 - win.client.childElementCount;
    QW.controls[id] = c;
  },

  qw_control_text__deps: ['$QW'],
  qw_control_text: function (id, text) {
    var c = QW.controls[id];
    if (!c.text) return;
    var t = QW.plain(QW.text(text));
    c.text.textContent = t;
    if (c.legend) c.legend.hidden = t === '';
  },

  qw_control_state__deps: ['$QW'],
  qw_control_state: function (id, enabled, checked) {
    var c = QW.controls[id];
    c.el.classList.toggle('qw-disabled', !enabled);
    if (c.kind === 'button') c.el.disabled = !enabled;
    if (c.input) {
      c.input.disabled = !enabled;
      c.input.checked = !!checked;
    }
  },

  qw_control_band__deps: ['$QW'],
  qw_control_band: function (id, colour) {
    var c = QW.controls[id];
    if (c.text) c.text.style.backgroundColor = QW.colour(colour);
  },

  qw_control_icon__deps: ['$QW'],
  qw_control_icon: function (id, rgba, w, h) {
    QW.paint(QW.controls[id].el, rgba, w, h);
  },

  qw_focus__deps: ['$QW'],
  qw_focus: function (window, id) {
    var win = QW.windows[window];
    var old = win.client.querySelector('.qw-focus');
    if (old) old.classList.remove('qw-focus');
    var c = QW.controls[id];
    if (!c) return;
    c.el.classList.add('qw-focus');
    var target = c.input || (c.kind === 'button' ? c.el : null);
    if (!target || win.el.hidden) return;
    // The page takes the focus once laid out (focusing lays it out at once).
    if (QW.frame) QW.focusAfter = target;
    else target.focus({preventScroll: true});
  },

  qw_blit__deps: ['$QW'],
  qw_blit: function (window, n, rgba, w, h, x, y, cw, ch) {
    var layer = QW.windows[window].layers[n];
    var data = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, w * h * 4), w, h);
    layer.plain.getContext('2d').putImageData(data, 0, 0, x, y, cw, ch);
    var k = layer.k, ctx = layer.canvas.getContext('2d');
    ctx.imageSmoothingEnabled = false;
    ctx.clearRect(x * k, y * k, cw * k, ch * k);
    ctx.drawImage(layer.plain, x, y, cw, ch, x * k, y * k, cw * k, ch * k);
  },

  qw_take_input__deps: ['$QW'],
  qw_take_input: function (out) {
    var e = QW.input.shift();
    if (!e) return 0;
    HEAP32.set(e, out >> 2);
    return 1;
  },

  qw_wait__deps: ['$QW', '$Asyncify', '$callUserCallback'],
  qw_wait: function () {
    return Asyncify.handleSleep(function (wakeUp) {
      if (QW.input.length) setTimeout(function () { callUserCallback(wakeUp); }, 0);
      else QW.wake = wakeUp;
    });
  },
});
