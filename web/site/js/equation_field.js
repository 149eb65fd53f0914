// The equation field: whatever is typed, pasted or dropped, it keeps only
// what the native side's field text keeps (lower case, Windows-1251
// characters, "²" as "^2"), the cursor staying after what was typed.
import { running } from './program_life.js';
export function keepFieldText(input, fieldText) {
  input.addEventListener('input', (event) => {
    if (event.isComposing) {
      return;  // an input method's unfinished text: judged once it is done
    }
    const text = input.value;
    const kept = fieldText(text);
    if (kept === text) {
      return;
    }
    const cursor = fieldText(text.slice(0, input.selectionStart ?? text.length)).length;
    input.value = kept;
    input.setSelectionRange(cursor, cursor);
  }, { signal: running });
  input.addEventListener('compositionend', () => input.dispatchEvent(new Event('input')), { signal: running });
}
