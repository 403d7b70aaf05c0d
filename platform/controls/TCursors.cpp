#include "TCursors.h"

#include <utility>

namespace {

struct CursorEntry {
    const char* name;
    TCursor cursor;
    Qt::CursorShape shape;
};

constexpr CursorEntry cursors[] = {
    {"crDefault", crDefault, Qt::ArrowCursor},
    {"crNone", crNone, Qt::BlankCursor},
    {"crArrow", crArrow, Qt::ArrowCursor},
    {"crCross", crCross, Qt::CrossCursor},
    {"crIBeam", crIBeam, Qt::IBeamCursor},
    {"crSizeNESW", crSizeNESW, Qt::SizeBDiagCursor},
    {"crSizeNS", crSizeNS, Qt::SizeVerCursor},
    {"crSizeNWSE", crSizeNWSE, Qt::SizeFDiagCursor},
    {"crSizeWE", crSizeWE, Qt::SizeHorCursor},
    {"crUpArrow", crUpArrow, Qt::UpArrowCursor},
    {"crHourGlass", crHourGlass, Qt::WaitCursor},
    {"crDrag", crDrag, Qt::DragCopyCursor},
    {"crNoDrop", crNoDrop, Qt::ForbiddenCursor},
    {"crHSplit", crHSplit, Qt::SplitHCursor},
    {"crVSplit", crVSplit, Qt::SplitVCursor},
    {"crMultiDrag", crMultiDrag, Qt::DragCopyCursor},
    {"crSQLWait", crSQLWait, Qt::BusyCursor},
    {"crNo", crNo, Qt::ForbiddenCursor},
    {"crAppStart", crAppStart, Qt::BusyCursor},
    {"crHelp", crHelp, Qt::WhatsThisCursor},
    {"crHandPoint", crHandPoint, Qt::PointingHandCursor},
    {"crSizeAll", crSizeAll, Qt::SizeAllCursor},
};

} // namespace

Qt::CursorShape TCursors::ToShape(TCursor cursor)
{
    for (const CursorEntry& entry : cursors) {
        if (entry.cursor == cursor)
            return entry.shape;
    }
    return Qt::ArrowCursor;
}

QString TCursors::Name(TCursor cursor)
{
    for (const CursorEntry& entry : cursors) {
        if (entry.cursor == cursor)
            return QString::fromLatin1(entry.name);
    }
    return QString();
}

bool TCursors::FromName(const QString& name, TCursor& cursor)
{
    for (const CursorEntry& entry : cursors) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            cursor = entry.cursor;
            return true;
        }
    }
    return false;
}

TLayoutValue TLayoutCodec<TCursor>::Encode(TCursor value)
{
    const QString name = TCursors::Name(value);
    return name.isEmpty() ? TLayoutValue::Integer(value) : TLayoutValue::Identifier(name);
}

TCursor TLayoutCodec<TCursor>::Decode(const TLayoutValue& value)
{
    if (value.kind() == TLayoutValue::Kind::Integer)
        return TCursor(int(value.integer()));
    TCursor cursor = crDefault;
    if (value.kind() == TLayoutValue::Kind::Identifier && TCursors::FromName(value.text(), cursor))
        return cursor;
    layout_detail::Expected("a cursor", value);
}
