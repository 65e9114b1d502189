#include "cli/CliSchriften.h"

#include <QFontDatabase>
#include <QStringList>

namespace cli {

std::jthread SchriftenVorladen()
{
    // The font database is guarded by Qt's own lock: a drawing thread that wants a font first
    // waits for this one instead of loading it a second time.
    return std::jthread([] { (void)QFontDatabase::families(); });
}

}  // namespace cli
