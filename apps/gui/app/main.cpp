#include "app/application.h"

int main(int argc, char** argv) { return vex::gui::runApplication(argc, argv); }
