#pragma once

#include "TCatalogue.h"
#include "TTestPictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>
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
    static QByteArray Jpeg() { return TTestPictures::Jpeg(Sample()); }
    static QByteArray Bitmap() { return TTestPictures::BitmapFile(Sample()); }
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

    // Every row of table picture, every column's bytes as SQLite holds them (with its
    // type), in row id order, read as another program would.
    static std::vector<QByteArrayList> RawRows(const QString& path)
    {
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT rowid, * FROM picture ORDER BY rowid", -1, &stmt, nullptr);
        std::vector<QByteArrayList> rows;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            QByteArrayList row;
            for (int column = 0; column < sqlite3_column_count(stmt); ++column) {
                const char* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, column));
                row << QByteArray::number(sqlite3_column_type(stmt, column)) +
                           QByteArray(bytes, sqlite3_column_bytes(stmt, column));
            }
            rows.push_back(row);
        }
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return rows;
    }

private:
    QTemporaryDir m_dir;
};
