// The native module's surface as the page sees it: what web/bindings.cpp
// binds, written down once for the type checker. The module itself is built
// into the site as parabel.js and parabel.wasm.

/** A message box a command asks for; null when it asks for none. */
export interface ErrorBox {
  caption: string;
  message: string;
}

/** The solve and load commands' results: the box, the field, the list. */
export interface SolveReport {
  error: ErrorBox | null;
  /** The field's text afterwards; null when the field keeps its own. */
  fieldText: string | null;
  /** The lines the list shows now; null when it keeps its own. */
  lines: string[] | null;
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

/** Texts and files cross the boundary as strings or bytes. */
export type Bytes = Uint8Array | string;

/** The main window and its full-screen view, without widgets. */
export interface Page {
  solve(fieldText: string): SolveReport;
  load(fileBytes: Bytes): SolveReport;
  refresh(): ErrorBox | null;
  clear(): ErrorBox | null;
  afterModal(): ErrorBox | null;
  /** A view of the module's memory, valid until the next call. */
  panelRgba(): Uint8Array;
  description(): string;
  solutionFile(): Uint8Array;
  plotBmp(): Uint8Array;
  copiedSolution(): string;
  readSettings(settingsBytes: Bytes): ErrorBox | null;
  settingsText(): Uint8Array;
  curveColorHex(): string;
  /** "#rrggbb", or null for Cancel. */
  chooseCurveColor(chosen: string | null): ErrorBox | null;
  openFullScreen(width: number, height: number): ErrorBox | null;
  refreshFullScreen(): ErrorBox | null;
  fullScreenPointer(x: number, y: number): PointerReport;
  fullScreenWidth(): number;
  fullScreenHeight(): number;
  /** A view of the module's memory, valid until the next call. */
  fullScreenRgba(): Uint8Array;
  fullScreenBmp(): Uint8Array;
  delete(): void;
}

export interface Native {
  setDecimalSeparator(separator: string): void;
  fieldText(typed: string): string;
  pointerText(x: number, y: number): string;
  authorDetails(): AuthorDetails;
  buttonFaceHex(): string;
  readonly maxFirstLine: number;
  readonly panelWidth: number;
  readonly panelHeight: number;
  Page: new () => Page;
}

export default function LoadParabel(options?: object): Promise<Native>;
