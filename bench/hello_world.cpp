// The floor of start-up: the smallest C++ program that prints a line, built
// and linked as parabel-cli is. bench/cli_startup.sh times the two.
#include <iostream>

int main() {
    std::cout << "Hello, world!\n";
}
