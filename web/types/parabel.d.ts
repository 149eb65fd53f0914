// The native module's surface as the page sees it: what web/bindings.cpp
// binds, written down once for the type checker. The module itself is built
// into the site as parabel.js and parabel.wasm.

/** A message box a command asks for; null when it asks for none. */
export interface ErrorBox {
  caption: string;
  message: string;
}

/** The solve and load commands' results: the box, the field, the list, the panel. */
export interface SolveReport {
  error: ErrorBox | null;
  /** The field's text afterwards; null when the field keeps its own. */
  fieldText: string | null;
  /** The lines the list shows now; null when it keeps its own. */
  lines: string[] | null;
  /** The panel's picture, as panelRgba gives it: a view valid until the next call. */
  rgba: OwnBytes;
  /** The panel's picture in words, as description gives it. */
  description: string;
}

export interface PointerReport {
  text: string;
  error: ErrorBox | null;
}

export interface AuthorDetails {
  name: string;
  nickName: string;
  yearAndPlace: string;
  site: string;
  mail: string;
  icq: string;
}

/**
 * A menu title in the interface language: the caption around its access
 * letter (all in before when it has none), the letter in capitals as Alt
 * types it, and the key that types it on any layout ("KeyA").
 */
export interface MenuTitle {
  before: string;
  letter: string;
  after: string;
  accessLetter: string;
  code: string;
}

/**
 * One sheet of the printout: its lines, the plot's top when it stands on
 * it, and a worksheet's second column of lines, row by row beside the first.
 */
export interface PrintedPage {
  lines: string[];
  plotTop: number | null;
  secondColumn: string[];
}

/**
 * The pages the print command lays out, in millimetres from each sheet's
 * top-left corner and font sizes in points: the lines in the list's bold
 * font, each short enough for the paper, the plot's picture (pictureWidth x
 * pictureHeight pixels, 0 x 0 for none, each picturePixel millimetres
 * square) and the footer on every sheet.
 */
export interface PrintedDocument {
  paper: 'A4' | 'Letter';
  paperWidth: number;
  paperHeight: number;
  pages: PrintedPage[];
  textLeft: number;
  textTop: number;
  fontSizePt: number;
  lineHeight: number;
  plotLeft: number;
  pictureWidth: number;
  pictureHeight: number;
  picturePixel: number;
  margin: number;
  /** Where a page's second column starts. */
  secondColumnLeft: number;
  footerLeft: string;
  footerRight: string;
  footerBaseline: number;
  footerFontSizePt: number;
}

/** A worksheet as asked for in the dialog or an address, each value as typed. */
export interface WorksheetFields {
  seed: string;
  count: string;
  variants: string;
  /** The kinds' names joined by commas: "whole,one". */
  kinds: string;
}

export interface WorksheetEquation {
  /** As a pupil types it: "2x^2-3x-5". */
  equation: string;
  /** "whole", "fractions", "one", "none", "decimal" or "incomplete". */
  kind: string;
  /** The answer line of its worked solution. */
  answer: string;
}

export interface WorksheetVariant {
  number: number;
  equations: WorksheetEquation[];
}

/** A worksheet asked for: the fields read, and its variants, or the message that says which value is wrong. */
export interface WorksheetReport {
  fields: WorksheetFields;
  error: string | null;
  variants: WorksheetVariant[] | null;
}

export interface WorksheetKind {
  name: string;
  /** Its plain name in the interface language. */
  title: string;
}

/** Texts and files cross the boundary as strings or bytes. */
export type Bytes = Uint8Array | string;

/**
 * Bytes the module hands out: a view of its memory or a copy of it, never
 * shared memory, so the browser's Blob and ImageData take them as they are.
 */
export type OwnBytes = Uint8Array<ArrayBuffer>;

