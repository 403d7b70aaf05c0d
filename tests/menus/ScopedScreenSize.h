#pragma once

#include "T_AM2000_WindowPlacement.h"

#include <QSize>
#include <utility>

// Places the menus on a screen of a given size, or of the size a source gives, for as
// long as it lives.
class ScopedScreenSize {
public:
    explicit ScopedScreenSize(QSize size)
        : ScopedScreenSize([size] { return size; })
    {}
    explicit ScopedScreenSize(T_AM2000_WindowPlacement::ScreenSource source)
        : m_previous(T_AM2000_WindowPlacement::SetScreenSource(std::move(source)))
    {}
    ~ScopedScreenSize() { T_AM2000_WindowPlacement::SetScreenSource(m_previous); }
    ScopedScreenSize(const ScopedScreenSize&) = delete;
    ScopedScreenSize& operator=(const ScopedScreenSize&) = delete;

private:
    T_AM2000_WindowPlacement::ScreenSource m_previous;
};
