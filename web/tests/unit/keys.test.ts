import { describe, expect, it } from 'vitest';
import { keepStop, stepStop } from '../../src/keys';

describe('the keyboard ring', () => {
  const stops = [101, 203, 'draw'] as const;
  it.each([
    // current, step, expected: round the ends, and the first stop from nowhere
    [null, 1, 101],
    [101, 1, 203],
    ['draw', 1, 101],
    [101, -1, 'draw'],
    [999, 1, 101],
  ] as const)('from %s by %i lands on %s', (current, step, expected) => {
    expect(stepStop([...stops], current, step)).toBe(expected);
  });
  it('keeps its stop while it is there, else takes the first', () => {
    expect(keepStop([...stops], 203)).toBe(203);
    expect(keepStop([...stops], 305)).toBe(101);
    expect(keepStop([], 101)).toBeNull();
  });
});
