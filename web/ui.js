// The windows in the page: the main frame with its menu bar and view, each modal dialog as an
// in-page window over a backdrop, its controls as real HTML elements placed from the template,
// and the message boxes. Everything shown comes from the state the program hands over after
// each event; everything the pupil does goes back as an event.
import { replay, drawIcon, fontsPending } from './canvas.js';
import { Speech } from './speech.js';

const STYLE_NOPREFIX = 2, STYLE_CENTER = 4, STYLE_RIGHT = 8, STYLE_BORDER = 16,
  STYLE_DISABLED = 32, STYLE_READONLY = 64, STYLE_HIDDEN = 512,
  STYLE_WORDS = 1024;
const MENU_POPUP = 1, MENU_SEPARATOR = 2;
const READ_ALOUD_KEY = 'Ctrl+Shift+R';
const LEVEL_JUNIOR = 32787, LEVEL_SENIOR = 32788;
const DIALOG_BACKGROUND = '#f0f0f0';

function el(tag, props = {}, ...children) {
  const e = document.createElement(tag);
  for (const [k, v] of Object.entries(props)) {
    if (k === 'class') e.className = v;
    else if (k === 'style') e.style.cssText = v;
    else if (k.startsWith('on')) e.addEventListener(k.slice(2), v);
    else if (v !== undefined && v !== null && v !== false) e.setAttribute(k, v === true ? '' : v);
  }
  for (const c of children) if (c !== null && c !== undefined) e.append(c);
  return e;
}

// A menu or button text: "&X" marks the access key; U+001E/U+001F stand where a marker would.
function label(text, noPrefix) {
  let key = null;
  let out = '';
  for (let i = 0; i < text.length; ++i) {
    const c = text[i];
    if (c === '\u001e' || c === '\u001f') { if (c === '\u001e' && !key) key = text[i + 1]; continue; }
    if (c === '&' && !noPrefix) {
      if (text[i + 1] === '&') { out += '&'; ++i; continue; }
      if (!key) key = text[i + 1];
      continue;
    }
    out += c;
  }
  return { text: out, key: key ? key.toUpperCase() : null };
}

function json(s) { return JSON.stringify(s); }

// A canvas whose backing store follows the device pixel ratio and the page's scale.
class Page {
  constructor(width, height, background) {
    this.canvas = el('canvas', { class: 'page' });
    this.width = width;
    this.height = height;
    this.background = background;
    this.canvas.style.width = `${width}px`;
    this.canvas.style.height = `${height}px`;
    this.ops = [];
    this.paints = -1;
  }
  draw(ops, ratio) {
    this.ops = ops;
    const w = Math.round(this.width * ratio), h = Math.round(this.height * ratio);
    if (this.canvas.width !== w || this.canvas.height !== h) {
      this.canvas.width = w;
      this.canvas.height = h;
    }
    const ctx = this.canvas.getContext('2d');
    ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
    replay(ctx, ops, this.width, this.height, this.background);
    // A page in a font that is still on its way is drawn again once the font is here.
    const pending = fontsPending(ops);
    if (pending.length) {
      Promise.all(pending.map((f) => document.fonts.load(f))).then(() => {
        if (this.ops === ops) this.draw(ops, ratio);
      }, () => {});
    }
  }
  // Client pixel of a pointer event.
  point(e) {
    const r = this.canvas.getBoundingClientRect();
    return [Math.floor((e.clientX - r.left) * this.width / r.width),
            Math.floor((e.clientY - r.top) * this.height / r.height)];
  }
}

export class Ui {
  constructor(send, scripting) {
    this.send = send;
    this.scripting = scripting;
    this.desk = document.getElementById('desk');
    this.frame = document.getElementById('frame');
    this.menubar = document.getElementById('menubar');
    this.caption = document.getElementById('caption');
    this.layer = document.getElementById('dialogs');
    this.view = null;
    this.dialogs = [];  // {serial, root, page, controls: Map(id -> element), state}
    this.timers = new Map();  // "serial:id" -> interval
    this.state = null;
    this.menu = null;
    this.scale = 1;
    this.speech = new Speech();
    this.svgOf = () => '';  // set by the host: window index -> SVG text
    this.guideChannel = 'BroadcastChannel' in window ? new BroadcastChannel('velorin-guide') : null;
    document.addEventListener('keydown', (e) => this.onKey(e));
    window.addEventListener('resize', () => this.fit());
    // An on-screen keyboard shrinks the visible part of the page: the desk is fitted above it,
    // so the box being typed into stays in sight.
    window.visualViewport?.addEventListener('resize', () => this.fit());
    matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener?.('change', () => this.redrawAll());
  }

