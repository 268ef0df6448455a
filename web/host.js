// Starts the program in the page and carries events between the page and the program. Every
// input is queued as one event; the program's innermost loop takes them one at a time, and
// after each the page is handed the new state to show.
import { Ui } from './ui.js';
import { BrowserRecord } from './record.js';
import './offline.js';

const FONTS = [
  ['Velorin Gothic', 'fonts/ipag.woff2'],
  ['Velorin PGothic', 'fonts/ipagp.woff2'],
  ['Velorin Mincho', 'fonts/ipam.woff2'],
];

class EventQueue {
  constructor() {
    this.events = [];
    this.waiting = null;
  }
  push(text) {
    if (this.waiting) {
      const w = this.waiting;
      this.waiting = null;
      w(text);
    } else {
      this.events.push(text);
    }
  }
  next() {
    if (this.events.length) return Promise.resolve(this.events.shift());
    return new Promise((resolve) => { this.waiting = resolve; });
  }
  // Drops the queued lines of a script run that stopped.
  dropRun(run) {
    this.events = this.events.filter((e) => !e.startsWith(`line ${run} `) && e !== `end ${run}`);
  }
}

function showError(message) {
  const panel = document.getElementById('error');
  if (!panel || !panel.hidden) return;
  panel.querySelector('.detail').textContent = String(message);
  panel.hidden = false;
  panel.querySelector('button').focus();
}

export async function start() {
  window.addEventListener('error', (e) => showError(e.message || e.error));
  window.addEventListener('unhandledrejection', (e) => {
    if (!(e.reason && e.reason.velorinScript)) showError(e.reason && (e.reason.message || e.reason));
  });
  document.querySelector('#error button').addEventListener('click', () => location.reload());

  const queue = new EventQueue();
  const runs = new Map();
  let nextRun = 1;
  let module = null;
  const ui = new Ui((event) => queue.push(event), () => runs.size > 0);

  const record = new BrowserRecord();
  const toWasm = (text) => {
    const size = module.lengthBytesUTF8(text) + 1;
    const ptr = module._malloc(size);
    module.stringToUTF8(text, ptr, size);
    return ptr;
  };
  const host = {
    async nextEvent() { return toWasm(await queue.next()); },
    sync(payload) { ui.sync(JSON.parse(payload)); },
    messageBox(caption, text, type) { ui.messageBox(caption, text, type); },
    scriptDone(run, error) {
      const r = runs.get(run);
      if (!r) return;
      runs.delete(run);
      if (error) {
        queue.dropRun(run);
        const e = new Error(error);
        e.velorinScript = true;
        r.reject(e);
      } else {
        r.resolve();
      }
    },
    guide(message, wparam, lparam) { ui.guide(message, wparam, lparam); },
    help(file, command) { ui.help(file, command); },
    print(index) { ui.print(index); },
    recentLoad() {
      let text = '[]';
      try { text = localStorage.getItem('velorin.recent') || '[]'; } catch { /* storage off */ }
      return toWasm(text);
    },
    recordLoad() { return toWasm(JSON.stringify(record.rows)); },
    recordAppend(json) {
      record.append(JSON.parse(json), () => ui.messageBox('Velorin',
        'このブラウザーでは学習記録を保存できません。結果はこのページを閉じるまで残ります。'));
    },
    download(name, bytes) { ui.download(name, new Blob([bytes])); },
    printHtml(html) { ui.printHtml(html); },
    recentSave(json) {
      try { localStorage.setItem('velorin.recent', json); } catch { /* storage full or off */ }
    },
  };

  // The main view is drawn in the first font; the others load meanwhile, and a page drawn
  // before its font arrives is drawn again when it does.
  const fonts = FONTS.map(([family, url]) => new FontFace(family, `url(${url})`).load()
    .then((f) => document.fonts.add(f)));
  fonts.slice(1).forEach((f) => f.catch((e) => console.warn('velorin: fonts', e)));
  const { default: createVelorin } = await import('./velorin.js');
  const ready = createVelorin({
    host,
    noInitialRun: true,
    onAbort: (what) => showError(what),
    print: (t) => console.log(t),
    printErr: (t) => console.warn(t),
  });
  [module] = await Promise.all([ready, fonts[0].catch((e) => {
    console.warn('velorin: fonts', e);
  }), record.load()]);
  ui.svgOf = (index) => module.UTF8ToString(module._velorin_svg(index));

  window.velorin = {
    // Runs script lines on the live page, with the verbs and errors of --script.
    script(text) {
      const run = nextRun++;
      const lines = String(text).split('\n');
      if (lines.length && lines[lines.length - 1] === '') lines.pop();
      return new Promise((resolve, reject) => {
        runs.set(run, { resolve, reject });
        lines.forEach((l, i) => queue.push(`line ${run} ${i + 1} ${l}`));
        queue.push(`end ${run}`);
      });
    },
    // The state as "render FILE.json" writes it.
    state() { return module.UTF8ToString(module._velorin_state()); },
  };
  try {
    module.callMain([]);
  } catch (e) {
    if (e !== 'unwind' && !(e && e.name === 'ExitStatus')) showError(e);
  }
  // The menu bar is only built once the program runs, so its first sync has already come.
  setTimeout(() => { ui.setMenu(JSON.parse(module.UTF8ToString(module._velorin_menu()))); }, 0);
}
