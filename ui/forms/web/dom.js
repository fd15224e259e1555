// SPDX-License-Identifier: MIT
// The page's side of the forms layer: real DOM elements for windows and
// controls, made and changed by the C++ code through these functions, and
// the player's events sent back to it (velkaro_event). Every element is
// known to C++ by a number.
var LibraryVelkaroDom = {
  $VK: {
    nodes: [null],
    scale: 1,
    // Event kinds, as ui/forms/web/Dom.h numbers them.
    CLICK: 1, MOVE: 2, FOCUS: 3, CLOSE: 4, KEY: 5, RESIZE: 6, AGAIN: 7, TICK: 8,
    add: function(node) { VK.nodes.push(node); return VK.nodes.length - 1; },
    el: function(id) { return VK.nodes[id].el; },
    send: function(id, kind, a, b, x, y) { _velkaro_event(id, kind, a | 0, b | 0, +x || 0, +y || 0); },
    desk: function() { return document.getElementById('desk'); },
    // The page shows the start screen before the program runs (app/web/start_screen.mjs wrote
    // it), each element marked with the order the program makes it in: the first window takes
    // those elements over instead of making new ones, and keeps them where they stand.
    shown: [],
    adopting: false,
    make: function(tag, cls, parent) {
      var e = VK.shown.shift();
      if (e) {
        e.removeAttribute('data-vk');
        return e;
      }
      e = document.createElement(tag);
      if (cls) e.className = cls;
      if (parent) parent.appendChild(e);
      return e;
    },
    // The mouse buttons held and the shift keys, as the forms layer counts them.
    buttons: function(e) {
      return (e.buttons & 1 ? 1 : 0) | (e.buttons & 2 ? 2 : 0) | (e.buttons & 4 ? 4 : 0);
    },
    shifts: function(e) { return (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0); },
    // The pointer's place in the element, in its unscaled CSS pixels.
    at: function(e, el) {
      var r = el.getBoundingClientRect();
      return [(e.clientX - r.left) / VK.scale, (e.clientY - r.top) / VK.scale];
    },
    // The whole desk scaled down, never up, until the largest window the page
    // has had fits the viewport: the scale stays as windows come and go.
    largest: [0, 0],
    deskSize: [0, 0],
    rescale: function() {
      var w = VK.largest[0], h = VK.largest[1];
      var vw = innerWidth, vh = innerHeight;
      var s = Math.min(1, w ? vw / w : 1, h ? vh / h : 1);
      VK.scale = s;
      VK.deskSize = [vw / s, vh / s];
      var d = VK.desk();
      d.style.width = vw / s + 'px';
      d.style.height = vh / s + 'px';
      d.style.transform = s == 1 ? '' : 'scale(' + s + ')';
    }
  },

  vk_start__deps: ['$VK'],
  vk_start: function(againText) {
    VK.shown = [].slice.call(document.querySelectorAll('#desk [data-vk]'))
      .sort(function(a, b) { return a.getAttribute('data-vk') - b.getAttribute('data-vk'); });
    VK.adopting = VK.shown.length > 0;
    document.getElementById('again').textContent = UTF8ToString(againText);
    var resized = 0;
    window.addEventListener('resize', function() {
      if (resized) return;
      resized = requestAnimationFrame(function() { resized = 0; VK.rescale(); VK.send(0, VK.RESIZE); });
    });
    document.getElementById('again').addEventListener('click', function() { VK.send(0, VK.AGAIN); });
  },

  // A window: a title bar with the caption and the close box above the
  // client area (border 0), or a raised dialog frame without a title (1).
  vk_window__deps: ['$VK'],
  vk_window: function(border, width, height, closeText) {
    var w = VK.make('div', 'vk-window ' + (border ? 'vk-dialog' : 'vk-single'), VK.desk());
    w.setAttribute('role', 'dialog');
    // Unseen until it is shown.
    w.style.visibility = 'hidden';
    var node = {el: w, kind: 'window'};
    var id = VK.add(node);
    // The frame's edge and title bar, in pixels: set here, so that the
    // window's outer size is known without laying the page out.
    var edge = border ? 3 : 1, title = border ? 0 : 26;
    w.style.borderWidth = edge + 'px';
    node.size = [width + 2 * edge, height + title + 2 * edge];
    VK.largest = [Math.max(VK.largest[0], node.size[0]), Math.max(VK.largest[1], node.size[1])];
    if (!border) {
      var bar = VK.make('div', 'vk-title', w);
      bar.style.height = title + 'px';
      node.icon = VK.make('img', 'vk-icon', bar);
      node.icon.alt = '';
      node.caption = VK.make('span', 'vk-caption', bar);
      node.caption.id = 'vk-caption-' + id;
      w.setAttribute('aria-labelledby', node.caption.id);
      var close = VK.make('button', 'vk-close', bar);
      close.setAttribute('aria-label', UTF8ToString(closeText));
      close.addEventListener('click', function(e) { e.stopPropagation(); VK.send(id, VK.CLOSE); });
    }
    var client = VK.make('div', 'vk-client', w);
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    node.client = client;
    node.voice = VK.make('div', 'vk-voice', w);
    node.voice.setAttribute('role', 'status');
    node.voice.setAttribute('aria-live', 'polite');
    client.addEventListener('click', function(e) { if (!e.vkTaken) VK.send(id, VK.CLICK); });
    w.addEventListener('keydown', function(e) {
      if (e.key.length == 1 && !e.ctrlKey && !e.altKey && !e.metaKey) VK.send(id, VK.KEY, e.key.codePointAt(0));
    });
    VK.rescale();
    return id;
  },

  // A control in a window or a frame: 1 label, 2 button, 3 frame, 4 line.
  vk_control__deps: ['$VK'],
  vk_control: function(kind, parent) {
    var p = VK.nodes[parent];
    var box = p.client || p.el;
    var node = {kind: kind};
    var id;
    if (kind == 2) {
      var b = node.el = VK.make('button', 'vk-button', box);
      b.type = 'button';
      node.picture = VK.make('img', 'vk-picture', b);
      node.picture.alt = '';
      node.picture.hidden = true;
      node.caption = VK.make('span', 'vk-button-caption', b);
      id = VK.add(node);
      b.addEventListener('click', function(e) { e.vkTaken = true; VK.send(id, VK.CLICK); });
      b.addEventListener('focus', function() { VK.send(id, VK.FOCUS); });
      // The mouse and a hovering pen move over the button; a finger or a pen
      // reaching it is a move too, sent before it can press the button.
      var move = function(e) {
        var at = VK.at(e, b);
        VK.send(id, VK.MOVE, VK.buttons(e), VK.shifts(e), at[0], at[1]);
      };
      b.addEventListener('pointermove', function(e) { if (e.pointerType != 'touch') move(e); });
      b.addEventListener('pointerdown', function(e) {
        if (e.pointerType == 'mouse') return;
        var left = b.style.left;
        move(e);
        // Moved away: the finger is no longer on it, and lifting it presses nothing.
        if (b.style.left != left && b.hasPointerCapture(e.pointerId)) b.releasePointerCapture(e.pointerId);
      });
    } else {
      node.el = VK.make('div', ['', 'vk-label', '', 'vk-frame', 'vk-line'][kind], box);
      id = VK.add(node);
      if (kind == 1) node.el.dir = 'rtl';
      if (kind != 4) node.el.addEventListener('click', function(e) { if (!e.vkTaken) { e.vkTaken = true; VK.send(id, VK.CLICK); } });
    }
    return id;
  },

  vk_place__deps: ['$VK'],
  vk_place: function(id, x, y, w, h) {
    VK.nodes[id].w = w;
    var s = VK.el(id).style;
    s.left = x + 'px'; s.top = y + 'px'; s.width = w + 'px'; s.height = h + 'px';
  },

  vk_set_text__deps: ['$VK'],
  vk_set_text: function(id, text) {
    var n = VK.nodes[id], t = UTF8ToString(text);
    var e = n.kind == 'window' || n.kind == 2 ? n.caption : n.el;
    // Only a new text replaces the old: a caption taken over keeps its text as it is.
    if (e.textContent != t) e.textContent = t;
    if (n.kind == 'window') {
      n.title = t;
      if (n.shown) document.title = t;
    } else if (n.kind == 2) {
      n.caption.hidden = !t;
    }
  },

  // An attribute (aria-label, aria-description, ...); an empty value removes it.
  vk_set_attr__deps: ['$VK'],
  vk_set_attr: function(id, name, value) {
    var v = UTF8ToString(value), e = VK.el(id);
    if (v) e.setAttribute(UTF8ToString(name), v); else e.removeAttribute(UTF8ToString(name));
  },

  vk_set_style__deps: ['$VK'],
  vk_set_style: function(id, name, value) {
    VK.el(id).style.setProperty(UTF8ToString(name), UTF8ToString(value));
  },

  vk_set_visible__deps: ['$VK'],
  vk_set_visible: function(id, visible) { VK.el(id).hidden = !visible; },

  vk_set_enabled__deps: ['$VK'],
  vk_set_enabled: function(id, enabled) { VK.el(id).disabled = !enabled; },

  vk_focus__deps: ['$VK'],
  vk_focus: function(id) { VK.el(id).focus({preventScroll: true}); },

  vk_raise__deps: ['$VK'],
  vk_raise: function(id, z) { VK.el(id).style.zIndex = z; },

  // The buttons to the end of their box in this order: the tab chain.
  vk_append__deps: ['$VK'],
  // The start screen the program takes over has them in this order already.
  vk_append: function(id) {
    var e = VK.el(id);
    if (!VK.adopting) e.parentNode.appendChild(e);
  },

  // A button's picture (or a window's icon), from the page's pictures, and its place in the button.
  vk_set_picture__deps: ['$VK'],
  vk_set_picture: function(id, file) {
    var n = VK.nodes[id], p = n.picture || n.icon, src = Module['pictures'][UTF8ToString(file)];
    if (p.getAttribute('src') != src) p.src = src;
    p.hidden = false;
  },
  vk_place_picture__deps: ['$VK'],
  vk_place_picture: function(id, x, y, w, h) {
    var s = VK.nodes[id].picture.style;
    // From the button's border box; the picture stands in its padding box.
    s.left = x - 1 + 'px'; s.top = y - 1 + 'px'; s.width = w + 'px'; s.height = h + 'px';
  },

  // Whether a label's caption fits its box in letters of this size in pixels
  // and this width in percent (laid out that much wider, then drawn that much
  // narrower), on no more lines than given. The label is left drawn so.
  vk_fits__deps: ['$VK'],
  vk_fits: function(id, px, stretch, lines) {
    var n = VK.nodes[id], e = n.el;
    e.style.fontSize = px + 'px';
    e.style.width = n.w * 100 / stretch + 'px';
    e.style.transform = stretch == 100 ? '' : 'scaleX(' + stretch / 100 + ')';
    if (e.hidden || !e.firstChild || !e.textContent.trim()) return 1;
    var range = document.createRange();
    range.selectNodeContents(e.firstChild);
    var rows = {}, count = 0, rects = range.getClientRects();
    for (var j = 0; j < rects.length; j++) {
      var top = Math.round(rects[j].top);
      if (!rows[top]) { rows[top] = 1; count++; }
    }
    return count <= lines && e.scrollWidth <= e.clientWidth && e.scrollHeight <= e.clientHeight ? 1 : 0;
  },

  vk_show__deps: ['$VK'],
  vk_show: function(id) {
    var n = VK.nodes[id];
    // The first window is made: whatever of the start screen it did not take over goes.
    VK.shown.forEach(function(e) { e.remove(); });
    VK.shown = [];
    VK.adopting = false;
    n.el.style.visibility = '';
    n.shown = true;
    if (n.title !== undefined) document.title = n.title;
  },

  // The window closes: gone from the page.
  vk_remove__deps: ['$VK'],
  vk_remove: function(id) {
    var n = VK.nodes[id];
    n.el.remove();
    VK.nodes[id] = null;
  },

  vk_forget__deps: ['$VK'],
  vk_forget: function(id) { VK.nodes[id] = null; },

  vk_announce__deps: ['$VK'],
  vk_announce: function(id, text) {
    var v = VK.nodes[id].voice;
    v.textContent = '';
    // A new text node in the live region is what is spoken.
    v.appendChild(document.createTextNode(UTF8ToString(text)));
  },

  // Outer size of a window (0 width, 1 height), or the desk's, in unscaled CSS pixels.
  vk_size__deps: ['$VK'],
  vk_size: function(id, which) {
    return (id ? VK.nodes[id].size : VK.deskSize)[which];
  },

  // Its ticks come as events of the timer's negative handle.
  vk_timer__deps: ['$VK'],
  vk_timer: function(ms) {
    var handle = setInterval(function() { VK.send(-handle, VK.TICK); }, ms);
    return handle;
  },
  vk_timer_stop: function(handle) { clearInterval(handle); },

  // The program has ended: no window is left, and the page offers another game.
  vk_end__deps: ['$VK'],
  vk_end: function(name) {
    var desk = VK.desk();
    desk.querySelectorAll('.vk-window').forEach(function(w) { w.style.visibility = 'hidden'; });
    var end = document.getElementById('end');
    end.querySelector('h1').textContent = UTF8ToString(name);
    document.title = UTF8ToString(name);
    end.hidden = false;
    document.getElementById('again').focus();
  },

  vk_again__deps: ['$VK'],
  vk_again: function() { document.getElementById('end').hidden = true; }
};
mergeInto(LibraryManager.library, LibraryVelkaroDom);