  ratio() { return (window.devicePixelRatio || 1) * Math.max(this.scale, 0.25); }

  // -- menu bar --------------------------------------------------------------------------------
  setMenu(menu) {
    if (!menu.items) return;
    this.menu = menu;
    this.menubar.replaceChildren();
    const stack = [this.menubar];
    let topIndex = 0;
    for (const item of menu.items) {
      while (stack.length > item.level + 1) stack.pop();
      const parent = stack[stack.length - 1];
      const { text, key } = label(item.text);
      if (item.flags & MENU_SEPARATOR) {
        parent.append(el('li', { role: 'separator', class: 'separator' }));
      } else if (item.flags & MENU_POPUP) {
        const list = el('ul', { class: 'popup', hidden: true });
        const button = el('button', { type: 'button', class: item.level ? 'item sub' : 'top',
          'aria-haspopup': 'true', 'aria-expanded': 'false', 'data-key': key },
          text.trim());
        const li = el('li', { class: item.level ? 'has-sub' : 'menu' }, button, list);
        // A submenu opens on a click or tap (a second one does not close it); a menu of the bar
        // opens and closes on its title.
        button.addEventListener('click', (e) => {
          e.stopPropagation();
          if (!item.level) this.togglePopup(li);
          else if (!li.classList.contains('open')) this.togglePopup(li);
        });
        // A mouse moving over the titles opens them as it goes, once a menu is open.
        button.addEventListener('pointerenter', (e) => {
          if (e.pointerType !== 'mouse') return;
          if (item.level || this.menubar.querySelector(':scope > li.open')) this.openPopup(li);
        });
        parent.append(li);
        if (!item.level) li.dataset.index = topIndex++;
        stack.push(list);
      } else {
        const button = el('button', { type: 'button', class: item.level ? 'item' : 'top',
          'data-command': item.id, 'data-key': key },
          item.level ? el('span', { class: 'check', 'aria-hidden': 'true' }) : null, text.trim());
        button.addEventListener('click', (e) => {
          e.stopPropagation();
          this.closeMenus();
          this.command(item.id);
        });
        parent.append(el('li', {}, button));
      }
    }
    document.addEventListener('pointerdown', (e) => {
      if (!this.menubar.contains(e.target)) this.closeMenus();
    });
    if (this.state) this.applyChecks();
  }
  openPopup(li) {
    for (const o of [...li.parentElement.children]) if (o !== li) this.closePopup(o);
    li.classList.add('open');
    li.querySelector(':scope > ul').hidden = false;
    li.querySelector(':scope > button').setAttribute('aria-expanded', 'true');
  }
  closePopup(li) {
    li.classList.remove('open');
    const ul = li.querySelector(':scope > ul');
    if (ul) ul.hidden = true;
    li.querySelector(':scope > button')?.setAttribute('aria-expanded', 'false');
    li.querySelectorAll('li.open').forEach((o) => this.closePopup(o));
  }
  togglePopup(li) {
    if (li.classList.contains('open')) this.closePopup(li);
    else {
      this.openPopup(li);
      li.querySelector(':scope > ul button')?.focus();
    }
  }
  closeMenus() { this.menubar.querySelectorAll(':scope > li').forEach((li) => this.closePopup(li)); }
  command(id) {
    if (this.dialogs.length || this.state?.exited) return;
    this.send(`user command ${id}`);
  }
  applyChecks() {
    const checked = new Set(this.state.checked);
    // A checked item and the items beside it are toggles; the rest are plain commands.
    this.menubar.querySelectorAll('button[data-command]').forEach((b) => {
      const on = checked.has(Number(b.dataset.command));
      b.classList.toggle('checked', on);
      if (on) b.closest('ul').querySelectorAll(':scope > li > button[data-command]')
        .forEach((x) => x.setAttribute('aria-pressed', String(checked.has(Number(x.dataset.command)))));
    });
  }
  // Keys in an open menu: arrows move, Escape closes, a letter picks its item.
  menuKey(e) {
    const open = this.menubar.querySelector(':scope > li.open');
    if (!open) return false;
    const focused = document.activeElement;
    const list = focused?.closest('ul');
    const buttons = list ? [...list.querySelectorAll(':scope > li > button')] : [];
    const i = buttons.indexOf(focused);
    const tops = [...this.menubar.querySelectorAll(':scope > li > button')];
    const moveTop = (d) => {
      const t = tops.indexOf(open.querySelector(':scope > button'));
      const next = tops[(t + d + tops.length) % tops.length].parentElement;
      this.closeMenus();
      if (next.querySelector(':scope > ul')) {
        this.openPopup(next);
        next.querySelector(':scope > ul button')?.focus();
      } else next.querySelector('button').focus();
    };
    switch (e.key) {
      case 'Escape': this.closeMenus(); open.querySelector('button').focus(); return true;
      case 'ArrowDown': buttons[(i + 1) % buttons.length]?.focus(); return true;
      case 'ArrowUp': buttons[(i - 1 + buttons.length) % buttons.length]?.focus(); return true;
      case 'ArrowRight':
        if (focused?.classList.contains('sub')) { this.togglePopup(focused.parentElement); return true; }
        moveTop(1); return true;
      case 'ArrowLeft': {
        const sub = list?.parentElement;
        if (sub?.classList.contains('has-sub')) { this.closePopup(sub); sub.querySelector('button').focus(); return true; }
        moveTop(-1); return true;
      }
      default: {
        if (e.key.length !== 1) return false;
        const b = buttons.find((x) => x.dataset.key === e.key.toUpperCase());
        if (b) b.click();
        return !!b;
      }
    }
  }

