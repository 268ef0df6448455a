// The learning record in the browser's database (IndexedDB): read whole before the program
// starts, then each new attempt written through as the program makes it.
const DB = 'velorin';
const STORE = 'attempts';

function open() {
  return new Promise((resolve, reject) => {
    const req = indexedDB.open(DB, 1);
    req.onupgradeneeded = () => {
      req.result.createObjectStore(STORE, { autoIncrement: true });
    };
    req.onsuccess = () => resolve(req.result);
    req.onerror = () => reject(req.error);
    req.onblocked = () => reject(new Error('the record is open in an older page'));
  });
}

export class BrowserRecord {
  constructor() {
    this.db = null;
    this.rows = [];
    this.warned = false;
  }

  // Reads every attempt; a browser that keeps no database leaves the record empty.
  async load() {
    try {
      this.db = await open();
      this.rows = await new Promise((resolve, reject) => {
        const req = this.db.transaction(STORE).objectStore(STORE).getAll();
        req.onsuccess = () => resolve(req.result);
        req.onerror = () => reject(req.error);
      });
    } catch (e) {
      console.warn('velorin: the learning record cannot be read', e);
      this.db = null;
    }
    return this.rows;
  }

  // Writes one attempt; says once when results cannot be kept.
  append(row, warn) {
    if (!this.db) {
      if (!this.warned) warn();
      this.warned = true;
      return;
    }
    const tx = this.db.transaction(STORE, 'readwrite');
    tx.objectStore(STORE).add(row);
    tx.onerror = () => {
      if (!this.warned) warn();
      this.warned = true;
    };
  }
}
