import { zipSync } from 'fflate';
import { describe, expect, it } from 'vitest';
import { kMaxDataFileBytes, packDataFiles, readPicked, unpackDataFiles } from '../../src/data_zip';

const bytes = (text: string) => new TextEncoder().encode(text);
const file = (name: string, data: Uint8Array) => new File([data as BlobPart], name);
const tooLarge = new Uint8Array(kMaxDataFileBytes + 1);

describe('files picked for 読み込み', () => {
  it.each([
    // picked, what they bring (name: bytes as text, or null), names not ours
    [[file('zunpas.ini', bytes('a'))], { 'zunpas.ini': 'a' }, []],
    [[file('SAVE.TXT', bytes('b')), file('score.dat', tooLarge)], { 'Save.txt': 'b', 'score.dat': null }, []],
    [[file('all.zip', zipSync({ 'x/score.dat': bytes('c'), 'x/readme.txt': bytes('d') }))], { 'score.dat': 'c' }, []],
    [[file('big.zip', zipSync({ 'Save.txt': tooLarge }))], { 'Save.txt': null }, []],
    [[file('zunpas.ini', bytes('old')), file('zunpas.ini', bytes('new'))], { 'zunpas.ini': 'new' }, []],
    [[file('bad.zip', bytes('PK\x03\x04 no zip')), file('notes.txt', bytes('e'))], {}, ['bad.zip', 'notes.txt']],
    [[file('empty.zip', zipSync({ 'readme.txt': bytes('f') }))], {}, ['empty.zip']],
  ])('%#: bring what they hold', async (picked, brought, notOurs) => {
    const read = await readPicked(picked);
    const texts = Object.fromEntries(
      read.files.map((f) => [f.name, f.bytes && new TextDecoder().decode(f.bytes)]),
    );
    expect(texts).toEqual(brought);
    expect(read.notOurs).toEqual(notOurs);
  });

  it('come in the same order whatever order they were picked in', async () => {
    const picked = ['score.dat', 'SaveData.txt', 'Save.txt', 'zunpas.ini'].map((name) => file(name, bytes(name)));
    expect((await readPicked(picked)).files.map((f) => f.name)).toEqual([
      'zunpas.ini',
      'Save.txt',
      'SaveData.txt',
      'score.dat',
    ]);
  });

  it('unpack what 書き出し packs, byte for byte', () => {
    const kept = new Map([['score.dat', new Uint8Array([0x82, 0xa0, 0x0d, 0x0a])]] as const);
    expect(unpackDataFiles(packDataFiles(kept))).toEqual([{ name: 'score.dat', bytes: kept.get('score.dat') }]);
  });
});
