#include "app/Aplikacja.h"

int main(int argc, char** argv) {
  Aplikacja app(argc, argv);
  return 0;
}
