#pragma once

#include "TPersistent.h"

// Clipboard formats by the system's numbers; only bitmaps are exchanged.
using TClipboardFormat = int;
constexpr TClipboardFormat CF_BITMAP = 2;

// The desktop clipboard (QClipboard underneath), holding pictures as bitmaps.
//
// Assign(picture or graphic) puts the picture on the clipboard as an image with its
// transparency, as "image/png" and, for a drawing, as "image/svg+xml"
// (TPictureMimeData); a picture or bitmap assigned from the clipboard
// (bitmap->Assign(&Clipboard())) receives the clipboard's image as a bitmap. Only the
// application's user-interface thread may use it.
class TClipboard : public TPersistent {
    T_CLASS_INFO
public:
    TClipboard();

    // Whether the clipboard holds data of that format now.
    bool HasFormat(TClipboardFormat format) const;
    // From a TPicture or TGraphic: its pixels and forms (nothing held or an empty
    // graphic clears the clipboard); nullptr clears it.
    void Assign(const TPersistent* source) override;
    void Clear();

protected:
    // Into a TPicture (which then holds a bitmap) or a TBitmap, transparent parts laid
    // over white; raises EInvalidOperation
    // "Clipboard holds no bitmap" when there is none.
    void AssignTo(TPersistent* dest) const override;
};

// The application's clipboard object, created on first use.
TClipboard& Clipboard();
