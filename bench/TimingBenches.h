// The two timing figures taken inside a running Quorvex: the memory test's
// one-second display and the reading test's shown time.
#pragma once

namespace Quorvex {
class Window1;
}

// Runs `tests` memory tests and prints the display time between the paint
// that shows the numbers and the paint that empties the grid.
void BenchMemoryDisplay(Quorvex::Window1& window, int tests);

// Runs reading runs of the given lengths in seconds and prints how far the
// shown time lies from the interval measured outside the program's clock.
void BenchReadingTime(Quorvex::Window1& window, bool quick);
