#include "TCentringRule.h"

#include "TApplication.h"
#include "TControl.h"

#include <cmath>

QPoint TCentringRule::Place(const TForm& box)
{
    const TForm* main = Application ? Application->MainForm() : nullptr;
    const auto* client =
        main ? dynamic_cast<const TControl*>(main->FindComponent("Client")) : nullptr;
    if (!client)
        return QPoint(box.Left(), box.Top());
    const int left =
        main->Left() + client->Left() + RoundHalfEven((client->Width() - box.Width()) / 2.0);
    const int top =
        main->Top() + client->Top() + RoundHalfEven((client->Height() - box.Height()) / 2.0);
    return QPoint(left, top);
}

void TCentringRule::MoveBox(TForm& box)
{
    const QPoint place = Place(box);
    box.SetBounds(place.x(), place.y(), box.Width(), box.Height());
}

int TCentringRule::RoundHalfEven(double value)
{
    return int(std::nearbyint(value)); // the default rounding mode rounds ties to even
}
