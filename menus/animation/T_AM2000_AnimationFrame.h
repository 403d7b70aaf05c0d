#pragma once

#include "T_AM2000_Types.h"

#include <QImage>
#include <QSize>

// What a drop-down window shows of its full-size menu image while it is smaller than
// the image: slide kinds (and no animation) show the part away from the opening edge,
// so the menu seems to slide out from under that edge; stretch kinds scale the image;
// roll kinds uncover it in place.
class T_AM2000_AnimationFrame {
public:
    // toLeft: the window opens to the left (grows leftward); upward: it grows upward.
    static QImage Copy(const QImage& menu, QSize size, T_AM2000_Animation kind, bool toLeft,
                       bool upward);
    // The menu image in the form that Copy reads for kind without converting it at every
    // frame: stretch kinds read 32-bit RGB.
    static QImage Prepared(const QImage& menu, T_AM2000_Animation kind);
    // Nearest neighbour: output row j takes source row round(j * H / h), and likewise
    // for columns.
    static QImage Stretch(const QImage& menu, QSize size);
    // The source index for output index of outputLength, within 0..sourceLength - 1.
    static int SourceIndex(int output, int sourceLength, int outputLength);
};
