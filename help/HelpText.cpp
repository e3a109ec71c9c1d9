// The help text. Paragraphs are separated by two carriage returns and
// sentences by two blanks, as in every text of the program.
#include "help/Help.h"

namespace Quorvex {

// clang-format off
const char* const Help::HelpText =
    "Quorvex was made to help you explore a curious effect in the way that we read, and to "
    "practise your short-term memory, your focus and your concentration."
    "\r\r"
    "The left half of the main window holds nine cells, each of which shows a coloured word.  "
    "Press \"Start Normal\" and then read aloud, as fast as you possibly can, everything that "
    "the nine cells show.  "
    "When you have finished, press the same button again, which now says \"Stop\".  "
    "The number of seconds that you took is then shown below the cells.  "
    "Repeat the run several times and try for your shortest time.  "
    "In this run every word stands in the colour that it names.  "
    "Then do the same with \"Start Scrambled\".  "
    "Now a word's colour may or may not be the colour that it names, which makes quick reading "
    "much harder.  "
    "Your shortest scrambled time will normally be longer than your shortest normal time.  "
    "With practice, both of your times will improve."
    "\r\r"
    "The nine cells in the right half of the window are empty at first.  "
    "Press \"Start Memory Test\" and the numbers one to nine appear, each in one of the cells "
    "and in shuffled order, for just one second.  "
    "Your task is then to click the cells in the order one to nine.  "
    "Each cell that you click shows the number of that click.  "
    "Clicking the cell that you clicked last once more takes its number away again, so that you "
    "can put a mistake right, but the ninth number stays.  "
    "After nine clicks the number of cells that you got right is shown.  "
    "Press \"Show Answer\" to see the correct answer for as long as you like, and take your "
    "time to compare.  "
    "A second press shows your own answer again, and a third press empties the cells.  "
    "Practising this test regularly is said to improve short-term memory, focus and "
    "concentration."
    "\r\r"
    "Program icon by Maren Holloway.";
// clang-format on

} // namespace Quorvex