  onKey(e) {
    if (this.menuKey(e)) { e.preventDefault(); return; }
    if (e.ctrlKey && e.shiftKey && !e.altKey && e.key.toUpperCase() === 'R' && this.dialogs.length) {
      e.preventDefault();
      const d = this.dialogs[this.dialogs.length - 1];
      const s = this.topState(d);
      if (s?.reading && !this.speech.unavailable()) this.speech.speak(d.serial, s.reading);
      return;
    }
    if (this.dialogs.length || this.state?.exited || !this.menu) return;
    // Alt+letter opens a menu of the bar.
    if (e.altKey && !e.ctrlKey && e.key.length === 1) {
      const b = [...this.menubar.querySelectorAll(':scope > li > button')]
        .find((x) => x.dataset.key === e.key.toUpperCase());
      if (b) { e.preventDefault(); b.click(); return; }
    }
    if (e.key === 'F10' && !e.shiftKey) {
      e.preventDefault();
      this.menubar.querySelector(':scope > li > button').click();
      return;
    }
    // The accelerator table: Ctrl, Shift and Alt with a letter or a named key.
    const names = { 8: 'Backspace', 46: 'Delete', 45: 'Insert', 117: 'F6' };
    for (const a of this.menu.accelerators || []) {
      const key = names[a.key] || String.fromCharCode(a.key);
      const mods = (e.ctrlKey ? 1 : 0) | (e.shiftKey ? 2 : 0) | (e.altKey ? 4 : 0);
      if (e.key.toUpperCase() === key.toUpperCase() && mods === a.mods) {
        e.preventDefault();
        this.command(a.command);
        return;
      }
    }
  }

  // -- state -----------------------------------------------------------------------------------
  sync({ serials, state, styles, enter }) {
    const first = !this.state;
    const previousLevel = this.state?.level;
    this.state = state;
    this.keepLevel(first, previousLevel);
    document.title = state.caption;
    this.caption.textContent = state.caption;
    if (this.menu) this.applyChecks();
    const [viewState, ...dialogStates] = state.windows;
    if (viewState) this.syncView(viewState);
    // Dialogs that have gone; then new ones; then every open one's controls and page.
    while (this.dialogs.length && (this.dialogs.length > serials.length ||
           this.dialogs[this.dialogs.length - 1].serial !== serials[this.dialogs.length - 1])) {
      this.dialogs.pop().root.remove();
    }
    for (let i = this.dialogs.length; i < serials.length; ++i) {
      this.dialogs.push(this.createDialog(serials[i], dialogStates[i], styles ? styles[i] : []));
    }
    this.dialogs.forEach((d, i) => {
      if (styles && styles[i]) d.styles = styles[i];
      d.enter = enter ? enter[i] : 0;
      this.syncDialog(d, dialogStates[i], i === this.dialogs.length - 1);
    });
    this.syncTimers();
    this.speech.follow(new Map(this.dialogs.map((d, i) => [d.serial, dialogStates[i].reading])));
    this.layer.classList.toggle('modal', this.dialogs.length > 0);
    this.frame.inert = this.dialogs.length > 0;
    document.getElementById('ended').hidden = !state.exited;
    if (first) this.fit();
    document.body.dataset.paints = String(state.windows.reduce((a, w) => a + w.paints, 0));
  }

  // The level chosen in the menu is kept in the browser and chosen again at the next start.
  keepLevel(first, previousLevel) {
    try {
      if (first) {
        const saved = localStorage.getItem('velorin.level');
        if (saved !== null && Number(saved) !== this.state.level) {
          this.send(`user command ${Number(saved) === 0 ? LEVEL_JUNIOR : LEVEL_SENIOR}`);
        }
      } else if (this.state.level !== previousLevel) {
        localStorage.setItem('velorin.level', String(this.state.level));
      }
    } catch { /* storage switched off: the level lasts for this visit */ }
  }

