// Reading a page aloud through the browser's speech synthesis, in a Japanese voice.
export class Speech {
  constructor() {
    this.synth = 'speechSynthesis' in window ? window.speechSynthesis : null;
    this.current = null;  // what is being read: { key, text }
  }

  // Why the page cannot be read aloud, or null when it can.
  unavailable() {
    if (!this.synth) return 'このブラウザーは読み上げができません';
    const voices = this.synth.getVoices();
    // Some browsers list their voices only later; then the browser picks one for ja-JP.
    if (voices.length && !voices.some((v) => v.lang.replace('_', '-').startsWith('ja'))) {
      return '日本語の音声がありません';
    }
    return null;
  }

  speak(key, text) {
    if (!this.synth || !text) return;
    this.synth.cancel();
    const u = new SpeechSynthesisUtterance(text);
    u.lang = 'ja-JP';
    const voice = this.synth.getVoices().find((v) => v.lang.replace('_', '-') === 'ja-JP');
    try {
      if (voice) u.voice = voice;
    } catch { /* not a voice this browser knows: it picks one for the language */ }
    u.onend = u.onerror = () => { if (this.current?.utterance === u) this.current = null; };
    this.current = { key, text, utterance: u };
    this.synth.speak(u);
  }

  // Stops the reading of key (any reading when key is undefined).
  stop(key) {
    if (!this.synth || !this.current) return;
    if (key !== undefined && this.current.key !== key) return;
    this.current = null;
    this.synth.cancel();
  }

  // The page read aloud has changed or gone: its reading no longer fits.
  follow(readings) {
    if (this.current && readings.get(this.current.key) !== this.current.text) this.stop();
  }
}
