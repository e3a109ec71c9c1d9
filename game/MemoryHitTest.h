// Which memory cell a press at (x, y) on the grid hits, counted 1 to 9 row by
// row; 0 for none. The left and top pixel lines of every cell, and the lines
// at 300, are dead: a press there hits nothing.
#pragma once

inline int MemoryCellAt(int x, int y) {
    for (int k = 1; k <= 9; ++k) {
        const int r = (k - 1) / 3, c = (k - 1) % 3;
        if (100 * c < x && x < 100 * c + 100 && 100 * r < y && y < 100 * r + 100) return k;
    }
    return 0;
}