  syncView(v) {
    if (!this.view) {
      this.view = new Page(v.client[0], v.client[1], '#ffffff');
      this.view.canvas.setAttribute('role', 'img');
      this.view.canvas.setAttribute('aria-label', '数の分類とパズル');
      this.pagePointer(this.view, () => !this.dialogs.length && !this.state?.exited, null);
      document.getElementById('view').append(this.view.canvas);
    }
    if (v.reading && this.view.canvas.getAttribute('aria-label') !== v.reading) {
      this.view.canvas.setAttribute('aria-label', v.reading);
    }
    if (v.paints !== this.view.paints) {
      this.view.paints = v.paints;
      this.view.draw(v.ops, this.ratio());
      if (!performance.getEntriesByName('velorin-first-paint').length) performance.mark('velorin-first-paint');
    }
  }

  createDialog(serial, s, styles) {
    const [w, h] = s.client;
    const titleId = `dlg-title-${serial}`;
    const close = el('button', { type: 'button', class: 'close', 'aria-label': '閉じる',
      onclick: () => this.send('user close') }, '×');
    const page = new Page(w, h, DIALOG_BACKGROUND);
    const client = el('div', { class: 'client', style: `width:${w}px;height:${h}px` }, page.canvas);
    const root = el('section', { class: 'dialog', role: 'dialog', 'aria-modal': 'true',
      'aria-labelledby': titleId },
      el('header', { class: 'title' }, el('h2', { id: titleId }, s.title), close), client);
    const d = { serial, root, page, client, controls: new Map(), focus: null, styles, lastFocus: 0 };
    page.canvas.setAttribute('role', 'img');
    this.pagePointer(page, () => this.dialogs[this.dialogs.length - 1] === d,
                     (e) => this.pageMenu(d, e));
    this.buildControls(d, s);
    this.layer.append(root);
    this.placeDialog(d);
    return d;
  }

  buildControls(d, s) {
    let radioGroup = 0, prevKind = null;
    let lastLabelId = null;
    s.controls.forEach((c, i) => {
      const style = d.styles[i] || 0;
      const [x, y, w, h] = c.rect;
      const pos = `left:${x}px;top:${y}px;width:${w}px;height:${h}px`;
      const id = `c${d.serial}-${i}`;
      let e;
      const { text } = label(c.text, style & STYLE_NOPREFIX);
      switch (c.kind) {
        case 'button':
          e = el('button', { type: 'button', id, class: c.default ? 'button default' : 'button',
            style: pos, disabled: !!(style & STYLE_DISABLED) }, text);
          e.addEventListener('click', () => this.send(`user press ${c.id}`));
          break;
        case 'edit':
          // Boxes take numbers, so touch screens show the keyboard's digits, unless marked for words.
          e = el('input', { type: 'text', id, class: 'edit', style: pos,
            inputmode: style & STYLE_WORDS ? 'text' : 'numeric',
            autocomplete: 'off', spellcheck: 'false', readonly: !!(style & STYLE_READONLY),
            disabled: !!(style & STYLE_DISABLED), 'aria-labelledby': lastLabelId });
          if (c.maxlength > 0) e.maxLength = c.maxlength;
          e.addEventListener('input', (ev) => { if (!ev.isComposing) this.typed(c.id, e); });
          e.addEventListener('compositionend', () => this.typed(c.id, e));
          e.addEventListener('keydown', (ev) => this.editKey(d, ev));
          break;
        case 'check': {
          const input = el('input', { type: 'checkbox', id });
          input.addEventListener('click', (ev) => { ev.preventDefault(); this.send(`user press ${c.id}`); });
          e = el('label', { class: 'radio', style: pos }, input, el('span', {}, text));
          e.input = input;
          break;
        }
        case 'radio': {
          if (prevKind !== 'radio') ++radioGroup;
          const input = el('input', { type: 'radio', id, name: `g${d.serial}-${radioGroup}` });
          input.addEventListener('click', () => this.send(`user press ${c.id}`));
          e = el('label', { class: 'radio', style: pos }, input, el('span', {}, text));
          e.input = input;
          break;
        }
        case 'combo':
          e = el('select', { id, class: 'combo', style: `left:${x}px;top:${y}px;width:${w}px`,
            'aria-labelledby': lastLabelId });
          e.addEventListener('change', () => this.send(`user select ${c.id} ${e.selectedIndex}`));
          break;
        case 'group':
          e = el('fieldset', { class: 'group', style: pos }, el('legend', {}, text));
          break;
        case 'icon': {
          const cv = el('canvas', { class: 'icon', width: 32, height: 32, role: 'img',
            'aria-label': 'Velorin', style: `left:${x}px;top:${y}px;width:32px;height:32px` });
          drawIcon(cv.getContext('2d'), 0, 0, 'application');
          e = cv;
          break;
        }
        case 'frame':
          e = el('div', { class: 'frame', style: pos, 'aria-hidden': 'true' });
          break;
        default: {
          const align = style & STYLE_CENTER ? 'center' : style & STYLE_RIGHT ? 'right' : 'left';
          e = el('div', { id, class: style & STYLE_BORDER ? 'static border' : 'static',
            style: `${pos};text-align:${align}` }, text);
          if (text.trim()) lastLabelId = id;
        }
      }
      if (['button', 'edit', 'combo', 'radio', 'check'].includes(c.kind)) {
        const target = e.input || e;
        target.addEventListener('focus', () => {
          if (this.state && this.topState(d)?.focus !== c.id) this.send(`focus ${c.id}`);
        });
      }
      prevKind = c.kind;
      if (c.id !== -1) (e.input || e).dataset.control = c.id;
      d.controls.set(c.id === -1 ? `s${i}` : c.id, e);
      d.client.append(e);
    });
  }

