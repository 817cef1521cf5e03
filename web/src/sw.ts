// Placeholder replaced below.
export {};
