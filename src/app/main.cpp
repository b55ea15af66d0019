// Process entry: the application main runs the diary until it quits.
#include "app/App.h"

int main(int argc, char** argv) { return AppMain::Main(argc, argv); }