  topState(d) {
    const i = this.dialogs.indexOf(d);
    return i >= 0 ? this.state.windows[i + 1] : null;
  }

  typed(id, input) { this.send(`user type ${id} ${json(input.value)}`); }

  // Enter in an edit box.
  editKey(d, e) {
    if (e.key === 'Escape') { e.preventDefault(); this.send('user close'); return; }
    if (e.key !== 'Enter' || e.isComposing) return;
    e.preventDefault();
    const s = this.topState(d);
    if (!s) return;
    // The program names the button Enter presses (開始, or 採点 in a drill); else the default.
    const target = d.enter ? { id: d.enter } : s.controls.find((c) => c.kind === 'button' &&
      c.default && !((d.styles[s.controls.indexOf(c)] || 0) & (STYLE_DISABLED | STYLE_HIDDEN)));
    if (target) this.send(`user press ${target.id}`);
  }

  syncDialog(d, s, top) {
    d.root.querySelector('h2').textContent = s.title;
    d.root.classList.toggle('top', top);
    d.root.inert = !top;
    s.controls.forEach((c, i) => {
      const e = d.controls.get(c.id === -1 ? `s${i}` : c.id);
      if (!e) return;
      const style = d.styles[i] || 0;
      const { text } = label(c.text, style & STYLE_NOPREFIX);
      e.hidden = !!(style & STYLE_HIDDEN);
      const input = e.input || e;
      if ('disabled' in input) input.disabled = !!(style & STYLE_DISABLED);
      switch (c.kind) {
        case 'edit':
          if (e.value !== c.text) e.value = c.text;
          if (c.maxlength > 0) e.maxLength = c.maxlength; else e.removeAttribute('maxlength');
          break;
        case 'radio':
        case 'check':
          e.input.checked = c.checked;
          e.querySelector('span').textContent = text;
          break;
        case 'combo': {
          const items = [...e.options].map((o) => o.text);
          if (items.length !== c.items.length || items.some((t, k) => t !== c.items[k])) {
            e.replaceChildren(...c.items.map((t) => el('option', {}, t)));
          }
          e.selectedIndex = c.selection;
          break;
        }
        case 'group': e.querySelector('legend').textContent = text; break;
        case 'button':
        case 'static':
          if (e.textContent !== text) e.textContent = text;
          break;
        default: break;
      }
    });
    if (s.paints !== d.page.paints) {
      d.page.paints = s.paints;
      d.page.draw(s.ops, this.ratio());
      performance.mark('velorin-page-paint');
    }
    const alt = s.reading || s.title;
    if (d.page.canvas.getAttribute('aria-label') !== alt) d.page.canvas.setAttribute('aria-label', alt);
    // Focus follows the program's, unless the pupil is already there.
    if (top && s.focus !== d.lastFocus) {
      d.lastFocus = s.focus;
      const e = d.controls.get(s.focus);
      const target = e && (e.input || e);
      if (target && document.activeElement !== target) target.focus({ preventScroll: true });
    }
    if (top && !d.root.contains(document.activeElement)) {
      const e = d.controls.get(s.focus);
      (e && (e.input || e) || d.root.querySelector('.close')).focus({ preventScroll: true });
    }
  }

