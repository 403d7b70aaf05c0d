#pragma once

#include <QPoint>
#include <QSize>

class TForm;

// Where a box goes over the main window's working area (its panel "Client"): the main
// window's position, plus Client's stored position inside its parent panel, plus half
// the size difference rounded to the nearest integer with ties to even. The offset of
// the frame around Client's parent is deliberately not added. The box counts at the
// size it shows at: a borderless window's outer size is its client size, which the
// box's size constraints (a minimum size larger than the designed one) may enlarge.
class TCentringRule {
public:
    // The box's top-left corner on the screen; the box's own position when there is no
    // main window with a working area.
    static QPoint Place(const TForm& box);
    // Gives the box the size it shows at and moves it to where Place() says.
    static void MoveBox(TForm& box);
    // Nearest integer, ties to even: 2.5 gives 2, 3.5 gives 4, -2.5 gives -2.
    static int RoundHalfEven(double value);

private:
    // The box's size within its constraints.
    static QSize ShownSize(const TForm& box);
};
