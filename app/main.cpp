#include "app/Application.h"

int main(int argc, char** argv) { return jsdebug::app::runWorkbench(argc, argv); }