  syncTimers() {
    const wanted = new Map();
    this.state.windows.forEach((w, index) => {
      const serial = index === 0 ? 0 : this.dialogs[index - 1]?.serial;
      for (const t of w.timers || []) wanted.set(`${serial}:${t.id}:${t.ms}`, { serial, id: t.id, ms: t.ms });
    });
    for (const [k, h] of this.timers) if (!wanted.has(k)) { clearInterval(h); this.timers.delete(k); }
    for (const [k, t] of wanted) {
      if (this.timers.has(k)) continue;
      this.timers.set(k, setInterval(() => {
        if (this.scripting()) return;  // scripts drive timers with "tick"
        const index = t.serial === 0 ? 0 : this.dialogs.findIndex((d) => d.serial === t.serial) + 1;
        if (index < 0) return;
        this.send(`timer ${index} ${t.id}`);
      }, Math.max(10, t.ms)));
    }
  }

  // -- layout ----------------------------------------------------------------------------------
  // The main window and the dialogs scale down as a whole to fit the screen.
  fit() {
    // The frame is measured once it exists and again only when the screen changes, so that
    // opening a dialog forces no layout.
    this.frameSize = [this.frame.offsetWidth, this.frame.offsetHeight];
    const [frameW, frameH] = this.frameSize;
    if (!frameW || !frameH) return;
    const vw = document.documentElement.clientWidth, vh = window.visualViewport?.height || innerHeight;
    const s = Math.min(1, (vw - 8) / frameW, (vh - 8) / frameH);
    if (Math.abs(s - this.scale) > 1e-3) {
      this.scale = s;
      this.desk.style.transform = s < 1 ? `scale(${s})` : '';
      this.redrawAll();
    }
    this.desk.style.width = `${frameW}px`;
    this.desk.parentElement.style.height = `${Math.ceil(frameH * s) + 8}px`;
    this.dialogs.forEach((d) => this.placeDialog(d));
  }
  // A dialog is its client area, a 26-pixel title bar and a 1-pixel border.
  placeDialog(d) {
    if (!this.frameSize) return;
    const [fw, fh] = this.frameSize;
    const w = d.page.width + 2, h = d.page.height + 28;
    const depth = this.dialogs.indexOf(d) < 0 ? this.dialogs.length : this.dialogs.indexOf(d);
    const x = Math.max(0, Math.round((fw - w) / 2) + depth * 12);
    const y = Math.max(0, Math.round((fh - h) / 2) + depth * 12);
    d.root.style.left = `${x}px`;
    d.root.style.top = `${y}px`;
    // A dialog larger than the frame makes the desk grow so that it still fits whole.
    const needW = x + w, needH = y + h;
    if (needW > fw || needH > fh) {
      this.frame.style.minWidth = `${Math.max(fw, needW)}px`;
      this.frame.style.minHeight = `${Math.max(fh, needH)}px`;
      this.fit();
    }
  }
  redrawAll() {
    if (!this.state) return;
    if (this.view) this.view.draw(this.view.ops, this.ratio());
    this.dialogs.forEach((d) => d.page.draw(d.page.ops, this.ratio()));
  }

  // -- services --------------------------------------------------------------------------------
  messageBox(caption, text) {
    const ok = el('button', { type: 'button', class: 'button default' }, 'OK');
    const box = el('section', { class: 'dialog message', role: 'alertdialog', 'aria-modal': 'true',
      'aria-label': caption },
      el('header', { class: 'title' }, el('h2', {}, caption)),
      el('div', { class: 'body' }, el('p', {}, text), ok));
    const backdrop = el('div', { class: 'message-layer' }, box);
    const previous = document.activeElement;
    const done = () => { backdrop.remove(); previous?.focus?.({ preventScroll: true }); };
    ok.addEventListener('click', done);
    box.addEventListener('keydown', (e) => {
      if (e.key === 'Escape' || e.key === 'Enter') { e.preventDefault(); done(); }
    });
    document.body.append(backdrop);
    ok.focus();
  }
  guide(message, wparam, lparam) {
    const notice = { type: 'velorin-guide', message, wparam, lparam };
    for (const w of [window.parent !== window ? window.parent : null, window.opener]) {
      try { w?.postMessage(notice, '*'); } catch { /* the other page is gone */ }
    }
    this.guideChannel?.postMessage(notice);
  }
  help() { window.open('glossary.html#contents', 'velorin-glossary'); }
  print(index) {
    const page = index === 0 ? this.view : this.dialogs[index - 1]?.page;
    if (!page) return;
    const title = index === 0 ? this.state.caption : this.state.windows[index].title;
    this.printPage(page, title);
  }
  printPage(page, title) {
    const copy = new Page(page.width, page.height, '#ffffff');
    copy.draw(page.ops, 3);
    const sheet = el('div', { id: 'print-sheet' }, el('h1', {}, title),
      el('img', { src: copy.canvas.toDataURL('image/png'), alt: title }));
    document.body.append(sheet);
    const cleanup = () => { sheet.remove(); window.removeEventListener('afterprint', cleanup); };
    window.addEventListener('afterprint', cleanup);
    window.print();
    setTimeout(cleanup, 1000);
  }

