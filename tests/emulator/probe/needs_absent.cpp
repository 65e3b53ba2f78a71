// A library that imports a function of absent_dependency, which the loading
// tests keep out of reach: loading it fails for a missing dependency.
extern "C" int absent_function();

int (*volatile keeps_the_import)() = absent_function;
