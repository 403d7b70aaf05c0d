#include "TCentringRule.h"

#include "TApplication.h"
#include "TControl.h"
#include "TSizeConstraints.h"

#include <cmath>

QPoint TCentringRule::Place(const TForm& box)
{
    const TForm* main = Application ? Application->MainForm() : nullptr;
    const auto* client =
        main ? dynamic_cast<const TControl*>(main->FindComponent("Client")) : nullptr;
    if (!client)
        return QPoint(box.Left(), box.Top());
    const QSize size = ShownSize(box);
    const int left =
        main->Left() + client->Left() + RoundHalfEven((client->Width() - size.width()) / 2.0);
    const int top =
        main->Top() + client->Top() + RoundHalfEven((client->Height() - size.height()) / 2.0);
    return QPoint(left, top);
}

void TCentringRule::MoveBox(TForm& box)
{
    const QPoint place = Place(box);
    const QSize size = ShownSize(box);
    box.SetBounds(place.x(), place.y(), size.width(), size.height());
}

QSize TCentringRule::ShownSize(const TForm& box)
{
    const TSizeConstraints& constraints = *box.Constraints();
    return QSize(constraints.ConstrainWidth(box.Width()),
                 constraints.ConstrainHeight(box.Height()));
}

int TCentringRule::RoundHalfEven(double value)
{
    return int(std::nearbyint(value)); // the default rounding mode rounds ties to even
}
