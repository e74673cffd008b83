// Corvane: a sensitivity calculator for amateur radio astronomy.
#include "startup.h"

int main(int argc, char** argv) { return corvane::RunCorvane(argc, argv); }
