#include <cstdio>

int main() {
  std::puts("galeria-calc");
  return 0;
}
