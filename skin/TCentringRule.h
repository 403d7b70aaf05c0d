#pragma once

#include <QPoint>

class TForm;

// Where a box goes over the main window's working area (its panel "Client"): the main
// window's position, plus Client's stored position inside its parent panel, plus half
// the size difference rounded to the nearest integer with ties to even. The offset of
// the frame around Client's parent is deliberately not added.
class TCentringRule {
public:
    // The box's top-left corner on the screen; the box's own position when there is no
    // main window with a working area.
    static QPoint Place(const TForm& box);
    // Moves the box to where Place() says.
    static void MoveBox(TForm& box);
    // Nearest integer, ties to even: 2.5 gives 2, 3.5 gives 4, -2.5 gives -2.
    static int RoundHalfEven(double value);
};
