// What a score cell's style says, for those who cannot see its colour.

export const kPlainPoints = 9;
const kBlue = 0x0000ff;
const kGreen = 0x008000;
const kRed = 0xff0000;

export interface CellStyle {
  colour: number;
  italic: boolean;
  size: number;
  underline: boolean;
}

export function colourText(rgb: number): string {
  return `#${(rgb & 0xffffff).toString(16).padStart(6, '0')}`;
}

// The legend's words for the styles one cell has, or '' for a plain one.
export function cellMeaning(cell: CellStyle): string {
  const words: string[] = [];
  if (cell.colour === kBlue) words.push('ズンパ勝ち');
  if (cell.colour === kGreen) words.push('あがり勝ち');
  if (cell.colour === kRed) words.push('ズンパ負け');
  if (cell.underline && cell.size < kPlainPoints) words.push('半減');
  if (cell.underline && cell.size > kPlainPoints) words.push('倍');
  if (cell.italic) words.push('ズンパ返し');
  return words.join('・');
}
