#include "shell/program.h"

int main(int argc, char **argv)
{
    return abacolo::runProgram(argc, argv);
}
