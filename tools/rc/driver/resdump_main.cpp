// restallow-resdump: lists the resources of a .res file of either format (-v: their contents).
#include "dump/ResDump.h"

int main(int argc, char** argv) { return rc::DumpMain(argc, argv); }
