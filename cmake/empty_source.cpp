// A shared library needs one source of its own; the layer it holds comes whole from
// its archive.
