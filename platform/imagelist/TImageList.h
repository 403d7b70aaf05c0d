#pragma once

#include "TComponent.h"

#include <QImage>
#include <functional>
#include <map>
#include <vector>

class TCanvas;

// A list of images of one size that controls draw by index. Cells are implicitly
// shared images, so the controls that show a cell share its pixels. Users register for
// change notices (OnChange by key) to rebuild what they drew from the list.
class TImageList : public TComponent {
    T_CLASS_INFO
public:
    explicit TImageList(TComponent* owner);

    // Cell size in pixels; changing it clears the list.
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetSize(int width, int height);
    int Count() const { return int(m_images.size()); }

    // Adds an image (scaled to the cell size if it differs); returns its index.
    int Add(const QImage& image);
    void Replace(int index, const QImage& image);
    void Clear();
    // The cell at index, or a null image for an index outside the list.
    QImage Image(int index) const;
    bool HasImage(int index) const { return index >= 0 && index < Count(); }
    // Draws the cell with its top-left corner at (x, y), blending its alpha.
    void Draw(TCanvas& canvas, int x, int y, int index) const;

    // Change notices: a listener is told after every change until it is removed.
    void AddChangeListener(const void* key, std::function<void()> listener);
    void RemoveChangeListener(const void* key);

private:
    QImage Fitted(const QImage& image) const;
    void Changed();

    int m_width = 16;
    int m_height = 16;
    std::vector<QImage> m_images;
    std::map<const void*, std::function<void()>> m_listeners;
};
