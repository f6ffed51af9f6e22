// The image list of the calculation tree, drawn here: 0 a calculation (a
// small table), 1 the same greyed, 2 a chosen calculation (the table
// highlighted), 3 a marker, 4 a group (a folder). Only the indices are
// fixed; the pictures are the program's own.
#pragma once

#include <QIcon>
#include <QPixmap>

#include <array>

struct TTreeImages {
    std::array<QPixmap, 5> Images;

    // An icon showing image normal, and image selected when chosen.
    QIcon Icon(int normal, int selected) const;
};

TTreeImages MakeTreeImages();
