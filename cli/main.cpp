#include "CliApp.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return RunCli(argc, argv, std::cout, std::cerr);
}