  // Clicks on a page: a mouse or pen button goes down at once; a tap is a click when the finger
  // lifts, and a finger held still opens the page menu instead.
  pagePointer(page, live, menu) {
    const LONG_PRESS_MS = 550;
    let touch = null;
    page.canvas.addEventListener('pointerdown', (e) => {
      if (e.button !== 0 || !live()) return;
      e.preventDefault();
      const [x, y] = page.point(e);
      if (e.pointerType !== 'touch') { this.send(`user click ${x} ${y}`); return; }
      touch = { x, y, cx: e.clientX, cy: e.clientY, id: e.pointerId, timer: menu &&
        setTimeout(() => { touch = null; menu(e); }, LONG_PRESS_MS) };
    });
    page.canvas.addEventListener('pointermove', (e) => {
      if (touch && e.pointerId === touch.id && Math.hypot(e.clientX - touch.cx, e.clientY - touch.cy) > 10) {
        clearTimeout(touch.timer);
        touch = null;
      }
    });
    page.canvas.addEventListener('pointerup', (e) => {
      if (!touch || e.pointerId !== touch.id) return;
      clearTimeout(touch.timer);
      if (live()) this.send(`user click ${touch.x} ${touch.y}`);
      touch = null;
    });
    page.canvas.addEventListener('pointercancel', () => { if (touch) clearTimeout(touch.timer); touch = null; });
    this.keyboardPointer(page, live, menu);
    if (menu) {
      page.canvas.addEventListener('contextmenu', (e) => {
        e.preventDefault();
        if (live() && e.pointerType !== 'touch') menu(e);
      });
    }
  }

  // The keyboard reaches what a click reaches: on a focused page the arrow keys move a marker
  // (a character cell at a time, a quarter with Shift), Enter or Space clicks where it stands,
  // and the menu key or Shift+F10 opens the page menu.
  keyboardPointer(page, live, menu) {
    const canvas = page.canvas;
    canvas.tabIndex = 0;
    const marker = el('div', { class: 'page-cursor', hidden: true, 'aria-hidden': 'true' });
    let at = [Math.floor(page.width / 2), Math.floor(page.height / 2)];
    const place = () => {
      marker.style.left = `${canvas.offsetLeft + at[0]}px`;
      marker.style.top = `${canvas.offsetTop + at[1]}px`;
    };
    canvas.addEventListener('focus', () => {
      if (!canvas.matches(':focus-visible')) return;
      if (!marker.parentElement) canvas.after(marker);
      place();
      marker.hidden = false;
    });
    canvas.addEventListener('blur', () => { marker.hidden = true; });
    canvas.addEventListener('pointerdown', () => { marker.hidden = true; });
    canvas.addEventListener('keydown', (e) => {
      const step = e.shiftKey ? 4 : 16;
      const moves = { ArrowLeft: [-step, 0], ArrowRight: [step, 0], ArrowUp: [0, -step], ArrowDown: [0, step] };
      if (moves[e.key] && !e.altKey && !e.ctrlKey) {
        at = [Math.min(page.width - 1, Math.max(0, at[0] + moves[e.key][0])),
              Math.min(page.height - 1, Math.max(0, at[1] + moves[e.key][1]))];
      } else if ((e.key === 'Enter' || e.key === ' ') && live()) {
        this.send(`user click ${at[0]} ${at[1]}`);
      } else if (menu && (e.key === 'ContextMenu' || (e.key === 'F10' && e.shiftKey))) {
        const r = canvas.getBoundingClientRect();
        menu({ clientX: r.left + at[0] * r.width / page.width, clientY: r.top + at[1] * r.height / page.height });
      } else {
        return;
      }
      e.preventDefault();
      e.stopPropagation();
      if (!marker.parentElement) canvas.after(marker);
      marker.hidden = false;
      place();
    });
  }

