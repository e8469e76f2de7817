#pragma once
// Which surface cell lies under the pointer, from the screen positions and drawing
// keys of the grid points as last rendered.
#include "controls/common/matrix.h"

#include <QPoint>

struct TCellHit {
    bool Found = false;
    int Column = 0; // the cell's first grid column and row; (0, 0) when none is found
    int Row = 0;
};

// Cell (i, j) is the quadrilateral of the grid points (i, j), (i, j + 1), (i + 1, j + 1),
// (i + 1, j). A pointer inside it, or on one of its edges, hits it; of several cells
// hit, the one whose point (i, j) has the largest key (drawn last, so on top) wins.
TCellHit CellUnderPointer(const TIntMatrix& screenX, const TIntMatrix& screenY, const TIntMatrix& drawKey,
                          QPoint pointer);
