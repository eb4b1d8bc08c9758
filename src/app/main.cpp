// Gravmark's entry point. Until the main window exists it reports what is built and exits.
#include <cstdio>

int main() {
  std::puts("Gravmark: the world records, rules and media layer are being built; no window yet.");
  return 0;
}
