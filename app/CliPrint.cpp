// Placeholder until the sub-command is built.
#include "app/Cli.h"
#include <cstdio>
int CliPrint(const QStringList&)
{
    std::fputs("nicht verfügbar\n", stderr);
    return 2;
}
