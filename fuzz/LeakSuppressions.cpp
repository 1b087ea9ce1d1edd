// fontconfig keeps a cache it allocates on first use for the life of the process
// and never frees; LeakSanitizer would report it once per run as a leak of the
// game's. Nothing of ours is hidden by this.

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
