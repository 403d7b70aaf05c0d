#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

struct TJetRow;

// The picture inside a value that Access stored as an OLE object: a header starting with
// the signature 0x1C15, then an OLE 1 object whose native data is, for class "Package",
// a packaged file (the picture file as it was inserted) and, for "PBrush" and other
// picture classes, a Windows bitmap file or another picture file itself.
//
// The value comes from a file we do not trust: every length is checked against what is
// left before it is used.
class TAccessOleObject {
public:
    enum class TKind {
        NotWrapped, // no OLE header: the value is the picture's own bytes
        Unwrapped,  // picture holds what the object wrapped
        Unknown,    // an OLE object whose picture cannot be taken out (problem says why)
    };

    struct TResult {
        TKind kind = TKind::NotWrapped;
        QByteArray picture;
        QString className; // the OLE class, when the header could be read that far
        QString problem;
    };

    static TResult Unwrap(const QByteArray& stored);
    // The picture to show for a stored value: what it wraps, or the value itself when it
    // is not wrapped or cannot be unwrapped (it then shows as a damaged picture).
    static QByteArray Picture(const QByteArray& stored);
    // The value that stands for a row's picture in a copy of the catalogue: NULL, or the
    // picture of the bytes it holds (as Picture).
    static QVariant PictureOf(const TJetRow& row);
};
