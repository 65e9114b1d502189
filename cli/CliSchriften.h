#pragma once
// Loading the font database (fontconfig reads its whole configuration) takes about as long as
// reading a day's flight. Started on a thread of its own, it is done by the time the first text
// is drawn; the thread is joined when the returned object ends.

#include <thread>

namespace cli {

// Needs the QGuiApplication; keep the result alive until the drawing is finished.
[[nodiscard]] std::jthread SchriftenVorladen();

}  // namespace cli
