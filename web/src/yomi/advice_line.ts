// The question's line, one line wholly in view: the caption's own place
// lies over the pile and beside めくる, so the page gives it the strip of
// felt under the user's hand, the table's width, where nothing else stands
// while a question's box is up; a line too long for it shrinks.
import { px } from '../table';

const kStrip = { left: 120, top: 5835, width: 6660, height: 270 }; // twips
const kSmallest = 7;

export function fitAdviceLine(line: HTMLElement): void {
  if (!line.classList.contains('yomi-line')) {
    line.classList.add('yomi-line');
    Object.assign(line.style, { left: px(kStrip.left), top: px(kStrip.top), width: px(kStrip.width), height: px(kStrip.height) });
    line.dataset.fontSize = String(parseFloat(getComputedStyle(line).fontSize));
  }
  const size = Number(line.dataset.fontSize);
  line.style.fontSize = `${size}px`;
  for (let s = size; s > kSmallest && line.scrollWidth > line.clientWidth; s -= 0.5) line.style.fontSize = `${s - 0.5}px`;
}
