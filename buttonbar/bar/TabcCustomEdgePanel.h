#pragma once

#include "TPanel.h"
#include "TSet.h"

enum class TabcBevelEdge { beLeft, beTop, beRight, beBottom };
T_ENUM_NAMES(TabcBevelEdge, "beLeft", "beTop", "beRight", "beBottom");
using TabcBevelEdges = TSet<TabcBevelEdge>;

// A panel whose bevels can leave out some of its sides. With all four sides it
// paints as a plain panel.
class TabcCustomEdgePanel : public TPanel {
    T_CLASS_INFO
public:
    explicit TabcCustomEdgePanel(TComponent* owner);

    TabcBevelEdges BevelEdges() const { return m_bevelEdges; }
    void SetBevelEdges(TabcBevelEdges edges);

    static TabcBevelEdges AllEdges();

protected:
    void Paint() override;

private:
    void DrawBevel(QRect& rect, TBevelCut cut);
    void DrawCaption(const QRect& rect);

    TabcBevelEdges m_bevelEdges = AllEdges();
};
