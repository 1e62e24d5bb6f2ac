// Quarrow: a first-person block-world game.
#include "app/frame.h"

int main() { return GameMain(); }
