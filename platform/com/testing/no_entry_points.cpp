// Tests only: a shared library that is no control library (it exports none of the entry points).
extern "C" __attribute__((visibility("default"))) int KirvNotAControl() {
  return 1;
}
