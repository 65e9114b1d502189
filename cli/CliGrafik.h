#pragma once
// The drawing commands of sarnix-cli (render, print) live in a module of their own, loaded only
// when one of them runs: info and --help start without Qt Gui, its fonts and its platform.

// The module's entry, called with the program's own arguments: makes the QGuiApplication on the
// offscreen platform and runs the command; the exit code.
extern "C" int SarnixGrafikBefehl(int argc, char** argv);
inline constexpr const char* grafikEinstieg = "SarnixGrafikBefehl";
inline constexpr const char* grafikModul = "sarnix-grafik";
