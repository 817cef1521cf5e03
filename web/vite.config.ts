// The site: the page's TypeScript, the two WebAssembly instances and the
// pictures and sounds made by the desktop build, all from one origin.
import { resolve } from 'node:path';
import { defineConfig } from 'vitest/config';
import { precache } from './tools/precache.mjs';

const build = process.env.ZUNPA_WEB_BUILD ?? resolve(import.meta.dirname, '../build-web');
// Pictures, sounds and the manual, made by the desktop build (web-assets).
const assets = process.env.ZUNPA_WEB_ASSETS ?? resolve(import.meta.dirname, '../build/web-assets');

export default defineConfig({
  root: import.meta.dirname,
  base: './',
  publicDir: assets,
  plugins: [precache()],
  resolve: {
    alias: {
      '@page': build,
      '@worker': build,
    },
  },
  build: {
    outDir: resolve(build, 'site'),
    emptyOutDir: true,
    target: 'es2020',
    assetsInlineLimit: 0,
    rollupOptions: {
      input: { index: resolve(import.meta.dirname, 'index.html'), sw: resolve(import.meta.dirname, 'src/sw.ts') },
      output: { entryFileNames: (chunk) => (chunk.name === 'sw' ? 'sw.js' : 'assets/[name]-[hash].js') },
    },
  },
  worker: { format: 'es' },
  server: { host: '127.0.0.1' },
  test: { include: ['tests/unit/**/*.test.ts'] },
});
