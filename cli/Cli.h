#pragma once
// The sub-commands of sarnix-cli. Each takes the arguments after its name and returns the exit code.

#include <QStringList>

int CliInfo(const QStringList& argumente);
int CliRender(const QStringList& argumente);
int CliPrint(const QStringList& argumente);
int CliExport(const QStringList& argumente);  // needs only a QCoreApplication
