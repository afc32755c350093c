#include "app/startup.h"

// Linux has no start-up library that calls SDL_main for us.
int main(int argc, char* argv[]) { return SDL_main(argc, argv); }
