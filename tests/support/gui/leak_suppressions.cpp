// Linked into every GUI test: fonts come through fontconfig, whose caches the leak checker of
// the sanitizer build counts as lost at exit.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