  // The page menu of a dialog: save the page as a picture, print it.
  pageMenu(d, e) {
    this.closePageMenu();
    const s = this.topState(d);
    if (!s) return;
    const item = (text, action, disabled, hint) => el('li', {}, el('button', { type: 'button',
      class: 'item', disabled, title: hint, onclick: () => { this.closePageMenu(); action(); } }, text));
    const items = [
      item('画像として保存…', () => this.saveDialog(d, s.title)),
      item('印刷…', () => this.printPage(d.page, s.title)),
      this.readAloudItem(d, s, item),
    ];
    const menu = el('ul', { class: 'page-menu', role: 'menu' }, ...items);
    menu.style.left = `${e.clientX}px`;
    menu.style.top = `${e.clientY}px`;
    menu.addEventListener('keydown', (ev) => {
      const buttons = [...menu.querySelectorAll('button:not(:disabled)')];
      const i = buttons.indexOf(document.activeElement);
      if (ev.key === 'Escape') { ev.preventDefault(); this.closePageMenu(); }
      else if (ev.key === 'ArrowDown') { ev.preventDefault(); buttons[(i + 1) % buttons.length]?.focus(); }
      else if (ev.key === 'ArrowUp') { ev.preventDefault(); buttons[(i - 1 + buttons.length) % buttons.length]?.focus(); }
    });
    document.body.append(menu);
    const r = menu.getBoundingClientRect();
    if (r.right > innerWidth) menu.style.left = `${Math.max(0, innerWidth - r.width)}px`;
    if (r.bottom > innerHeight) menu.style.top = `${Math.max(0, innerHeight - r.height)}px`;
    this.pageMenuOpen = menu;
    menu.querySelector('button:not(:disabled)')?.focus();
    setTimeout(() => document.addEventListener('pointerdown', this.pageMenuCloser = (ev) => {
      if (!menu.contains(ev.target)) this.closePageMenu();
    }), 0);
  }
  // 「読み上げ」: the page's reading in a Japanese voice; greyed, with the reason, without one.
  readAloudItem(d, s, item) {
    const why = this.speech.unavailable() || (s.reading ? null : 'このページには読み上げる文がありません');
    const li = item(why ? `読み上げ（${why}）` : '読み上げ', () => this.speech.speak(d.serial, s.reading),
                    !!why, why);
    li.querySelector('button').append(el('kbd', {}, READ_ALOUD_KEY));
    return li;
  }
  closePageMenu() {
    this.pageMenuOpen?.remove();
    this.pageMenuOpen = null;
    if (this.pageMenuCloser) document.removeEventListener('pointerdown', this.pageMenuCloser);
  }

  // "画像として保存…": a PNG at twice the resolution or an SVG, under a name the pupil picks.
  saveDialog(d, title) {
    const name = el('input', { type: 'text', value: `${title}.png`, 'aria-label': 'ファイル名' });
    const png = el('input', { type: 'radio', name: 'fmt', checked: true });
    const svg = el('input', { type: 'radio', name: 'fmt' });
    const ext = () => (svg.checked ? '.svg' : '.png');
    const fix = () => { name.value = name.value.replace(/\.(png|svg)$/i, '') + ext(); };
    png.addEventListener('change', fix);
    svg.addEventListener('change', fix);
    const save = el('button', { type: 'button', class: 'button default' }, '保存');
    const cancel = el('button', { type: 'button', class: 'button' }, 'キャンセル');
    const box = el('section', { class: 'dialog message', role: 'dialog', 'aria-modal': 'true',
      'aria-label': '画像として保存' },
      el('header', { class: 'title' }, el('h2', {}, '画像として保存')),
      el('div', { class: 'body' },
        el('label', { class: 'field' }, 'ファイル名 ', name),
        el('div', { class: 'formats' }, el('label', {}, png, ' PNG (2倍の解像度)'),
          el('label', {}, svg, ' SVG')),
        el('div', { class: 'buttons' }, save, cancel)));
    const layer = el('div', { class: 'message-layer' }, box);
    const close = () => layer.remove();
    cancel.addEventListener('click', close);
    save.addEventListener('click', () => {
      const file = name.value.trim() || `${title}${ext()}`;
      if (svg.checked) {
        const index = this.dialogs.indexOf(d) + 1;
        this.download(file, new Blob([this.svgOf(index)], { type: 'image/svg+xml' }));
        close();
      } else {
        const copy = new Page(d.page.width, d.page.height, '#ffffff');
        copy.draw(d.page.ops, 2);
        copy.canvas.toBlob((b) => { this.download(file, b); close(); }, 'image/png');
      }
    });
    box.addEventListener('keydown', (e) => { if (e.key === 'Escape') close(); });
    document.body.append(layer);
    name.focus();
  }
  // A page of the program's own HTML (a worksheet) printed through a frame of its own.
  printHtml(html) {
    const frame = el('iframe', { class: 'print-frame', title: '印刷', 'aria-hidden': 'true' });
    frame.srcdoc = html;
    frame.addEventListener('load', () => {
      frame.contentWindow.focus();
      frame.contentWindow.print();
      setTimeout(() => frame.remove(), 60000);
    });
    document.body.append(frame);
  }
  download(file, blob) {
    const a = el('a', { href: URL.createObjectURL(blob), download: file });
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 10000);
  }
}
