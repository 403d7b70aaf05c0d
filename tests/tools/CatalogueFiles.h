#pragma once

#include "TBitmap.h"
#include "TCatalogue.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

// Picture files and a new catalogue in a temporary folder, for the catalogue tests.
class TCatalogueFiles {
public:
    TCatalogueFiles() { TCatalogue::Create(DatabasePath()); }

    QString DatabasePath() const { return m_dir.filePath(QStringLiteral("pictures.mdb")); }
    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    // Writes bytes to name (subfolders made as needed) and returns the path.
    QString Write(const QString& name, const QByteArray& bytes) const
    {
        const QString path = PathOf(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QImage Sample(QImage::Format format = QImage::Format_RGB32)
    {
        QImage image(24, 16, format);
        image.fill(QColor(200, 40, 30));
        return image;
    }
    static QByteArray Jpeg(const QImage& image = Sample())
    {
        TBitmap bitmap;
        bitmap.SetImage(image);
        TJPEGImage jpeg;
        jpeg.Assign(&bitmap);
        TMemoryStream out;
        jpeg.SaveToStream(out);
        return out.Bytes();
    }
    static QByteArray Bitmap(const QImage& image = Sample())
    {
        TBitmap bitmap;
        bitmap.SetImage(image);
        TMemoryStream out;
        bitmap.SaveToStream(out);
        return out.Bytes();
    }
    static QByteArray Png(const QImage& image)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return buffer.data();
    }

    static std::vector<TCatalogue::TEntry> Entries(TCatalogue& catalogue,
                                                   std::optional<qint64> parent = {})
    {
        std::vector<TCatalogue::TEntry> entries;
        catalogue.List(parent, [&](const TCatalogue::TEntry& entry) { entries.push_back(entry); });
        return entries;
    }

private:
    QTemporaryDir m_dir;
};