/** The main window and its full-screen view, without widgets. */
export interface Page {
  solve(fieldText: string): SolveReport;
  load(fileBytes: Bytes): SolveReport;
  refresh(): ErrorBox | null;
  clear(): ErrorBox | null;
  afterModal(): ErrorBox | null;
  /** A view of the module's memory, valid until the next call. */
  panelRgba(): OwnBytes;
  description(): string;
  solutionFile(): OwnBytes;
  plotBmp(): OwnBytes;
  copiedSolution(): string;
  /** Sets the language ("en") and gives the last solve's lines written again in it. */
  changeLanguage(code: string): SolveReport;
  readSettings(settingsBytes: Bytes): ErrorBox | null;
  settingsText(): OwnBytes;
  curveColorHex(): string;
  /** "#rrggbb", or null for Cancel. */
  chooseCurveColor(chosen: string | null): ErrorBox | null;
  openFullScreen(width: number, height: number): ErrorBox | null;
  refreshFullScreen(): ErrorBox | null;
  fullScreenPointer(x: number, y: number): PointerReport;
  fullScreenWidth(): number;
  fullScreenHeight(): number;
  /** A view of the module's memory, valid until the next call. */
  fullScreenRgba(): OwnBytes;
  fullScreenBmp(): OwnBytes;
  /** Reads the history by `read` (the browser's storage; null for none), now and before each write. */
  readHistory(read: () => string | null): void;
  /** The equations solved, newest first. */
  history(): string[];
  /**
   * The text to keep after a solve or a clear; null when nothing was ever kept. A solve
   * adds its equation here, reading the history again first, not at once.
   */
  historyText(): string | null;
  /** Up in the field: the text to show, or null at the oldest. */
  historyOlder(typed: string): string | null;
  /** Down in the field: the text to show, or null when not walking. */
  historyNewer(): string | null;
  endHistoryWalk(): void;
  clearHistory(): void;
  /** The pages to print for the browser's language and today; null when nothing is to print. */
  printedDocument(language: string, day: number, month: number, year: number): PrintedDocument | null;
  delete(): void;
}

export interface Native {
  setDecimalSeparator(separator: string): void;
  /**
   * A page text in the interface language by its key: a catalog id
   * ("button.yes"), "caption:ID", "command:NAME", "hint:NAME",
   * "menu-hint:NAME" or "tool-hint:NAME"; empty for an unknown key.
   */
  text(key: string): string;
  /** A menu title by its catalog id ("menu.file"). */
  menuTitle(id: string): MenuTitle;
  /** The language's code from ?lang= (or null), the kept choice (or null) and the browser's languages. */
  chooseLanguage(forThisVisit: string | null, remembered: string | null, preferences: string[]): string;
  /** Sets the interface language by its code; an unknown code changes nothing. */
  setLanguage(code: string): void;
  /** The interface language's code: "ru", "en", "x-pseudo". */
  language(): string;
  /** The text that keeps a language's choice ("en\n"). */
  languageChoiceText(code: string): string;
  fieldText(typed: string): string;
  /** Whether the field holds a text (as fieldText keeps it): not longer than its limit. */
  fitsField(fieldText: string): boolean;
  /** The box that refuses a text longer than the field holds. */
  equationTooLong(): ErrorBox;
  pointerText(x: number, y: number): string;
  authorDetails(): AuthorDetails;
  buttonFaceHex(): string;
  /** The address fragment ("#x^2-5x+6") of the field's text. */
  fragmentOf(fieldText: string): string;
  /** The field's text of an address fragment; null for an empty one. */
  equationOfFragment(fragment: string): string | null;
  /** The box that says there is nothing to print. */
  nothingToPrint(): ErrorBox;
  /** The box for a copy the browser's clipboard refused. */
  copyRefused(): ErrorBox;
  /** The kinds of equation a worksheet mixes, from the easiest. */
  worksheetKinds(): WorksheetKind[];
  worksheet(fields: WorksheetFields): WorksheetReport;
  /** The worksheet an address's fragment asks for; null when it asks for none. */
  worksheetOfAddress(fragment: string): WorksheetReport | null;
  /** Every variant's sheet, then every variant's key; none for fields that ask for no worksheet. */
  worksheetDocuments(fields: WorksheetFields, workedSolutions: boolean, language: string, day: number,
    month: number, year: number): PrintedDocument[];
  /** A seed for a new sheet, as its field shows it. */
  newWorksheetSeed(): string;
  readonly maxFirstLine: number;
  readonly panelWidth: number;
  readonly panelHeight: number;
  /** The smallest screen the full-screen view draws for, in picture pixels. */
  readonly smallestFullScreenWidth: number;
  readonly smallestFullScreenHeight: number;
  /** Dots per picture pixel on the printed page (600 dots per inch). */
  readonly printDotsPerPixel: number;
  readonly millimetresPerPoint: number;
  Page: new () => Page;
}

export default function LoadParabel(options?: object): Promise<Native>;
