// The modules emscripten writes for the page and for 読み's worker.
declare module '@page/zunpa-page.js' {
  const create: (options: object) => Promise<unknown>;
  export default create;
}
declare module '@worker/zunpa-yomi-worker.js' {
  const create: (options: object) => Promise<unknown>;
  export default create;
}
