// The library that carries the precompiled GoogleTest headers; the tests
// link GoogleTest's main through it.
