// node's fetch() takes no file path, and emscripten's loader would hand it
// one: the program's WebAssembly is read from beside its script instead.
// (A thread's worker gets the compiled module and never comes here.)
if (typeof process == 'object' && typeof __filename == 'string' && !Module['wasmBinary']) {
  try {
    Module['wasmBinary'] = require('fs').readFileSync(__filename.replace(/\.js$/, '.wasm'));
  } catch (e) {
  }
}
