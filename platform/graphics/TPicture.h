#pragma once

#include "TGraphic.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TBitmap;
class TStream;

using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;

// A picture file format known to TPicture: extension (without dot, lower case),
// description for file dialogs, and how to make an empty graphic of that kind.
struct TPictureFormat {
    QString extension;
    QString description;
    TGraphicFactory factory;
};

// A holder of one graphic of any kind (or none), as the picture controls keep it.
// Everything that gives the picture a graphic stores a copy; the picture owns it and
// tells OnChange after every change of the graphic or of its content.
//
// File formats are registered by extension: "bmp" (TBitmap), "jpg" and "jpeg"
// (TJPEGImage), "png" (TPngImage) and "svg" (TSvgImage) are there from the start; other
// kinds register themselves at start-up (RegisterFileFormat) and unregister at shutdown.
// Loading a file chooses the kind by the file's extension; loading a stream or a
// resource without extension by the content (TImageFormat), then the registry.
class TPicture : public TPersistent {
    T_CLASS_INFO
public:
    TPicture();
    ~TPicture() override;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    // The held graphic, or nullptr.
    TGraphic* Graphic() const { return m_graphic.get(); }
    // Holds a copy of graphic (nullptr: none).
    void SetGraphic(const TGraphic* graphic);
    // Holds graphic itself.
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    // The held bitmap; when the graphic is not a TBitmap it is first replaced by an
    // empty one.
    TBitmap* Bitmap();

    int Width() const;
    int Height() const;

    // From a TPicture: a copy of its graphic; from a TGraphic: a copy of it; nullptr:
    // no graphic; from any other IStreamPersist (a blob field): a bitmap read from its
    // stream form, as a Windows bitmap file (on an error the picture holds an empty
    // bitmap). Other sources are asked to AssignTo this picture.
    void Assign(const TPersistent* source) override;

    // Chooses the kind by extension ("Unknown picture file extension (.xyz)" otherwise)
    // and loads the file; on an error the picture keeps what it had.
    void LoadFromFile(const QString& fileName);
    // Writes the graphic in its own format, whatever the name says; nothing without one.
    void SaveToFile(const QString& fileName) const;
    // Chooses the kind by the first bytes; raises EInvalidGraphic "Unsupported stream
    // format" when none fits.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;

    // The program's raw-data resource of that name: the kind comes from the resource
    // file's extension through the registry (from the first bytes when it has none);
    // an empty name clears the picture. ResourceName() names what was loaded last and
    // is forgotten at any other change.
    void LoadFromResourceName(const QString& name);
    const QString& ResourceName() const { return m_resourceName; }

    // Data of a registered clipboard format (and "Bitmap", a DIB, from the start).
    void LoadFromClipboardFormat(const QString& format, const QByteArray& data);
    static bool SupportsClipboardFormat(const QString& format);

    // Registers or replaces the kind for an extension (letter case ignored, no dot).
    static void RegisterFileFormat(const QString& extension, const QString& description,
                                   TGraphicFactory factory);
    static void UnregisterFileFormat(const QString& extension);
    // The registered formats, in registration order.
    static std::vector<TPictureFormat> FileFormats();
    // The kind for an extension, or an empty factory.
    static TGraphicFactory FileFormat(const QString& extension);
    static void RegisterClipboardFormat(const QString& format, TGraphicFactory factory);
    static void UnregisterClipboardFormat(const QString& format);

    TNotifyEvent OnChange;
    TProgressEvent OnProgress;

protected:
    // Into a TGraphic: a copy of the held graphic (nothing held: EInvalidOperation).
    void AssignTo(TPersistent* dest) const override;

private:
    void Changed();
    void Attach(std::unique_ptr<TGraphic> graphic, const QString& resourceName = QString());

    std::unique_ptr<TGraphic> m_graphic;
    QString m_resourceName;
};
