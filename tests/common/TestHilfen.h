#pragma once
// Small helpers shared by the tests: sample paths, temporary recordings, blank canvases.

#include <QImage>
#include <string>

namespace test {

// Path of a bundled sample recording (samples/NAME).
std::string Sample(const std::string& name);
// Path of a file under tests/data.
std::string Testdaten(const std::string& name);
// Writes bytes to a fresh temporary file (removed at exit) and returns its path.
std::string TempDatei(const std::string& inhalt, const std::string& endung = ".vrl");
// A white RGB32 canvas.
QImage LeeresBild(int breite, int hoehe);
// Number of pixels of the image that are not white.
int NichtWeiss(const QImage& bild);

}  // namespace test
