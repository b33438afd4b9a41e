#include "app/Application.h"

int main(int argc, char** argv) { return jsdebug::runWorkbench(argc, argv); }
