// Printing the help text: the help window's text, page by page, each page with
// a footer of its number and the time printing began; then the help window closes.
#pragma once

// Always true: the menu command counts as handled, printed, cancelled or refused
// (a job that cannot begin is reported in a message box).
bool PrintHelp();
