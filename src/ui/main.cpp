#include "program.h"

int main(int argc, char** argv) {
    return parabel::ui::runProgram(argc, argv);
}
